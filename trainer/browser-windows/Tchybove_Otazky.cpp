#include "trainer/browser-windows/Tchybove_Otazky.h"

#include "trainer-components/web-host/TWebHost.h"
#include "ui_Tchybove_Otazky.h"

#include <QFile>
#include <QPushButton>
#include <QStyle>

Tchybove_Otazky *chybove_Otazky = nullptr;

Tchybove_Otazky::Tchybove_Otazky(const QString &pagePath, QWidget *parent)
    : PageWindow(parent)
    , ui(std::make_unique<Ui::Tchybove_Otazky>())
    , m_pagePath(pagePath)
{
    ui->setupUi(this);
    setUpWebHost(ui->WebHost1);
    Tisk = ui->Tisk;
    BitBtn1 = ui->BitBtn1;
    Tisk->setIcon(printGlyph());
    BitBtn1->setIcon(style()->standardIcon(QStyle::SP_DialogCancelButton));
    connect(Tisk, &QPushButton::clicked, this, &Tchybove_Otazky::printPage);
    connect(BitBtn1, &QPushButton::clicked, this, &QDialog::reject);
}

Tchybove_Otazky::~Tchybove_Otazky() = default;

void Tchybove_Otazky::FormShow()
{
    WebHost1->Navigate(m_pagePath);
}

void Tchybove_Otazky::FormActivate()
{
    setWindowState(windowState() | Qt::WindowMaximized);
    PageWindow::FormActivate();
}

void Tchybove_Otazky::done(int result)
{
    FormClose();
    PageWindow::done(result);
}

void Tchybove_Otazky::FormClose()
{
    QFile::remove(m_pagePath);
}

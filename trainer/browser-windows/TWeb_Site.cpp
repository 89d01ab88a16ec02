#include "trainer/browser-windows/TWeb_Site.h"

#include "trainer-components/web-host/TWebHost.h"
#include "ui_TWeb_Site.h"

#include <QPushButton>
#include <QStyle>

TWeb_Site *Web_Site = nullptr;

TWeb_Site::TWeb_Site(const QString &pagePath, QWidget *parent)
    : PageWindow(parent)
    , ui(std::make_unique<Ui::TWeb_Site>())
    , m_pagePath(pagePath)
{
    ui->setupUi(this);
    setUpWebHost(ui->WebHost1);
    BitBtn2 = ui->BitBtn2;
    BitBtn1 = ui->BitBtn1;
    BitBtn2->setIcon(printGlyph());
    BitBtn1->setIcon(style()->standardIcon(QStyle::SP_DialogCloseButton));
    connect(BitBtn2, &QPushButton::clicked, this, &TWeb_Site::printPage);
    connect(BitBtn1, &QPushButton::clicked, this, &QDialog::close);
}

TWeb_Site::~TWeb_Site() = default;

void TWeb_Site::FormShow()
{
    BitBtn2->setEnabled(true);
    WebHost1->Navigate(m_pagePath);
}

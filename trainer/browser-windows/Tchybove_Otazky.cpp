#include "trainer/browser-windows/Tchybove_Otazky.h"

#include "trainer-components/web-host/TWebHost.h"

#include <QFile>
#include <QFrame>
#include <QHBoxLayout>
#include <QPushButton>
#include <QStyle>

Tchybove_Otazky *chybove_Otazky = nullptr;

namespace {

constexpr QSize Designed{803, 611};
constexpr int Panel2Height = 43;
constexpr int Panel1Width = 297;

} // namespace

Tchybove_Otazky::Tchybove_Otazky(const QString &pagePath, QWidget *parent)
    : PageWindow(parent)
    , m_pagePath(pagePath)
{
    setObjectName(QStringLiteral("chybove_Otazky"));
    setWindowTitle(QStringLiteral("Chyby, které jste udělali v testu ..."));
    resize(Designed);
    auto *panel3 = new QFrame(this);
    panel3->setObjectName(QStringLiteral("Panel3"));
    panel3->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    auto *panel2 = new QFrame(this);
    panel2->setObjectName(QStringLiteral("Panel2"));
    panel2->setFrameStyle(QFrame::Panel | QFrame::Raised);
    stackPanels(panel3, panel2, Panel2Height);
    auto *row = new QHBoxLayout(panel2);
    row->setContentsMargins(0, 0, 0, 0);
    row->addStretch(1);
    auto *panel1 = new QWidget(panel2);
    panel1->setObjectName(QStringLiteral("Panel1"));
    panel1->setFixedWidth(Panel1Width);
    row->addWidget(panel1);
    Tisk = glyphButton(panel1, "Tisk", QStringLiteral("Vytiskni protokol"), printGlyph());
    Tisk->setGeometry(24, 7, 129, 25);
    BitBtn1 = glyphButton(panel1, "BitBtn1", QStringLiteral("&Zavřít okno"),
                          style()->standardIcon(QStyle::SP_DialogCancelButton));
    BitBtn1->setGeometry(158, 7, 115, 25);
    connect(Tisk, &QPushButton::clicked, this, &Tchybove_Otazky::printPage);
    connect(BitBtn1, &QPushButton::clicked, this, &QDialog::reject);
}

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

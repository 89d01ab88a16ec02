#include "trainer/browser-windows/TWeb_Site.h"

#include "trainer-components/web-host/TWebHost.h"

#include <QHBoxLayout>
#include <QPushButton>
#include <QStyle>

TWeb_Site *Web_Site = nullptr;

namespace {

constexpr QSize Designed{696, 480};
constexpr int ButtonPanelHeight = 53;
constexpr QSize ButtonSize{139, 25};

} // namespace

TWeb_Site::TWeb_Site(const QString &pagePath, QWidget *parent)
    : PageWindow(parent)
    , m_pagePath(pagePath)
{
    setObjectName(QStringLiteral("Web_Site"));
    setWindowTitle(QStringLiteral("Otázky pro test \"Odborné způsobilosti\" určené pro tisk ..."));
    resize(Designed);
    auto *buttons = new QWidget(this);
    stackPanels(new QWidget(this), buttons, ButtonPanelHeight);
    auto *row = new QHBoxLayout(buttons);
    row->addStretch(1);
    BitBtn2 = glyphButton(buttons, "BitBtn2", QStringLiteral("&Tisk všech otázek"), printGlyph());
    BitBtn1 = glyphButton(buttons, "BitBtn1", QStringLiteral("Zavřít okno"),
                          style()->standardIcon(QStyle::SP_DialogCloseButton));
    BitBtn2->setFixedSize(ButtonSize);
    BitBtn1->setFixedSize(ButtonSize);
    BitBtn1->setDefault(true);
    row->addWidget(BitBtn2);
    row->addWidget(BitBtn1);
    connect(BitBtn2, &QPushButton::clicked, this, &TWeb_Site::printPage);
    connect(BitBtn1, &QPushButton::clicked, this, &QDialog::close);
}

void TWeb_Site::FormShow()
{
    BitBtn2->setEnabled(true);
    WebHost1->Navigate(m_pagePath);
}

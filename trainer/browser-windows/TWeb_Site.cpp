#include "trainer/browser-windows/TWeb_Site.h"

#include "trainer-components/web-host/TWebHost.h"

#include <QHBoxLayout>
#include <QPushButton>
#include <QStyle>
#include <QVBoxLayout>

TWeb_Site *Web_Site = nullptr;

namespace {

constexpr QSize Designed{696, 480};
constexpr int ButtonPanelHeight = 53;
constexpr QSize ButtonSize{139, 25};

QPushButton *button(QWidget *parent, const char *name, const QString &caption, const QIcon &glyph)
{
    auto *b = new QPushButton(glyph, caption, parent);
    b->setObjectName(QString::fromLatin1(name));
    b->setFixedSize(ButtonSize);
    return b;
}

} // namespace

TWeb_Site::TWeb_Site(const QString &pagePath, QWidget *parent)
    : PageWindow(parent)
    , m_pagePath(pagePath)
{
    setObjectName(QStringLiteral("Web_Site"));
    setWindowTitle(QStringLiteral("Otázky pro test \"Odborné způsobilosti\" určené pro tisk ..."));
    resize(Designed);
    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    auto *browserPanel = new QWidget(this);
    layout->addWidget(browserPanel, 1);
    createWebHost(browserPanel);
    auto *buttons = new QWidget(this);
    buttons->setFixedHeight(ButtonPanelHeight);
    layout->addWidget(buttons);
    auto *row = new QHBoxLayout(buttons);
    row->addStretch(1);
    BitBtn2 = button(buttons, "BitBtn2", QStringLiteral("&Tisk všech otázek"),
                     QIcon::fromTheme(QStringLiteral("document-print")));
    BitBtn1 = button(buttons, "BitBtn1", QStringLiteral("Zavřít okno"),
                     style()->standardIcon(QStyle::SP_DialogCloseButton));
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

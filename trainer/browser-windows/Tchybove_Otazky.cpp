#include "trainer/browser-windows/Tchybove_Otazky.h"

#include "trainer-components/web-host/TWebHost.h"

#include <QFile>
#include <QFrame>
#include <QHBoxLayout>
#include <QPushButton>
#include <QStyle>
#include <QVBoxLayout>

Tchybove_Otazky *chybove_Otazky = nullptr;

namespace {

constexpr QSize Designed{803, 611};
constexpr int Panel2Height = 43;
constexpr int Panel1Width = 297;

QPushButton *button(QWidget *parent, const char *name, const QString &caption, const QIcon &glyph,
                    const QRect &place)
{
    auto *b = new QPushButton(glyph, caption, parent);
    b->setObjectName(QString::fromLatin1(name));
    b->setGeometry(place);
    return b;
}

} // namespace

Tchybove_Otazky::Tchybove_Otazky(const QString &pagePath, QWidget *parent)
    : PageWindow(parent)
    , m_pagePath(pagePath)
{
    setObjectName(QStringLiteral("chybove_Otazky"));
    setWindowTitle(QStringLiteral("Chyby, které jste udělali v testu ..."));
    resize(Designed);
    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    auto *panel3 = new QFrame(this);
    panel3->setObjectName(QStringLiteral("Panel3"));
    panel3->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    layout->addWidget(panel3, 1);
    createWebHost(panel3);
    auto *panel2 = new QFrame(this);
    panel2->setObjectName(QStringLiteral("Panel2"));
    panel2->setFrameStyle(QFrame::Panel | QFrame::Raised);
    panel2->setFixedHeight(Panel2Height);
    layout->addWidget(panel2);
    auto *row = new QHBoxLayout(panel2);
    row->setContentsMargins(0, 0, 0, 0);
    row->addStretch(1);
    auto *panel1 = new QWidget(panel2);
    panel1->setObjectName(QStringLiteral("Panel1"));
    panel1->setFixedWidth(Panel1Width);
    row->addWidget(panel1);
    Tisk = button(panel1, "Tisk", QStringLiteral("Vytiskni protokol"),
                  QIcon::fromTheme(QStringLiteral("document-print")), {24, 7, 129, 25});
    BitBtn1 = button(panel1, "BitBtn1", QStringLiteral("&Zavřít okno"),
                     style()->standardIcon(QStyle::SP_DialogCancelButton), {158, 7, 115, 25});
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

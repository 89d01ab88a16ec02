#include "trainer/documents/TUkaz_Vyhlasku.h"

#include "platform/ui/WidgetLook.h"
#include "trainer-components/pdf-viewer/TPdf.h"

#include <QCheckBox>
#include <QEvent>
#include <QFrame>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QStyle>
#include <QVBoxLayout>

TUkaz_Vyhlasku *Ukaz_Vyhlasku = nullptr;

namespace {

constexpr int TopPanelHeight = 49;
constexpr int BottomPanelHeight = 45;

QFrame *panel(QWidget *parent, int height)
{
    auto *frame = new QFrame(parent);
    frame->setFrameStyle(QFrame::Panel | QFrame::Raised);
    frame->setFixedHeight(height);
    return frame;
}

QPushButton *button(QWidget *parent, const char *name, const QString &text, QSize size)
{
    auto *b = new QPushButton(text, parent);
    b->setObjectName(QString::fromLatin1(name));
    b->setFixedSize(size);
    return b;
}

} // namespace

TUkaz_Vyhlasku::TUkaz_Vyhlasku(const QString &documentTitle, const QString &documentFile, QWidget *parent)
    : FormDialog(parent)
    , m_documentTitle(documentTitle)
    , m_documentFile(documentFile)
{
    setWindowTitle(QStringLiteral("Zobrazení z programu Brelvik 2001 - Kestrin"));
    setWindowFlags(Qt::Window | Qt::WindowTitleHint | Qt::WindowSystemMenuHint | Qt::WindowMaximizeButtonHint
                   | Qt::WindowCloseButtonHint);
    resize(696, 480);

    QFrame *top = panel(this, TopPanelHeight);
    Jmeno = new QLabel(top);
    Jmeno->setObjectName(QStringLiteral("Jmeno"));
    Jmeno->setTextFormat(Qt::PlainText);
    QFont titleFont = Jmeno->font();
    titleFont.setPointSize(14);
    titleFont.setBold(true);
    Jmeno->setFont(titleFont);
    WidgetLook::setTextColor(Jmeno, Colors::clBlue);
    Jmeno->move(24, 13);

    Pdf1 = new TPdf(this);
    Pdf1->setObjectName(QStringLiteral("Pdf1"));

    QFrame *bottom = panel(this, BottomPanelHeight);
    CheckBox1 = new QCheckBox(QStringLiteral("Zapnout ToolBar ?"), bottom);
    CheckBox1->setObjectName(QStringLiteral("CheckBox1"));
    QFont bold = CheckBox1->font();
    bold.setBold(true);
    CheckBox1->setFont(bold);
    BitBtn2 = button(bottom, "BitBtn2", QStringLiteral("Tisknout !"), {109, 25});
    BitBtn2->setIcon(style()->standardIcon(QStyle::SP_DialogSaveButton));
    BitBtn1 = button(bottom, "BitBtn1", QStringLiteral("&Zavřít okno"), {129, 25});
    BitBtn1->setIcon(style()->standardIcon(QStyle::SP_DialogCloseButton));
    auto *buttons = new QHBoxLayout(bottom);
    buttons->addWidget(CheckBox1);
    buttons->addStretch();
    buttons->addWidget(BitBtn2);
    buttons->addWidget(BitBtn1);

    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->addWidget(top);
    layout->addWidget(Pdf1, 1);
    layout->addWidget(bottom);

    connect(CheckBox1, &QCheckBox::clicked, this, &TUkaz_Vyhlasku::CheckBox1Click);
    connect(BitBtn2, &QPushButton::clicked, this, &TUkaz_Vyhlasku::BitBtn2Click);
    connect(BitBtn1, &QPushButton::clicked, this, &QWidget::close);
}

void TUkaz_Vyhlasku::FormShow()
{
    Jmeno->setText(m_documentTitle);
    Jmeno->adjustSize();
    Pdf1->LoadFile(m_documentFile);
    Pdf1->setShowToolbar(false);
    CheckBox1->setChecked(false);
    CheckBox1->setEnabled(true);
    BitBtn2->setEnabled(true);
    Pdf1->gotoFirstPage();
}

bool TUkaz_Vyhlasku::event(QEvent *event)
{
    const bool handled = FormDialog::event(event);
    if (event->type() == QEvent::WindowActivate)
        FormActivate();
    return handled;
}

void TUkaz_Vyhlasku::FormActivate()
{
    setWindowState(windowState() | Qt::WindowMaximized);
    Pdf1->setFocus();
}

void TUkaz_Vyhlasku::CheckBox1Click()
{
    Pdf1->setShowToolbar(CheckBox1->isChecked());
}

void TUkaz_Vyhlasku::BitBtn2Click()
{
    // The queue shows the job under the name the user chose it by.
    Pdf1->printAll(Jmeno->text());
}

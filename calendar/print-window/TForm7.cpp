#include "calendar/print-window/TForm7.h"

#include "calendar/language/LanguageLines.h"
#include "calendar/main-window/TForm1.h"
#include "calendar/main-window/TForm2.h"
#include "calendar/print-window/Print.h"
#include "calendar/print-window/SetPrintOkno.h"
#include "platform/paint/TColor.h"
#include "platform/ui/WidgetLook.h"
#include "platform/ui/WindowPlacement.h"

#include <QCheckBox>
#include <QKeyEvent>
#include <QLabel>
#include <QMenu>
#include <QPainter>
#include <QPixmap>
#include <QPushButton>

using namespace SetPrintOkno;

namespace {

constexpr QSize ClientSize{228, 170};
constexpr QSize BoxSize{90, 17};
constexpr int LeftColumn = 16;
constexpr int RightColumn = 120;

const char *const DesignMonths[] = {"Leden", "Únor", "Březen", "Duben", "Květen", "Červen",
                                    "Červenec", "Srpen", "Září", "Říjen", "Listopad", "Prosinec"};

// Page box n stands in the left column for January..June, in the right one
// for the cover and July..December.
QRect pageBoxRect(int n)
{
    if (n == 1)
        return QRect(QPoint(RightColumn, 8), BoxSize);
    const int month = n - 1;
    const int row = (month - 1) % 6;
    return QRect(QPoint(month <= 6 ? LeftColumn : RightColumn, 24 + 16 * row), BoxSize);
}

// A small printer: paper coming out of a grey body.
QIcon printerGlyph()
{
    QPixmap pixmap(16, 16);
    pixmap.fill(Qt::transparent);
    QPainter painter(&pixmap);
    painter.setPen(Qt::black);
    painter.setBrush(Qt::white);
    painter.drawRect(4, 1, 7, 5);
    painter.setBrush(QColor(0xC0, 0xC0, 0xC0));
    painter.drawRect(1, 6, 13, 6);
    painter.setBrush(Qt::white);
    painter.drawRect(4, 10, 7, 4);
    painter.fillRect(11, 8, 2, 1, Qt::green);
    return QIcon(pixmap);
}

template <typename Control>
Control *place(Control *control, const char *name, const QRect &geometry)
{
    control->setObjectName(QString::fromLatin1(name));
    control->setGeometry(geometry);
    return control;
}

} // namespace

TForm7::TForm7(TForm1 &form1, TForm2 &form2, QWidget *parent)
    : QDialog(parent, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint
                          | Qt::WindowSystemMenuHint | Qt::WindowMinimizeButtonHint
                          | Qt::WindowCloseButtonHint),
      m_form1(form1), m_form2(form2)
{
    setObjectName(QStringLiteral("Form7"));
    setWindowTitle(QStringLiteral("Tisk"));
    setFont(QFont(QStringLiteral("MS Sans Serif"), 8));
    setModal(true);
    setFixedSize(ClientSize);
    buildControls();
    centreOnPrimaryScreen(*this);
}

void TForm7::buildControls()
{
    Label1 = place(new QLabel(QStringLiteral("Tisknout stránky:"), this), "Label1", QRect(16, 8, 98, 13));
    Label1->setTextFormat(Qt::PlainText);
    WidgetLook::setTextColor(Label1, Colors::clBlue);

    for (int n = 1; n <= PageBoxes; ++n) {
        const QString text = n == 1 ? QStringLiteral("Úvod") : QString::fromUtf8(DesignMonths[n - 2]);
        auto *box = new QCheckBox(text, this);
        box->setObjectName(QStringLiteral("CheckBox%1").arg(n));
        box->setGeometry(pageBoxRect(n));
        box->setChecked(true);
        WidgetLook::setTextColor(box, Colors::clRed);
        // A box reports every change of its state, made by hand or by the
        // selection operations.
        connect(box, &QCheckBox::toggled, this, [this] { UpdatePrintButton(*this); });
        m_checkBox[n] = box;
    }

    BitBtn1 = place(new QPushButton(this), "BitBtn1", QRect(8, 136, 25, 25));
    BitBtn1->setDefault(true);
    BitBtn2 = place(new QPushButton(this), "BitBtn2", QRect(33, 136, 25, 25));
    BitBtn2->setIcon(printerGlyph());
    Button1 = place(new QPushButton(QStringLiteral("&Tisk"), this), "Button1", QRect(64, 136, 75, 25));
    Button2 = place(new QPushButton(QStringLiteral("&Storno"), this), "Button2", QRect(144, 136, 75, 25));

    PopupMenu1 = new QMenu(this);
    PopupMenu1->setObjectName(QStringLiteral("PopupMenu1"));
    TisknoutStejne = PopupMenu1->addAction(QStringLiteral("Tisknout stejné stránky jako v minulém případě"));
    TisknoutStejne->setObjectName(QStringLiteral("TisknoutStejne"));
    Label1->setContextMenuPolicy(Qt::CustomContextMenu);
    connect(Label1, &QWidget::customContextMenuRequested, this,
            [this](const QPoint &at) { PopupMenu1->popup(Label1->mapToGlobal(at)); });

    QWidget *const tabOrder[] = {Button1,      Button2,      BitBtn1,      BitBtn2,      m_checkBox[2],
                                 m_checkBox[3], m_checkBox[4], m_checkBox[5], m_checkBox[6], m_checkBox[7],
                                 m_checkBox[1], m_checkBox[8], m_checkBox[9], m_checkBox[10],
                                 m_checkBox[11], m_checkBox[12], m_checkBox[13]};
    for (std::size_t i = 1; i < std::size(tabOrder); ++i)
        setTabOrder(tabOrder[i - 1], tabOrder[i]);
    // Esc on the printer button does not close the window.
    BitBtn2->installEventFilter(this);

    connect(BitBtn1, &QPushButton::clicked, this, &TForm7::BitBtn1Click);
    connect(BitBtn2, &QPushButton::clicked, this, &TForm7::BitBtn2Click);
    connect(Button1, &QPushButton::clicked, this, &TForm7::Button1Click);
    connect(Button2, &QPushButton::clicked, this, &QWidget::close);
    connect(TisknoutStejne, &QAction::triggered, this, &TForm7::TisknoutStejneClick);
}

void TForm7::FormCreate()
{
    if (m_form1.NoSaveQuery)
        return;
    SetStartFolder(m_form2.DriveComboBox1, m_form2.DirectoryListBox1.Directory);
    InitRememberedPages(*this);
}

void TForm7::showEvent(QShowEvent *event)
{
    QDialog::showEvent(event);
    if (!event->spontaneous())
        FormShow();
}

void TForm7::FormShow()
{
    ResetSelectButton(*this);
    Button1->setFocus();
}

void TForm7::BitBtn1Click()
{
    if (SelectToggle == 0) {
        BitBtn1->setIcon(m_form2.OKBit);
        BitBtn1->setToolTip(m_form2.CaptionMemo.line(LanguageLines::SelectHintLine));
        SelectToggle = 1;
        UncheckAllPages(*this);
    } else if (SelectToggle == 1) {
        ResetSelectButton(*this);
    }
}

// The dialog's own result is not needed: a printer confirmed there becomes
// the printer of every later job.
void TForm7::BitBtn2Click()
{
    m_form1.PrintDialog1();
}

void TForm7::Button1Click()
{
    RememberPages(*this, 0);
    CountCheckedPages(*this);
    PrintProjectPages(*this);
}

void TForm7::TisknoutStejneClick()
{
    RememberPages(*this, 1);
}

void TForm7::keyPressEvent(QKeyEvent *event)
{
    if (event->key() == Qt::Key_Escape) {
        close();
        return;
    }
    QDialog::keyPressEvent(event);
}

bool TForm7::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == BitBtn2 && event->type() == QEvent::KeyPress
        && static_cast<QKeyEvent *>(event)->key() == Qt::Key_Escape)
        return true;
    return QDialog::eventFilter(watched, event);
}

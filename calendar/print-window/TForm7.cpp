#include "calendar/print-window/TForm7.h"

#include "calendar/language/LanguageLines.h"
#include "calendar/main-window/TForm1.h"
#include "calendar/main-window/TForm2.h"
#include "calendar/print-window/Print.h"
#include "calendar/print-window/SetPrintOkno.h"
#include "platform/paint/TColor.h"
#include "platform/ui/WidgetLook.h"
#include "platform/ui/WindowPlacement.h"
#include "ui_TForm7.h"

#include <QCheckBox>
#include <QKeyEvent>
#include <QLabel>
#include <QMenu>
#include <QPainter>
#include <QPixmap>
#include <QPushButton>

using namespace SetPrintOkno;

TForm7 *Form7 = nullptr;

namespace {

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

} // namespace

TForm7::TForm7(TForm1 &form1, TForm2 &form2, QWidget *parent)
    : QDialog(parent, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint
                          | Qt::WindowSystemMenuHint | Qt::WindowMinimizeButtonHint
                          | Qt::WindowCloseButtonHint),
      ui(std::make_unique<Ui::TForm7>()), m_form1(form1), m_form2(form2)
{
    ui->setupUi(this);
    setFixedSize(size());
    Label1 = ui->Label1;
    m_checkBox = {nullptr,         ui->CheckBox1,  ui->CheckBox2,  ui->CheckBox3, ui->CheckBox4,
                  ui->CheckBox5,   ui->CheckBox6,  ui->CheckBox7,  ui->CheckBox8, ui->CheckBox9,
                  ui->CheckBox10,  ui->CheckBox11, ui->CheckBox12, ui->CheckBox13};
    BitBtn1 = ui->BitBtn1;
    BitBtn2 = ui->BitBtn2;
    Button1 = ui->Button1;
    Button2 = ui->Button2;
    TisknoutStejne = ui->TisknoutStejne;
    PopupMenu1 = new QMenu(this);
    PopupMenu1->setObjectName(QStringLiteral("PopupMenu1"));
    PopupMenu1->addAction(TisknoutStejne);

    WidgetLook::setTextColor(Label1, Colors::clBlue);
    for (int n = 1; n <= PageBoxes; ++n)
        WidgetLook::setTextColor(m_checkBox[n], Colors::clRed);
    BitBtn2->setIcon(printerGlyph());
    connectControls();
    centreOnPrimaryScreen(*this);
}

TForm7::~TForm7() = default;

void TForm7::connectControls()
{
    // A box reports every change of its state, made by hand or by the
    // selection operations.
    for (int n = 1; n <= PageBoxes; ++n)
        connect(m_checkBox[n], &QCheckBox::toggled, this, [this] { UpdatePrintButton(*this); });
    connect(Label1, &QWidget::customContextMenuRequested, this,
            [this](const QPoint &at) { PopupMenu1->popup(Label1->mapToGlobal(at)); });
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

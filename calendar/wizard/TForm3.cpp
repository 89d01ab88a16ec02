#include "calendar/wizard/TForm3.h"

#include "calendar/main-window/PageModel.h"
#include "calendar/wizard/ColorPanel.h"
#include "calendar/wizard/Wizard.h"
#include "calendar/dialogs/DialogEnterKey.h"
#include "platform/ui/SpinEdit.h"
#include "platform/ui/WidgetLook.h"
#include "platform/ui/WindowPlacement.h"
#include "ui_TForm3.h"

#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTabBar>
#include <QTabWidget>

TForm3 *Form3 = nullptr;

namespace {

constexpr int Titles[] = {1, 7, 21};
constexpr int FirstSettingsLabel = 2, LastSettingsLabel = 6;
constexpr int FirstPictureLabel = 8, LastPictureLabel = 20;
constexpr int FirstTextLabel = 22, LastTextLabel = 33;

} // namespace

TForm3::TForm3(QWidget *parent)
    : QDialog(parent, Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint | Qt::CustomizeWindowHint
                          | Qt::WindowTitleHint | Qt::WindowSystemMenuHint | Qt::WindowMinimizeButtonHint
                          | Qt::WindowCloseButtonHint),
      ui(std::make_unique<Ui::TForm3>())
{
    ui->setupUi(this);
    WidgetLook::applyFontPixelSizes(this);
    for (int page = PageModel::FirstMonthPage; page <= PageModel::LastMonthPage; ++page)
        MonthNames << PageModel::tabCaption(page);
    takeControls();

    PageControl1->tabBar()->hide();
    // The tab widget hands its focus to its tab bar; a hidden bar cannot take
    // it, and Tab would stay where it was. Tab goes on to the page's fields.
    PageControl1->tabBar()->setFocusPolicy(Qt::NoFocus);
    for (const int n : Titles)
        WidgetLook::setTextColor(m_label[n], Colors::clTeal);
    for (int n = FirstSettingsLabel; n <= LastSettingsLabel; ++n)
        WidgetLook::setTextColor(m_label[n], Colors::clBlue);
    for (int n = FirstPictureLabel; n <= LastPictureLabel; ++n)
        WidgetLook::setTextColor(m_label[n], Colors::clPurple);
    for (int n = FirstTextLabel; n <= LastTextLabel; ++n)
        WidgetLook::setTextColor(m_label[n], Colors::clPurple);
    connectControls();
    withoutDefaultButton(*this);
    centreOnPrimaryScreen(*this);
}

TForm3::~TForm3() = default;

void TForm3::takeControls()
{
    PageControl1 = ui->PageControl1;
    SpinEdit1 = ui->SpinEdit1;
    m_tabSheet = {nullptr, ui->TabSheet1, ui->TabSheet2, ui->TabSheet3};
    m_button = {
        nullptr, ui->Button1, ui->Button2, ui->Button3, ui->Button4, ui->Button5,
        ui->Button6, ui->Button7, ui->Button8, ui->Button9, ui->Button10, ui->Button11,
        ui->Button12, ui->Button13, ui->Button14, ui->Button15, ui->Button16};
    m_label = {
        nullptr, ui->Label1, ui->Label2, ui->Label3, ui->Label4, ui->Label5, ui->Label6,
        ui->Label7, ui->Label8, ui->Label9, ui->Label10, ui->Label11, ui->Label12, ui->Label13,
        ui->Label14, ui->Label15, ui->Label16, ui->Label17, ui->Label18, ui->Label19, ui->Label20,
        ui->Label21, ui->Label22, ui->Label23, ui->Label24, ui->Label25, ui->Label26, ui->Label27,
        ui->Label28, ui->Label29, ui->Label30, ui->Label31, ui->Label32, ui->Label33};
    m_edit = {
        nullptr, ui->Edit1, ui->Edit2, ui->Edit3, ui->Edit4, ui->Edit5, ui->Edit6,
        ui->Edit7, ui->Edit8, ui->Edit9, ui->Edit10, ui->Edit11, ui->Edit12, ui->Edit13,
        ui->Edit14, ui->Edit15, ui->Edit16, ui->Edit17, ui->Edit18, ui->Edit19, ui->Edit20,
        ui->Edit21, ui->Edit22, ui->Edit23, ui->Edit24, ui->Edit25};
    m_panel = {nullptr, ui->Panel1, ui->Panel2, ui->Panel3, ui->Panel4};
}

void TForm3::connectControls()
{
    connect(m_button[1], &QPushButton::clicked, this, &TForm3::Button1Click);
    connect(m_button[2], &QPushButton::clicked, this, &TForm3::Button2Click);
    connect(m_button[3], &QPushButton::clicked, this, &TForm3::Button3Click);
    for (int n = 1; n <= 4; ++n) {
        ColorPanel *panel = m_panel[n];
        connect(panel, &ColorPanel::clicked, this, [panel] { PickPanelColor(*panel); });
    }
    // Button4 browses for Edit1 (the cover), Button5..Button16 for Edit2..Edit13.
    for (int n = 1; n <= 13; ++n) {
        QLineEdit *edit = m_edit[n];
        connect(m_button[3 + n], &QPushButton::clicked, this, [edit] { BrowsePicture(*edit); });
    }
}

void TForm3::Button1Click()
{
    WizardBack();
}

void TForm3::Button2Click()
{
    WizardNext();
}

void TForm3::Button3Click()
{
    reject();
}

void TForm3::keyPressEvent(QKeyEvent *event)
{
    if (!handleEnterKey(*this, *event))
        QDialog::keyPressEvent(event);
}

// FormShow: Next/Finish has the focus.
void TForm3::showEvent(QShowEvent *event)
{
    QDialog::showEvent(event);
    m_button[2]->setFocus();
}

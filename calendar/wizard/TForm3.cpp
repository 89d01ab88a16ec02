#include "calendar/wizard/TForm3.h"

#include "calendar/main-window/PageModel.h"
#include "calendar/wizard/ColorPanel.h"
#include "calendar/wizard/Wizard.h"
#include "calendar/dialogs/DialogEnterKey.h"
#include "platform/ui/SpinEdit.h"
#include "platform/ui/WidgetLook.h"
#include "platform/ui/WindowPlacement.h"

#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTabBar>
#include <QTabWidget>

TForm3 *Form3 = nullptr;

namespace {

constexpr QSize ClientSize{490, 356};
constexpr QRect PageControlRect{0, 0, 489, 329};
constexpr int ButtonTop = 331;
constexpr QSize ButtonSize{75, 25};
constexpr int SettingsRowTop[] = {80, 120, 160, 200, 240};
constexpr int PictureRows = 13;
constexpr int TextRows = 12;

int rowTop(int row)
{
    return 40 + 20 * row;
}

QFont pixelFont(int pixels, bool bold)
{
    QFont font(QStringLiteral("MS Sans Serif"));
    font.setPixelSize(pixels);
    font.setBold(bold);
    return font;
}

const QString BrowseCaption = QStringLiteral("Procházet...");

} // namespace

TForm3::TForm3(QWidget *parent)
    : QDialog(parent, Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint | Qt::CustomizeWindowHint
                          | Qt::WindowTitleHint | Qt::WindowSystemMenuHint | Qt::WindowMinimizeButtonHint
                          | Qt::WindowCloseButtonHint)
{
    setObjectName(QStringLiteral("Form3"));
    setWindowTitle(QStringLiteral("Průvodce vytvoření kalendáře"));
    setFont(pixelFont(11, false));
    setFixedSize(ClientSize);
    for (int page = PageModel::FirstMonthPage; page <= PageModel::LastMonthPage; ++page)
        MonthNames << PageModel::tabCaption(page);

    PageControl1 = new QTabWidget(this);
    PageControl1->setObjectName(QStringLiteral("PageControl1"));
    PageControl1->setGeometry(PageControlRect);
    PageControl1->tabBar()->hide();
    // The tab widget hands its focus to its tab bar; a hidden bar cannot take
    // it, and Tab would stay where it was. Tab goes on to the page's fields.
    PageControl1->tabBar()->setFocusPolicy(Qt::NoFocus);
    buildSettingsPage();
    buildPicturesPage();
    buildTextsPage();

    addButton(1, this, BackCaption, {{242, ButtonTop}, ButtonSize})->setEnabled(false);
    addButton(2, this, NextCaption, {{317, ButtonTop}, ButtonSize});
    addButton(3, this, CancelCaption, {{408, ButtonTop}, ButtonSize});
    connect(m_button[1], &QPushButton::clicked, this, &TForm3::Button1Click);
    connect(m_button[2], &QPushButton::clicked, this, &TForm3::Button2Click);
    connect(m_button[3], &QPushButton::clicked, this, &TForm3::Button3Click);
    setTabOrder(m_button[2], m_button[3]);
    setTabOrder(m_button[3], m_button[1]);
    setTabOrder(m_button[1], PageControl1);
    withoutDefaultButton(*this);

    centreOnPrimaryScreen(*this);
}

QWidget *TForm3::addPage(int n)
{
    auto *page = new QWidget;
    page->setObjectName(QStringLiteral("TabSheet%1").arg(n));
    PageControl1->addTab(page, QString());
    m_tabSheet[n] = page;
    return page;
}

QLabel *TForm3::addLabel(int n, QWidget *page, const QString &text, const QRect &geometry)
{
    auto *label = new QLabel(text, page);
    label->setObjectName(QStringLiteral("Label%1").arg(n));
    label->setTextFormat(Qt::PlainText);
    label->setGeometry(geometry);
    m_label[n] = label;
    return label;
}

QLabel *TForm3::addTitle(int n, QWidget *page, const QString &text)
{
    QLabel *title = addLabel(n, page, text, {16, 16, 450, 20});
    title->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
    title->setFont(pixelFont(16, true));
    WidgetLook::setTextColor(title, Colors::clTeal);
    return title;
}

QLabel *TForm3::addMonthLabel(int n, QWidget *page, const QString &text, int row)
{
    QLabel *label = addLabel(n, page, text, {5, rowTop(row) + 2, 70, 13});
    label->setAlignment(Qt::AlignRight | Qt::AlignTop);
    label->setFont(pixelFont(11, true));
    WidgetLook::setTextColor(label, Colors::clPurple);
    return label;
}

QLineEdit *TForm3::addEdit(int n, QWidget *page, const QRect &geometry)
{
    auto *edit = new QLineEdit(page);
    edit->setObjectName(QStringLiteral("Edit%1").arg(n));
    edit->setGeometry(geometry);
    m_edit[n] = edit;
    return edit;
}

QPushButton *TForm3::addButton(int n, QWidget *parent, const QString &text, const QRect &geometry)
{
    auto *button = new QPushButton(text, parent);
    button->setObjectName(QStringLiteral("Button%1").arg(n));
    button->setGeometry(geometry);
    m_button[n] = button;
    return button;
}

void TForm3::buildSettingsPage()
{
    QWidget *page = addPage(1);
    addTitle(1, page, QStringLiteral("Základní nastavení kalendáře:"));
    const QString rows[] = {QStringLiteral("Rok:"), QStringLiteral("Barva textů:"),
                            QStringLiteral("Barva názvů dnů:"), QStringLiteral("Barva výplně:"),
                            QStringLiteral("Barva čáry:")};
    for (int i = 0; i < 5; ++i) {
        QLabel *label = addLabel(2 + i, page, rows[i], {16, SettingsRowTop[i], 300, 20});
        label->setAlignment(Qt::AlignRight | Qt::AlignTop);
        label->setFont(pixelFont(16, true));
        WidgetLook::setTextColor(label, Colors::clBlue);
    }
    SpinEdit1 = new TSpinEdit(1, 9999, 4, page);
    SpinEdit1->setObjectName(QStringLiteral("SpinEdit1"));
    SpinEdit1->setGeometry(344, SettingsRowTop[0], 121, 22);
    SpinEdit1->setValue(1);
    for (int n = 1; n <= 4; ++n) {
        auto *panel = new ColorPanel(page);
        panel->setObjectName(QStringLiteral("Panel%1").arg(n));
        panel->setGeometry(344, SettingsRowTop[n], 121, 22);
        m_panel[n] = panel;
        connect(panel, &ColorPanel::clicked, this, [panel] { PickPanelColor(*panel); });
    }
}

void TForm3::buildPicturesPage()
{
    QWidget *page = addPage(2);
    addTitle(7, page, QStringLiteral("Obrázky:"));
    for (int row = 0; row < PictureRows; ++row) {
        const QString name = row == 0 ? PageModel::tabCaption(PageModel::CoverPage) : MonthNames.at(row - 1);
        addMonthLabel(8 + row, page, name + QLatin1Char(':'), row);
        QLineEdit *edit = addEdit(1 + row, page, {80, rowTop(row), 300, 18});
        QPushButton *browse = addButton(4 + row, page, BrowseCaption, {392, rowTop(row), 75, 18});
        connect(browse, &QPushButton::clicked, this, [edit] { BrowsePicture(*edit); });
    }
}

void TForm3::buildTextsPage()
{
    QWidget *page = addPage(3);
    addTitle(21, page, QStringLiteral("Texty:"));
    for (int row = 0; row < TextRows; ++row) {
        addMonthLabel(22 + row, page, MonthNames.at(row) + QLatin1Char(':'), row);
        addEdit(14 + row, page, {80, rowTop(row), 390, 18});
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

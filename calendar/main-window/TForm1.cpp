#include "calendar/main-window/TForm1.h"

#include "calendar-controls/big-month/TBigKal.h"
#include "calendar-controls/picture/TImageKal.h"
#include "calendar-controls/small-month/TSmallKal.h"
#include "calendar/main-window/AutoSizeLabel.h"
#include "calendar/main-window/LazyStandardIcon.h"
#include "calendar/main-window/PageModel.h"
#include "calendar/main-window/TAboutBox.h"
#include "platform/paint/TColor.h"
#include "platform/printing/Printing.h"
#include "platform/ui/MessageBox.h"
#include "platform/ui/WidgetLook.h"
#include "platform/ui/WindowPlacement.h"

#include "ui_TForm1.h"

#include <QActionGroup>
#include <QCloseEvent>
#include <QLayout>
#include <QLineEdit>
#include <QMenu>
#include <QPrinter>
#include <QScrollArea>
#include <QScrollBar>
#include <QStyle>
#include <QTabBar>


using namespace PageModel;

TForm1 *Form1 = nullptr;

namespace {

constexpr int DesignYear = 2002;

void applyDesign(MonthControl &control, const MemoLines *memo, int month, TColor textColor)
{
    control.setMemo(memo);
    control.setStartOfWeek(0);
    static_assert(DesignYear <= MonthGrid::MaxYear);
    (void)control.setYear(DesignYear);
    control.setMonth(month);
    control.setBarvaCary(Colors::clOlive);
    control.setBarvaPozadi(Colors::clSilver);
    control.setBarvaPisma(textColor);
    control.setMuzuVykreslit(true);
}

template <typename Control>
Control *place(Control *control, const QString &name, const QRect &geometry)
{
    control->setObjectName(name);
    control->setGeometry(geometry);
    return control;
}

} // namespace

TForm1::TForm1(const MemoLines *captionMemo, QWidget *parent)
    : QMainWindow(parent, Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint
                              | Qt::WindowSystemMenuHint | Qt::WindowMinimizeButtonHint
                              | Qt::WindowCloseButtonHint),
      ui(std::make_unique<Ui::TForm1>()), m_captionMemo(captionMemo)
{
    ui->setupUi(this);
    m_tabSheet[SingleMonthPage] = ui->TabSheet14;
    m_tabSheet[ProjectSheet] = ui->TabSheet15;
    ui->PageControl->tabBar()->hide();
    ui->PageControl1->setDocumentMode(false);

    buildCover();
    for (int page = FirstMonthPage; page <= LastMonthPage; ++page)
        buildMonthPage(page);
    buildMonthPage(SingleMonthPage);
    buildMenus();
    for (int page = CoverPage; page <= SingleMonthPage; ++page)
        bindMouse(page);
    watchSheet(SingleMonthPage);
    watchSheet(ProjectSheet);

    layout()->setSizeConstraint(QLayout::SetFixedSize);
    adjustSize();
    centreOnPrimaryScreen(*this);
    FormCreate();
}

TForm1::~TForm1() = default;

TSmallKal *TForm1::SmallKal(int n) const
{
    return m_smallKal.at(n);
}

TBigKal *TForm1::BigKal(int n) const
{
    return m_bigKal.at(n);
}

TImageKal *TForm1::ImageKal(int n) const
{
    return m_imageKal.at(n);
}

AutoSizeLabel *TForm1::Label(int n) const
{
    return m_label.at(n);
}

QLineEdit *TForm1::Edit(int n) const
{
    return m_edit.at(n);
}

QScrollArea *TForm1::ScrollBox(int n) const
{
    return m_scrollBox.at(n);
}

QWidget *TForm1::TabSheet(int n) const
{
    return m_tabSheet.at(n);
}

void TForm1::watchSheet(int page)
{
    m_sheetPages.insert(m_tabSheet[page], page);
    m_tabSheet[page]->installEventFilter(this);
}

QWidget *TForm1::buildScrollBox(int page)
{
    QWidget *sheet = m_tabSheet[page];
    auto *box = place(new QScrollArea(sheet), QStringLiteral("ScrollBox%1").arg(page), scrollBoxRect(page));
    box->setWidgetResizable(false);
    // The sunken border is two pixels wide, so a page scrolled to its foot
    // stands at 314 (single month) and 324 (project pages).
    box->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    box->setLineWidth(2);
    box->setHorizontalScrollBarPolicy(hasHorizontalRange(page) ? Qt::ScrollBarAsNeeded
                                                                : Qt::ScrollBarAlwaysOff);
    box->verticalScrollBar()->setTracking(liveVerticalTracking(page));
    box->horizontalScrollBar()->setTracking(!liveVerticalTracking(page));
    auto *content = new QWidget;
    content->setObjectName(QStringLiteral("ScrollBox%1Content").arg(page));
    content->setFixedSize(ContentSize);
    content->setAutoFillBackground(true);
    WidgetLook::setColor(*content, QPalette::Window, Colors::clWhite);
    box->setWidget(content);
    // The strip beside the content, where the vertical bar leaves room, is white too.
    WidgetLook::setColor(*box->viewport(), QPalette::Window, Colors::clWhite);
    m_scrollBox[page] = box;
    return content;
}

AutoSizeLabel *TForm1::addLabel(int number, const QString &text, QWidget *content)
{
    const bool leftAnchored = number % 2 == 0 || number == 1;
    const QPoint edge = number == 1 ? CoverYearTopLeft : leftAnchored ? MonthLabelTopLeft : YearLabelTopRight;
    auto *label = new AutoSizeLabel(text, leftAnchored ? AutoSizeLabel::Anchor::Left
                                                       : AutoSizeLabel::Anchor::Right, edge, content);
    label->setObjectName(QStringLiteral("Label%1").arg(number));
    label->setFont(QFont(QStringLiteral("Arial"), 20, QFont::Bold));
    WidgetLook::setColor(*label, QPalette::WindowText, number == 1 ? Colors::clRed : Colors::clBlue);
    m_label[number] = label;
    return label;
}

void TForm1::buildCover()
{
    auto *sheet = new QWidget;
    sheet->setObjectName(QStringLiteral("TabSheet1"));
    m_tabSheet[CoverPage] = sheet;
    watchSheet(CoverPage);

    QWidget *content = buildScrollBox(CoverPage);
    m_imageKal[1] = place(new TImageKal(content), QStringLiteral("ImageKal1"), pictureRect(CoverPage));
    addLabel(1, QString::number(DesignYear), content);
    for (int month = 1; month <= SmallMonthCount; ++month) {
        auto *small = place(new TSmallKal(content), QStringLiteral("SmallKal%1").arg(month), smallKalRect(month));
        applyDesign(*small, m_captionMemo, month, Colors::clRed);
        m_smallKal[month] = small;
    }
    ui->PageControl1->addTab(sheet, tabCaption(CoverPage));
}

void TForm1::buildMonthPage(int page)
{
    if (page != SingleMonthPage) {
        auto *sheet = new QWidget;
        sheet->setObjectName(QStringLiteral("TabSheet%1").arg(page));
        m_tabSheet[page] = sheet;
        watchSheet(page);
    }
    const PageControls controls = controlsOf(page);
    const int month = designMonth(page);
    QWidget *content = buildScrollBox(page);

    m_imageKal[controls.imageKal] =
        place(new TImageKal(content), QStringLiteral("ImageKal%1").arg(controls.imageKal), pictureRect(page));
    addLabel(controls.monthLabel, tabCaption(month + 1), content);
    addLabel(controls.yearLabel, QString::number(DesignYear), content);

    auto *big = place(new TBigKal(content), QStringLiteral("BigKal%1").arg(controls.bigKal), BigKalRect);
    applyDesign(*big, m_captionMemo, month, Colors::clBlue);
    big->setBarvaCisel(Colors::clBlue);
    m_bigKal[controls.bigKal] = big;

    auto *edit = place(new QLineEdit(content), QStringLiteral("Edit%1").arg(controls.edit), EditRect);
    edit->setFont(QFont(QStringLiteral("Arial"), 8));
    WidgetLook::setColor(*edit, QPalette::Text, Colors::clBlue);
    m_edit[controls.edit] = edit;
    if (page != SingleMonthPage)
        ui->PageControl1->addTab(m_tabSheet[page], tabCaption(page));
}

void TForm1::buildMenus()
{
    // The pictures are the platform's own; the indices are the menu's.
    for (QStyle::StandardPixmap picture :
         {QStyle::SP_FileIcon, QStyle::SP_DialogOpenButton, QStyle::SP_DialogSaveButton,
          QStyle::SP_DriveFDIcon, QStyle::SP_ComputerIcon, QStyle::SP_TrashIcon, QStyle::SP_DesktopIcon,
          QStyle::SP_ArrowBack, QStyle::SP_ArrowForward, QStyle::SP_BrowserReload, QStyle::SP_DialogHelpButton,
          QStyle::SP_MessageBoxInformation})
        ImageList1.append(lazyStandardIcon(picture));
    const std::pair<QAction *, int> glyphs[] = {
        {ui->Novy, 0},       {ui->NovyP, 0},      {ui->Otevrit, 1},   {ui->Ulozit, 2},
        {ui->UlozitJ, 3},    {ui->Tisk, 4},       {ui->NastavitB, 6}, {ui->NastavitD, 6},
        {ui->NastavitV, 6},  {ui->NastavitC, 6},  {ui->NacistO, 1},   {ui->NastavitBT, 6},
        {ui->NastavitBD, 6}, {ui->NastavitBV, 6}, {ui->NastavitBC, 6}, {ui->OProgramu, 11},
    };
    for (const auto &[action, index] : glyphs)
        action->setIcon(ImageList1.at(index));

    auto *languageGroup = new QActionGroup(this);
    languageGroup->setExclusive(true);
    for (int n = 1; n <= 10; ++n) {
        auto *item = ui->Jazyk->addAction(QString());
        item->setObjectName(QStringLiteral("Jazyk%1").arg(n));
        item->setCheckable(true);
        item->setVisible(false);
        languageGroup->addAction(item);
        m_jazyk[n] = item;
    }

    m_popupMenu1 = new QMenu(this);
    m_popupMenu1->setObjectName(QStringLiteral("PopupMenu1"));
    m_vymazatObrazek1 = m_popupMenu1->addAction(QStringLiteral("&Vymazat obrázek"));
    m_vymazatObrazek1->setObjectName(QStringLiteral("Vymazatobrzek1"));
    connect(m_vymazatObrazek1, &QAction::triggered, ui->VymazatO, &QAction::trigger);

    connect(ui->Konec, &QAction::triggered, this, &QWidget::close);
    connect(ui->OProgramu, &QAction::triggered, this, &TForm1::OProgramuClick);
}

// Every way of closing the main window passes the close query.
void TForm1::closeEvent(QCloseEvent *event)
{
    if (OnCloseQuery && !OnCloseQuery())
        event->ignore();
    else
        event->accept();
}

// Double-clicks run the menu command they stand for: a year opens the text
// colour command (the cover's the year dialog), the single month's name the
// year-and-month dialog. Every picture has the popup menu.
void TForm1::bindMouse(int page)
{
    const PageControls controls = controlsOf(page);
    bindDoubleClick(m_label[controls.yearLabel], page == CoverPage ? ui->ZmenitR : ui->NastavitBT);
    if (page == SingleMonthPage)
        bindDoubleClick(m_label[controls.monthLabel], ui->ZmenitRM);
    TImageKal *picture = m_imageKal[controls.imageKal];
    connect(picture, &TImageKal::OnDblClick, ui->NacistO, &QAction::trigger);
    picture->setContextMenuPolicy(Qt::CustomContextMenu);
    connect(picture, &QWidget::customContextMenuRequested, this,
            [this, picture](const QPoint &at) { m_popupMenu1->popup(picture->mapToGlobal(at)); });
}

void TForm1::bindDoubleClick(QObject *control, QAction *command)
{
    m_doubleClicks.insert(control, command);
    control->installEventFilter(this);
}

void TForm1::FormCreate()
{
    WireModifyEvents(CoverPage, SingleMonthPage);
    NoSaveQuery = false;
}

// The change notifications of the design controls on the pages: 52 in all.
void TForm1::WireModifyEvents(int firstPage, int lastPage)
{
    for (int page = firstPage; page <= lastPage; ++page) {
        const PageControls controls = controlsOf(page);
        if (page == CoverPage) {
            for (int n = 1; n <= SmallMonthCount; ++n)
                connect(m_smallKal[n], &MonthControl::OnModify, this, &TForm1::ControlModified);
        }
        if (controls.bigKal)
            connect(m_bigKal[controls.bigKal], &MonthControl::OnModify, this, &TForm1::ControlModified);
        connect(m_imageKal[controls.imageKal], &TImageKal::OnModify, this, &TForm1::ControlModified);
        if (controls.edit) {
            QLineEdit *edit = m_edit[controls.edit];
            connect(edit, &QLineEdit::textChanged, this, [this, edit] { ControlModified(edit); });
        }
    }
}

void TForm1::ControlModified(QObject *)
{
    Modified = true;
}

bool TForm1::event(QEvent *event)
{
    const bool handled = QMainWindow::event(event);
    if (event->type() == QEvent::WindowActivate)
        FormActivate();
    return handled;
}

// The refusal is shown once; the window then closes and, with NoSaveQuery
// set, the program ends without a question.
void TForm1::FormActivate()
{
    if (!RootDirError || m_rootRefusalShown)
        return;
    m_rootRefusalShown = true;
    MessageBox::show(this, QStringLiteral("Program nelze spustit z kořenového adresáře!"),
                     QStringLiteral("Error"), MessageBox::Ok, MessageBox::Icon::Error);
    close();
}

bool TForm1::eventFilter(QObject *watched, QEvent *event)
{
    switch (event->type()) {
    case QEvent::Show:
        if (const int page = m_sheetPages.value(watched))
            TabSheetShow(page);
        break;
    case QEvent::MouseButtonDblClick:
        if (QAction *command = m_doubleClicks.value(watched)) {
            command->trigger();
            return true;
        }
        break;
    default:
        break;
    }
    return QMainWindow::eventFilter(watched, event);
}

void TForm1::TabSheetShow(int page)
{
    if (page == ProjectSheet) {
        DocKind = 1;
        setProjectMenuAvailable(true);
        ui->ZmenitRM->setEnabled(false);
        return;
    }
    CurrentPage = page;
    ui->NastavitBD->setEnabled(page != CoverPage);
    if (page == SingleMonthPage) {
        DocKind = 0;
        setProjectMenuAvailable(false);
        ui->ZmenitRM->setEnabled(true);
    }
}

// A hidden project menu takes its shortcuts with it.
void TForm1::setProjectMenuAvailable(bool available)
{
    ui->Projekt->menuAction()->setVisible(available);
    ui->Projekt->menuAction()->setEnabled(available);
}

// The printer confirmed here stays the printer of every later print job.
bool TForm1::PrintDialog1()
{
    return Printing::confirmPrinter(this, Printer());
}

QPrinter &TForm1::Printer()
{
    if (!m_printer)
        m_printer = Printing::makePrinter();
    return *m_printer;
}

void TForm1::OProgramuClick()
{
    if (AboutBox)
        AboutBox->exec();
}

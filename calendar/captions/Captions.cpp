#include "calendar/captions/Captions.h"

#include "calendar-controls/big-month/TBigKal.h"
#include "calendar-controls/small-month/TSmallKal.h"
#include "calendar/captions/CaptionCopies.h"
#include "calendar/language/LanguageLines.h"
#include "calendar/main-window/AutoSizeLabel.h"
#include "calendar/main-window/DesignerStartup.h"
#include "calendar/main-window/TAboutBox.h"
#include "calendar/main-window/TForm1.h"
#include "calendar/main-window/TForm2.h"
#include "calendar/print-window/TForm7.h"
#include "calendar/wizard/TForm3.h"
#include "calendar/year-dialogs/TForm4.h"
#include "calendar/year-dialogs/TForm5.h"
#include "platform/text/IntegerText.h"

#include "ui_TForm1.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QPushButton>
#include <QTabWidget>

namespace {

QString line(int index)
{
    return Form2->CaptionMemo.line(index);
}

void applyMainMenu(Ui::TForm1 &ui)
{
    ui.Soubor->setTitle(line(31));
    const std::pair<int, QAction *> items[] = {
        {32, ui.Novy},       {33, ui.NovyP},      {34, ui.Otevrit},    {35, ui.Ulozit},    {36, ui.UlozitJ},
        {37, ui.Tisk},       {38, ui.Konec},      {40, ui.NastavitB},  {41, ui.NastavitD}, {42, ui.NastavitV},
        {43, ui.NastavitC},  {44, ui.ZmenitR},    {45, ui.VymazatVO},  {46, ui.VymazatT},  {48, ui.NacistO},
        {49, ui.NastavitBT}, {50, ui.NastavitBD}, {51, ui.NastavitBV}, {52, ui.NastavitBC}, {53, ui.ZmenitRM},
        {54, ui.VymazatO},   {57, ui.OProgramu},
    };
    for (const auto &[number, item] : items)
        item->setText(line(number));
    ui.Projekt->setTitle(line(39));
    ui.Vuvuzodi->setTitle(line(47));
    ui.Jazyk->setTitle(line(55));
    ui.Napoveda->setTitle(line(56));
}

void applyProjectPages(TForm1 &window)
{
    for (int month = 1; month <= 12; ++month)
        window.Label(2 * month)->setText(line(month - 1));
    QTabWidget &pages = *window.ui->PageControl1;
    pages.setTabText(pages.indexOf(window.TabSheet(1)), line(67));
    for (int page = 2; page <= 13; ++page)
        pages.setTabText(pages.indexOf(window.TabSheet(page)), line(page - 2));
}

void keepCopies(TForm3 &wizard)
{
    wizard.MonthNames.clear();
    for (int month = 0; month < 12; ++month)
        wizard.MonthNames.append(line(month));
    wizard.BackCaption = line(27);
    wizard.NextCaption = line(28);
    wizard.FinishCaption = line(29);
    wizard.CancelCaption = line(30);
}

void applyWizard(TForm3 &wizard)
{
    wizard.setWindowTitle(line(59));
    wizard.Button(1)->setText(wizard.BackCaption);
    wizard.Button(2)->setText(wizard.NextCaption);
    wizard.Button(3)->setText(wizard.CancelCaption);
    for (int n = 1; n <= 7; ++n)
        wizard.Label(n)->setText(line(59 + n));
    wizard.Label(8)->setText(line(67) + u':');
    for (int month = 0; month < 12; ++month) {
        wizard.Label(9 + month)->setText(wizard.MonthNames.at(month) + u':');
        wizard.Label(22 + month)->setText(wizard.MonthNames.at(month) + u':');
    }
    wizard.Label(21)->setText(line(68));
    for (int n = 4; n <= 16; ++n)
        wizard.Button(n)->setText(line(69));
}

void applyYearDialogs(TForm4 &yearAndMonth, TForm5 &year, const QString &cancel)
{
    yearAndMonth.setWindowTitle(line(70));
    yearAndMonth.Label1->setText(line(71) + u':');
    yearAndMonth.Label2->setText(line(72));
    yearAndMonth.Button2->setText(cancel);
    for (int month = 0; month < 12; ++month)
        yearAndMonth.ComboBox1->setItemText(month, line(month));
    year.setWindowTitle(line(71));
    year.Label1->setText(line(71) + u':');
    year.Button2->setText(cancel);
}

void applyFileDialogs(TForm1 &window)
{
    window.OpenPictureDialog1.Title = line(78);
    window.OpenDialog1.Title = line(79);
    window.SaveDialog1.Title = line(80);
    window.OpenDialog1.Filter = line(81) + QStringLiteral("|*.cnr;*.cpr|") + line(82) + QStringLiteral("|*.cnr|")
                                + line(83) + QStringLiteral("|*.cpr");
}

// An untitled document takes the new untitled name; the save dialog's default
// extension and the writer's forced one complete it when it is saved.
void retitleUntitled(TForm1 &window)
{
    if (window.SaveDialog1.Tag != 0)
        return;
    const QString extension = window.DocKind == 1 ? QStringLiteral(".cpr") : QStringLiteral(".cnr");
    window.setWindowTitle(QStringLiteral("Zoziruzo - ") + CaptionCopies::UntitledName() + extension);
    window.SaveDialog1.FileName = CaptionCopies::UntitledName();
}

void applyPrintWindow(TForm7 &window)
{
    window.setWindowTitle(line(73));
    window.Label1->setText(line(74));
    window.TisknoutStejne->setText(line(77));
    window.CheckBox(1)->setText(line(67));
    for (int month = 0; month < 12; ++month)
        window.CheckBox(month + 2)->setText(line(month));
    window.Button1->setText(line(37));
    window.Button2->setText(line(30));
}

// The month controls of every page: the project's and the single month's.
template<typename Step>
void forEachMonthControl(const Step &step)
{
    for (int month = 1; month <= 12; ++month)
        step(*Form1->SmallKal(month));
    for (int n = 1; n <= 13; ++n)
        step(*Form1->BigKal(n));
}

} // namespace

Result<> ApplyCaptions()
{
    TForm1 &window = *Form1;
    keepCopies(*Form3);
    applyMainMenu(*window.ui);
    applyProjectPages(window);
    AboutBox->setWindowTitle(line(58));
    applyWizard(*Form3);
    applyYearDialogs(*Form4, *Form5, Form3->CancelCaption);
    applyFileDialogs(window);
    applyPrintWindow(*Form7);
    CaptionCopies::setUntitledName(line(LanguageLines::UntitledNameLine));
    retitleUntitled(window);
    return ApplyStartOfWeek();
}

void RedrawMonthControls()
{
    forEachMonthControl([](auto &control) { control.redraw(); });
}

Result<> ApplyStartOfWeek()
{
    const Result<qint32> startOfWeek = parseInteger(line(LanguageLines::WeekStartLine));
    if (!startOfWeek)
        return Failure{startOfWeek.error()};
    forEachMonthControl([&startOfWeek](auto &control) { control.setStartOfWeek(*startOfWeek); });
    return {};
}

#include "calendar/captions/Captions.h"

#include "calendar-controls/big-month/TBigKal.h"
#include "calendar-controls/small-month/TSmallKal.h"
#include "calendar/captions/CaptionCopies.h"
#include "calendar/language/LanguageLines.h"
#include "calendar/main-window/AutoSizeLabel.h"
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

using namespace LanguageLines;

namespace {

QString line(int index)
{
    return Form2->CaptionMemo.line(index);
}

void applyMainMenu(Ui::TForm1 &ui)
{
    ui.Soubor->setTitle(line(SouborLine));
    const std::pair<int, QAction *> items[] = {
        {NovyLine, ui.Novy},           {NovyPLine, ui.NovyP},         {OtevritLine, ui.Otevrit},
        {UlozitLine, ui.Ulozit},       {UlozitJLine, ui.UlozitJ},     {TiskLine, ui.Tisk},
        {KonecLine, ui.Konec},         {NastavitBLine, ui.NastavitB}, {NastavitDLine, ui.NastavitD},
        {NastavitVLine, ui.NastavitV}, {NastavitCLine, ui.NastavitC}, {ZmenitRLine, ui.ZmenitR},
        {VymazatVOLine, ui.VymazatVO}, {VymazatTLine, ui.VymazatT},   {NacistOLine, ui.NacistO},
        {NastavitBTLine, ui.NastavitBT}, {NastavitBDLine, ui.NastavitBD}, {NastavitBVLine, ui.NastavitBV},
        {NastavitBCLine, ui.NastavitBC}, {ZmenitRMLine, ui.ZmenitRM}, {VymazatOLine, ui.VymazatO},
        {OProgramuLine, ui.OProgramu},
    };
    for (const auto &[number, item] : items)
        item->setText(line(number));
    ui.Projekt->setTitle(line(ProjektLine));
    ui.Vuvuzodi->setTitle(line(VuvuzodiLine));
    ui.Jazyk->setTitle(line(JazykLine));
    ui.Napoveda->setTitle(line(NapovedaLine));
}

void applyProjectPages(TForm1 &window)
{
    for (int month = 1; month <= 12; ++month)
        window.Label(2 * month)->setText(line(MonthNameLines + month - 1));
    QTabWidget &pages = *window.ui->PageControl1;
    pages.setTabText(pages.indexOf(window.TabSheet(1)), line(CoverNameLine));
    for (int page = 2; page <= 13; ++page)
        pages.setTabText(pages.indexOf(window.TabSheet(page)), line(MonthNameLines + page - 2));
}

void keepCopies(TForm3 &wizard)
{
    wizard.MonthNames.clear();
    for (int month = 0; month < 12; ++month)
        wizard.MonthNames.append(line(MonthNameLines + month));
    wizard.BackCaption = line(BackCaptionLine);
    wizard.NextCaption = line(NextCaptionLine);
    wizard.FinishCaption = line(FinishCaptionLine);
    wizard.CancelCaption = line(CancelCaptionLine);
}

void applyWizard(TForm3 &wizard)
{
    wizard.setWindowTitle(line(WizardTitleLine));
    wizard.Button(1)->setText(wizard.BackCaption);
    wizard.Button(2)->setText(wizard.NextCaption);
    wizard.Button(3)->setText(wizard.CancelCaption);
    for (int n = 1; n <= WizardLabelCount; ++n)
        wizard.Label(n)->setText(line(WizardLabelLines + n - 1));
    wizard.Label(8)->setText(line(CoverNameLine) + u':');
    for (int month = 0; month < 12; ++month) {
        wizard.Label(9 + month)->setText(wizard.MonthNames.at(month) + u':');
        wizard.Label(22 + month)->setText(wizard.MonthNames.at(month) + u':');
    }
    wizard.Label(21)->setText(line(WizardTextsHeadingLine));
    for (int n = 4; n <= 16; ++n)
        wizard.Button(n)->setText(line(BrowseButtonLine));
}

void applyYearDialogs(TForm4 &yearAndMonth, TForm5 &year, const QString &cancel)
{
    yearAndMonth.setWindowTitle(line(MonthYearTitleLine));
    yearAndMonth.Label1->setText(line(YearTitleLine) + u':');
    yearAndMonth.Label2->setText(line(MonthLabelLine));
    yearAndMonth.Button2->setText(cancel);
    for (int month = 0; month < 12; ++month)
        yearAndMonth.ComboBox1->setItemText(month, line(MonthNameLines + month));
    year.setWindowTitle(line(YearTitleLine));
    year.Label1->setText(line(YearTitleLine) + u':');
    year.Button2->setText(cancel);
}

void applyFileDialogs(TForm1 &window)
{
    window.OpenPictureDialog1.Title = line(PictureDialogTitleLine);
    window.OpenDialog1.Title = line(OpenDialogTitleLine);
    window.SaveDialog1.Title = line(SaveDialogTitleLine);
    window.OpenDialog1.Filter = line(AllDocumentsFilterLine) + QStringLiteral("|*.cnr;*.cpr|")
                                + line(SingleMonthFilterLine) + QStringLiteral("|*.cnr|") + line(ProjectFilterLine)
                                + QStringLiteral("|*.cpr");
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
    window.setWindowTitle(line(PrintCaptionLine));
    window.Label1->setText(line(PrintPagesLabelLine));
    window.TisknoutStejne->setText(line(SamePagesLine));
    window.CheckBox(1)->setText(line(CoverNameLine));
    for (int month = 0; month < 12; ++month)
        window.CheckBox(month + 2)->setText(line(MonthNameLines + month));
    window.Button1->setText(line(TiskLine));
    window.Button2->setText(line(CancelCaptionLine));
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
    AboutBox->setWindowTitle(line(AboutTitleLine));
    applyWizard(*Form3);
    applyYearDialogs(*Form4, *Form5, Form3->CancelCaption);
    applyFileDialogs(window);
    applyPrintWindow(*Form7);
    CaptionCopies::setUntitledName(line(UntitledNameLine));
    retitleUntitled(window);
    return ApplyStartOfWeek();
}

void RedrawMonthControls()
{
    forEachMonthControl([](auto &control) { control.redraw(); });
}

Result<> ApplyStartOfWeek()
{
    const Result<qint32> startOfWeek = parseInteger(line(WeekStartLine));
    if (!startOfWeek)
        return Failure{startOfWeek.error()};
    forEachMonthControl([&startOfWeek](auto &control) { control.setStartOfWeek(*startOfWeek); });
    return {};
}

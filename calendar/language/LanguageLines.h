#pragma once

#include "calendar-controls/memo/MemoLines.h"

#include <QString>
#include <QStringList>

// The language files: 89 lines read by number, in the Language folder below
// the program folder, and the Czech file built into the program.
namespace LanguageLines {

inline constexpr int LineCount = 89;

// Every line by its use. A run names its first line: the month names
// January..December, the large grid's weekday names and the small grid's
// weekday letters, each in column order, are the month controls' own.
inline constexpr int MonthNameLines = MemoLines::MonthNameLine;
inline constexpr int DayNameLines = MemoLines::DayNameLine;
inline constexpr int DayLetterLines = MemoLines::DayLetterLine;
inline constexpr int WeekStartLine = 26;
// The wizard's buttons; the cancel caption serves four windows.
inline constexpr int BackCaptionLine = 27;
inline constexpr int NextCaptionLine = 28;
inline constexpr int FinishCaptionLine = 29;
inline constexpr int CancelCaptionLine = 30;
// The main menu, in menu order.
inline constexpr int SouborLine = 31;
inline constexpr int NovyLine = 32;
inline constexpr int NovyPLine = 33;
inline constexpr int OtevritLine = 34;
inline constexpr int UlozitLine = 35;
inline constexpr int UlozitJLine = 36;
// Also the print window's print button.
inline constexpr int TiskLine = 37;
inline constexpr int KonecLine = 38;
inline constexpr int ProjektLine = 39;
inline constexpr int NastavitBLine = 40;
inline constexpr int NastavitDLine = 41;
inline constexpr int NastavitVLine = 42;
inline constexpr int NastavitCLine = 43;
inline constexpr int ZmenitRLine = 44;
inline constexpr int VymazatVOLine = 45;
inline constexpr int VymazatTLine = 46;
inline constexpr int VuvuzodiLine = 47;
inline constexpr int NacistOLine = 48;
inline constexpr int NastavitBTLine = 49;
inline constexpr int NastavitBDLine = 50;
inline constexpr int NastavitBVLine = 51;
inline constexpr int NastavitBCLine = 52;
inline constexpr int ZmenitRMLine = 53;
inline constexpr int VymazatOLine = 54;
inline constexpr int JazykLine = 55;
inline constexpr int NapovedaLine = 56;
inline constexpr int OProgramuLine = 57;
inline constexpr int AboutTitleLine = 58;
inline constexpr int WizardTitleLine = 59;
// The wizard's Label1..Label7: the settings heading, the year and the four
// colour labels, the pictures heading.
inline constexpr int WizardLabelLines = 60;
inline constexpr int WizardLabelCount = 7;
// The cover page's name: its tab, the wizard's cover label, the first print box.
inline constexpr int CoverNameLine = 67;
inline constexpr int WizardTextsHeadingLine = 68;
inline constexpr int BrowseButtonLine = 69;
inline constexpr int MonthYearTitleLine = 70;
// The year dialog's title; with ":" the year label of both year dialogs.
inline constexpr int YearTitleLine = 71;
inline constexpr int MonthLabelLine = 72;
// The print window's title and the prefix of its progress title.
inline constexpr int PrintCaptionLine = 73;
inline constexpr int PrintPagesLabelLine = 74;
// The print window's select toggle: its hint while its next click clears all
// boxes, and while it checks them all.
inline constexpr int DeselectHintLine = 75;
inline constexpr int SelectHintLine = 76;
inline constexpr int SamePagesLine = 77;
inline constexpr int PictureDialogTitleLine = 78;
inline constexpr int OpenDialogTitleLine = 79;
inline constexpr int SaveDialogTitleLine = 80;
// The document dialogs' filter names.
inline constexpr int AllDocumentsFilterLine = 81;
inline constexpr int SingleMonthFilterLine = 82;
inline constexpr int ProjectFilterLine = 83;
inline constexpr int UntitledNameLine = 84;
inline constexpr int SaveQuestionLine = 85;
inline constexpr int InvalidFileLine = 86;
inline constexpr int SaveErrorLine = 87;
inline constexpr int HeaderLine = 88;
inline const QString Header = QStringLiteral("000 - Language's file for program Vuvuzodi - 000");
inline const QString CzechFileName = QStringLiteral("Česky.cln");

// The built-in Czech file, all 89 lines.
QStringList builtInCzech();

// Accepted when line 88 is the header exactly.
bool isAccepted(const QStringList &lines);

} // namespace LanguageLines

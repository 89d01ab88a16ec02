#pragma once

#include <QString>

class TForm1;

// The File menu's document commands on the designer's windows: New, New
// project, Open, Save, Save as, and the save question that guards leaving a
// changed document.
namespace FileMenu {

// Binds the main window's document menu items to their commands and its
// close query to the save question.
void Connect(TForm1 &form);

// The menu items New, New project and Open: the save question, then the
// command unless it was cancelled.
void NovyClick();
void NovyPClick();
void OtevritClick();

// The save question. True means the waiting action must not go on; also
// left in SaveCancelled.
bool AskSaveChanges();
// An untitled single-month document of the month the program started in.
void NewCalendar();
// The wizard; the untitled save target is set only when it finishes.
void NewProject();
void OpenCalendarFile();
void SaveCalendar();
void SaveCalendarAs();
// Writes the shown document to the save target and links it to that file.
void WriteCalendarFile();
// Reads a chosen file into the window and shows it, or shows why not.
void ReadCalendarFile(const QString &path);

// The file a save target writes: the kind's extension in place of the last
// one (or added, for a project's save target without one), so a project
// chosen as Rok.2003.cpr stays Rok.2003.cpr.
QString targetOf(const QString &saveTarget, int docKind);

} // namespace FileMenu

#pragma once

class QAction;
class TForm1;
class TForm7;

// The designer's print jobs. A failure of the printer is shown in an error
// box; the print command and the print window are usable again afterwards.

// The main window's print command: the printer dialog and one page for a
// single-month document, the print window for a year project.
void TiskClick(TForm1 &form1, TForm7 &form7);
// Binds the main window's print menu item to its command.
void ConnectPrintCommand(TForm1 &form1, TForm7 &form7);

// The single-month document as one page; `tisk` (the print menu item) is
// disabled while the job runs.
void PrintCalendarPage(TForm7 &form, QAction &tisk);

// The ticked pages of the year project, `PageCount` of them, with the
// progress in the print window's caption; closes the window when done.
void PrintProjectPages(TForm7 &form);

// The progress shown after page `page` of `pageCount`, in percent.
int progressPercent(int page, int pageCount);

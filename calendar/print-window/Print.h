#pragma once

class QAction;
class TForm7;

// The designer's print jobs. A failure of the printer is shown in an error
// box; the print command and the print window are usable again afterwards.

// The single-month document as one page; `tisk` (the print menu item) is
// disabled while the job runs.
void PrintCalendarPage(TForm7 &form, QAction &tisk);

// The ticked pages of the year project, `PageCount` of them, with the
// progress in the print window's caption; closes the window when done.
void PrintProjectPages(TForm7 &form);

// The progress shown after page `page` of `pageCount`, in percent.
int progressPercent(int page, int pageCount);

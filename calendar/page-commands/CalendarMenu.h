#pragma once

#include "platform/result/Result.h"

class TForm1;

// The page menu's commands: they work on the page shown (CurrentPage of the
// global main window Form1): the cover, a project month page or the
// single-month document. With no page shown they do nothing. A command that
// can fail returns its failure for the handler to show.

// Fails with the picture's loading error; the page is then left as it was.
Result<> LoadPagePicture();
void ApplyPageTextColor();
void ApplyPageDayNameColor();
void ApplyPageFillColor();
void ApplyPageLineColor();
// Fails, before the dialog opens, when the year label is not an integer.
Result<> ChangeDocumentMonthYear();
void ClearPagePicture();

// Binds the page menu's items of the main window to these commands.
void ConnectPageMenu(TForm1 &form);

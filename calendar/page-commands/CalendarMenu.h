#pragma once

// The page menu's commands: they work on the page shown (CurrentPage of the
// global main window Form1): the cover, a project month page or the
// single-month document. With no page shown they do nothing.

void LoadPagePicture();
void ApplyPageTextColor();
void ApplyPageDayNameColor();
void ApplyPageFillColor();
void ApplyPageLineColor();
void ChangeDocumentMonthYear();
void ClearPagePicture();

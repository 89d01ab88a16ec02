#pragma once

#include "platform/result/Result.h"

class TForm1;

// The project menu's commands: one change for the whole year project on the
// global main window Form1. The single-month document is never touched.

void ApplyProjectTextColor();
void ApplyProjectDayNameColor();
void ApplyProjectFillColor();
void ApplyProjectLineColor();
// Fails, before the dialog opens, when the cover's year label is not an
// integer.
Result<> ChangeProjectYear();
void ClearProjectPictures();
void ClearProjectTexts();

// Binds the project menu's items of the main window to these commands.
void ConnectProjectMenu(TForm1 &form);

#pragma once

// The project menu's commands: one change for the whole year project on the
// global main window Form1. The single-month document is never touched.

void ApplyProjectTextColor();
void ApplyProjectDayNameColor();
void ApplyProjectFillColor();
void ApplyProjectLineColor();
void ChangeProjectYear();
void ClearProjectPictures();
void ClearProjectTexts();

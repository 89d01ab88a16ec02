#pragma once

#include <QtGlobal>

// The design state of the main window, read and written by the designer's
// commands. A new main window has every field zero or false.
struct DesignState
{
    int CurrentPage = 0;   // 1 cover, 2..13 January..December, 14 single month
    int DocMonth = 0;      // 0..11, month of the single-month document
    quint8 DocKind = 0;    // 0 single-month document, 1 year project
    bool Modified = false;
    int OldYear = 0;
    int OldMonth = 0;
    bool SaveCancelled = false;
    bool RootDirError = false;
    bool NoSaveQuery = false;
};

#pragma once

#include <QString>

// What the main window's open and save dialogs remember between uses. The
// save dialog's FileName and Tag are the shown document's link to its file.
struct DocumentDialog
{
    QString FileName;
    QString Title;
    QString Filter;     // "name|pattern;pattern|name|pattern"
    QString DefaultExt; // without the dot
    int Tag = 0;        // save dialog: 0 untitled, 1 the document has a file
};

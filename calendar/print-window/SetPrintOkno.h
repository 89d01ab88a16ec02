#pragma once

#include "platform/files/Drives.h"

#include <QList>
#include <QString>

class TForm7;

// The print window's selection logic and the designer's start folder.
namespace SetPrintOkno {

void CheckAllPages(TForm7 &form);
void UncheckAllPages(TForm7 &form);
// Every page ticked, the toggle showing its clear-all glyph.
void ResetSelectButton(TForm7 &form);
void CountCheckedPages(TForm7 &form);
// Tisk only while a page is ticked.
void UpdatePrintButton(TForm7 &form);
// Mode 0 remembers the ticked pages, mode 1 ticks the remembered ones; any
// other mode does nothing.
void RememberPages(TForm7 &form, int mode);
void InitRememberedPages(TForm7 &form);

// Makes the first fixed drive's "Dokumenty" folder the current folder, where
// the open and save dialogs start; without one, the program folder. A failed
// change leaves the current folder as it was.
void SetStartFolder(const QList<Drives::Drive> &drives, const QString &programFolder);

} // namespace SetPrintOkno

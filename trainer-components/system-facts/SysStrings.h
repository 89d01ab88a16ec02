#pragma once

#include <QString>

// Length of a NUL-terminated 8-bit string; 0 for none.
qsizetype CStrLength(const char *text);

// Cuts `text` at its first NUL character, if it has one.
void TrimAtNul(QString &text);

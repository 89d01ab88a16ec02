#pragma once

#include <QString>

class QFontMetrics;

// Breaks a text that has no blanks where each line is full, as the Windows
// text drawing breaks a word too long for its line: every line but the last
// is as long as still fits the width.
QString breakWhereLineIsFull(const QString &text, const QFontMetrics &metrics, int width);

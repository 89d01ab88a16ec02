#pragma once

#include <QString>

class QFontMetrics;

// Breaks a row of numbers joined by commas, without blanks, into lines that
// each hold as many whole numbers as fit the width. A line breaks only after a
// comma, so no number is split; one too wide for a line stands on its own.
QString breakAfterCommas(const QString &row, const QFontMetrics &metrics, int width);

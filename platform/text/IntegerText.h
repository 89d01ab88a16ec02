#pragma once

#include "platform/result/Result.h"

#include <QString>

// The general integer conversion of the programs' files: optional leading
// blanks, optional sign, decimal digits, or hexadecimal digits after "$", "x",
// "X" or "0x"; the value must fit 32 bits. Anything else (an empty text
// included) fails with "'<text>' is not a valid integer value".
Result<qint32> parseInteger(const QString &text);

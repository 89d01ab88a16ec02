#pragma once

#include <QString>

#include <optional>

// The general integer conversion of the programs' files: optional leading
// blanks, optional sign, decimal digits, or hexadecimal digits after "$", "x",
// "X" or "0x"; the value must fit 32 bits. Anything else (an empty text
// included) fails, and `error` gets "'<text>' is not a valid integer value".
std::optional<qint32> parseInteger(const QString &text, QString *error = nullptr);

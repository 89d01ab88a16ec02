#pragma once

#include <QByteArray>
#include <QString>

// The Windows-1250 code page, from the project's own table so that the result
// never depends on how Qt was built. Every text file of both programs passes
// through here exactly once, at the file boundary.
class Cp1250
{
public:
    // Bytes without a character (0x81, 0x83, 0x88, 0x90, 0x98) become U+FFFD.
    static QString decode(QByteArrayView bytes);
    // Characters outside the code page become "?".
    static QByteArray encode(QStringView text);
    // The same into `out`, which has room for text.size() bytes; returns the
    // number of bytes written.
    static qsizetype encodeInto(QStringView text, char *out);
};

#pragma once

#include "platform/result/Result.h"

#include <QByteArrayView>
#include <QString>
#include <QStringList>

// Windows-1250 text files, read and written whole, line by line.
namespace TextLineFile {

// CR LF, a lone CR and a lone LF each end a line; a final line end adds no
// empty line. Fails, with the reason, when the file cannot be read or is no
// regular file (FileSystem::readWholeFile).
Result<QStringList> read(const QString &path);
QStringList splitLines(QByteArrayView bytes);
// The first `count` lines only, each cut to its first `length` characters;
// the bytes after them are not looked at, so a long file costs no more.
QStringList firstLines(QByteArrayView bytes, qsizetype count, qsizetype length);

enum class LastLine { Terminated, Unterminated };

// Every line followed by CR LF (the last one too, unless the caller asks
// otherwise); written through SafeFile, so a failure keeps the old file and
// says why.
Result<> write(const QString &path, const QStringList &lines, LastLine last = LastLine::Terminated);
QByteArray encode(const QStringList &lines, LastLine last = LastLine::Terminated);

} // namespace TextLineFile

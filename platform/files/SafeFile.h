#pragma once

#include <QByteArray>
#include <QString>

#include <functional>

// Replacing files so that a failure never leaves a half-written file: the new
// content goes to a temporary file in the target's folder, is flushed, and is
// renamed over the target.
namespace SafeFile {

struct Result
{
    bool ok = true;
    QString error; // a sentence naming the file and what went wrong
    explicit operator bool() const { return ok; }
};

Result replace(const QString &path, const QByteArray &content);

// Two files that belong together (a table and its memo file). Both new
// contents are written and flushed before either target is touched; if the
// second rename fails the first is rolled back, so the old pair stays whole.
Result replacePair(const QString &firstPath, const QByteArray &firstContent,
                   const QString &secondPath, const QByteArray &secondContent);

} // namespace SafeFile

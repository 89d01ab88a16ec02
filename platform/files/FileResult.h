#pragma once

#include <QString>

// The outcome of a file operation that can fail: the error is a sentence
// naming the file and what is wrong, ready to be shown to the user.
struct FileResult
{
    bool ok = true;
    QString error;

    explicit operator bool() const { return ok; }
    static FileResult failure(const QString &error) { return {false, error}; }
};

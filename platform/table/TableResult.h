#pragma once

#include <QString>

// The outcome of a table operation that can fail: the error is a sentence
// naming the file and what is wrong, ready to be shown to the user.
struct TableResult
{
    bool ok = true;
    QString error;

    explicit operator bool() const { return ok; }
    static TableResult failure(const QString &error) { return {false, error}; }
};

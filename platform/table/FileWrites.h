#pragma once

#include "platform/result/Result.h"

#include <QByteArrayView>
#include <QFile>

// Opening a table or memo file for writing, and positional writes into it.
namespace FileWrites {

// Opens the named file for reading and writing, unbuffered.
Result<> open(QFile &file);
Result<> writeAt(QFile &file, qint64 offset, QByteArrayView bytes);

// Test seam: while one is alive, the writes after the first `allowed` fail as
// if the disk had refused them, so tests can stop a post between its steps.
class FailAfter
{
public:
    explicit FailAfter(int allowed);
    ~FailAfter();
    FailAfter(const FailAfter &) = delete;
    FailAfter &operator=(const FailAfter &) = delete;
};

} // namespace FileWrites

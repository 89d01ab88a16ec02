#pragma once

#include "platform/result/Result.h"

#include <QFile>

// The lock that keeps a table and its memo file whole between programs: a
// post holds it exclusively while it reads the table's end afresh and writes,
// and a reader holds it shared while it takes the header, the records and the
// memos, so it never sees a header newer than the records. It is a flock()
// lock on the table file through the given open file, so two tables open in
// one program exclude each other too; it ends with the object (or the file).
class TableLock
{
public:
    enum class Mode { Shared, Exclusive };

    // Waits until the lock is granted; taken() fails with the system's reason
    // when it was refused. A file system that keeps no locks is used without
    // one, as by one program.
    TableLock(const QFile &tableFile, Mode mode);
    ~TableLock();
    TableLock(const TableLock &) = delete;
    TableLock &operator=(const TableLock &) = delete;

    const Result<> &taken() const { return m_taken; }

private:
    int m_descriptor;
    bool m_held = false;
    Result<> m_taken;
};

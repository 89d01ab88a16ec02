#pragma once

#include "platform/table/DbfHeader.h"
#include "platform/result/Result.h"

#include <QByteArray>
#include <QByteArrayView>
#include <QFile>
#include <QString>

#include <memory>

// The memo file of a table, read only while the table opens: the texts are
// taken out then, and a bank's memo file is mostly block padding. It is read
// through one small window that moves forward, never mapped: mapping every
// page of a large file costs more than reading it, and a file cut short by
// another program then gives an error, not a crash. dBASE III+ memos start at
// a 512-byte block and end with 0x1A 0x1A (a single 0x1A is accepted);
// dBASE IV memos start with FF FF 08 00 and their length, in blocks of the
// size that the memo header gives.
class MemoFile
{
public:
    static QByteArray emptyFile();

    // Opens the file and checks its header for the given layout.
    Result<> open(const QString &path, DbfHeader::MemoLayout layout);
    // The text of the memo starting at `block`, valid until the next text()
    // or release(); an error when the block or its length lies outside the
    // file. Reads are quickest in the order of the blocks.
    Result<QByteArrayView> text(quint32 block);
    qint64 size() const { return m_size; }
    // Lets go of the file; what follows only writes to it.
    void release();

    // New memos are only ever appended past the last block of the file as it
    // is now (`fileSize`): a block that an old value uses is never written again.
    quint32 appendBlock(qint64 fileSize) const;
    // The bytes that store `text` at the block, padded to whole blocks.
    QByteArray encode(QByteArrayView text) const;
    qint64 blockOffset(quint32 block) const { return qint64(block) * m_blockSize; }
    quint32 blockSize() const { return m_blockSize; }
    // The first four header bytes: the next free block.
    static QByteArray nextFreeBytes(quint32 block);

private:
    Failure damaged(const QString &what) const;
    // Makes the window hold the file's bytes from `start` on, at least
    // `length` of them (fewer only at the file's end).
    Result<> fill(qint64 start, qint64 length);
    Result<QByteArrayView> dBase3Text(quint32 block);

    std::unique_ptr<QFile> m_file;
    QString m_fileName;
    qint64 m_size = 0;                  // as the file was when it opened
    QByteArray m_window;
    qint64 m_windowStart = 0;
    DbfHeader::MemoLayout m_layout = DbfHeader::MemoLayout::DBase3;
    quint32 m_blockSize = 512;
};

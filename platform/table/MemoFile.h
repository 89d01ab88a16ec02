#pragma once

#include "platform/table/DbfHeader.h"
#include "platform/table/TableResult.h"

#include <QByteArray>
#include <QByteArrayView>
#include <QString>

// The memo file of a table, held whole in memory. dBASE III+ memos start at a
// 512-byte block and end with 0x1A 0x1A (a single 0x1A is accepted); dBASE IV
// memos start with FF FF 08 00 and their length, in blocks of the size that
// the memo header gives.
class MemoFile
{
public:
    static QByteArray emptyFile();

    // Checks the header of a whole memo file of the given layout.
    TableResult load(QByteArray file, DbfHeader::MemoLayout layout, const QString &fileName);

    // The text bytes of the memo starting at `block`; an error when the block
    // or its length lies outside the file.
    TableResult text(quint32 block, QByteArrayView &text) const;

    // New memos are only ever appended past the file's last block: a block
    // that an old value uses is never written again.
    quint32 appendBlock() const;
    // The bytes that store `text` at the block, padded to whole blocks.
    QByteArray encode(QByteArrayView text) const;
    qint64 blockOffset(quint32 block) const { return qint64(block) * m_blockSize; }
    quint32 blockSize() const { return m_blockSize; }
    // The first four header bytes: the next free block.
    static QByteArray nextFreeBytes(quint32 block);

    // Records what was written to the file.
    void apply(qint64 offset, QByteArrayView bytes);

private:
    QByteArray m_file;
    QString m_fileName;
    DbfHeader::MemoLayout m_layout = DbfHeader::MemoLayout::DBase3;
    quint32 m_blockSize = 512;
};

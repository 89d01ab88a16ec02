#pragma once

#include "platform/table/FieldDef.h"
#include "platform/result/Result.h"

#include <QByteArray>
#include <QByteArrayView>
#include <QDate>
#include <QList>

// The fixed part of a dBASE table file: version, record count, the column
// descriptors and the record layout they imply.
class DbfHeader
{
public:
    enum class MemoLayout { None, DBase3, DBase4 };

    // Checks the header of a whole table file. `fileName` names the file in
    // the error.
    static Result<DbfHeader> parse(QByteArrayView file, const QString &fileName);
    // A header for a new empty table; fails on a column the engine cannot
    // store. Lengths of 0 become the type's default width.
    static Result<DbfHeader> forNewTable(const QList<FieldDef> &fields);

    QByteArray bytes(QDate updated) const;
    // Bytes 1 to 7: the date of the last update and the record count.
    static QByteArray updateBytes(QDate updated, quint32 recordCount);

    const QList<FieldDef> &fields() const { return m_fields; }
    // Offset of a column within a record (the deletion flag is byte 0).
    int fieldOffset(int index) const { return m_offsets[index]; }
    MemoLayout memoLayout() const { return m_memoLayout; }
    bool hasMemoColumn() const;
    quint32 recordCount() const { return m_recordCount; }
    void setRecordCount(quint32 count) { m_recordCount = count; }
    int headerLength() const { return m_headerLength; }
    int recordLength() const { return m_recordLength; }
    qint64 recordOffset(quint32 physical) const
    {
        return m_headerLength + qint64(physical) * m_recordLength;
    }

private:
    Result<> setFields(const QList<FieldDef> &fields);

    unsigned char m_version = 0x03;
    MemoLayout m_memoLayout = MemoLayout::None;
    quint32 m_recordCount = 0;
    int m_headerLength = 0;
    int m_recordLength = 0;
    QList<FieldDef> m_fields;
    QList<int> m_offsets;
};

#pragma once

#include "platform/result/Result.h"
#include "platform/table/FieldDef.h"

#include <QByteArray>
#include <QByteArrayView>
#include <QString>

#include <optional>

// How the bytes of one column read and are written, memos aside.
namespace FieldText {

// The column read as text: numbers without leading zeros or blanks, Booleans
// "True"/"False", others without padding; blank columns read "".
QString read(const FieldDef &field, QByteArrayView raw);
qint32 readInteger(const FieldDef &field, QByteArrayView raw);
bool readBoolean(QByteArrayView raw);
bool isBlank(const FieldDef &field, QByteArrayView raw);

// Tells which stored columns read exactly as one text, without building the
// text of each: the find rule runs over every record.
class Match
{
public:
    Match(const FieldDef &field, const QString &text);
    // A column other than a memo, as stored in the record.
    bool operator()(QByteArrayView raw) const;
    // A memo's stored text.
    bool memo(QByteArrayView stored) const;

private:
    const FieldDef &m_field;
    const QString &m_text;
    QByteArray m_bytes;
    bool m_roundTrips = false; // the code page holds the text as it is
    std::optional<QByteArray> m_number; // the text is a whole number written as read() writes it
};

// The bytes that store `text` in a column other than a memo (exactly
// field.length of them); a failure when the text is not a value of the column.
Result<QByteArray> write(const FieldDef &field, const QString &text);

// The memo column's block number; 0 for a blank column, nothing when the
// column holds anything but a number.
std::optional<quint32> memoBlock(QByteArrayView raw);
QByteArray memoPointer(quint32 block, int length);

} // namespace FieldText

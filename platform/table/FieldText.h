#pragma once

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

// The bytes that store `text` in a column other than a memo (exactly
// field.length of them); nothing, with `error` set, when the text is not a
// value of the column.
std::optional<QByteArray> write(const FieldDef &field, const QString &text, QString &error);

// The memo column's block number; 0 for a blank column, nothing when the
// column holds anything but a number.
std::optional<quint32> memoBlock(QByteArrayView raw);
QByteArray memoPointer(quint32 block, int length);

} // namespace FieldText

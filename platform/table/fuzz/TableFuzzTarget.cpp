// One fuzz input is a table, its memo file and values to post: four bytes
// (little-endian) give the table's length and the table follows; four more
// give the memo file's length and the memo file follows; the rest are the
// values, separated by NUL bytes and read as Windows-1250. The engine must open
// the pair or refuse it with an error, and never crash or read past a file's
// end, also when it walks, reads, locates, edits, appends and deletes; a pair
// that opened and took a post must open again.

#include "platform/table/DbfTable.h"
#include "platform/text/Cp1250.h"

#include <QFile>
#include <QTemporaryDir>
#include <QtEndian>

#include <cstddef>
#include <cstdint>

namespace {

void put(const QString &path, QByteArrayView bytes)
{
    QFile file(path);
    if (file.open(QIODevice::WriteOnly | QIODevice::Truncate))
        file.write(bytes.data(), bytes.size());
}

// The next part of the input, as long as its length prefix says or as what
// is left.
QByteArrayView takePart(QByteArrayView &input)
{
    if (input.size() < 4)
        return input = {};
    const auto length = qsizetype(std::min<quint64>(qFromLittleEndian<quint32>(input.data()), quint64(input.size() - 4)));
    const QByteArrayView part = input.sliced(4, length);
    input = input.sliced(4 + length);
    return part;
}

void readAll(DbfTable &table)
{
    const int columns = int(table.fields().size());
    for (Result<> moved = table.first(); moved && !table.eof(); moved = table.next())
        for (int i = 0; i < columns; ++i) {
            const TableField field = table.field(i);
            (void)field.asText();
            (void)field.asInteger();
            (void)field.asBoolean();
            (void)field.isNull();
        }
}

// Sets every column from the values in turn, starting at `next`.
void setColumns(DbfTable &table, const QStringList &values, qsizetype &next)
{
    for (int i = 0; i < table.fields().size(); ++i)
        (void)table.setText(i, values.isEmpty() ? QStringLiteral("1") : values[next++ % values.size()]);
}

// True when a post or a delete reached the files.
bool change(DbfTable &table, const QStringList &values)
{
    bool changed = false;
    qsizetype next = 0;
    if (table.recordCount() > 0) {
        if (table.locate(0, table.field(0).asText()) && table.edit()) {
            setColumns(table, values, next);
            changed = bool(table.post()) || changed;
        }
    }
    if (table.append()) {
        setColumns(table, values, next);
        changed = bool(table.post()) || changed;
    }
    table.cancel();
    readAll(table);
    if (table.recordCount() > 1)
        changed = bool(table.deleteRecord()) || changed;
    return changed;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    static QTemporaryDir folder;
    QByteArrayView input(reinterpret_cast<const char *>(data), qsizetype(size));
    const QByteArrayView tableBytes = takePart(input);
    const QByteArrayView memoBytes = takePart(input);
    QStringList values;
    if (!input.isEmpty())
        for (const QByteArray &value : input.toByteArray().split('\0'))
            values << Cp1250::decode(value);
    const QString tablePath = folder.filePath(QStringLiteral("fuzz.dbf"));
    put(tablePath, tableBytes);
    put(folder.filePath(QStringLiteral("fuzz.dbt")), memoBytes);
    DbfTable table;
    if (!table.open(tablePath))
        return 0;
    readAll(table);
    if (change(table, values)) {
        DbfTable again;
        if (!again.open(tablePath))
            __builtin_trap();
        readAll(again);
    }
    return 0;
}

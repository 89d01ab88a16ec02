// One fuzz input is a table and its memo file: four bytes (little-endian) give
// the table's length, the table follows, and the rest is the memo file. The
// engine must open it or refuse it with an error; never crash or read past a
// file's end, also when it walks, reads, locates and posts.

#include "platform/table/DbfTable.h"

#include <QFile>
#include <QTemporaryDir>
#include <QtEndian>

#include <cstddef>
#include <cstdint>

namespace {

void put(const QString &path, const uint8_t *data, size_t size)
{
    QFile file(path);
    if (file.open(QIODevice::WriteOnly | QIODevice::Truncate))
        file.write(reinterpret_cast<const char *>(data), qint64(size));
}

void exercise(DbfTable &table)
{
    const int columns = int(table.fields().size());
    for (table.first(); !table.eof(); table.next())
        for (int i = 0; i < columns; ++i) {
            const TableField field = table.field(i);
            (void)field.asText();
            (void)field.asInteger();
            (void)field.asBoolean();
            (void)field.isNull();
        }
    if (table.recordCount() == 0)
        return;
    table.locate(0, table.field(0).asText());
    if (!table.edit())
        return;
    for (int i = 0; i < columns; ++i)
        (void)table.setText(i, QStringLiteral("1"));
    (void)table.post();
    (void)table.deleteRecord();
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    static QTemporaryDir folder;
    if (size < 4)
        return 0;
    const size_t tableSize = std::min<size_t>(qFromLittleEndian<quint32>(data), size - 4);
    const QString tablePath = folder.filePath(QStringLiteral("fuzz.dbf"));
    put(tablePath, data + 4, tableSize);
    put(folder.filePath(QStringLiteral("fuzz.dbt")), data + 4 + tableSize, size - 4 - tableSize);
    DbfTable table;
    if (table.open(tablePath))
        exercise(table);
    return 0;
}

#include "platform/table/DbfTable.h"

#include "platform/files/PathResolver.h"
#include "platform/files/SafeFile.h"
#include "platform/table/DbfHeader.h"
#include "platform/table/FieldText.h"
#include "platform/table/FileWrites.h"
#include "platform/table/MemoFile.h"
#include "platform/text/Cp1250.h"

#include <QDate>
#include <QFile>
#include <QFileInfo>

#include <map>
#include <vector>

namespace {

constexpr char kDeleted = '*';
constexpr char kEndOfFile = 0x1A;

QString fileNameOf(const QString &path)
{
    return QFileInfo(path).fileName();
}

TableResult readWhole(const QString &path, QByteArray &content)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return TableResult::failure(QStringLiteral("Cannot open %1: %2.").arg(path, file.errorString()));
    content = file.readAll();
    if (file.error() != QFileDevice::NoError)
        return TableResult::failure(QStringLiteral("Cannot read %1: %2.").arg(path, file.errorString()));
    return {};
}

TableResult openForWriting(QFile &file)
{
    if (file.open(QIODevice::ReadWrite | QIODevice::Unbuffered))
        return {};
    return TableResult::failure(QStringLiteral("Cannot write to %1: %2.")
                                    .arg(fileNameOf(file.fileName()), file.errorString()));
}

} // namespace

class DbfTable::Impl
{
public:
    QString path;
    QString memoPath;
    QByteArray data;
    DbfHeader header;
    MemoFile memo;
    std::vector<quint32> live; // physical numbers of the records not deleted
    qsizetype position = 0;
    bool eof = true;
    State state = State::Inactive;
    QByteArray buffer;                  // the record being edited or appended
    std::map<int, QString> pendingMemos; // memo columns changed in the buffer

    QByteArrayView record() const
    {
        if (state == State::Edit || state == State::Insert)
            return buffer;
        if (live.empty())
            return {};
        return QByteArrayView(data).sliced(header.recordOffset(live[position]), header.recordLength());
    }

    QByteArrayView raw(int index) const
    {
        const QByteArrayView rec = record();
        if (rec.isEmpty())
            return {};
        return rec.sliced(header.fieldOffset(index), header.fields()[index].length);
    }

    QString memoText(int index) const
    {
        if (const auto pending = pendingMemos.find(index); pending != pendingMemos.end())
            return pending->second;
        return Cp1250::decode(memoBytes(raw(index)));
    }

    // Pointers were checked when the table opened.
    QByteArrayView memoBytes(QByteArrayView pointer) const
    {
        const quint32 block = FieldText::memoBlock(pointer).value_or(0);
        QByteArrayView text;
        if (block != 0 && !memo.text(block, text))
            return {};
        return text;
    }

    TableResult load(const QString &tablePath);
    TableResult checkMemoPointers() const;
    TableResult writeBuffer();
    TableResult settle(); // writes a pending edit; on failure it stays pending
};

TableResult DbfTable::Impl::load(const QString &tablePath)
{
    path = tablePath;
    if (const TableResult read = readWhole(tablePath, data); !read)
        return read;
    if (const TableResult parsed = DbfHeader::parse(data, fileNameOf(tablePath), header); !parsed)
        return parsed;
    if (header.memoLayout() != DbfHeader::MemoLayout::None) {
        memoPath = DbfTable::memoPathFor(tablePath);
        if (!QFileInfo::exists(memoPath))
            return TableResult::failure(QStringLiteral("The memo file %1 of the table %2 is missing.")
                                            .arg(fileNameOf(memoPath), fileNameOf(tablePath)));
        QByteArray memoContent;
        if (const TableResult read = readWhole(memoPath, memoContent); !read)
            return read;
        if (const TableResult loaded = memo.load(std::move(memoContent), header.memoLayout(), fileNameOf(memoPath)); !loaded)
            return loaded;
    }
    live.clear();
    live.reserve(header.recordCount());
    for (quint32 physical = 0; physical < header.recordCount(); ++physical)
        if (data[header.recordOffset(physical)] != kDeleted)
            live.push_back(physical);
    position = 0;
    eof = live.empty();
    state = State::Browse;
    return checkMemoPointers();
}

TableResult DbfTable::Impl::checkMemoPointers() const
{
    const QList<FieldDef> &fields = header.fields();
    for (int index = 0; index < fields.size(); ++index) {
        if (fields[index].type != FieldType::Memo)
            continue;
        for (quint32 physical : live) {
            const QByteArrayView pointer = QByteArrayView(data).sliced(
                header.recordOffset(physical) + header.fieldOffset(index), fields[index].length);
            const auto block = FieldText::memoBlock(pointer);
            if (!block)
                return TableResult::failure(QStringLiteral("The table %1 is damaged: record %2 holds no memo block number in %3.")
                                                .arg(fileNameOf(path))
                                                .arg(physical + 1)
                                                .arg(fields[index].name));
            QByteArrayView text;
            if (*block != 0)
                if (const TableResult found = memo.text(*block, text); !found)
                    return found;
        }
    }
    return {};
}

// New memo texts go to blocks appended past every block in use; then the
// record is written in place; then the memo header and the table header. An
// interruption before the record write leaves the old record; one after it
// leaves the new record, whose blocks the next append still skips.
TableResult DbfTable::Impl::writeBuffer()
{
    QByteArray record = buffer;
    QByteArray memoBytes;
    const quint32 firstBlock = memo.appendBlock();
    quint32 nextBlock = firstBlock;
    for (const auto &[index, text] : pendingMemos) {
        const FieldDef &field = header.fields()[index];
        const QByteArray bytes = Cp1250::encode(text);
        quint32 block = 0;
        if (!bytes.isEmpty()) {
            const QByteArray stored = memo.encode(bytes);
            block = nextBlock;
            nextBlock += quint32(stored.size() / memo.blockSize());
            memoBytes.append(stored);
        }
        record.replace(header.fieldOffset(index), field.length, FieldText::memoPointer(block, field.length));
    }

    const bool appending = state == State::Insert;
    const quint32 physical = appending ? header.recordCount() : live[position];
    QFile tableFile(path);
    QFile memoFile(memoPath);
    if (const TableResult opened = openForWriting(tableFile); !opened)
        return opened;
    if (!memoBytes.isEmpty()) {
        if (const TableResult opened = openForWriting(memoFile); !opened)
            return opened;
        if (const TableResult written = FileWrites::writeAt(memoFile, memo.blockOffset(firstBlock), memoBytes); !written)
            return written;
        memo.apply(memo.blockOffset(firstBlock), memoBytes);
    }
    const QByteArray recordBytes = appending ? record + kEndOfFile : record;
    const qint64 recordOffset = header.recordOffset(physical);
    if (const TableResult written = FileWrites::writeAt(tableFile, recordOffset, recordBytes); !written)
        return written;
    if (!memoBytes.isEmpty()) {
        const QByteArray next = MemoFile::nextFreeBytes(nextBlock);
        if (const TableResult written = FileWrites::writeAt(memoFile, 0, next); !written)
            return written;
        memo.apply(0, next);
    }
    const quint32 count = appending ? physical + 1 : header.recordCount();
    if (const TableResult written = FileWrites::writeAt(tableFile, 1, DbfHeader::updateBytes(QDate::currentDate(), count)); !written)
        return written;

    if (data.size() < recordOffset + recordBytes.size())
        data.resize(recordOffset + recordBytes.size());
    data.replace(recordOffset, recordBytes.size(), recordBytes);
    header.setRecordCount(count);
    if (appending) {
        live.push_back(physical);
        position = qsizetype(live.size()) - 1;
    }
    eof = false;
    return {};
}

TableResult DbfTable::Impl::settle()
{
    if (state != State::Edit && state != State::Insert)
        return {};
    const TableResult written = writeBuffer();
    if (!written)
        return written;
    state = State::Browse;
    buffer.clear();
    pendingMemos.clear();
    return {};
}

DbfTable::DbfTable() : d(std::make_unique<Impl>()) {}
DbfTable::~DbfTable() = default;

QString DbfTable::memoPathFor(const QString &tablePath)
{
    const QFileInfo info(tablePath);
    const QString suffix = info.suffix();
    const QString name = suffix.isEmpty() ? info.fileName() + QStringLiteral(".dbt")
                                          : info.fileName().chopped(1) + QLatin1Char('t');
    return PathResolver::resolve(info.path() + QLatin1Char('/') + name);
}

TableResult DbfTable::create(const QString &path, const QList<FieldDef> &fields)
{
    DbfHeader header;
    if (const TableResult made = DbfHeader::forNewTable(fields, header); !made)
        return made;
    const QByteArray table = header.bytes(QDate::currentDate()) + kEndOfFile;
    const SafeFile::Result written = header.hasMemoColumn()
                                         ? SafeFile::replacePair(path, table, memoPathFor(path), MemoFile::emptyFile())
                                         : SafeFile::replace(path, table);
    return written ? TableResult{} : TableResult::failure(written.error);
}

TableResult DbfTable::open(const QString &path)
{
    close();
    const TableResult loaded = d->load(path);
    if (!loaded)
        close();
    return loaded;
}

void DbfTable::close()
{
    *d = Impl();
}

bool DbfTable::isOpen() const { return d->state != State::Inactive; }
DbfTable::State DbfTable::state() const { return d->state; }
QString DbfTable::path() const { return d->path; }
QList<FieldDef> DbfTable::fields() const { return d->header.fields(); }

int DbfTable::fieldIndex(const QString &name) const
{
    const QList<FieldDef> &fields = d->header.fields();
    for (int index = 0; index < fields.size(); ++index)
        if (fields[index].name.size() == name.size() && fields[index].name.compare(name, Qt::CaseInsensitive) == 0)
            return index;
    return -1;
}

QString DbfTable::fieldText(int index) const
{
    const FieldDef &field = d->header.fields()[index];
    return field.type == FieldType::Memo ? d->memoText(index) : FieldText::read(field, d->raw(index));
}

qint32 DbfTable::fieldInteger(int index) const
{
    const FieldDef &field = d->header.fields()[index];
    return field.type == FieldType::Memo ? FieldText::readInteger(field, Cp1250::encode(d->memoText(index)))
                                         : FieldText::readInteger(field, d->raw(index));
}

bool DbfTable::fieldBoolean(int index) const
{
    const FieldDef &field = d->header.fields()[index];
    return field.type == FieldType::Memo ? FieldText::readBoolean(Cp1250::encode(d->memoText(index)))
                                         : FieldText::readBoolean(d->raw(index));
}

bool DbfTable::fieldIsNull(int index) const
{
    const FieldDef &field = d->header.fields()[index];
    return field.type == FieldType::Memo ? d->memoText(index).isEmpty() : FieldText::isBlank(field, d->raw(index));
}

TableField DbfTable::field(const QString &name) const { return TableField(*this, fieldIndex(name)); }

TableField DbfTable::field(int index) const
{
    return TableField(*this, index >= 0 && index < d->header.fields().size() ? index : -1);
}

int DbfTable::recordCount() const { return int(d->live.size()); }

int DbfTable::recordNumber() const
{
    if (d->state == State::Insert)
        return int(d->live.size()) + 1;
    return d->live.empty() ? 0 : int(d->position) + 1;
}

void DbfTable::first()
{
    if (!d->settle())
        return;
    d->position = 0;
    d->eof = d->live.empty();
}

void DbfTable::next()
{
    if (!d->settle())
        return;
    if (d->position + 1 < qsizetype(d->live.size()))
        ++d->position;
    else
        d->eof = true;
}

bool DbfTable::eof() const { return d->eof; }

bool DbfTable::moveTo(int number)
{
    if (number < 1 || number > recordCount() || !d->settle())
        return false;
    d->position = number - 1;
    d->eof = false;
    return true;
}

bool DbfTable::locate(int fieldIndex, const QString &text)
{
    if (fieldIndex < 0 || fieldIndex >= d->header.fields().size() || !d->settle())
        return false;
    const FieldDef &field = d->header.fields()[fieldIndex];
    const QByteArray wanted = Cp1250::encode(text);
    if (Cp1250::decode(wanted) != text)
        return false; // a text the code page cannot hold matches no stored value
    const qsizetype offset = d->header.fieldOffset(fieldIndex);
    for (qsizetype at = 0; at < qsizetype(d->live.size()); ++at) {
        const QByteArrayView raw = QByteArrayView(d->data).sliced(d->header.recordOffset(d->live[at]) + offset, field.length);
        const bool match = field.type == FieldType::Memo ? d->memoBytes(raw) == wanted
                                                         : FieldText::read(field, raw) == text;
        if (match) {
            d->position = at;
            d->eof = false;
            return true;
        }
    }
    return false;
}

TableResult DbfTable::edit()
{
    if (d->state == State::Inactive)
        return TableResult::failure(QStringLiteral("The table is not open."));
    if (d->state != State::Browse)
        return {};
    if (d->live.empty())
        return TableResult::failure(QStringLiteral("The table %1 holds no record to edit.").arg(fileNameOf(d->path)));
    d->buffer = d->record().toByteArray();
    d->state = State::Edit;
    return {};
}

TableResult DbfTable::append()
{
    if (d->state == State::Inactive)
        return TableResult::failure(QStringLiteral("The table is not open."));
    if (const TableResult settled = d->settle(); !settled)
        return settled;
    d->buffer = QByteArray(d->header.recordLength(), ' ');
    d->state = State::Insert;
    return {};
}

TableResult DbfTable::setText(int fieldIndex, const QString &value)
{
    if (d->state != State::Edit && d->state != State::Insert)
        return TableResult::failure(QStringLiteral("The table is not being edited."));
    if (fieldIndex < 0 || fieldIndex >= d->header.fields().size())
        return TableResult::failure(QStringLiteral("The table %1 has no such column.").arg(fileNameOf(d->path)));
    const FieldDef &field = d->header.fields()[fieldIndex];
    if (field.type == FieldType::Memo) {
        d->pendingMemos[fieldIndex] = value;
        return {};
    }
    QString error;
    const auto bytes = FieldText::write(field, value, error);
    if (!bytes)
        return TableResult::failure(error);
    d->buffer.replace(d->header.fieldOffset(fieldIndex), field.length, *bytes);
    return {};
}

TableResult DbfTable::setInteger(int fieldIndex, qint32 value)
{
    return setText(fieldIndex, QString::number(value));
}

TableResult DbfTable::setBoolean(int fieldIndex, bool value)
{
    return setText(fieldIndex, value ? QStringLiteral("T") : QStringLiteral("F"));
}

TableResult DbfTable::post()
{
    if (d->state != State::Edit && d->state != State::Insert)
        return TableResult::failure(QStringLiteral("The table is not being edited."));
    return d->settle();
}

void DbfTable::cancel()
{
    if (d->state != State::Edit && d->state != State::Insert)
        return;
    d->state = State::Browse;
    d->buffer.clear();
    d->pendingMemos.clear();
}

TableResult DbfTable::deleteRecord()
{
    if (d->state == State::Insert) {
        cancel();
        return {};
    }
    cancel();
    if (d->state == State::Inactive)
        return TableResult::failure(QStringLiteral("The table is not open."));
    if (d->live.empty())
        return TableResult::failure(QStringLiteral("The table %1 holds no record to delete.").arg(fileNameOf(d->path)));
    const qint64 offset = d->header.recordOffset(d->live[d->position]);
    QFile tableFile(d->path);
    TableResult written = openForWriting(tableFile);
    if (written)
        written = FileWrites::writeAt(tableFile, offset, QByteArrayView(&kDeleted, 1));
    if (!written)
        return written;
    d->data[offset] = kDeleted;
    d->live.erase(d->live.begin() + d->position);
    if (d->position >= qsizetype(d->live.size()))
        d->position = std::max<qsizetype>(0, qsizetype(d->live.size()) - 1);
    d->eof = d->live.empty();
    return {};
}

#include "platform/table/DbfTable.h"

#include "platform/files/PathResolver.h"
#include "platform/messages/PlatformMessages.h"
#include "platform/files/SafeFile.h"
#include "platform/table/DbfHeader.h"
#include "platform/table/FieldText.h"
#include "platform/table/FileWrites.h"
#include "platform/table/MemoFile.h"
#include "platform/table/TableLock.h"
#include "platform/text/Cp1250.h"

#include <QDate>
#include <QFile>
#include <QFileInfo>
#include <QtEndian>

#include <algorithm>
#include <map>
#include <optional>
#include <sys/stat.h>
#include <utility>
#include <vector>

namespace {

constexpr char kDeleted = '*';
constexpr char kEndOfFile = 0x1A;

QString fileNameOf(const QString &path)
{
    return QFileInfo(path).fileName();
}

Failure readFailure(const QFile &file)
{
    return Failure{PlatformMessages::cannotRead(file.fileName(), file.errorString())};
}

Failure lockFailure(const QFile &file, const TableLock &lock)
{
    return Failure{PlatformMessages::cannotLock(file.fileName(), lock.taken().error())};
}

Failure changedElsewhere(const QString &path)
{
    return Failure{PlatformMessages::tableChangedElsewhere(fileNameOf(path))};
}

// Which file a descriptor or a name stands for: a replace by rename gives
// the name another file.
struct FileIdentity
{
    dev_t device = 0;
    ino_t inode = 0;
    bool operator==(const FileIdentity &) const = default;
};

std::optional<FileIdentity> identityOf(const QFile &file)
{
    struct stat status {};
    if (::fstat(file.handle(), &status) != 0)
        return std::nullopt;
    return FileIdentity{status.st_dev, status.st_ino};
}

std::optional<FileIdentity> identityOf(const QString &path)
{
    struct stat status {};
    if (::stat(QFile::encodeName(path).constData(), &status) != 0)
        return std::nullopt;
    return FileIdentity{status.st_dev, status.st_ino};
}

} // namespace

class DbfTable::Impl
{
public:
    QString path;
    QString memoPath;
    FileIdentity identity;              // the table file that was read
    QByteArray data;
    DbfHeader header;
    MemoFile memo;
    std::vector<int> memoSlot;          // per column: its place among the memo columns, or -1
    int memoColumns = 0;
    // The memo texts, taken out of the memo file when the table opens and
    // added to by every post: per physical record and memo column, where in
    // memoTexts its text lies.
    struct Span
    {
        qsizetype offset = 0;
        qsizetype length = 0;
    };
    QByteArray memoTexts;
    std::vector<Span> spans;
    std::vector<quint32> live;          // physical numbers of the records not deleted
    qsizetype position = 0;
    int lastFound = -1;                 // the column that fieldIndex() found last
    bool eof = true;
    State state = State::Inactive;
    QByteArray buffer;                  // the record being edited or appended
    std::map<int, QString> pendingMemos; // memo columns changed in the buffer

    bool editing() const { return state == State::Edit || state == State::Insert; }
    bool hasColumn(int index) const { return index >= 0 && index < header.fields().size(); }

    void dropEdit()
    {
        state = State::Browse;
        buffer.clear();
        pendingMemos.clear();
    }

    QByteArrayView record() const
    {
        if (editing())
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

    std::size_t slot(quint32 physical, int index) const
    {
        return std::size_t(physical) * memoColumns + memoSlot[index];
    }

    QByteArrayView storedMemo(quint32 physical, int index) const
    {
        const Span &at = spans[slot(physical, index)];
        return QByteArrayView(memoTexts).sliced(at.offset, at.length);
    }

    // The memo as stored for the current record; an appended record has none yet.
    QByteArrayView currentMemo(int index) const
    {
        if (state == State::Insert || live.empty())
            return {};
        return storedMemo(live[position], index);
    }

    QString memoText(int index) const
    {
        if (const auto pending = pendingMemos.find(index); pending != pendingMemos.end())
            return pending->second;
        return Cp1250::decode(currentMemo(index));
    }

    QByteArray memoContent(int index) const
    {
        if (const auto pending = pendingMemos.find(index); pending != pendingMemos.end())
            return Cp1250::encode(pending->second);
        return currentMemo(index).toByteArray();
    }

    Result<> load(const QString &tablePath);
    Result<> takeRecords(quint32 from);
    Result<> takeEach(quint32 from);
    struct MemoAt
    {
        quint32 block = 0;
        std::size_t slot = 0;
    };
    Result<> takeMemos(std::vector<MemoAt> &memos);
    Result<> beginWrite(QFile &tableFile, std::optional<TableLock> &lock);
    Result<> catchUp(QFile &tableFile);
    struct Post;
    Post preparePost(qint64 memoFileSize) const;
    Result<> writeBuffer();
    void takePost(const Post &post, quint32 physical, const QByteArray &recordBytes);
    Result<> settle(); // writes a pending edit; on failure it stays pending
};

Result<> DbfTable::Impl::load(const QString &tablePath)
{
    path = tablePath;
    QFile tableFile(tablePath);
    if (!tableFile.open(QIODevice::ReadOnly))
        return Failure{PlatformMessages::cannotOpen(tablePath, tableFile.errorString())};
    const TableLock lock(tableFile, TableLock::Mode::Shared);
    if (!lock.taken())
        return lockFailure(tableFile, lock);
    identity = identityOf(tableFile).value_or(FileIdentity{});
    data = tableFile.readAll();
    if (tableFile.error() != QFileDevice::NoError)
        return readFailure(tableFile);
    Result<DbfHeader> parsed = DbfHeader::parse(data, fileNameOf(tablePath));
    if (!parsed)
        return Failure{parsed.error()};
    header = std::move(*parsed);
    const QList<FieldDef> &fields = header.fields();
    memoSlot.assign(fields.size(), -1);
    for (int index = 0; index < fields.size(); ++index)
        if (fields[index].type == FieldType::Memo)
            memoSlot[index] = memoColumns++;
    if (header.memoLayout() != DbfHeader::MemoLayout::None) {
        memoPath = DbfTable::memoPathFor(tablePath);
        if (!QFileInfo::exists(memoPath))
            return Failure{PlatformMessages::memoFileMissing(fileNameOf(memoPath), fileNameOf(tablePath))};
    }
    live.reserve(header.recordCount());
    if (const Result<> taken = takeRecords(0); !taken)
        return taken;
    position = 0;
    eof = live.empty();
    state = State::Browse;
    return {};
}

// Takes in the stored records from physical number `from` on: the ones not
// deleted, and their memo texts, every memo pointer checked.
Result<> DbfTable::Impl::takeRecords(quint32 from)
{
    if (memoColumns > 0) {
        if (const Result<> opened = memo.open(memoPath, header.memoLayout()); !opened) {
            memo.release();
            return opened;
        }
        // The texts lie within the memo file, so its size bounds them; only
        // the part that they fill is ever touched.
        if (from == 0)
            memoTexts.reserve(memo.size());
    }
    const Result<> taken = takeEach(from);
    memo.release();
    return taken;
}

Result<> DbfTable::Impl::takeEach(quint32 from)
{
    const QList<FieldDef> &fields = header.fields();
    spans.resize(std::size_t(header.recordCount()) * memoColumns);
    std::vector<MemoAt> memos;
    memos.reserve(std::size_t(header.recordCount() - from) * memoColumns);
    for (quint32 physical = from; physical < header.recordCount(); ++physical) {
        const QByteArrayView stored = QByteArrayView(data).sliced(header.recordOffset(physical), header.recordLength());
        if (stored[0] == kDeleted)
            continue;
        live.push_back(physical);
        for (int index = 0; index < fields.size(); ++index) {
            if (memoSlot[index] < 0)
                continue;
            const auto block = FieldText::memoBlock(stored.sliced(header.fieldOffset(index), fields[index].length));
            if (!block)
                return Failure{PlatformMessages::tableDamaged(
                    fileNameOf(path), PlatformMessages::noMemoBlockNumber(physical + 1, fields[index].name))};
            if (*block != 0)
                memos.push_back({*block, slot(physical, index)});
        }
    }
    return takeMemos(memos);
}

// The memo file is read once from its start to its end, however the records
// order their memos.
Result<> DbfTable::Impl::takeMemos(std::vector<MemoAt> &memos)
{
    const auto byBlock = [](const MemoAt &a, const MemoAt &b) { return a.block < b.block; };
    if (!std::is_sorted(memos.begin(), memos.end(), byBlock))
        std::stable_sort(memos.begin(), memos.end(), byBlock);
    for (const MemoAt &at : memos) {
        const Result<QByteArrayView> text = memo.text(at.block);
        if (!text)
            return Failure{text.error()};
        spans[at.slot] = {memoTexts.size(), text->size()};
        memoTexts.append(*text);
    }
    return {};
}

// Opens the table file for a write and waits for the lock; under it, the
// table catches up with what other programs wrote.
Result<> DbfTable::Impl::beginWrite(QFile &tableFile, std::optional<TableLock> &lock)
{
    if (const Result<> opened = FileWrites::open(tableFile); !opened)
        return opened;
    lock.emplace(tableFile, TableLock::Mode::Exclusive);
    if (!lock->taken())
        return lockFailure(tableFile, *lock);
    return catchUp(tableFile);
}

// The file must still be the one that was read, with the same layout and at
// least its records; records that other programs appended since are taken
// in, so that an append goes past them and the header counts them. Changes
// to records already read show after the next open. A catch-up that fails
// leaves the table as it was.
Result<> DbfTable::Impl::catchUp(QFile &tableFile)
{
    const auto opened = identityOf(tableFile);
    if (!opened || *opened != identity || identityOf(path) != opened)
        return changedElsewhere(path);
    char prefix[12] = {};
    if (!tableFile.seek(0) || tableFile.read(prefix, sizeof prefix) != qint64(sizeof prefix))
        return readFailure(tableFile);
    const quint32 known = header.recordCount();
    const quint32 count = qFromLittleEndian<quint32>(prefix + 4);
    if (qFromLittleEndian<quint16>(prefix + 8) != header.headerLength()
        || qFromLittleEndian<quint16>(prefix + 10) != header.recordLength() || count < known)
        return changedElsewhere(path);
    if (count == known)
        return {};
    const qint64 needed = header.recordOffset(count) - header.recordOffset(known);
    QByteArray added;
    if (header.recordOffset(count) <= tableFile.size() && tableFile.seek(header.recordOffset(known)))
        added = tableFile.read(needed);
    if (added.size() != needed)
        return Failure{PlatformMessages::tableDamaged(fileNameOf(path), PlatformMessages::recordsPastEnd(count))};
    const auto liveBefore = live.size();
    const auto textsBefore = memoTexts.size();
    data.resize(header.recordOffset(known));
    data.append(added);
    header.setRecordCount(count);
    const Result<> taken = takeRecords(known);
    if (!taken) {
        header.setRecordCount(known);
        data.resize(header.recordOffset(known));
        live.resize(liveBefore);
        memoTexts.resize(textsBefore);
        spans.resize(std::size_t(known) * memoColumns);
    }
    return taken;
}

// A post in the making: the record with its memo pointers, and the memo
// blocks and texts that go with it.
struct DbfTable::Impl::Post
{
    QByteArray record;
    QByteArray memoBlocks;
    quint32 firstBlock = 0;
    quint32 nextBlock = 0;
    std::vector<std::pair<int, QByteArray>> texts;
};

DbfTable::Impl::Post DbfTable::Impl::preparePost(qint64 memoFileSize) const
{
    const quint32 firstBlock = memo.appendBlock(memoFileSize);
    Post post{buffer, {}, firstBlock, firstBlock, {}};
    for (const auto &[index, text] : pendingMemos) {
        const FieldDef &field = header.fields()[index];
        const QByteArray &bytes = post.texts.emplace_back(index, Cp1250::encode(text)).second;
        quint32 block = 0;
        if (!bytes.isEmpty()) {
            const QByteArray stored = memo.encode(bytes);
            block = post.nextBlock;
            post.nextBlock += quint32(stored.size() / memo.blockSize());
            post.memoBlocks.append(stored);
        }
        post.record.replace(header.fieldOffset(index), field.length, FieldText::memoPointer(block, field.length));
    }
    return post;
}

// New memo texts go to blocks appended past every block in use; then the
// record is written in place; then the memo header and the table header. An
// interruption before the record write leaves the old record; one after it
// leaves the new record, whose blocks the next append still skips. Only a
// post that wrote everything changes what the table holds in memory, so a
// post again after a failure writes the same record to the same place.
Result<> DbfTable::Impl::writeBuffer()
{
    QFile tableFile(path);
    QFile memoFile(memoPath);
    std::optional<TableLock> lock;
    if (const Result<> begun = beginWrite(tableFile, lock); !begun)
        return begun;
    if (!pendingMemos.empty())
        if (const Result<> opened = FileWrites::open(memoFile); !opened)
            return opened;
    const Post post = preparePost(pendingMemos.empty() ? 0 : memoFile.size());
    // A narrow memo column cannot hold every block number.
    if (post.record.size() != header.recordLength())
        return Failure{PlatformMessages::memoFileFull(fileNameOf(memoPath), fileNameOf(path))};
    const bool appending = state == State::Insert;
    const quint32 physical = appending ? header.recordCount() : live[position];
    if (!post.memoBlocks.isEmpty())
        if (const Result<> written = FileWrites::writeAt(memoFile, memo.blockOffset(post.firstBlock), post.memoBlocks); !written)
            return written;
    const QByteArray recordBytes = appending ? post.record + kEndOfFile : post.record;
    if (const Result<> written = FileWrites::writeAt(tableFile, header.recordOffset(physical), recordBytes); !written)
        return written;
    if (!post.memoBlocks.isEmpty())
        if (const Result<> written = FileWrites::writeAt(memoFile, 0, MemoFile::nextFreeBytes(post.nextBlock)); !written)
            return written;
    const quint32 count = appending ? physical + 1 : header.recordCount();
    if (const Result<> written = FileWrites::writeAt(tableFile, 1, DbfHeader::updateBytes(QDate::currentDate(), count)); !written)
        return written;
    takePost(post, physical, recordBytes);
    return {};
}

void DbfTable::Impl::takePost(const Post &post, quint32 physical, const QByteArray &recordBytes)
{
    const qint64 recordOffset = header.recordOffset(physical);
    if (data.size() < recordOffset + recordBytes.size())
        data.resize(recordOffset + recordBytes.size());
    data.replace(recordOffset, recordBytes.size(), recordBytes);
    if (physical == header.recordCount()) {
        header.setRecordCount(physical + 1);
        live.push_back(physical);
        position = qsizetype(live.size()) - 1;
        spans.resize(std::size_t(physical + 1) * memoColumns);
    }
    eof = false;
    for (const auto &[index, bytes] : post.texts) {
        spans[slot(physical, index)] = {memoTexts.size(), bytes.size()};
        memoTexts.append(bytes);
    }
}

Result<> DbfTable::Impl::settle()
{
    if (!editing())
        return {};
    const Result<> written = writeBuffer();
    if (written)
        dropEdit();
    return written;
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

Result<> DbfTable::create(const QString &path, const QList<FieldDef> &fields)
{
    const Result<DbfHeader> header = DbfHeader::forNewTable(fields);
    if (!header)
        return Failure{header.error()};
    const QByteArray table = header->bytes(QDate::currentDate()) + kEndOfFile;
    // The memo file first: a table never stands without its memo file, even
    // when the program stops between the two.
    return header->hasMemoColumn() ? SafeFile::replacePair(memoPathFor(path), MemoFile::emptyFile(), path, table)
                                   : SafeFile::replace(path, table);
}

Result<> DbfTable::finishInterruptedReplace(const QString &path)
{
    // Its journal lies beside whichever file the replace took first.
    const QString memoPath = memoPathFor(path);
    for (const auto &[first, second] : {std::pair(path, memoPath), std::pair(memoPath, path)})
        if (const Result<> finished = SafeFile::finishPairReplace(first, second); !finished)
            return finished;
    return {};
}

Result<> DbfTable::repairInterrupted(const QString &path)
{
    if (Result<> finished = finishInterruptedReplace(path); !finished)
        return finished;
    const QString memoPath = memoPathFor(path);
    SafeFile::removePairLeftovers(path);
    SafeFile::removePairLeftovers(memoPath);
    if (!QFileInfo(path).isFile() || QFileInfo::exists(memoPath))
        return {};
    QFile tableFile(path);
    if (!tableFile.open(QIODevice::ReadOnly))
        return {};
    // An empty table is no longer than its header, whose length has 16 bits.
    const QByteArray start = tableFile.read(65536 + 1);
    const Result<DbfHeader> header = DbfHeader::parse(start, fileNameOf(path));
    if (!header || header->recordCount() != 0 || header->memoLayout() != DbfHeader::MemoLayout::DBase3)
        return {};
    return SafeFile::replace(memoPath, MemoFile::emptyFile());
}

Result<> DbfTable::open(const QString &path)
{
    close();
    const Result<> loaded = d->load(path);
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
    // Readers ask for the columns in order, so the search starts after the
    // last one found; callers spell the names as stored, so letter case is
    // ignored only when no name matches exactly.
    const QList<FieldDef> &fields = d->header.fields();
    const int count = int(fields.size());
    int index = d->lastFound;
    for (int step = 0; step < count; ++step) {
        index = index + 1 < count ? index + 1 : 0;
        if (fields[index].name == name)
            return d->lastFound = index;
    }
    for (index = 0; index < count; ++index)
        if (fields[index].name.compare(name, Qt::CaseInsensitive) == 0)
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
    return field.type == FieldType::Memo ? FieldText::readInteger(field, d->memoContent(index))
                                         : FieldText::readInteger(field, d->raw(index));
}

bool DbfTable::fieldBoolean(int index) const
{
    const FieldDef &field = d->header.fields()[index];
    return field.type == FieldType::Memo ? FieldText::readBoolean(d->memoContent(index))
                                         : FieldText::readBoolean(d->raw(index));
}

bool DbfTable::fieldIsNull(int index) const
{
    const FieldDef &field = d->header.fields()[index];
    return field.type == FieldType::Memo ? d->memoContent(index).isEmpty() : FieldText::isBlank(field, d->raw(index));
}

TableField DbfTable::field(const QString &name) const { return TableField(*this, fieldIndex(name)); }

TableField DbfTable::field(int index) const
{
    return TableField(*this, d->hasColumn(index) ? index : -1);
}

int DbfTable::recordCount() const { return int(d->live.size()); }

int DbfTable::recordNumber() const
{
    if (d->state == State::Insert)
        return int(d->live.size()) + 1;
    return d->live.empty() ? 0 : int(d->position) + 1;
}

Result<> DbfTable::first()
{
    if (Result<> settled = d->settle(); !settled)
        return settled;
    d->position = 0;
    d->eof = d->live.empty();
    return {};
}

Result<> DbfTable::next()
{
    if (Result<> settled = d->settle(); !settled)
        return settled;
    if (d->position + 1 < qsizetype(d->live.size()))
        ++d->position;
    else
        d->eof = true;
    return {};
}

bool DbfTable::eof() const { return d->eof; }

Result<bool> DbfTable::moveTo(int number)
{
    if (number < 1 || number > recordCount())
        return false;
    if (Result<> settled = d->settle(); !settled)
        return Failure{settled.error()};
    d->position = number - 1;
    d->eof = false;
    return true;
}

Result<bool> DbfTable::locate(int fieldIndex, const QString &text)
{
    if (!d->hasColumn(fieldIndex))
        return false;
    if (Result<> settled = d->settle(); !settled)
        return Failure{settled.error()};
    const FieldDef &field = d->header.fields()[fieldIndex];
    const FieldText::Match match(field, text);
    const qsizetype offset = d->header.fieldOffset(fieldIndex);
    for (qsizetype at = 0; at < qsizetype(d->live.size()); ++at) {
        const quint32 physical = d->live[at];
        const bool found = field.type == FieldType::Memo
                               ? match.memo(d->storedMemo(physical, fieldIndex))
                               : match(QByteArrayView(d->data).sliced(d->header.recordOffset(physical) + offset, field.length));
        if (found) {
            d->position = at;
            d->eof = false;
            return true;
        }
    }
    return false;
}

Result<> DbfTable::edit()
{
    if (d->state == State::Inactive)
        return Failure{PlatformMessages::tableNotOpen()};
    if (d->state != State::Browse)
        return {};
    if (d->live.empty())
        return Failure{PlatformMessages::noRecordToEdit(fileNameOf(d->path))};
    d->buffer = d->record().toByteArray();
    d->state = State::Edit;
    return {};
}

Result<> DbfTable::append()
{
    if (d->state == State::Inactive)
        return Failure{PlatformMessages::tableNotOpen()};
    if (const Result<> settled = d->settle(); !settled)
        return settled;
    d->buffer = QByteArray(d->header.recordLength(), ' ');
    d->state = State::Insert;
    return {};
}

Result<> DbfTable::setText(int fieldIndex, const QString &value)
{
    if (!d->editing())
        return Failure{PlatformMessages::tableNotEdited()};
    if (!d->hasColumn(fieldIndex))
        return Failure{PlatformMessages::noSuchColumn(fileNameOf(d->path))};
    const FieldDef &field = d->header.fields()[fieldIndex];
    if (field.type == FieldType::Memo) {
        // A dBASE III+ memo ends at the first 0x1A; the text would come back cut.
        if (d->header.memoLayout() == DbfHeader::MemoLayout::DBase3 && value.contains(QChar(0x1A)))
            return Failure{PlatformMessages::memoTextEndsEarly(field.name)};
        d->pendingMemos[fieldIndex] = value;
        return {};
    }
    const Result<QByteArray> bytes = FieldText::write(field, value);
    if (!bytes)
        return Failure{bytes.error()};
    d->buffer.replace(d->header.fieldOffset(fieldIndex), field.length, *bytes);
    return {};
}

Result<> DbfTable::setInteger(int fieldIndex, qint32 value)
{
    return setText(fieldIndex, QString::number(value));
}

Result<> DbfTable::setBoolean(int fieldIndex, bool value)
{
    return setText(fieldIndex, value ? QStringLiteral("T") : QStringLiteral("F"));
}

Result<> DbfTable::post()
{
    if (!d->editing())
        return Failure{PlatformMessages::tableNotEdited()};
    return d->settle();
}

void DbfTable::cancel()
{
    if (d->editing())
        d->dropEdit();
}

Result<> DbfTable::deleteRecord()
{
    if (d->state == State::Insert) {
        cancel();
        return {};
    }
    cancel();
    if (d->state == State::Inactive)
        return Failure{PlatformMessages::tableNotOpen()};
    if (d->live.empty())
        return Failure{PlatformMessages::noRecordToDelete(fileNameOf(d->path))};
    QFile tableFile(d->path);
    std::optional<TableLock> lock;
    Result<> written = d->beginWrite(tableFile, lock);
    const qint64 offset = d->header.recordOffset(d->live[d->position]);
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

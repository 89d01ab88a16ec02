#include "trainer/backup/BankBackup.h"

#include "platform/files/FileSystem.h"
#include "platform/files/PathResolver.h"
#include "platform/files/SafeFile.h"
#include "platform/messages/PlatformMessages.h"
#include "platform/table/DbfTable.h"
#include "platform/text/LocaleTexts.h"
#include "platform/text/TextLineFile.h"
#include "trainer/messages/TrainerMessages.h"
#include "trainer/question-table/QuestionTable.h"

#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>

namespace BankBackup {

namespace {

// Lines 2 and 3 of "info.txt" show from their 18th character on, at most 28.
constexpr qsizetype InfoValueStart = 17;
constexpr qsizetype InfoValueLength = 28;

// A source file seen through a mapping: its bytes go from the page cache to
// the copy without being read into memory first.
class MappedFile
{
public:
    Result<> open(const QString &path)
    {
        m_file.setFileName(path);
        if (!m_file.open(QIODevice::ReadOnly))
            return Failure{PlatformMessages::cannotOpen(path, m_file.errorString())};
        if (m_file.size() == 0)
            return {};
        const uchar *mapped = m_file.map(0, m_file.size());
        if (!mapped)
            return Failure{PlatformMessages::cannotRead(path, m_file.errorString())};
        m_content = QByteArray::fromRawData(reinterpret_cast<const char *>(mapped), m_file.size());
        return {};
    }
    // Valid while the object lives.
    const QByteArray &content() const { return m_content; }

private:
    QFile m_file;
    QByteArray m_content;
};

void report(const Progress &progress, int copied)
{
    if (progress)
        progress(copied);
}

// Both files read, then written as one pair.
Result<> copyPair(const QString &fromTable, const QString &fromMemo, const QString &toTable,
                  const QString &toMemo, const Progress &progress)
{
    MappedFile table;
    MappedFile memo;
    if (const Result<> read = table.open(fromTable); !read)
        return read;
    if (const Result<> read = memo.open(fromMemo); !read)
        return read;
    report(progress, 1);
    if (const Result<> written = SafeFile::replacePair(toTable, table.content(), toMemo, memo.content()); !written)
        return written;
    report(progress, 2);
    return {};
}

bool isNumber(FieldType type)
{
    return type == FieldType::Numeric || type == FieldType::Float;
}

Result<> checkColumns(const DbfTable &table, const QString &tableFile)
{
    for (const FieldDef &wanted : QuestionTable::questionRecord()) {
        const int index = table.fieldIndex(wanted.name);
        const FieldType type = index < 0 ? wanted.type : table.fields()[index].type;
        const bool fits = type == wanted.type || (isNumber(type) && isNumber(wanted.type));
        if (index < 0 || !fits)
            return Failure{TrainerMessages::notAQuestionTable(tableFile, wanted.name)};
    }
    return {};
}

} // namespace

QStringList infoLines(const QDateTime &when)
{
    return {
        QStringLiteral("Informace o zaloze na toto medium:"),
        QStringLiteral("Datum zalohy    : ") + LocaleTexts::shortDate(when.date()),
        QStringLiteral("Cas odzalohovani: ") + LocaleTexts::longTime(when.time()),
        QString(),
        QStringLiteral("Corect End Kestrin information file."),
    };
}

std::optional<State> stateOf(const QString &folder)
{
    const QString path = PathResolver::resolve(folder, InfoFile);
    if (!QFileInfo(path).isFile())
        return std::nullopt;
    // Any file of that name marks a backup; one that cannot be read shows no date.
    const Result<QStringList> read = TextLineFile::read(path);
    const QStringList lines = read ? *read : QStringList();
    return State{lines.value(1).mid(InfoValueStart, InfoValueLength),
                 lines.value(2).mid(InfoValueStart, InfoValueLength)};
}

Result<> checkQuestionPair(const QString &tableFile, const QString &memoFile)
{
    // The engine finds a memo file by the table's name; links under the
    // engine's names let it open a pair named otherwise without copying it.
    QTemporaryDir check(FileSystem::temporaryFolder() + QStringLiteral("/bank-check-XXXXXX"));
    const QString linkedTable = check.filePath(QStringLiteral("check.vqn"));
    if (!check.isValid()
        || !QFile::link(QFileInfo(tableFile).absoluteFilePath(), linkedTable)
        || !QFile::link(QFileInfo(memoFile).absoluteFilePath(), check.filePath(QStringLiteral("check.vqt"))))
        return Failure{TrainerMessages::pairNotCheckable(tableFile)};
    for (const QString &file : {tableFile, memoFile})
        if (!QFileInfo(file).isFile())
            return Failure{TrainerMessages::fileMissing(file)};
    DbfTable table;
    if (const Result<> opened = table.open(linkedTable); !opened) {
        // The engine names the links; the user knows the files.
        QString reason = opened.error();
        reason.replace(check.path() + u'/', QString())
            .replace(QStringLiteral("check.vqn"), QFileInfo(tableFile).fileName())
            .replace(QStringLiteral("check.vqt"), QFileInfo(memoFile).fileName());
        return Failure{TrainerMessages::notOpenableAsQuestionTable(tableFile, reason)};
    }
    return checkColumns(table, tableFile);
}

Result<> backup(const QString &tablePath, const QString &folder, const QDateTime &when,
                const Progress &progress)
{
    report(progress, 0);
    const QString table = PathResolver::resolve(tablePath);
    const QString tableCopy = PathResolver::resolve(folder, TableCopy);
    const QString memoCopy = PathResolver::resolve(folder, MemoCopy);
    if (const Result<> copied = copyPair(table, DbfTable::memoPathFor(table), tableCopy, memoCopy, progress);
        !copied)
        return copied;
    const QString info = PathResolver::resolve(folder, InfoFile);
    if (Result<> written = TextLineFile::write(info, infoLines(when)); !written)
        return written;
    return checkQuestionPair(tableCopy, memoCopy);
}

Result<> restore(const QString &folder, QuestionTable &table, const Progress &progress)
{
    report(progress, 0);
    if (!stateOf(folder))
        return Failure{TrainerMessages::noBackupIn(folder, InfoFile)};
    const QString tableCopy = PathResolver::resolve(folder, TableCopy);
    const QString memoCopy = PathResolver::resolve(folder, MemoCopy);
    // A backup stopped between its two copies is settled before it is read.
    if (Result<> finished = SafeFile::finishPairReplace(tableCopy, memoCopy); !finished)
        return finished;
    if (const Result<> checked = checkQuestionPair(tableCopy, memoCopy); !checked)
        return checked;
    // The engine holds what it read; the bank is read afresh at the next open.
    table.close();
    const QString target = PathResolver::resolve(table.tableName());
    return copyPair(tableCopy, memoCopy, target, DbfTable::memoPathFor(target), progress);
}

} // namespace BankBackup

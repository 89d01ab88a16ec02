#include "platform/files/SafeFile.h"

#include "platform/files/FileSystem.h"

#include <QCryptographicHash>
#include <QDir>
#include <QFileInfo>
#include <QRegularExpression>
#include <QTemporaryFile>

#include <cerrno>
#include <cstdio>
#include <optional>
#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

namespace SafeFile {

namespace {

Failure failure(const QString &path, const QString &reason)
{
    return {QStringLiteral("Soubor %1 nelze uložit: %2.").arg(path, reason)};
}

// Data reaches the disk before the rename makes it the file's content.
Result<> flushToDisk(const QFileDevice &file)
{
    if (::fsync(file.handle()) != 0)
        return Failure{FileSystem::systemError()};
    return {};
}

// Writes straight to a file's descriptor, so that a full disk is reported
// with its reason: QFile reports a short write as "Unknown error".
class DescriptorWriter : public QIODevice
{
public:
    explicit DescriptorWriter(const QFileDevice &file) : m_descriptor(file.handle())
    {
        open(QIODevice::WriteOnly | QIODevice::Unbuffered);
    }
    bool isSequential() const override { return true; }
    const Result<> &lastWrite() const { return m_lastWrite; }

protected:
    qint64 readData(char *, qint64) override { return -1; }
    qint64 writeData(const char *data, qint64 size) override
    {
        m_lastWrite = FileSystem::writeFully(m_descriptor, QByteArrayView(data, size));
        if (m_lastWrite)
            return size;
        setErrorString(m_lastWrite.error());
        return -1;
    }

private:
    int m_descriptor;
    Result<> m_lastWrite;
};

bool renameOver(const QString &from, const QString &to)
{
    return std::rename(QFile::encodeName(from).constData(), QFile::encodeName(to).constData()) == 0;
}

// A link is written through to the file it names, which stays a link.
QString finalTarget(const QString &path)
{
    QFileInfo file(path);
    for (int depth = 0; depth < 40 && file.isSymLink(); ++depth)
        file.setFile(file.symLinkTarget());
    return file.isSymLink() ? path : file.filePath();
}

QFileDevice::Permissions permissionsFor(const QString &target)
{
    const QFileInfo existing(target);
    if (existing.exists())
        return existing.permissions();
    return QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ReadGroup
           | QFileDevice::ReadOther;
}

std::function<void()> g_betweenPairRenames;

// A replace holds a shared lock on each file it stages or keeps for as long
// as it runs; removeLeftovers() takes only files that nobody holds, and the
// kernel lets go of a stopped program's locks.
void markInUse(const QFileDevice &file)
{
    ::flock(file.handle(), LOCK_SH);
}

// An empty file beside the target, under the one name pattern that
// removeLeftovers() knows as the program's own.
Result<> openStaged(QTemporaryFile &temp, const QString &target)
{
    temp.setFileTemplate(target + QStringLiteral(".new-XXXXXX"));
    if (!temp.open())
        return Failure{temp.errorString()};
    markInUse(temp);
    return {};
}

// A complete, flushed copy of the new content beside its target.
Result<> stage(QTemporaryFile &temp, const QString &target, const QByteArray &content)
{
    if (Result<> opened = openStaged(temp, target); !opened)
        return opened;
    if (Result<> written = FileSystem::writeFully(temp.handle(), content); !written)
        return written;
    if (Result<> flushed = flushToDisk(temp); !flushed)
        return flushed;
    if (!temp.setPermissions(permissionsFor(target)))
        return Failure{temp.errorString()};
    return {};
}

// Keeps the present content of `path` under a second name so that it can be
// put back, held open in `kept`; empty when it could not be kept.
QString keepOld(const QString &path, QFile &kept)
{
    QString name;
    {
        QTemporaryFile reserve(path + QStringLiteral(".old-XXXXXX"));
        if (!reserve.open())
            return {};
        name = reserve.fileName();
    }
    if (::link(QFile::encodeName(path).constData(), QFile::encodeName(name).constData()) != 0
        && !QFile::copy(path, name))
        return {};
    kept.setFileName(name);
    if (kept.open(QIODevice::ReadOnly))
        markInUse(kept);
    return name;
}

const QString JournalSuffix = QStringLiteral(".pair-journal");

QString journalPathFor(const QString &firstPath)
{
    return firstPath + JournalSuffix;
}

QByteArray contentHash(const QByteArray &content)
{
    return QCryptographicHash::hash(content, QCryptographicHash::Sha256).toHex();
}

// Empty when the file cannot be read.
QByteArray fileHash(const QString &path)
{
    QFile file(path);
    QCryptographicHash hash(QCryptographicHash::Sha256);
    if (!file.open(QIODevice::ReadOnly) || !hash.addData(&file))
        return {};
    return hash.result().toHex();
}

// A rename reaches the disk with its folder.
void syncFolderOf(const QString &path)
{
    const int folder = ::open(QFile::encodeName(QFileInfo(path).path()).constData(), O_RDONLY | O_DIRECTORY);
    if (folder < 0)
        return;
    ::fsync(folder);
    ::close(folder);
}

// What a pair replace records before it touches either target: the pair, the
// staged new files, the kept old first file (none when there was no first
// file) and the new contents' hashes. Which of the two targets is new is told
// by their contents, so a journal still holds after the files were copied.
struct PairJournal
{
    QString first;
    QString second;
    QString stagedFirst;
    QString stagedSecond;
    QString keptFirst;
    QByteArray firstHash;
    QByteArray secondHash;

    static inline const QByteArray Heading = "pair replace 1";

    // Names are kept relative to the journal's folder.
    QByteArray text() const
    {
        const QDir folder = QFileInfo(journalPathFor(first)).dir();
        QStringList lines{QString::fromLatin1(Heading)};
        for (const QString *name : {&first, &second, &stagedFirst, &stagedSecond, &keptFirst})
            lines << (name->isEmpty() ? QString() : folder.relativeFilePath(*name));
        lines << QString::fromLatin1(firstHash) << QString::fromLatin1(secondHash);
        return lines.join(u'\n').toUtf8() + '\n';
    }

    static std::optional<PairJournal> parse(const QByteArray &text, const QDir &folder)
    {
        const QStringList lines = QString::fromUtf8(text).split(u'\n');
        if (lines.size() != 9 || lines[0].toLatin1() != Heading || !lines[8].isEmpty())
            return std::nullopt;
        const auto path = [&folder](const QString &name) {
            return name.isEmpty() ? QString() : QDir::cleanPath(folder.filePath(name));
        };
        PairJournal journal{path(lines[1]),          path(lines[2]),          path(lines[3]),
                            path(lines[4]),          path(lines[5]),          lines[6].toLatin1(),
                            lines[7].toLatin1()};
        if (journal.first.isEmpty() || journal.second.isEmpty() || journal.stagedFirst.isEmpty()
            || journal.stagedSecond.isEmpty() || journal.firstHash.size() != 64 || journal.secondHash.size() != 64)
            return std::nullopt;
        return journal;
    }

    // Makes the pair all new where the staged file is still there, else all
    // old again, and removes what the replace left.
    Result<> settle() const
    {
        const bool firstNew = fileHash(first) == firstHash;
        const bool secondNew = fileHash(second) == secondHash;
        if (firstNew && !secondNew && !putInPlace(stagedSecond, second, secondHash) && !putBackFirst())
            return cannotSettle();
        // The second is renamed last, so this is no state a replace leaves.
        if (!firstNew && secondNew && !putInPlace(stagedFirst, first, firstHash))
            return cannotSettle();
        for (const QString &left : {stagedFirst, stagedSecond, keptFirst})
            if (!left.isEmpty())
                QFile::remove(left);
        syncFolderOf(first);
        syncFolderOf(second);
        return {};
    }

private:
    static bool putInPlace(const QString &staged, const QString &target, const QByteArray &hash)
    {
        return fileHash(staged) == hash && renameOver(staged, target);
    }

    bool putBackFirst() const
    {
        if (keptFirst.isEmpty())
            return QFile::remove(first);
        return QFileInfo(keptFirst).isFile() && renameOver(keptFirst, first);
    }

    Result<> cannotSettle() const
    {
        return Failure{QStringLiteral("Přerušenou výměnu souborů %1 a %2 nelze dokončit ani vrátit.").arg(first, second)};
    }
};

} // namespace

Result<> replaceWith(const QString &path, const Writer &write)
{
    const QString target = finalTarget(path);
    QTemporaryFile staged;
    if (const Result<> opened = openStaged(staged, target); !opened)
        return failure(path, opened.error());
    DescriptorWriter out(staged);
    if (!write(out))
        return failure(path, out.lastWrite() ? QStringLiteral("obsah se nepodařilo vytvořit") : out.lastWrite().error());
    if (const Result<> flushed = flushToDisk(staged); !flushed)
        return failure(path, flushed.error());
    if (!staged.setPermissions(permissionsFor(target)))
        return failure(path, staged.errorString());
    if (!renameOver(staged.fileName(), target))
        return failure(path, FileSystem::systemError());
    staged.setAutoRemove(false);
    return {};
}

Result<> replace(const QString &path, const QByteArray &content)
{
    return replaceWith(path, [&content](QIODevice &out) {
        return out.write(content) == content.size();
    });
}

Result<> replacePair(const QString &firstPath, const QByteArray &firstContent,
                     const QString &secondPath, const QByteArray &secondContent)
{
    QTemporaryFile first;
    QTemporaryFile second;
    if (const Result<> staged = stage(first, firstPath, firstContent); !staged)
        return failure(firstPath, staged.error());
    if (const Result<> staged = stage(second, secondPath, secondContent); !staged)
        return failure(secondPath, staged.error());

    const bool hadFirst = QFileInfo(firstPath).isFile();
    QFile kept;
    const QString oldFirst = hadFirst ? keepOld(firstPath, kept) : QString();
    if (hadFirst && oldFirst.isEmpty())
        return failure(firstPath, QStringLiteral("původní obsah nelze zajistit"));
    const auto dropOld = [&] {
        if (hadFirst)
            QFile::remove(oldFirst);
    };

    // The journal stays held while the replace runs: finishPairReplace()
    // elsewhere waits for it.
    const PairJournal journal{firstPath,
                              secondPath,
                              first.fileName(),
                              second.fileName(),
                              oldFirst,
                              contentHash(firstContent),
                              contentHash(secondContent)};
    QTemporaryFile journalFile;
    const QString journalPath = journalPathFor(firstPath);
    if (const Result<> staged = stage(journalFile, journalPath, journal.text()); !staged) {
        dropOld();
        return failure(firstPath, staged.error());
    }
    if (!renameOver(journalFile.fileName(), journalPath)) {
        const QString reason = FileSystem::systemError();
        dropOld();
        return failure(firstPath, reason);
    }
    syncFolderOf(journalPath);
    const auto done = [&] {
        QFile::remove(journalPath);
        dropOld();
    };

    if (!renameOver(first.fileName(), firstPath)) {
        const QString reason = FileSystem::systemError();
        done();
        return failure(firstPath, reason);
    }
    if (g_betweenPairRenames)
        g_betweenPairRenames();
    if (!renameOver(second.fileName(), secondPath)) {
        const QString reason = FileSystem::systemError();
        // Not put back, the journal stays for finishPairReplace().
        if (hadFirst ? renameOver(oldFirst, firstPath) : QFile::remove(firstPath))
            done();
        return failure(secondPath, reason);
    }
    syncFolderOf(firstPath);
    syncFolderOf(secondPath);
    done();
    return {};
}

Result<> finishPairReplace(const QString &path)
{
    const QString journalPath = journalPathFor(path);
    QFile journalFile(journalPath);
    if (!journalFile.open(QIODevice::ReadOnly)) {
        if (!QFileInfo::exists(journalPath))
            return {};
        return Failure{QStringLiteral("Záznam %1 nelze přečíst: %2.").arg(journalPath, journalFile.errorString())};
    }
    while (::flock(journalFile.handle(), LOCK_EX) != 0 && errno == EINTR) {}
    // The replace that held it may have ended meanwhile and removed it.
    struct stat status {};
    if (::fstat(journalFile.handle(), &status) == 0 && status.st_nlink == 0)
        return {};
    const std::optional<PairJournal> journal = PairJournal::parse(journalFile.readAll(), QFileInfo(journalPath).dir());
    if (!journal)
        return Failure{QStringLiteral("Přerušenou výměnu souboru %1 nelze dokončit: její záznam %2 je poškozen.")
                           .arg(path, journalPath)};
    if (const Result<> settled = journal->settle(); !settled)
        return settled;
    ::unlink(QFile::encodeName(journalPath).constData());
    syncFolderOf(journalPath);
    return {};
}

void removeLeftovers(const QString &path)
{
    const QFileInfo target(finalTarget(path));
    const QRegularExpression leftover(
        QStringLiteral("^%1(%2)?\\.(new|old)-[A-Za-z0-9]{6}$")
            .arg(QRegularExpression::escape(target.fileName()), QRegularExpression::escape(JournalSuffix)),
        QRegularExpression::CaseInsensitiveOption);
    const QDir folder = target.dir();
    for (const QString &name : folder.entryList(QDir::Files | QDir::Hidden | QDir::System)) {
        if (!leftover.match(name).hasMatch())
            continue;
        QFile file(folder.filePath(name));
        // Unlinked while still locked: a replace that starts meanwhile cannot
        // take it over between the test and the removal.
        if (file.open(QIODevice::ReadOnly) && ::flock(file.handle(), LOCK_EX | LOCK_NB) == 0)
            ::unlink(QFile::encodeName(file.fileName()).constData());
    }
}

BetweenPairRenames::BetweenPairRenames(std::function<void()> step) { g_betweenPairRenames = std::move(step); }
BetweenPairRenames::~BetweenPairRenames() { g_betweenPairRenames = nullptr; }

Result<> replaceName(const QString &path, const QByteArray &content)
{
    QTemporaryFile staged;
    if (const Result<> opened = openStaged(staged, path); !opened)
        return failure(path, opened.error());
    if (const Result<> written = FileSystem::writeFully(staged.handle(), content); !written)
        return failure(path, written.error());
    if (const Result<> flushed = flushToDisk(staged); !flushed)
        return failure(path, flushed.error());
    // The file keeps the staged file's owner-only permissions: nothing that
    // stands under the name is consulted (a planted file or link target that
    // others may write would let them write the new file), and others who
    // share the folder have no business reading it. The rename replaces
    // whatever stands under the name, a link too.
    if (!renameOver(staged.fileName(), path))
        return failure(path, FileSystem::systemError());
    staged.setAutoRemove(false);
    return {};
}

} // namespace SafeFile

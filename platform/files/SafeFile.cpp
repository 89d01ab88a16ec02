#include "platform/files/SafeFile.h"

#include "platform/files/FileSystem.h"
#include "platform/messages/PlatformMessages.h"

#include <QDir>
#include <QFileInfo>
#include <QRegularExpression>
#include <QTemporaryFile>

#include <cerrno>
#include <cstdio>
#include <future>
#include <utility>
#include <fcntl.h>
#include <openssl/evp.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

namespace SafeFile {

namespace {

Failure failure(const QString &path, const QString &reason)
{
    return {PlatformMessages::cannotSave(path, reason)};
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

// The running program's file name. The copies a replace stages or keeps carry
// it: no user names a file so by hand, and no other program takes them.
const QString &programName()
{
    static const QString name = [] {
        const QString file = QFileInfo(QFileInfo(QStringLiteral("/proc/self/exe")).canonicalFilePath()).fileName();
        return file.isEmpty() ? QStringLiteral("program") : file;
    }();
    return name;
}

enum class Copy { Staged, Kept };

QString kindOf(Copy copy)
{
    return copy == Copy::Staged ? QStringLiteral("new") : QStringLiteral("old");
}

// A copy beside `target`: ".<name>.<program>-new-XXXXXX" for staged new
// content, "-old-" for a kept old one.
QString copyTemplate(const QString &target, Copy copy)
{
    const QFileInfo file(target);
    return file.path() + QStringLiteral("/.") + file.fileName() + u'.' + programName() + u'-' + kindOf(copy)
           + QStringLiteral("-XXXXXX");
}

// The names copyTemplate() gives, with the letters and digits that fill in a
// temporary file's random part, in exactly that letter case.
QRegularExpression copyPattern(const QStringList &targetNames, const QList<Copy> &copies)
{
    QStringList names;
    for (const QString &name : targetNames)
        names << QRegularExpression::escape(name);
    QStringList kinds;
    for (const Copy copy : copies)
        kinds << kindOf(copy);
    return QRegularExpression(QStringLiteral("^\\.(%1)\\.%2-(%3)-[A-Za-z0-9]{6}$")
                                  .arg(names.join(u'|'), QRegularExpression::escape(programName()), kinds.join(u'|')));
}

bool isCopyOf(const QString &name, const QString &targetName, Copy copy)
{
    return copyPattern({targetName}, {copy}).match(name).hasMatch();
}

// Status of the name itself, a link not followed; false when there is none.
bool statusOf(const QString &path, struct stat &status)
{
    return ::lstat(QFile::encodeName(path).constData(), &status) == 0;
}

bool isPlainFile(const QString &path)
{
    struct stat status {};
    return statusOf(path, status) && S_ISREG(status.st_mode);
}

// Opens a name without following a link and without waiting on a named pipe.
int openName(const QString &path)
{
    return ::open(QFile::encodeName(path).constData(), O_RDONLY | O_NONBLOCK | O_NOFOLLOW | O_NOCTTY | O_CLOEXEC);
}

// Removes a plain file of the program's own unless a running replace holds
// it. Unlinked while locked: a replace that starts meanwhile cannot take it
// over between the test and the removal. A failure is a file that stays for
// another reason than being held.
Result<> removeUnlessHeld(const QString &path)
{
    const auto cannot = [&path](const QString &reason) {
        return Failure{PlatformMessages::cannotDelete(path, reason)};
    };
    const FileSystem::Descriptor file(openName(path));
    struct stat status {};
    if (file.get() < 0)
        return errno == ENOENT ? Result<>() : cannot(FileSystem::systemError());
    if (::fstat(file.get(), &status) != 0)
        return cannot(FileSystem::systemError());
    if (!S_ISREG(status.st_mode))
        return cannot(PlatformMessages::notARegularFile());
    if (::flock(file.get(), LOCK_EX | LOCK_NB) != 0)
        return errno == EWOULDBLOCK ? Result<>() : cannot(FileSystem::systemError());
    if (::unlink(QFile::encodeName(path).constData()) != 0 && errno != ENOENT)
        return cannot(FileSystem::systemError());
    return {};
}

// An empty file beside the target, under the one name pattern that
// removeLeftovers() knows as the program's own.
Result<> openStaged(QTemporaryFile &temp, const QString &target)
{
    temp.setFileTemplate(copyTemplate(target, Copy::Staged));
    if (!temp.open())
        return Failure{temp.errorString()};
    markInUse(temp);
    return {};
}

// A complete, flushed copy of the new content beside its target, readable
// by its owner only.
Result<> stageOwnerOnly(QTemporaryFile &temp, const QString &target, const QByteArray &content)
{
    if (Result<> opened = openStaged(temp, target); !opened)
        return opened;
    if (Result<> written = FileSystem::writeFully(temp.handle(), content); !written)
        return written;
    return flushToDisk(temp);
}

// The same, with the permissions of the file it replaces.
Result<> stage(QTemporaryFile &temp, const QString &target, const QByteArray &content)
{
    if (Result<> staged = stageOwnerOnly(temp, target, content); !staged)
        return staged;
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
        QTemporaryFile reserve(copyTemplate(path, Copy::Kept));
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

// SHA-256 through the system's crypto library, which uses the processor's
// hash instructions: a bank of 20 MB is hashed in a tenth of the time.
class ContentHash
{
public:
    ContentHash() : m_context(EVP_MD_CTX_new())
    {
        m_good = m_context && EVP_DigestInit_ex(m_context, EVP_sha256(), nullptr) == 1;
    }
    ~ContentHash() { EVP_MD_CTX_free(m_context); }
    ContentHash(const ContentHash &) = delete;
    ContentHash &operator=(const ContentHash &) = delete;

    void add(const char *data, qsizetype size)
    {
        m_good = m_good && EVP_DigestUpdate(m_context, data, size_t(size)) == 1;
    }
    // Hexadecimal, empty when the hash could not be made.
    QByteArray result()
    {
        unsigned char digest[EVP_MAX_MD_SIZE];
        unsigned int length = 0;
        if (!m_good || EVP_DigestFinal_ex(m_context, digest, &length) != 1)
            return {};
        return QByteArray(reinterpret_cast<const char *>(digest), int(length)).toHex();
    }

private:
    EVP_MD_CTX *m_context;
    bool m_good = false;
};

QByteArray contentHash(const QByteArray &content)
{
    ContentHash hash;
    hash.add(content.constData(), content.size());
    return hash.result();
}

// Empty when the file cannot be read.
QByteArray fileHash(const QString &path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    ContentHash hash;
    char buffer[64 * 1024];
    for (qint64 got; (got = file.read(buffer, sizeof buffer)) != 0;) {
        if (got < 0)
            return {};
        hash.add(buffer, got);
    }
    return hash.result();
}

// A rename reaches the disk with its folder.
void syncFolderOf(const QString &path)
{
    const FileSystem::Descriptor folder(
        ::open(QFile::encodeName(QFileInfo(path).path()).constData(), O_RDONLY | O_DIRECTORY));
    if (folder.get() >= 0)
        ::fsync(folder.get());
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

    // A journal may name only the pair its caller settles and copies of the
    // program's own beside them; anything else is refused, as is a journal
    // that cannot be understood. Empty for a good journal, else why not.
    static QString check(const QStringList &lines, const QDir &folder, const QString &first, const QString &second)
    {
        if (lines.size() != 9 || lines[0].toLatin1() != Heading || !lines[8].isEmpty() || !isHash(lines[6])
            || !isHash(lines[7]))
            return PlatformMessages::journalNotUnderstood();
        const QString firstName = folder.relativeFilePath(first);
        const QString secondName = folder.relativeFilePath(second);
        if (lines[1] != firstName || lines[2] != secondName || !isCopyName(lines[3], firstName, Copy::Staged)
            || !isCopyName(lines[4], secondName, Copy::Staged)
            || (!lines[5].isEmpty() && !isCopyName(lines[5], firstName, Copy::Kept)))
            return PlatformMessages::journalNamesOtherFiles(firstName, secondName);
        return {};
    }

    // Only for lines that passed check(): the copies are taken beside the
    // caller's own pair.
    static PairJournal from(const QStringList &lines, const QString &first, const QString &second)
    {
        const auto beside = [](const QString &target, const QString &name) {
            return name.isEmpty() ? QString() : QFileInfo(target).path() + u'/' + QFileInfo(name).fileName();
        };
        return {first, second, beside(first, lines[3]), beside(second, lines[4]), beside(first, lines[5]),
                lines[6].toLatin1(), lines[7].toLatin1()};
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
            if (const Result<> removed = left.isEmpty() ? Result<>() : removeUnlessHeld(left); !removed)
                return removed;
        syncFolderOf(first);
        syncFolderOf(second);
        return {};
    }

private:
    static bool isHash(const QString &line)
    {
        static const QRegularExpression hex(QStringLiteral("^[0-9a-f]{64}$"));
        return hex.match(line).hasMatch();
    }

    // A plain name in the target's folder, of the program's own pattern.
    static bool isCopyName(const QString &line, const QString &target, Copy copy)
    {
        const qsizetype folderEnd = line.lastIndexOf(u'/') + 1;
        const qsizetype targetFolderEnd = target.lastIndexOf(u'/') + 1;
        return line.left(folderEnd) == target.left(targetFolderEnd)
               && isCopyOf(line.mid(folderEnd), target.mid(targetFolderEnd), copy);
    }

    // Only a plain file is put in place: a link or a folder under a copy's
    // name is nobody's new content.
    static bool putInPlace(const QString &staged, const QString &target, const QByteArray &hash)
    {
        return isPlainFile(staged) && fileHash(staged) == hash && renameOver(staged, target);
    }

    // Without a kept old first file there was none, and the first goes again,
    // but only where the second did not exist either: a pair that stood
    // before is never left half.
    bool putBackFirst() const
    {
        if (keptFirst.isEmpty()) {
            struct stat status {};
            return !statusOf(second, status) && QFile::remove(first);
        }
        return isPlainFile(keptFirst) && renameOver(keptFirst, first);
    }

    Result<> cannotSettle() const
    {
        return Failure{PlatformMessages::pairCannotSettle(first, second)};
    }
};

// A journal is a few hundred bytes.
constexpr qint64 JournalLimit = 64 * 1024;

} // namespace

Result<> replaceWith(const QString &path, const Writer &write)
{
    const QString target = finalTarget(path);
    QTemporaryFile staged;
    if (const Result<> opened = openStaged(staged, target); !opened)
        return failure(path, opened.error());
    DescriptorWriter out(staged);
    if (!write(out))
        return failure(path, out.lastWrite() ? PlatformMessages::contentNotMade() : out.lastWrite().error());
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
    // An earlier replace of the pair that stopped part-way is settled first:
    // its journal would be overwritten, and its copies left for ever.
    for (const auto &[one, other] : {std::pair(firstPath, secondPath), std::pair(secondPath, firstPath)})
        if (const Result<> settled = finishPairReplace(one, other); !settled)
            return settled;
    // The hashes are made while the copies are written and flushed; the
    // future waits for its thread on every way out.
    std::future<std::pair<QByteArray, QByteArray>> hashes = std::async(std::launch::async, [&] {
        return std::pair(contentHash(firstContent), contentHash(secondContent));
    });
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
        return failure(firstPath, PlatformMessages::oldContentNotKept());
    const auto dropOld = [&] {
        if (hadFirst)
            QFile::remove(oldFirst);
    };

    // The journal stays held while the replace runs: finishPairReplace()
    // elsewhere waits for it.
    const auto [firstHash, secondHash] = hashes.get();
    const PairJournal journal{firstPath, secondPath, first.fileName(), second.fileName(), oldFirst, firstHash, secondHash};
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

namespace {

Failure damagedJournal(const QString &first, const QString &second, const QString &journal, const QString &reason)
{
    return {PlatformMessages::pairJournalDamaged(first, second, journal, reason)};
}

bool sameFile(const struct stat &one, const struct stat &other)
{
    return one.st_dev == other.st_dev && one.st_ino == other.st_ino;
}

} // namespace

Result<> finishPairReplace(const QString &firstPath, const QString &secondPath)
{
    const QString journalPath = journalPathFor(firstPath);
    const auto damaged = [&](const QString &reason) {
        return damagedJournal(firstPath, secondPath, journalPath, reason);
    };
    // Looked at as a name first: a link, a named pipe or a device is no
    // journal, and is neither followed nor waited on.
    struct stat named {};
    if (!statusOf(journalPath, named))
        return errno == ENOENT || errno == ENOTDIR ? Result<>() : Result<>(damaged(FileSystem::systemError()));
    if (!S_ISREG(named.st_mode))
        return damaged(PlatformMessages::notARegularFile());
    if (named.st_size > JournalLimit)
        return damaged(PlatformMessages::tooLarge());
    const FileSystem::Descriptor journalFile(openName(journalPath));
    struct stat held {};
    if (journalFile.get() < 0 || ::fstat(journalFile.get(), &held) != 0)
        return damaged(FileSystem::systemError());
    if (!S_ISREG(held.st_mode))
        return damaged(PlatformMessages::notARegularFile());
    // A replace still running holds its journal.
    while (::flock(journalFile.get(), LOCK_EX) != 0 && errno == EINTR) {}
    // The replace that held it may have ended meanwhile and removed it.
    if (::fstat(journalFile.get(), &held) == 0 && held.st_nlink == 0)
        return {};
    const Result<QByteArray> text = FileSystem::readWholeFile(journalPath, JournalLimit);
    if (!text)
        return damaged(text.error());
    if (!statusOf(journalPath, named) || !sameFile(named, held))
        return damaged(PlatformMessages::changedWhileRead());
    const QStringList lines = QString::fromUtf8(*text).split(u'\n');
    const QDir folder = QFileInfo(journalPath).dir();
    if (const QString wrong = PairJournal::check(lines, folder, firstPath, secondPath); !wrong.isEmpty())
        return damaged(wrong);
    if (const Result<> settled = PairJournal::from(lines, firstPath, secondPath).settle(); !settled)
        return settled;
    if (::unlink(QFile::encodeName(journalPath).constData()) != 0 && errno != ENOENT)
        return Failure{PlatformMessages::cannotDeleteJournal(journalPath, FileSystem::systemError())};
    syncFolderOf(journalPath);
    return {};
}

namespace {

// Removes the unheld copies of the given kinds (and of its journal's) beside
// the file `path` names, in that file's folder when `path` is a link.
void removeCopies(const QString &path, const QList<Copy> &copies, bool withJournal)
{
    const QFileInfo target(finalTarget(path));
    QStringList names{target.fileName()};
    if (withJournal)
        names << target.fileName() + JournalSuffix;
    const QRegularExpression leftover = copyPattern(names, copies);
    const QDir folder = target.dir();
    for (const QString &name : folder.entryList(QDir::Files | QDir::Hidden | QDir::System))
        if (leftover.match(name).hasMatch())
            // What cannot go now is tried again at the next clean-up.
            (void)removeUnlessHeld(folder.filePath(name));
}

} // namespace

void removeLeftovers(const QString &path)
{
    removeCopies(path, {Copy::Staged}, false);
}

void removePairLeftovers(const QString &path)
{
    removeCopies(path, {Copy::Staged, Copy::Kept}, true);
}

BetweenPairRenames::BetweenPairRenames(std::function<void()> step) { g_betweenPairRenames = std::move(step); }
BetweenPairRenames::~BetweenPairRenames() { g_betweenPairRenames = nullptr; }

Result<> replaceName(const QString &path, const QByteArray &content)
{
    QTemporaryFile staged;
    if (const Result<> written = stageOwnerOnly(staged, path, content); !written)
        return failure(path, written.error());
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

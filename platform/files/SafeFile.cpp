#include "platform/files/SafeFile.h"

#include "platform/files/FileSystem.h"

#include <QDir>
#include <QFileInfo>
#include <QRegularExpression>
#include <QTemporaryFile>

#include <cstdio>
#include <optional>
#include <sys/file.h>
#include <unistd.h>

namespace SafeFile {

namespace {

Result failure(const QString &path, const QString &reason)
{
    return {false, QStringLiteral("Soubor %1 nelze uložit: %2.").arg(path, reason)};
}

// Data reaches the disk before the rename makes it the file's content.
std::optional<QString> flushToDisk(const QFileDevice &file)
{
    if (::fsync(file.handle()) != 0)
        return FileSystem::systemError();
    return std::nullopt;
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
    const std::optional<QString> &failure() const { return m_failure; }

protected:
    qint64 readData(char *, qint64) override { return -1; }
    qint64 writeData(const char *data, qint64 size) override
    {
        m_failure = FileSystem::writeFully(m_descriptor, QByteArrayView(data, size));
        if (!m_failure)
            return size;
        setErrorString(*m_failure);
        return -1;
    }

private:
    int m_descriptor;
    std::optional<QString> m_failure;
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
std::optional<QString> openStaged(QTemporaryFile &temp, const QString &target)
{
    temp.setFileTemplate(target + QStringLiteral(".new-XXXXXX"));
    if (!temp.open())
        return temp.errorString();
    markInUse(temp);
    return std::nullopt;
}

// A complete, flushed copy of the new content beside its target.
std::optional<QString> stage(QTemporaryFile &temp, const QString &target, const QByteArray &content)
{
    if (auto error = openStaged(temp, target))
        return error;
    if (auto error = FileSystem::writeFully(temp.handle(), content))
        return error;
    if (auto error = flushToDisk(temp))
        return error;
    if (!temp.setPermissions(permissionsFor(target)))
        return temp.errorString();
    return std::nullopt;
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

} // namespace

Result replaceWith(const QString &path, const Writer &write)
{
    const QString target = finalTarget(path);
    QTemporaryFile staged;
    if (const auto error = openStaged(staged, target))
        return failure(path, *error);
    DescriptorWriter out(staged);
    if (!write(out))
        return failure(path, out.failure().value_or(QStringLiteral("obsah se nepodařilo vytvořit")));
    if (const auto error = flushToDisk(staged))
        return failure(path, *error);
    if (!staged.setPermissions(permissionsFor(target)))
        return failure(path, staged.errorString());
    if (!renameOver(staged.fileName(), target))
        return failure(path, FileSystem::systemError());
    staged.setAutoRemove(false);
    return {};
}

Result replace(const QString &path, const QByteArray &content)
{
    return replaceWith(path, [&content](QIODevice &out) {
        return out.write(content) == content.size();
    });
}

Result replacePair(const QString &firstPath, const QByteArray &firstContent,
                   const QString &secondPath, const QByteArray &secondContent)
{
    QTemporaryFile first;
    QTemporaryFile second;
    if (const auto error = stage(first, firstPath, firstContent))
        return failure(firstPath, *error);
    if (const auto error = stage(second, secondPath, secondContent))
        return failure(secondPath, *error);

    const bool hadFirst = QFileInfo(firstPath).isFile();
    QFile kept;
    const QString oldFirst = hadFirst ? keepOld(firstPath, kept) : QString();
    if (hadFirst && oldFirst.isEmpty())
        return failure(firstPath, QStringLiteral("původní obsah nelze zajistit"));

    if (!renameOver(first.fileName(), firstPath)) {
        const QString reason = FileSystem::systemError();
        if (hadFirst)
            QFile::remove(oldFirst);
        return failure(firstPath, reason);
    }
    if (g_betweenPairRenames)
        g_betweenPairRenames();
    if (!renameOver(second.fileName(), secondPath)) {
        const QString reason = FileSystem::systemError();
        if (hadFirst)
            renameOver(oldFirst, firstPath);
        else
            QFile::remove(firstPath);
        return failure(secondPath, reason);
    }
    if (hadFirst)
        QFile::remove(oldFirst);
    return {};
}

void removeLeftovers(const QString &path)
{
    const QFileInfo target(finalTarget(path));
    const QRegularExpression leftover(
        QStringLiteral("^%1\\.(new|old)-[A-Za-z0-9]{6}$").arg(QRegularExpression::escape(target.fileName())),
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

} // namespace SafeFile

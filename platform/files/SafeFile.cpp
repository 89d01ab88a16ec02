#include "platform/files/SafeFile.h"

#include "platform/files/FileSystem.h"

#include <QDir>
#include <QFileInfo>
#include <QRegularExpression>
#include <QSaveFile>
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

// A complete, flushed copy of the new content beside its target.
std::optional<QString> stage(QTemporaryFile &temp, const QString &target, const QByteArray &content)
{
    temp.setFileTemplate(target + QStringLiteral(".new-XXXXXX"));
    if (!temp.open())
        return temp.errorString();
    markInUse(temp);
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
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        return failure(path, file.errorString());
    DescriptorWriter out(file);
    if (!write(out)) {
        const QString reason = out.failure().value_or(QStringLiteral("obsah se nepodařilo vytvořit"));
        file.cancelWriting();
        return failure(path, reason);
    }
    if (const auto error = flushToDisk(file)) {
        file.cancelWriting();
        return failure(path, *error);
    }
    if (!file.commit())
        return failure(path, file.errorString());
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
    const QFileInfo target(path);
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

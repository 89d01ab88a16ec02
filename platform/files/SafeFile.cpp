#include "platform/files/SafeFile.h"

#include <QFileInfo>
#include <QSaveFile>
#include <QTemporaryFile>

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <optional>
#include <unistd.h>

namespace SafeFile {

namespace {

Result failure(const QString &path, const QString &reason)
{
    return {false, QStringLiteral("Soubor %1 nelze uložit: %2.").arg(path, reason)};
}

QString systemError()
{
    return QString::fromLocal8Bit(std::strerror(errno));
}

// Data reaches the disk before the rename makes it the file's content.
bool flushToDisk(QFileDevice &file)
{
    return file.flush() && ::fsync(file.handle()) == 0;
}

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

// A complete, flushed copy of the new content beside its target.
std::optional<QString> stage(QTemporaryFile &temp, const QString &target, const QByteArray &content)
{
    temp.setFileTemplate(target + QStringLiteral(".XXXXXX"));
    if (!temp.open())
        return temp.errorString();
    if (temp.write(content) != content.size() || !flushToDisk(temp))
        return temp.errorString();
    if (!temp.setPermissions(permissionsFor(target)))
        return temp.errorString();
    return std::nullopt;
}

// Keeps the present content of `path` under a second name so that it can be
// put back; empty when it could not be kept.
QString keepOld(const QString &path)
{
    QString name;
    {
        QTemporaryFile reserve(path + QStringLiteral(".old-XXXXXX"));
        if (!reserve.open())
            return {};
        name = reserve.fileName();
    }
    if (::link(QFile::encodeName(path).constData(), QFile::encodeName(name).constData()) == 0
        || QFile::copy(path, name))
        return name;
    return {};
}

} // namespace

Result replaceWith(const QString &path, const Writer &write)
{
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        return failure(path, file.errorString());
    if (!write(file) || file.error() != QFileDevice::NoError) {
        const QString reason = file.error() != QFileDevice::NoError
                                   ? file.errorString()
                                   : QStringLiteral("obsah se nepodařilo vytvořit");
        file.cancelWriting();
        return failure(path, reason);
    }
    if (!flushToDisk(file)) {
        const QString reason = systemError();
        file.cancelWriting();
        return failure(path, reason);
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
    const QString oldFirst = hadFirst ? keepOld(firstPath) : QString();
    if (hadFirst && oldFirst.isEmpty())
        return failure(firstPath, QStringLiteral("původní obsah nelze zajistit"));

    if (!renameOver(first.fileName(), firstPath)) {
        const QString reason = systemError();
        if (hadFirst)
            QFile::remove(oldFirst);
        return failure(firstPath, reason);
    }
    if (!renameOver(second.fileName(), secondPath)) {
        const QString reason = systemError();
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

} // namespace SafeFile

#pragma once

#include <QByteArrayView>
#include <QList>
#include <QString>

#include <functional>

// A drive is a mounted local file system; its root is the mount point.
namespace Drives {

enum class Kind { Fixed, Other };

struct Drive
{
    QString root; // mount point, "/" first
    Kind kind = Kind::Other; // Fixed: disk-backed, not removable, network, tmpfs or pseudo
};

// Mount points in path order, "/" first.
QList<Drive> list();
// The mount point that contains `path`.
Drive driveOf(const QString &path);
// True when `folder` is the root of a drive.
bool isDriveRoot(const QString &folder);
// The path with its symbolic links followed, so that it names the drive that
// really holds the entry; unchanged when it does not exist.
QString onDisk(const QString &path);

// The same over a given mount table, in the format of /proc/self/mounts.
// `isRemovable` is asked about each block device ("/dev/sdb1").
QList<Drive> parseMounts(QByteArrayView mounts,
                         const std::function<bool(const QString &device)> &isRemovable);
Drive driveOf(const QList<Drive> &drives, const QString &path);
bool isDriveRoot(const QList<Drive> &drives, const QString &folder);

} // namespace Drives

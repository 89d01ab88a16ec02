#pragma once

#include <QList>
#include <QString>

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

} // namespace Drives

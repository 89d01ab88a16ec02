#include "platform/files/Drives.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSet>

#include <algorithm>

namespace Drives {

namespace {

// Kernel and service file systems that are no drive at all.
bool isPseudo(const QString &type)
{
    static const QSet<QString> pseudo = {
        u"autofs"_qs, u"binfmt_misc"_qs, u"bpf"_qs, u"cgroup"_qs, u"cgroup2"_qs,
        u"configfs"_qs, u"debugfs"_qs, u"devpts"_qs, u"devtmpfs"_qs, u"efivarfs"_qs,
        u"fusectl"_qs, u"hugetlbfs"_qs, u"mqueue"_qs, u"nsfs"_qs, u"proc"_qs,
        u"pstore"_qs, u"rpc_pipefs"_qs, u"securityfs"_qs, u"selinuxfs"_qs, u"sysfs"_qs,
        u"tracefs"_qs, u"binder"_qs,
    };
    return pseudo.contains(type);
}

// File systems kept on a local disk; overlay stands on one in containers.
bool isDiskBacked(const QString &type)
{
    static const QSet<QString> disk = {
        u"ext2"_qs, u"ext3"_qs, u"ext4"_qs, u"xfs"_qs, u"btrfs"_qs, u"f2fs"_qs,
        u"jfs"_qs, u"reiserfs"_qs, u"zfs"_qs, u"bcachefs"_qs, u"vfat"_qs, u"msdos"_qs,
        u"exfat"_qs, u"ntfs"_qs, u"ntfs3"_qs, u"fuseblk"_qs, u"hfsplus"_qs, u"overlay"_qs,
    };
    return disk.contains(type);
}

// Mount tables write space, tab, newline and backslash as "\ooo".
QString unescape(QByteArrayView field)
{
    QByteArray bytes;
    bytes.reserve(field.size());
    for (qsizetype i = 0; i < field.size(); ++i) {
        const auto isOctal = [&](qsizetype at) {
            return at < field.size() && field[at] >= '0' && field[at] <= '7';
        };
        if (field[i] == '\\' && isOctal(i + 1) && isOctal(i + 2) && isOctal(i + 3)) {
            bytes.append(char(((field[i + 1] - '0') << 6) | ((field[i + 2] - '0') << 3)
                              | (field[i + 3] - '0')));
            i += 3;
        } else {
            bytes.append(field[i]);
        }
    }
    return QFile::decodeName(bytes);
}

QStringList componentsOf(const QString &path)
{
    return path.split(u'/', Qt::SkipEmptyParts);
}

bool inPathOrder(const Drive &a, const Drive &b)
{
    return componentsOf(a.root) < componentsOf(b.root);
}

bool contains(const QString &root, const QString &path)
{
    return root == u"/" || path == root || path.startsWith(root + u'/');
}

QString absoluteClean(const QString &path)
{
    return QDir::cleanPath(QFileInfo(path).absoluteFilePath());
}

// sysfs tells for a disk ("sdb") or, through its parent, a partition ("sdb1").
bool sysfsRemovable(const QString &device)
{
    const QString name = QFileInfo(QFileInfo(device).canonicalFilePath()).fileName();
    if (name.isEmpty())
        return false;
    const QString entry = QFileInfo(QStringLiteral("/sys/class/block/") + name).canonicalFilePath();
    for (const QString &folder : {entry, QFileInfo(entry).path()}) {
        QFile flag(folder + QStringLiteral("/removable"));
        if (flag.open(QIODevice::ReadOnly))
            return flag.readAll().trimmed() == "1";
    }
    return false;
}

} // namespace

QList<Drive> parseMounts(QByteArrayView mounts,
                         const std::function<bool(const QString &device)> &isRemovable)
{
    QList<Drive> drives;
    for (const QByteArray &line : mounts.toByteArray().split('\n')) {
        const QList<QByteArray> fields = line.simplified().split(' ');
        if (fields.size() < 3)
            continue;
        const QString device = unescape(fields[0]);
        const QString root = unescape(fields[1]);
        const QString type = unescape(fields[2]);
        if (!root.startsWith(u'/') || isPseudo(type))
            continue;
        const bool fixed = isDiskBacked(type)
                           && !(device.startsWith(QStringLiteral("/dev/")) && isRemovable(device));
        // A later mount on the same point hides the earlier one.
        drives.removeIf([&root](const Drive &d) { return d.root == root; });
        drives.append({root, fixed ? Kind::Fixed : Kind::Other});
    }
    std::stable_sort(drives.begin(), drives.end(), inPathOrder);
    return drives;
}

Drive driveOf(const QList<Drive> &drives, const QString &path)
{
    const QString absolute = absoluteClean(path);
    Drive best{QStringLiteral("/"), Kind::Other};
    qsizetype bestDepth = -1;
    for (const Drive &drive : drives) {
        const qsizetype depth = componentsOf(drive.root).size();
        if (contains(drive.root, absolute) && depth > bestDepth) {
            best = drive;
            bestDepth = depth;
        }
    }
    return best;
}

bool isDriveRoot(const QList<Drive> &drives, const QString &folder)
{
    const QString absolute = absoluteClean(folder);
    return std::any_of(drives.begin(), drives.end(),
                       [&absolute](const Drive &d) { return d.root == absolute; });
}

QList<Drive> list()
{
    QFile table(QStringLiteral("/proc/self/mounts"));
    if (!table.open(QIODevice::ReadOnly))
        return {};
    return parseMounts(table.readAll(), sysfsRemovable);
}

Drive driveOf(const QString &path)
{
    return driveOf(list(), onDisk(path));
}

bool isDriveRoot(const QString &folder)
{
    return isDriveRoot(list(), onDisk(folder));
}

QString onDisk(const QString &path)
{
    const QString canonical = QFileInfo(path).canonicalFilePath();
    return canonical.isEmpty() ? path : canonical;
}

} // namespace Drives

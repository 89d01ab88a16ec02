#include "platform/files/Drives.h"

#include <QTest>

Q_DECLARE_METATYPE(Drives::Kind)

namespace {

const QByteArray kMounts =
    "proc /proc proc rw,relatime 0 0\n"
    "sysfs /sys sysfs rw,relatime 0 0\n"
    "/dev/nvme0n1p2 / ext4 rw,relatime 0 0\n"
    "devtmpfs /dev devtmpfs rw,relatime 0 0\n"
    "tmpfs /run tmpfs rw,nosuid 0 0\n"
    "/dev/nvme0n1p3 /home ext4 rw,relatime 0 0\n"
    "/dev/nvme0n1p1 /boot/efi vfat rw 0 0\n"
    "/dev/sdb1 /media/jan/USB\\040DISK vfat rw,nosuid 0 0\n"
    "server:/export /mnt/net nfs4 rw 0 0\n"
    "/dev/sdc1 /mnt/data xfs rw 0 0\n"
    "tmpfs /mnt/data tmpfs rw 0 0\n"
    "/dev/sdd1 /mnt/a\\134b\\011c ext4 rw 0 0\n"
    "cgroup2 /sys/fs/cgroup cgroup2 rw 0 0\n"
    "garbage\n"
    "\n";

QList<Drives::Drive> fixture()
{
    return Drives::parseMounts(kMounts, [](const QString &device) {
        return device == u"/dev/sdb1";
    });
}

} // namespace

class DrivesTest : public QObject
{
    Q_OBJECT

private slots:
    void listsDrivesInPathOrder()
    {
        QStringList roots;
        for (const Drives::Drive &drive : fixture())
            roots << drive.root;
        QCOMPARE(roots, (QStringList{"/", "/boot/efi", "/home", "/media/jan/USB DISK",
                                     "/mnt/a\\b\tc", "/mnt/data", "/mnt/net", "/run"}));
    }

    void kindOfEachDrive_data()
    {
        QTest::addColumn<QString>("root");
        QTest::addColumn<Drives::Kind>("kind");
        QTest::newRow("root disk") << "/" << Drives::Kind::Fixed;
        QTest::newRow("second disk") << "/home" << Drives::Kind::Fixed;
        QTest::newRow("FAT on a fixed disk") << "/boot/efi" << Drives::Kind::Fixed;
        QTest::newRow("removable stick") << "/media/jan/USB DISK" << Drives::Kind::Other;
        QTest::newRow("network") << "/mnt/net" << Drives::Kind::Other;
        QTest::newRow("RAM") << "/run" << Drives::Kind::Other;
        QTest::newRow("later mount hides earlier") << "/mnt/data" << Drives::Kind::Other;
    }
    void kindOfEachDrive()
    {
        QFETCH(QString, root);
        QFETCH(Drives::Kind, kind);
        const QList<Drives::Drive> drives = fixture();
        const auto it = std::find_if(drives.begin(), drives.end(),
                                     [&root](const Drives::Drive &d) { return d.root == root; });
        QVERIFY(it != drives.end());
        QCOMPARE(it->kind, kind);
    }

    void driveOfPath_data()
    {
        QTest::addColumn<QString>("path");
        QTest::addColumn<QString>("root");
        QTest::newRow("file on root") << "/qalmoren.set" << "/";
        QTest::newRow("deep in home") << "/home/jan/Varnel/Varnel" << "/home";
        QTest::newRow("mount point itself") << "/home" << "/home";
        QTest::newRow("similar prefix is not inside") << "/homework/x" << "/";
        QTest::newRow("through dot-dot") << "/home/jan/../../boot/efi/x" << "/boot/efi";
        QTest::newRow("space in mount point") << "/media/jan/USB DISK/ZALOHA" << "/media/jan/USB DISK";
    }
    void driveOfPath()
    {
        QFETCH(QString, path);
        QFETCH(QString, root);
        QCOMPARE(Drives::driveOf(fixture(), path).root, root);
    }

    void driveRoots_data()
    {
        QTest::addColumn<QString>("folder");
        QTest::addColumn<bool>("isRoot");
        QTest::newRow("slash") << "/" << true;
        QTest::newRow("mount point") << "/home" << true;
        QTest::newRow("trailing slash") << "/home/" << true;
        QTest::newRow("below") << "/home/jan" << false;
        QTest::newRow("no drive") << "/usr" << false;
    }
    void driveRoots()
    {
        QFETCH(QString, folder);
        QFETCH(bool, isRoot);
        QCOMPARE(Drives::isDriveRoot(fixture(), folder), isRoot);
    }

    void thisMachine()
    {
        const QList<Drives::Drive> drives = Drives::list();
        QVERIFY(!drives.isEmpty());
        QCOMPARE(drives.first().root, QStringLiteral("/"));
        QVERIFY(Drives::isDriveRoot(QStringLiteral("/")));
        for (const Drives::Drive &drive : drives)
            QVERIFY2(drive.root != u"/proc" && drive.root != u"/sys", qPrintable(drive.root));
        QCOMPARE(Drives::driveOf(QStringLiteral("/")).root, QStringLiteral("/"));
    }
};

QTEST_MAIN(DrivesTest)
#include "DrivesTest.moc"

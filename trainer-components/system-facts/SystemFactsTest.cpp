#include "trainer-components/system-facts/MemoryStatus.h"
#include "trainer-components/system-facts/SysFacts.h"
#include "trainer-components/system-facts/SysFileUtils.h"
#include "trainer-components/system-facts/SysStrings.h"

#include <QTest>

class SystemFactsTest : public QObject
{
    Q_OBJECT

private slots:
    void swapFigures_data();
    void swapFigures();
    void memInfoIsReadInKibibytes();
    void sizesOver4GiBStayWhole();
    void dropTrailingBackslash_data();
    void dropTrailingBackslash();
    void trimAtNul_data();
    void trimAtNul();
    void cStrLength();
    void tempFolderHasNoTrailingSeparator_data();
    void tempFolderHasNoTrailingSeparator();
    void cpuCountKeepsTheValueReadAtStart();
};

void SystemFactsTest::swapFigures_data()
{
    QTest::addColumn<quint64>("total");
    QTest::addColumn<quint64>("available");
    QTest::addColumn<qint64>("used");
    QTest::addColumn<int>("percent");
    QTest::newRow("60 % used") << quint64(1000000) << quint64(400000) << qint64(600000) << 60;
    QTest::newRow("a third free") << quint64(1000000) << quint64(333333) << qint64(666667) << 67;
    QTest::newRow("all free") << quint64(1000000) << quint64(1000000) << qint64(0) << 0;
    QTest::newRow("none free") << quint64(1000000) << quint64(0) << qint64(1000000) << 100;
    QTest::newRow("no swap") << quint64(0) << quint64(0) << qint64(0) << 0;
    QTest::newRow("more free than total") << quint64(1000000) << quint64(1500000) << qint64(0) << 0;
}

void SystemFactsTest::swapFigures()
{
    QFETCH(quint64, total);
    QFETCH(quint64, available);
    QFETCH(qint64, used);
    QFETCH(int, percent);
    MemoryStatus status;
    status.totalPageFile = total;
    status.availablePageFile = available;
    QCOMPARE(status.pageFileBytesUsed(), used);
    QCOMPARE(status.pageFileUsagePercent(), percent);
}

void SystemFactsTest::memInfoIsReadInKibibytes()
{
    const MemoryStatus status = MemoryStatus::fromMemInfo("MemTotal:        8000000 kB\n"
                                                          "MemFree:          100000 kB\n"
                                                          "MemAvailable:     2500000 kB\n"
                                                          "Buffers:           12345 kB\n"
                                                          "SwapCached:            0 kB\n"
                                                          "SwapTotal:       1000000 kB\n"
                                                          "SwapFree:         400000 kB\n"
                                                          "HugePages_Total:       0\n");
    QCOMPARE(status.totalPhysical, quint64(8000000) * 1024);
    QCOMPARE(status.availablePhysical, quint64(2500000) * 1024);
    QCOMPARE(status.pageFileBytesUsed(), qint64(600000) * 1024);
    QCOMPARE(status.pageFileUsagePercent(), 60);

    const MemoryStatus noSwap = MemoryStatus::fromMemInfo("MemTotal: 1000 kB\nSwapTotal: 0 kB\nSwapFree: 0 kB\n");
    QCOMPARE(noSwap.pageFileUsagePercent(), 0);
    QCOMPARE(noSwap.availablePhysical, quint64(0));
    QCOMPARE(MemoryStatus::fromMemInfo("garbage\n: kB\nMemTotal: lots\n").totalPhysical, quint64(0));
}

void SystemFactsTest::sizesOver4GiBStayWhole()
{
    const MemoryStatus status = MemoryStatus::fromMemInfo("MemTotal: 67108864 kB\nSwapTotal: 8388608 kB\nSwapFree: 0 kB\n");
    QCOMPARE(status.totalPhysical, quint64(64) << 30);
    QCOMPARE(status.pageFileBytesUsed(), qint64(8) << 30);
    QCOMPARE(status.pageFileUsagePercent(), 100);
}

void SystemFactsTest::dropTrailingBackslash_data()
{
    QTest::addColumn<QString>("path");
    QTest::addColumn<QString>("expected");
    QTest::newRow("trailing backslash") << "C:\\WINDOWS\\TEMP\\" << "C:\\WINDOWS\\TEMP";
    QTest::newRow("drive root") << "C:\\" << "C:";
    QTest::newRow("two backslashes lose one") << "C:\\TEMP\\\\" << "C:\\TEMP\\";
    QTest::newRow("none") << "C:\\TEMP" << "C:\\TEMP";
    QTest::newRow("empty") << "" << "";
    QTest::newRow("slash is not a backslash") << "/tmp/" << "/tmp/";
    QTest::newRow("non-ASCII before it") << "C:\\Dočasné\\" << "C:\\Dočasné";
}

void SystemFactsTest::dropTrailingBackslash()
{
    QFETCH(QString, path);
    QFETCH(QString, expected);
    QCOMPARE(DropTrailingBackslash(path), expected);
}

void SystemFactsTest::trimAtNul_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("expected");
    QTest::newRow("trailing NULs") << QString::fromUtf16(u"C:\\TEMP\\\0\0\0", 11) << "C:\\TEMP\\";
    QTest::newRow("text after the NUL") << QString::fromUtf16(u"ab\0cd", 5) << "ab";
    QTest::newRow("no NUL") << "abc" << "abc";
    QTest::newRow("only NUL") << QString(QChar(u'\0')) << "";
}

void SystemFactsTest::trimAtNul()
{
    QFETCH(QString, text);
    QFETCH(QString, expected);
    TrimAtNul(text);
    QCOMPARE(text, expected);
}

void SystemFactsTest::cStrLength()
{
    const char withNul[] = "abc\0def";
    QCOMPARE(CStrLength(withNul), 3);
    QCOMPARE(CStrLength(""), 0);
    QCOMPARE(CStrLength(nullptr), 0);
}

void SystemFactsTest::tempFolderHasNoTrailingSeparator_data()
{
    QTest::addColumn<QString>("tmpdir");
    QTest::addColumn<QString>("expected");
    QTest::newRow("trailing slash") << "/tmp/" << "/tmp";
    QTest::newRow("plain") << "/tmp" << "/tmp";
    // The caller appends the separator again, as after "C:\" giving "C:".
    QTest::newRow("root") << "/" << "";
}

void SystemFactsTest::tempFolderHasNoTrailingSeparator()
{
    QFETCH(QString, tmpdir);
    QFETCH(QString, expected);
    const QByteArray saved = qgetenv("TMPDIR");
    qputenv("TMPDIR", tmpdir.toLocal8Bit());
    const QString path = TempFolderPath();
    qputenv("TMPDIR", saved);
    QCOMPARE(path, expected);
}

void SystemFactsTest::cpuCountKeepsTheValueReadAtStart()
{
    QCOMPARE(CpuCount(), 0u);
    ReadSystemFacts();
    const quint32 first = CpuCount();
    QVERIFY(first >= 1);
    QCOMPARE(CpuCount(), first);
    QVERIFY(PhysicalMemoryTotal() > 0);
    QVERIFY(PhysicalMemoryFree() <= PhysicalMemoryTotal());
    QVERIFY(SwapFileUsagePercent() >= 0 && SwapFileUsagePercent() <= 100);
    QVERIFY(SwapFileBytesUsed() >= 0);
}

QTEST_MAIN(SystemFactsTest)
#include "SystemFactsTest.moc"

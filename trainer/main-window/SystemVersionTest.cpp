#include "trainer/main-window/SystemVersion.h"

#include <QTest>

Q_DECLARE_METATYPE(SystemPlatform)

class SystemVersionTest : public QObject
{
    Q_OBJECT

private slots:
    void table_data()
    {
        QTest::addColumn<SystemPlatform>("platform");
        QTest::addColumn<int>("major");
        QTest::addColumn<int>("minor");
        QTest::addColumn<QString>("text");
        using P = SystemPlatform;
        QTest::newRow("95") << P::Win9x << 4 << 0 << "Info: System Win95.";
        QTest::newRow("98") << P::Win9x << 4 << 10 << "Info: System Win98.";
        QTest::newRow("ME") << P::Win9x << 4 << 90 << "Info: System WinME.";
        QTest::newRow("other 9x") << P::Win9x << 4 << 3 << "Info: Neznámý systém Win9x.";
        QTest::newRow("NT 3") << P::WinNT << 3 << 51 << "Info: System WinNT.";
        QTest::newRow("NT 4") << P::WinNT << 4 << 0 << "Info: System WinNT.";
        QTest::newRow("2000/XP") << P::WinNT << 5 << 1 << "Info: System Win2K / XP.";
        QTest::newRow("Vista") << P::WinNT << 6 << 0 << "Info: Neznámý system WinNT.";
        QTest::newRow("10") << P::WinNT << 10 << 0 << "Info: Neznámý system WinNT.";
        QTest::newRow("other") << P::Other << 5 << 0 << "Info: Neznámý systém.";
    }

    void table()
    {
        QFETCH(SystemPlatform, platform);
        QFETCH(int, major);
        QFETCH(int, minor);
        QFETCH(QString, text);
        QCOMPARE(systemVersionText(platform, major, minor), text);
    }

    void thisSystemIsNeitherFamily()
    {
        QCOMPARE(DetectSystemVersion(), QStringLiteral("Info: Neznámý systém."));
    }
};

QTEST_MAIN(SystemVersionTest)
#include "SystemVersionTest.moc"

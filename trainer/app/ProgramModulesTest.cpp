#include "platform/modules/ProgramModule.h"
#include "trainer/browser-windows/BrowserWindowsLoader.h"
#include "trainer/documents/LawViewer.h"

#include <QTest>

// The modules are copied beside this test as they lie beside the program.
class ProgramModulesTest : public QObject
{
    Q_OBJECT

private slots:
    // An entry that is not exported, or a library that misses a symbol at
    // load, shows only here: the other tests stand the modules in.
    void theProgramsModulesLoad()
    {
        QString error;
        QVERIFY2(BrowserWindowsLoader::windows(error) != nullptr, qPrintable(error));
        QVERIFY2(LawViewerLoader::viewer(error) != nullptr, qPrintable(error));
    }

    void failuresGiveTheReason_data()
    {
        QTest::addColumn<QString>("module");
        QTest::addColumn<QByteArray>("entry");
        QTest::newRow("no such module") << "varnel-nothing" << QByteArray("varnelLawViewer");
        QTest::newRow("no such entry") << "varnel-law-viewer" << QByteArray("varnelBrowserWindows");
    }

    void failuresGiveTheReason()
    {
        QFETCH(QString, module);
        QFETCH(QByteArray, entry);
        QString error;
        QVERIFY(ProgramModule::loadInterface(module, entry.constData(), error) == nullptr);
        QVERIFY(error.contains(module));
    }
};

QTEST_MAIN(ProgramModulesTest)
#include "ProgramModulesTest.moc"

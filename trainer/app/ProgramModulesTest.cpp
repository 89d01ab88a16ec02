#include "platform/modules/ProgramModule.h"
#include "platform/printing/Printing.h"
#include "platform/ui/MessageBox.h"
#include "trainer-components/web-host/EngineEnvironment.h"
#include "trainer/browser-windows/BrowserWindows.h"
#include "trainer/browser-windows/BrowserWindowsLoader.h"
#include "trainer/documents/LawViewer.h"

#include <QApplication>
#include <QFile>
#include <QMessageBox>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

#include <optional>

// The modules are copied beside this test as they lie beside the program.
class ProgramModulesTest : public QObject
{
    Q_OBJECT

private slots:
    // An entry that is not exported, or a library that misses a symbol at
    // load, shows only here: the other tests stand the modules in.
    void theProgramsModulesLoad()
    {
        const Result<BrowserWindows *> windows = BrowserWindowsLoader::windows();
        QVERIFY2(windows && *windows, qPrintable(windows.error()));
        const Result<LawViewer *> viewer = LawViewerLoader::viewer();
        QVERIFY2(viewer && *viewer, qPrintable(viewer.error()));
    }

    // The module and the program share one platform: the print redirect and
    // the message-box script installed here reach the page window's printing.
    void thePageWindowsModuleUsesTheProgramsPrintingAndBoxes()
    {
        QTemporaryDir dir;
        QVERIFY(dir.isValid());
        qputenv("XDG_CONFIG_HOME", dir.filePath(QStringLiteral("config")).toUtf8());
        const QString page = dir.filePath(QStringLiteral("Chybovnik.htm"));
        QFile file(page);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write("<html><head><title>Chyby</title></head><body><p>Otázka 7</p></body></html>");
        file.close();
        const Result<BrowserWindows *> windows = BrowserWindowsLoader::windows();
        QVERIFY2(windows, qPrintable(windows.error()));

        const QString pdf = dir.filePath(QStringLiteral("report.pdf"));
        std::optional<Printing::PdfRedirect> redirect(std::in_place, pdf);
        MessageBox::Script script;
        bool printed = false;
        bool realBox = false;
        bool clicked = false;
        // A timer does not fire while its own handler runs: a real box that
        // a click opens is closed by the other one.
        QTimer boxes;
        boxes.setInterval(20);
        connect(&boxes, &QTimer::timeout, &boxes, [&] {
            if (auto *box = qobject_cast<QMessageBox *>(QApplication::activeModalWidget())) {
                realBox = true;
                box->close();
            }
        });
        boxes.start();
        QTimer poll;
        poll.setInterval(20);
        connect(&poll, &QTimer::timeout, &poll, [&] {
            QWidget *modal = QApplication::activeModalWidget();
            auto *print = modal ? modal->findChild<QPushButton *>(QStringLiteral("Tisk")) : nullptr;
            if (!print || clicked)
                return;
            // Each click prints at once; the second fails on a missing folder.
            clicked = true;
            print->click();
            printed = QFile(pdf).size() > 0;
            redirect.emplace(dir.filePath(QStringLiteral("missing/report.pdf")));
            print->click();
            modal->close();
        });
        poll.start();
        (*windows)->showWrongAnswers(page, nullptr);

        QVERIFY(clicked);
        QVERIFY(printed);
        QVERIFY(!realBox);
        QCOMPARE(script.requests().size(), std::size_t(1));
        QCOMPARE(script.requests().front().caption, QStringLiteral("Tisk stránky"));
        QVERIFY(script.requests().front().hadOwner);
    }

    void failuresGiveTheReason_data()
    {
        QTest::addColumn<QString>("module");
        QTest::newRow("no such module") << "varnel-nothing";
        QTest::newRow("a module of another interface") << "varnel-law-viewer";
    }

    // Asked for the page windows, each of these fails with its reason.
    void failuresGiveTheReason()
    {
        QFETCH(QString, module);
        ProgramModule::Loaded<BrowserWindows> windows(module, QStringLiteral("Okna nelze načíst: "));
        const Result<BrowserWindows *> loaded = windows.get();
        QVERIFY(!loaded);
        QVERIFY(loaded.error().startsWith(QStringLiteral("Okna nelze načíst: ")));
        QVERIFY(loaded.error().contains(module));
    }
};

int main(int argc, char *argv[])
{
    EngineEnvironment::prepare();
    QApplication app(argc, argv);
    ProgramModulesTest test;
    return QTest::qExec(&test, argc, argv);
}
#include "ProgramModulesTest.moc"

#include "platform/files/FileSystem.h"
#include "platform/files/TestFiles.h"
#include "platform/registry/Registry.h"
#include "platform/text/Cp1250.h"
#include "platform/ui/MessageBox.h"
#include "trainer-components/shadow-label/TShadowLabel.h"
#include "trainer/browser-windows/BrowserWindows.h"
#include "trainer/browser-windows/BrowserWindowsLoader.h"
#include "trainer/main-window/TTitul.h"
#include "trainer/practice-test/TRun_Test.h"
#include "trainer/practice-test/TTesting.h"
#include "trainer/practice-test/TVyhodnoceni.h"
#include "trainer/test-support/ModalDriver.h"
#include "trainer/test-support/QuestionRows.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QRadioButton>
#include <QStatusBar>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <QWindow>

namespace {

const QString KeyPath = QStringLiteral("\\Software\\Kestrin\\Varnel");

void touch(const QString &path)
{
    TestFiles::put(path, {});
}

void addQuestion(QuestionTable &table, int number, int correct, int points, bool valid)
{
    appendQuestions(table, {{.number = number, .text = QStringLiteral("Otázka %1").arg(number), .correct = correct,
                             .points = points, .valid = valid}});
}

// Closes a shown main window the way a user does, answering Yes to the exit question.
void closeConfirmed(TTitul &window)
{
    MessageBox::Script script;
    script.answer(MessageBox::Result::Yes);
    window.close();
    QVERIFY(!window.isVisible());
}

// Stands in for the page windows: records what each would show.
class PageWindowsStandIn : public BrowserWindows
{
public:
    void showQuestionList(const QString &pagePath, QWidget *) override
    {
        shownPath = pagePath;
        QFile page(pagePath);
        if (page.open(QIODevice::ReadOnly))
            shownPage = page.readAll();
        statusWhileShown = Titul->StatusBar1->currentMessage();
        tableOpenWhileShown = Titul->Table1.active();
    }
    void showWrongAnswers(const QString &, QWidget *) override {}

    QString shownPath;
    QByteArray shownPage;
    QString statusWhileShown;
    bool tableOpenWhileShown = true;
};

QString label(QWidget *window, const char *name)
{
    return window->findChild<QLabel *>(QString::fromLatin1(name))->text();
}

} // namespace

class TTitulTest : public QObject
{
    Q_OBJECT

    std::unique_ptr<QTemporaryDir> config;
    std::unique_ptr<QTemporaryDir> folder;

    TrainerEnvironment environment(QSize screen = {1024, 768}) const
    {
        return {folder->path(), screen, folder->filePath(QStringLiteral("qalmoren.set"))};
    }

private slots:
    void init()
    {
        config = std::make_unique<QTemporaryDir>();
        folder = std::make_unique<QTemporaryDir>();
        qputenv("XDG_CONFIG_HOME", config->path().toLocal8Bit());
    }

    void startUpPreparesTheProgramFolder()
    {
        MessageBox::Script script;
        TTitul window(environment());
        QCOMPARE(script.requests().size(), std::size_t(0));
        QVERIFY(!window.endRequested());
        QCOMPARE(window.ProgramDir, folder->path() + u'/');
        QVERIFY(window.TempDir.endsWith(u'/'));
        QVERIFY(FileSystem::folderExists(folder->filePath(QStringLiteral("ZALOHA"))));
        QVERIFY(FileSystem::folderExists(folder->filePath(QStringLiteral("PRILOHY"))));
        QVERIFY(FileSystem::fileExists(folder->filePath(QStringLiteral("central.vqn"))));
        QVERIFY(!window.Table1.active());
        const auto key = RegistryKey::open(KeyPath, false);
        QVERIFY(key);
        QCOMPARE(key->readString(QStringLiteral("Version")), QStringLiteral("2002.A"));
        QCOMPARE(key->readString(QStringLiteral("Dat_verze")), QStringLiteral("27.06.2002"));
        QCOMPARE(window.StatusBar1->currentMessage(), TTitul::ReadyText);
        QCOMPARE(window.VerSys->Caption(), QStringLiteral("Info: Neznámý systém."));
        QCOMPARE(window.VerSys->x() + window.VerSys->width(), 729);
        QCOMPARE(label(&window, "Verze"), QStringLiteral("Verze programu: 2002.A"));
        QCOMPARE(label(&window, "Info_o_verzi"), QStringLiteral("Datum verze: 27.06.2002"));
        QVERIFY(Titul == &window);
    }

    void laterStartKeepsSettingsAndTable()
    {
        {
            auto key = RegistryKey::open(KeyPath, true);
            key->writeString(QStringLiteral("Version"), QStringLiteral("old"));
            key->writeString(QStringLiteral("Dat_verze"), QStringLiteral("older"));
        }
        {
            TTitul first(environment());
            QVERIFY(first.Table1.open());
            addQuestion(first.Table1, 7, 1, 3, true);
            first.Table1.close();
        }
        TTitul window(environment());
        const auto key = RegistryKey::open(KeyPath, false);
        QCOMPARE(key->readString(QStringLiteral("Version")), QStringLiteral("old"));
        QCOMPARE(key->readString(QStringLiteral("Dat_verze")), QStringLiteral("older"));
        QVERIFY(window.Table1.open());
        QCOMPARE(window.Table1.recordCount(), 1);
    }

    void smallScreenAsks_data()
    {
        QTest::addColumn<QSize>("screen");
        QTest::addColumn<bool>("asks");
        QTest::newRow("799 x 600") << QSize(799, 600) << true;
        QTest::newRow("800 x 599") << QSize(800, 599) << true;
        QTest::newRow("800 x 600") << QSize(800, 600) << false;
    }

    void smallScreenAsks()
    {
        QFETCH(QSize, screen);
        QFETCH(bool, asks);
        MessageBox::Script script;
        script.answer(MessageBox::Result::No);
        TTitul window(environment(screen));
        QCOMPARE(script.requests().size(), std::size_t(asks ? 1 : 0));
        QCOMPARE(window.endRequested(), asks);
        QCOMPARE(FileSystem::folderExists(folder->filePath(QStringLiteral("ZALOHA"))), !asks);
        QVERIFY(FileSystem::folderExists(folder->filePath(QStringLiteral("PRILOHY"))));
        if (asks) {
            const MessageBox::Request &box = script.requests().front();
            QCOMPARE(box.caption, QStringLiteral("Systémové hlášení..."));
            QVERIFY(box.text.startsWith(QStringLiteral("Rozlišení monitoru je menší než 800x600:")));
            QCOMPARE(box.text, QStringLiteral("Rozlišení monitoru je menší než 800x600:\n"
                                              "Některé údaje nemusí být proto korektně zobrazeny.\n"
                                              "Chcete i přesto spustit program ?"));
            QCOMPARE(box.buttons, MessageBox::Buttons(MessageBox::Yes | MessageBox::No));
            QCOMPARE(box.icon, MessageBox::Icon::None);
            QVERIFY(box.hadOwner);
        }
    }

    void documentItemsFollowTheirFiles()
    {
        QDir(folder->path()).mkdir(QStringLiteral("prilohy"));
        touch(folder->filePath(QStringLiteral("prilohy/ZAKON119.kvf")));
        TTitul window(environment());
        window.show();
        QVERIFY(window.Zakon119->isEnabled());
        for (QAction *item : {window.Zakon288, window.Vyhlaska_1, window.Vyhlaska_2, window.Vyhlaska_3,
                              window.Priloha119})
            QVERIFY(!item->isEnabled());
        QVERIFY(!window.Servis_menu->menuAction()->isVisible());
        closeConfirmed(window);
    }

    void serviceMenuNeedsTheMarker()
    {
        touch(folder->filePath(QStringLiteral("QALMOREN.SET")));
        TTitul window(environment());
        window.show();
        QVERIFY(window.Servis_menu->menuAction()->isVisible());
        // The service submenu gives its items accelerators of its own.
        QCOMPARE(window.Centrlnsprvaotzek1->text(), QStringLiteral("&Centrální správa otázek"));
        QCOMPARE(window.Zlohadatabz1->text(), QStringLiteral("&Záloha databází"));
        QCOMPARE(window.Obnovadatabz1->text(), QStringLiteral("&Obnova databází"));
        QCOMPARE(window.Servis_menu->title(), QStringLiteral("Servisni menu"));
        closeConfirmed(window);
    }

    void everyShowingLooksAgain()
    {
        TTitul window(environment());
        window.show();
        QVERIFY(!window.Servis_menu->menuAction()->isVisible());
        QVERIFY(!window.Zakon288->isEnabled());
        window.hide();
        touch(folder->filePath(QStringLiteral("qalmoren.set")));
        touch(folder->filePath(QStringLiteral("PRILOHY/Zakon288.kvf")));
        window.show();
        QVERIFY(window.Servis_menu->menuAction()->isVisible());
        QVERIFY(window.Zakon288->isEnabled());
        closeConfirmed(window);
    }

    void serviceItemsOpenTheirWindows_data()
    {
        QTest::addColumn<QString>("item");
        QTest::addColumn<QString>("window");
        QTest::addColumn<QString>("status");
        QTest::newRow("service") << "Centrlnsprvaotzek1" << "Servisni_okno"
                                 << "Servisní a nastavovací okno k Databázi otázek ...";
        QTest::newRow("backup") << "Zlohadatabz1" << "Jina_zaloha" << "Centrální záloha databází ...";
        QTest::newRow("restore") << "Obnovadatabz1" << "Jina_obnova" << "Centrální obnova databází ...";
    }

    void serviceItemsOpenTheirWindows()
    {
        QFETCH(QString, item);
        QFETCH(QString, window);
        QFETCH(QString, status);
        touch(folder->filePath(QStringLiteral("qalmoren.set")));
        TTitul main(environment());
        main.show();
        QString opened;
        QString statusWhileOpen;
        QTimer poll;
        poll.setInterval(5);
        connect(&poll, &QTimer::timeout, &poll, [&] {
            if (QWidget *modal = QApplication::activeModalWidget()) {
                opened = modal->objectName();
                statusWhileOpen = main.StatusBar1->currentMessage();
                modal->close();
            }
        });
        poll.start();
        main.findChild<QAction *>(item)->trigger();
        QCOMPARE(opened, window);
        QCOMPARE(statusWhileOpen, status);
        QCOMPARE(main.StatusBar1->currentMessage(), TTitul::ReadyText);
        closeConfirmed(main);
    }

    void questionListIsWrittenShownAndDeleted()
    {
        TTitul window(environment());
        QVERIFY(window.Table1.open());
        addQuestion(window.Table1, 7, 2, 1, false);
        window.show();
        PageWindowsStandIn pages;
        const BrowserWindowsLoader::Override stand(pages);
        MessageBox::Script script;
        window.Tiskyotzek1->trigger();
        QCOMPARE(pages.shownPath, window.TempDir + QStringLiteral("Otazky_ZP.htm"));
        QCOMPARE(pages.statusWhileShown, QStringLiteral("Nastaveno pro tisk otázek v rámci HTML dokumentu ..."));
        QVERIFY(!pages.tableOpenWhileShown);
        QVERIFY(pages.shownPage.contains(Cp1250::encode(u"(Otázky vyřazené z testu: 7)\r\n")));
        QVERIFY(pages.shownPage.contains("Kestrin (Program: Brelvik, Verze programu: 2002.A)\r\n"));
        QVERIFY(!QFile::exists(pages.shownPath));
        QCOMPARE(window.StatusBar1->currentMessage(), TTitul::ReadyText);
        QCOMPARE(script.requests().size(), std::size_t(0));
        closeConfirmed(window);
    }

    // The temporary folder that TMPDIR names is missing: the page cannot be
    // written, which is not reported; the window shows what the browser finds
    // at its path. Nothing goes elsewhere ("/" for one).
    void missingTemporaryFolderWritesNoListElsewhere()
    {
        const QString missing = folder->filePath(QStringLiteral("missing"));
        const QByteArray saved = qgetenv("TMPDIR");
        qputenv("TMPDIR", missing.toLocal8Bit());
        TTitul window(environment());
        qputenv("TMPDIR", saved);
        QCOMPARE(window.TempDir, missing + u'/');
        window.show();
        PageWindowsStandIn pages;
        const BrowserWindowsLoader::Override stand(pages);
        MessageBox::Script script;
        window.Tiskyotzek1->trigger();
        QCOMPARE(pages.shownPath, missing + QStringLiteral("/Otazky_ZP.htm"));
        QVERIFY(pages.shownPage.isEmpty());
        QCOMPARE(script.requests().size(), std::size_t(0));
        QVERIFY(!QFile::exists(QStringLiteral("/Otazky_ZP.htm")));
        QVERIFY(!QFileInfo::exists(missing));
        QCOMPARE(window.StatusBar1->currentMessage(), TTitul::ReadyText);
        closeConfirmed(window);
    }

    // A table that does not read stops the list: the error shows, no window
    // opens, and the status bar keeps telling what was being done.
    void damagedTableKeepsTheListStatus()
    {
        { TTitul seed(environment()); }
        TestFiles::put(folder->filePath(QStringLiteral("central.vqn")), "\x83garbage");
        TTitul window(environment());
        window.show();
        PageWindowsStandIn pages;
        const BrowserWindowsLoader::Override stand(pages);
        MessageBox::Script script;
        window.Tiskyotzek1->trigger();
        QVERIFY(pages.shownPath.isEmpty());
        QCOMPARE(script.requests().size(), std::size_t(1));
        QVERIFY2(script.requests().front().text.contains(QStringLiteral("central.vqn")),
                 qPrintable(script.requests().front().text));
        QCOMPARE(window.StatusBar1->currentMessage(),
                 QStringLiteral("Nastaveno pro tisk otázek v rámci HTML dokumentu ..."));
        QVERIFY(!QFile::exists(window.TempDir + QStringLiteral("Otazky_ZP.htm")));
        closeConfirmed(window);
    }

    void labelsShowTheirTextAsWritten()
    {
        TTitul window(environment());
        for (QLabel *l : window.findChildren<QLabel *>())
            QCOMPARE(l->textFormat(), Qt::PlainText);
    }

    void highlightingAnItemKeepsTheStatus()
    {
        touch(folder->filePath(QStringLiteral("qalmoren.set")));
        TTitul window(environment());
        window.show();
        for (QAction *item : {window.SimulaceTestovchotzek1, window.Konec1, window.Zlohadatabz1}) {
            item->showStatusText(window.menuBar());
            QCOMPARE(window.StatusBar1->currentMessage(), TTitul::ReadyText);
        }
        closeConfirmed(window);
    }

    void everyWayOfClosingAsks()
    {
        TTitul window(environment());
        window.show();
        MessageBox::Script script;
        script.answer(MessageBox::Result::No);
        QTest::keyClick(&window, Qt::Key_Escape);
        QVERIFY(window.isVisible());
        QCOMPARE(window.StatusBar1->currentMessage(), TTitul::ReadyText);
        QCOMPARE(script.requests().back().caption, QStringLiteral("Ukončování programu ..."));
        QCOMPARE(script.requests().back().text,
                 QStringLiteral(" Opravdu chceš ukončit tento program ? \n Potvrď volbu."));
        QCOMPARE(script.requests().back().buttons, MessageBox::Buttons(MessageBox::Yes | MessageBox::No));
        QCOMPARE(script.requests().back().icon, MessageBox::Icon::None);
        QVERIFY(script.requests().back().hadOwner);

        script.answer(MessageBox::Result::No);
        window.Konec1->trigger();
        QVERIFY(window.isVisible());
        QCOMPARE(window.StatusBar1->currentMessage(), QStringLiteral("Program připraven na vaše požadavky ..."));

        script.answer(MessageBox::Result::Yes);
        window.close();
        QVERIFY(!window.isVisible());
        QCOMPARE(script.requests().size(), std::size_t(3));
    }

    // Keys go to the window system's side of the window, so the menu bar's
    // own handling of Alt sees them as it does in real use.
    void escAsksAfterAlt_data()
    {
        QTest::addColumn<QList<int>>("keys");
        QTest::addColumn<int>("escapesToLeaveMenu");
        QTest::newRow("Alt alone") << QList<int>{Qt::Key_Alt} << 1;
        QTest::newRow("Alt+T opens the menu") << QList<int>{Qt::Key_Alt, Qt::Key_T} << 2;
        QTest::newRow("Alt twice") << QList<int>{Qt::Key_Alt, Qt::Key_Alt} << 0;
    }

    void escAsksAfterAlt()
    {
        QFETCH(QList<int>, keys);
        QFETCH(int, escapesToLeaveMenu);
        TTitul window(environment());
        window.show();
        QVERIFY(QTest::qWaitForWindowActive(&window));
        QWindow *handle = window.windowHandle();
        MessageBox::Script script;
        if (keys.size() == 2 && keys[1] == Qt::Key_T) {
            QTest::keyPress(handle, Qt::Key_Alt);
            QTest::keyClick(handle, Qt::Key_T, Qt::AltModifier);
            QTest::keyRelease(handle, Qt::Key_Alt, Qt::AltModifier);
            QTRY_VERIFY(window.Testovacotzkyatesty1->isVisible());
        } else {
            for (int key : keys) {
                QTest::keyPress(handle, Qt::Key(key));
                QTest::keyRelease(handle, Qt::Key(key), Qt::AltModifier);
            }
        }
        for (int i = 0; i < escapesToLeaveMenu; ++i) {
            QTest::keyClick(QApplication::activePopupWidget() ? QApplication::activePopupWidget()->windowHandle()
                                                              : handle,
                            Qt::Key_Escape);
            QCOMPARE(script.requests().size(), std::size_t(0));
        }
        QVERIFY(!window.Testovacotzkyatesty1->isVisible());
        for (int attempt = 0; attempt < 2; ++attempt) {
            script.answer(MessageBox::Result::No);
            QTest::keyClick(handle, Qt::Key_Escape);
            QCOMPARE(script.requests().size(), std::size_t(attempt + 1));
            QCOMPARE(script.requests().back().caption, QStringLiteral("Ukončování programu ..."));
        }
        QVERIFY(window.isVisible());
        closeConfirmed(window);
    }

    void unwritableSettingsStopTheStartUp()
    {
        QTemporaryDir broken;
        const QString file = broken.filePath(QStringLiteral("file"));
        touch(file);
        qputenv("XDG_CONFIG_HOME", file.toLocal8Bit());
        MessageBox::Script script;
        TTitul window(environment());
        QCOMPARE(script.requests().size(), std::size_t(1));
        QCOMPARE(script.requests().front().text, QStringLiteral("Klíč nastavení nelze vytvořit."));
        QVERIFY(script.requests().front().hadOwner);
        // The question table's step did not run, and nothing claims readiness.
        QVERIFY(!FileSystem::fileExists(folder->filePath(QStringLiteral("central.vqn"))));
        QVERIFY(window.StatusBar1->currentMessage().isEmpty());
    }

    // A bank that cannot be read: the error shows, and no running test opens
    // behind it, so no clock runs.
    void unreadableBankStartsNoTest()
    {
        { TTitul seed(environment()); }
        QFile table(folder->filePath(QStringLiteral("central.vqn")));
        QVERIFY(table.resize(0));
        TTitul window(environment());
        window.show();
        MessageBox::Script script;
        bool testWindowBehindTheBox = false;
        script.whileOpen([&](const MessageBox::Request &) {
            testWindowBehindTheBox = Testing != nullptr;
            if (Testing)
                QTimer::singleShot(0, Testing, &QDialog::reject);
        });
        whenShown<TRun_Test>(Run_Test, [](TRun_Test *start) {
            QTest::mouseClick(start->findChild<QPushButton *>(QStringLiteral("BitBtn1")), Qt::LeftButton);
        });
        window.SimulaceTestovchotzek1->trigger();
        QCOMPARE(script.requests().size(), std::size_t(1));
        QVERIFY(!script.requests().front().text.isEmpty());
        QVERIFY(!testWindowBehindTheBox);
        QCOMPARE(window.StatusBar1->currentMessage(), TTitul::ReadyText);
        closeConfirmed(window);
    }

    void menuToEvaluation()
    {
        {
            TTitul seed(environment());
            QVERIFY(seed.Table1.open());
            addQuestion(seed.Table1, 122, 1, 3, true);
            addQuestion(seed.Table1, 123, 3, 2, false);
            seed.Table1.close();
        }
        TTitul window(environment());
        window.show();
        MessageBox::Script script;
        script.answer(MessageBox::Result::Yes); // end the test
        QString statusWhileOpen;
        whenShown<TRun_Test>(Run_Test, [&](TRun_Test *start) {
            statusWhileOpen = window.StatusBar1->currentMessage();
            whenShown<TTesting>(Testing, [](TTesting *t) {
                // Keys reach the focused button only once the window is active.
                QVERIFY(QTest::qWaitForWindowActive(t));
                t->findChild<QRadioButton *>(QStringLiteral("RadioButton1"))->setFocus();
                for (Qt::Key key : {Qt::Key_2, Qt::Key_2, Qt::Key_2, Qt::Key_1, Qt::Key_2, Qt::Key_1})
                    QTest::keyClick(QApplication::focusWidget(), key, Qt::KeypadModifier);
                // Only 122 and 123 are in the bank: position 7 reports its number missing.
                QVERIFY(label(t, "Otazka").contains(QString::number(t->run().numberAt(7))));
                QVERIFY(label(t, "Otazka").contains(QStringLiteral("chybí")));
                whenShown<TVyhodnoceni>(Vyhodnoceni, [](TVyhodnoceni *v) {
                    QCOMPARE(label(v, "User_Count"), QStringLiteral("5"));
                    QCOMPARE(label(v, "Result"), QStringLiteral("Nesplněno !!!"));
                    QCOMPARE(label(v, "skupina"), QStringLiteral("G"));
                    QTest::mouseClick(v->findChild<QPushButton *>(QStringLiteral("BitBtn1")), Qt::LeftButton);
                });
                QTest::mouseClick(t->findChild<QPushButton *>(QStringLiteral("BitBtn1")), Qt::LeftButton);
            });
            QTest::mouseClick(start->findChild<QPushButton *>(QStringLiteral("BitBtn1")), Qt::LeftButton);
        });
        window.SimulaceTestovchotzek1->trigger();
        QVERIFY(statusWhileOpen.startsWith(QStringLiteral("Testovací otázky pro \"Vydání")));
        QCOMPARE(window.StatusBar1->currentMessage(), TTitul::ReadyText);
        QVERIFY(Run_Test == nullptr);
        QVERIFY(window.Table1.active());
        closeConfirmed(window);
    }
};

QTEST_MAIN(TTitulTest)
#include "TTitulTest.moc"

#include "platform/files/TestFiles.h"
#include "platform/printing/PdfReadBack.h"
#include "platform/text/Cp1250.h"
#include "platform/ui/MessageBox.h"
#include "platform/ui/ModalWindow.h"
#include "trainer-components/web-host/EngineEnvironment.h"
#include "trainer/browser-windows/BrowserWindows.h"
#include "trainer/browser-windows/BrowserWindowsLoader.h"
#include "trainer/browser-windows/TWeb_Site.h"
#include "trainer/browser-windows/Tchybove_Otazky.h"
#include "trainer/documents/LawViewerWindow.h"
#include "trainer/documents/TUkaz_Vyhlasku.h"
#include "trainer/main-window/TTitul.h"
#include "trainer/test-support/ModalDriver.h"
#include "trainer/practice-test/TVyhodnoceni.h"
#include "trainer/practice-test/TableQuestionSource.h"

#include <QAction>
#include <QApplication>
#include <QDir>
#include <QFileInfo>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>

#include <sys/stat.h>

namespace {

// What stood under the page's name while its window was open.
struct Seen
{
    bool link = true;
    bool file = false;
    QByteArray content;

    static Seen at(const QString &path)
    {
        const QFileInfo standing(path);
        return {standing.isSymLink(), standing.isFile(), TestFiles::contentOf(path)};
    }
};

// The real page windows, each closed by its close button once it is up.
class ClosingPageWindows : public BrowserWindows
{
public:
    void showQuestionList(const QString &pagePath, QWidget *opener) override
    {
        whenShown<TWeb_Site>(Web_Site, [this, pagePath](TWeb_Site *window) {
            seen = Seen::at(pagePath);
            window->BitBtn1->click();
        });
        runModalAs(Web_Site, pagePath, opener);
    }
    void showWrongAnswers(const QString &pagePath, QWidget *opener) override
    {
        whenShown<Tchybove_Otazky>(chybove_Otazky, [this, pagePath](Tchybove_Otazky *window) {
            seen = Seen::at(pagePath);
            window->BitBtn1->click();
        });
        runModalAs(chybove_Otazky, pagePath, opener);
    }

    Seen seen;
};

} // namespace

// The temporary folder may be shared with other users (mode 1777, as /tmp
// is), who can plant links under the names the trainer writes there. A page
// or a document copy replaces what stands under its name and is removed as a
// name: the file that a planted link names is never written, made or removed.
class SharedTemporaryFolderTest : public QObject
{
    Q_OBJECT

    std::unique_ptr<QTemporaryDir> config;
    std::unique_ptr<QTemporaryDir> folder;
    QString shared;
    QString victim;
    const QByteArray victimContent = QByteArrayLiteral("the user's own file, which no page may touch\n");

    TrainerEnvironment environment() const
    {
        return {folder->path(), {1024, 768}, folder->filePath(QStringLiteral("qalmoren.set"))};
    }

private slots:
    void init()
    {
        config = std::make_unique<QTemporaryDir>();
        folder = std::make_unique<QTemporaryDir>();
        qputenv("XDG_CONFIG_HOME", config->path().toLocal8Bit());
        shared = config->filePath(QStringLiteral("shared"));
        QVERIFY(QDir().mkpath(shared));
        QCOMPARE(::chmod(QFile::encodeName(shared).constData(), 01777), 0);
        qputenv("TMPDIR", shared.toLocal8Bit());
        QVERIFY(QDir().mkpath(config->filePath(QStringLiteral("home"))));
        victim = config->filePath(QStringLiteral("home/thesis.txt"));
        TestFiles::put(victim, victimContent);
        QVERIFY(QDir().mkpath(folder->filePath(QStringLiteral("Prilohy"))));
    }

    void plantedLinkIsReplacedAndNeverFollowed_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("opens"); // a menu item of the main window, or the wrong answers
        QTest::newRow("question list") << "Otazky_ZP.htm" << "Tiskyotzek1";
        QTest::newRow("wrong answers") << "Chybovnik.htm" << "";
        QTest::newRow("law 288") << "Zakon288.pdf" << "Zakon288";
        QTest::newRow("decree 50") << "Vyhlaska1.pdf" << "Vyhlaska_1";
        QTest::newRow("decree 51") << "Vyhlaska2.pdf" << "Vyhlaska_2";
        QTest::newRow("decree 127") << "Vyhlaska3.pdf" << "Vyhlaska_3";
        QTest::newRow("law 119") << "Zakon119.pdf" << "Zakon119";
        QTest::newRow("annex 119") << "Priloha119.pdf" << "Priloha119";
    }
    void plantedLinkIsReplacedAndNeverFollowed()
    {
        QFETCH(QString, name);
        QFETCH(QString, opens);
        const QString page = QDir(shared).filePath(name);
        QVERIFY(QFile::link(victim, page));
        const QByteArray document = PdfReadBack::numberedDocument(2);
        if (name.endsWith(QStringLiteral(".pdf")))
            TestFiles::put(folder->filePath(QStringLiteral("Prilohy/") + QFileInfo(name).completeBaseName()
                                            + QStringLiteral(".kvf")),
                           document);

        TTitul window(environment());
        QVERIFY(window.Table1.open());
        QVERIFY(window.Table1.append());
        QVERIFY(window.Table1.setInteger(QuestionTable::C_Otazky, 7));
        QVERIFY(window.Table1.setText(QuestionTable::Otazka, QStringLiteral("Otázka sedm")));
        QVERIFY(window.Table1.setInteger(QuestionTable::Spravna, 2));
        QVERIFY(window.Table1.post());
        window.show();
        ClosingPageWindows pages;
        const BrowserWindowsLoader::Override pagesStand(pages);
        LawViewerWindow viewer;
        const LawViewerLoader::Override viewerStand(viewer);
        MessageBox::Script script;
        if (opens.isEmpty()) {
            FinishedTest test;
            test.group = u'G';
            test.passMark = 43;
            test.numbers[0] = 7;
            test.answers[0] = 1;
            test.correct[0] = 2;
            TableQuestionSource questions(window.Table1);
            TVyhodnoceni evaluation(Evaluation::of(u'G', 43, 0, QString(), TestOrder{}), QStringLiteral("2002.A"),
                                    test, questions);
            evaluation.show();
            QTest::mouseClick(evaluation.findChild<QPushButton *>(QStringLiteral("Chyby")), Qt::LeftButton);
        } else if (name.endsWith(QStringLiteral(".pdf"))) {
            whenShown<TUkaz_Vyhlasku>(Ukaz_Vyhlasku, [&pages, page](TUkaz_Vyhlasku *shown) {
                pages.seen = Seen::at(page);
                shown->BitBtn1->click();
            });
            window.findChild<QAction *>(opens)->trigger();
        } else {
            window.findChild<QAction *>(opens)->trigger();
        }
        QCOMPARE(TestFiles::contentOf(victim), victimContent);
        QCOMPARE(script.requests().size(), std::size_t(0));
        QVERIFY2(!pages.seen.link, "a link stood under the name while it was shown");
        QVERIFY(pages.seen.file);
        if (name.endsWith(QStringLiteral(".pdf")))
            QCOMPARE(pages.seen.content, document);
        else
            QVERIFY(pages.seen.content.contains(Cp1250::encode(u"Otázka sedm")));
        // Closing removed the name, and nothing else.
        QVERIFY(!QFileInfo(page).isSymLink());
        QVERIFY(!QFileInfo::exists(page));
        QCOMPARE(QDir(shared).entryList(QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot),
                 QStringList());

        script.answer(MessageBox::Result::Yes);
        window.close();
    }
};

int main(int argc, char *argv[])
{
    EngineEnvironment::prepare();
    QApplication app(argc, argv);
    SharedTemporaryFolderTest test;
    return QTest::qExec(&test, argc, argv);
}

#include "SharedTemporaryFolderTest.moc"

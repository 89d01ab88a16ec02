#include "platform/printing/PdfReadBack.h"
#include "platform/printing/Printing.h"
#include "platform/ui/MessageBox.h"
#include "trainer-components/web-host/EngineEnvironment.h"
#include "trainer-components/web-host/TWebHost.h"
#include "trainer/browser-windows/TWeb_Site.h"
#include "trainer/browser-windows/Tchybove_Otazky.h"
#include "trainer/html-pages/QuestionListPage.h"
#include "trainer/question-table/QuestionTable.h"
#include "trainer/test-support/TestBank.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QPushButton>
#include <QRegularExpression>
#include <QScreen>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>
#include <QWebEnginePage>
#include <QWindow>

namespace {

// Replaces its shown native window as Qt does once the browser's composited
// view appears under a real window system.
class ReplaceableSite : public TWeb_Site
{
public:
    using TWeb_Site::TWeb_Site;

    void replaceNativeWindow()
    {
        destroy(true, false);
        create();
        windowHandle()->setVisible(true);
    }
};

} // namespace

class PageWindowsTest : public QObject
{
    Q_OBJECT

private:
    QTemporaryDir m_dir;

    QString writePage(const QString &name)
    {
        const QString path = m_dir.filePath(name);
        QFile file(path);
        if (file.open(QIODevice::WriteOnly))
            file.write("<htm>\r\n<Title>Chyby proveden\xE9 v testu</Title>\r\n<Body>\r\n<ol start=\"122\"><li>Ot\xE1zka"
                       "</ol></Body></htm>\r\n");
        return path;
    }

    static bool loaded(PageWindow &window)
    {
        QSignalSpy spy(window.WebHost1, &TWebHost::pageLoaded);
        return spy.wait(60000) && spy.first().first().toBool();
    }

    // The state must hold on the native window too, which the browser view
    // may have replaced, and the whole window must fit the screen's free area.
    static void verifyMaximized(PageWindow &window)
    {
        QTRY_VERIFY(window.windowHandle()->windowStates() & Qt::WindowMaximized);
        QTRY_COMPARE(window.frameGeometry(), window.screen()->availableGeometry());
    }

private slots:
    void initTestCase()
    {
        QVERIFY(m_dir.isValid());
        qputenv("XDG_CONFIG_HOME", m_dir.filePath(QStringLiteral("config")).toUtf8());
    }

    void questionListShowsPrintsAndKeepsItsMenu()
    {
        const QString page = writePage(QStringLiteral("Otazky_ZP.htm"));
        TWeb_Site window(page);
        window.show();
        QVERIFY(loaded(window));
        verifyMaximized(window);
        QCOMPARE(window.windowTitle(),
                 QStringLiteral("Otázky pro test \"Odborné způsobilosti\" určené pro tisk ..."));
        QCOMPARE(window.WebHost1->page()->title(), QStringLiteral("Chyby provedené v testu"));
        QVERIFY(!window.WebHost1->ShowContextMenu({10, 10}));
        QCOMPARE(window.WebHost1->DownloadFlagsSum(), 0u);
        QCOMPARE(window.WebHost1->HostFlagsSum(), 0u);
        QVERIFY(window.BitBtn1->isDefault());
        QVERIFY(!window.BitBtn2->icon().isNull());

        QTest::mouseClick(window.BitBtn1, Qt::LeftButton);
        QVERIFY(!window.isVisible());
    }

    // The printout is the page's own text, with the header and the footer
    // on every page, and no picture of a page.
    void printedQuestionListIsText()
    {
        constexpr int Questions = 40;
        const QString bank = m_dir.filePath(QStringLiteral("bank/") + QuestionTable::FileName);
        QVERIFY(QDir().mkpath(m_dir.filePath(QStringLiteral("bank"))));
        QVERIFY(TestBank::make(bank, Questions));
        QuestionTable table;
        table.setTableName(bank);
        const QString page = m_dir.filePath(QuestionListPage::FileName);
        QVERIFY(QuestionListPage::write(table, QStringLiteral("Verze programu: 2002.A"), page));
        TWeb_Site window(page);
        window.show();
        QVERIFY(loaded(window));

        const QString pdf = m_dir.filePath(QStringLiteral("list.pdf"));
        const Printing::PdfRedirect redirect(pdf);
        MessageBox::Script script;
        QTest::mouseClick(window.BitBtn2, Qt::LeftButton);
        QCOMPARE(script.requests().size(), std::size_t(0));
        const int pages = PdfReadBack::pageCount(pdf);
        QVERIFY(pages >= 2);
        QVERIFY(PdfReadBack::imageSizes(pdf).isEmpty());
        QString all;
        for (int number = 1; number <= pages; ++number) {
            const QString text = PdfReadBack::text(pdf, number);
            QVERIFY2(text.contains(QStringLiteral("Stránka č. %1 z %2").arg(number).arg(pages)), qPrintable(text));
            QVERIFY2(text.contains(QStringLiteral("Otázky k odborné způsobilosti podle §43 zákona 288/1995 Sb.")),
                     qPrintable(text));
            QVERIFY2(text.contains(page), qPrintable(text));
            all += text;
        }
        for (int n = 1; n <= Questions; ++n) {
            for (const QString &line : {TestBank::questionText(n), TestBank::answerText('a', n),
                                        TestBank::answerText('b', n), TestBank::answerText('c', n)})
                QVERIFY2(all.contains(QRegularExpression(QRegularExpression::escape(line) + QStringLiteral("(?!\\d)"))),
                         qPrintable(line));
        }
    }

    // Under a window manager the browser view's native window replacement is
    // answered, before the window is activated, by a state change that drops
    // the maximized state.
    void replacedNativeWindowStaysMaximizedUntilTheUserRestoresIt()
    {
        TWeb_Site window(writePage(QStringLiteral("Otazky_ZP.htm")));
        window.show();
        QVERIFY(loaded(window));
        QEvent replaced(QEvent::WinIdChange);
        QCoreApplication::sendEvent(&window, &replaced);
        window.setWindowState(Qt::WindowNoState);
        QVERIFY(window.windowState() & Qt::WindowMaximized);
        verifyMaximized(window);

        window.setWindowState(Qt::WindowNoState);
        QCOMPARE(window.windowState(), Qt::WindowNoState);

        window.showMaximized();
        QWidget other;
        other.show();
        other.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&other));
        QCoreApplication::sendEvent(&window, &replaced);
        window.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&window));
        window.setWindowState(Qt::WindowNoState);
        QCOMPARE(window.windowState(), Qt::WindowNoState);
    }

    // Opened as exec() opens it; while it shows, the window it was opened
    // from must take no input.
    void replacedNativeWindowStaysModal()
    {
        ReplaceableSite window(writePage(QStringLiteral("Otazky_ZP.htm")));
        window.setWindowModality(Qt::ApplicationModal);
        window.show();
        QVERIFY(loaded(window));
        QCOMPARE(QGuiApplication::modalWindow(), window.windowHandle());
        window.replaceNativeWindow();
        QCOMPARE(QGuiApplication::modalWindow(), window.windowHandle());
    }

    void reportPrintFailureIsShownAndClosingDeletesThePage()
    {
        const QString page = writePage(QStringLiteral("Chybovnik.htm"));
        Tchybove_Otazky window(page);
        window.show();
        QVERIFY(loaded(window));
        verifyMaximized(window);
        QCOMPARE(window.windowTitle(), QStringLiteral("Chyby, které jste udělali v testu ..."));
        QVERIFY(!window.WebHost1->ShowContextMenu({10, 10}));
        QVERIFY(!window.Tisk->icon().isNull());

        const Printing::PdfRedirect redirect(m_dir.filePath(QStringLiteral("missing/report.pdf")));
        MessageBox::Script script;
        QTest::mouseClick(window.Tisk, Qt::LeftButton);
        QCOMPARE(script.requests().size(), std::size_t(1));
        QCOMPARE(script.requests().front().caption, QStringLiteral("Tisk stránky"));
        QVERIFY(!script.requests().front().text.isEmpty());
        QVERIFY(window.isVisible());

        QVERIFY(QFile::exists(page));
        QTest::mouseClick(window.BitBtn1, Qt::LeftButton);
        QVERIFY(!window.isVisible());
        QVERIFY(!QFile::exists(page));
    }
};

int main(int argc, char *argv[])
{
    EngineEnvironment::prepare();
    QApplication app(argc, argv);
    PageWindowsTest test;
    return QTest::qExec(&test, argc, argv);
}

#include "PageWindowsTest.moc"

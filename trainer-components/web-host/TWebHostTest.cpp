#include "platform/printing/PdfReadBack.h"
#include "platform/printing/Printing.h"
#include "platform/registry/Registry.h"
#include "platform/text/Cp1250.h"
#include "platform/text/LocaleTexts.h"
#include "platform/ui/MessageBox.h"
#include "trainer-components/web-host/EngineEnvironment.h"
#include "trainer-components/web-host/TWebHost.h"

#include <QApplication>
#include <QDate>
#include <QDeadlineTimer>
#include <QEventLoop>
#include <QFile>
#include <QMenu>
#include <QProcess>
#include <QSignalSpy>
#include <QTcpServer>
#include <QTemporaryDir>
#include <QTest>
#include <QWebEnginePage>
#include <QWebEngineView>

#include <csignal>

namespace {

QString pdfText(const QString &path, int page)
{
    QProcess p;
    p.start(QStringLiteral("pdftotext"), {QStringLiteral("-layout"), QStringLiteral("-f"), QString::number(page),
                                          QStringLiteral("-l"), QString::number(page), path, QStringLiteral("-")});
    p.waitForFinished();
    return QString::fromUtf8(p.readAllStandardOutput());
}

int pdfPages(const QString &path)
{
    QProcess p;
    p.start(QStringLiteral("pdfinfo"), {path});
    p.waitForFinished();
    for (const QString &line : QString::fromUtf8(p.readAllStandardOutput()).split(u'\n')) {
        if (line.startsWith(QStringLiteral("Pages:")))
            return line.mid(6).trimmed().toInt();
    }
    return -1;
}

} // namespace

class TWebHostTest : public QObject
{
    Q_OBJECT

private:
    QTemporaryDir m_dir;
    QString m_pages;

    QString writePage(const QString &name, const QString &html)
    {
        const QString path = m_dir.filePath(name);
        QFile file(path);
        if (!file.open(QIODevice::WriteOnly))
            return {};
        file.write(Cp1250::encode(html));
        return path;
    }

    static bool show(TWebHost &host, const QString &path)
    {
        QSignalSpy loaded(&host, &TWebHost::pageLoaded);
        host.Navigate(path);
        return loaded.wait(60000) && loaded.first().first().toBool();
    }

    static QString pageText(TWebHost &host)
    {
        QString text;
        QEventLoop loop;
        host.page()->toPlainText([&](const QString &result) {
            text = result;
            loop.quit();
        });
        loop.exec();
        return text;
    }

    static QWidgetList shownWindows()
    {
        QWidgetList shown;
        for (QWidget *window : QApplication::topLevelWidgets())
            if (window->isVisible())
                shown << window;
        return shown;
    }

    // Clicks the middle of the page until the spied signal comes: the first
    // clicks may come before the engine takes them.
    static bool clickUntil(TWebHost &host, QSignalSpy &spy)
    {
        QWidget *target = host.view()->focusProxy();
        const QDeadlineTimer deadline(20000);
        while (!deadline.hasExpired()) {
            QTest::mouseClick(target, Qt::LeftButton, {}, QPoint(200, 150));
            if (spy.wait(500))
                return true;
        }
        return false;
    }

    void rightClick(TWebHost &host)
    {
        QWidget *target = host.view()->focusProxy();
        QVERIFY(target);
        const QPoint at(40, 40);
        QTest::mouseMove(target, at);
        QTest::mousePress(target, Qt::RightButton, {}, at);
        QTest::mouseRelease(target, Qt::RightButton, {}, at);
    }

private slots:
    void initTestCase()
    {
        QVERIFY(m_dir.isValid());
        qputenv("XDG_CONFIG_HOME", m_dir.filePath(QStringLiteral("config")).toUtf8());
    }

    void unmarkedPageIsWindows1250AndRunsAndFetchesNothing()
    {
        QTcpServer server;
        QVERIFY(server.listen(QHostAddress::LocalHost));
        const QString remote = QStringLiteral("http://127.0.0.1:%1/x.png").arg(server.serverPort());
        const QString path = writePage(
            QStringLiteral("guarded.htm"),
            QStringLiteral("<htm><Title>Zkouška ěščř</Title><Body>text<script>document.title='ran';</script>"
                           "<img src=\"%1\"></Body></htm>")
                .arg(remote));
        TWebHost host(nullptr);
        // Images on, so that only the request guard stands between the page
        // and the server.
        host.SetDownloadOptions({TDownloadControlOption::DLCTL_DLIMAGES});
        host.resize(400, 300);
        host.show();
        QVERIFY(show(host, path));
        QCOMPARE(host.page()->title(), QStringLiteral("Zkouška ěščř"));
        QVERIFY(!server.hasPendingConnections());
        QVERIFY(!server.waitForNewConnection(200));
    }

    // A bank text may hold markup that leaves the page: the control shows
    // only the file it was navigated to and refuses every other navigation,
    // and opens no window.
    void pageStaysWhereItWasNavigated_data()
    {
        QTest::addColumn<QString>("markup"); // %1: an address elsewhere
        QTest::addColumn<bool>("click");
        QTest::addColumn<QString>("refused"); // "itself", "elsewhere" or "" (a new window)
        const QString fill = QStringLiteral("style=\"display:block;position:fixed;left:0;top:0;width:100%;height:100%\"");
        const QString elsewhere = QStringLiteral("elsewhere");
        QTest::newRow("meta refresh elsewhere")
            << QStringLiteral("<meta http-equiv=\"refresh\" content=\"0;url=%1\">") << false << elsewhere;
        QTest::newRow("meta refresh of itself") << QStringLiteral("<meta http-equiv=\"refresh\" content=\"0\">")
                                                << false << QStringLiteral("itself");
        QTest::newRow("link") << QStringLiteral("<a href=\"%1\" ") + fill + QStringLiteral(">odkaz</a>") << true
                              << elsewhere;
        QTest::newRow("link to another file")
            << QStringLiteral("<a href=\"jina.htm\" ") + fill + QStringLiteral(">odkaz</a>") << true << elsewhere;
        QTest::newRow("form") << QStringLiteral("<form action=\"%1\"><input type=\"submit\" value=\"Odeslat\" ")
                                     + fill + QStringLiteral("></form>")
                              << true << elsewhere;
        QTest::newRow("new window")
            << QStringLiteral("<a href=\"jina.htm\" target=\"_blank\" ") + fill + QStringLiteral(">okno</a>") << true
            << QString();
    }
    void pageStaysWhereItWasNavigated()
    {
        QFETCH(QString, markup);
        QFETCH(bool, click);
        QFETCH(QString, refused);
        QTcpServer server;
        QVERIFY(server.listen(QHostAddress::LocalHost));
        const QString elsewhere = QStringLiteral("http://127.0.0.1:%1/").arg(server.serverPort());
        writePage(QStringLiteral("jina.htm"), QStringLiteral("<p>Jiná stránka</p>"));
        const QString path = writePage(QStringLiteral("stays.htm"),
                                       QStringLiteral("<htm><Body><p>Otázka stojí</p>%1</Body></htm>")
                                           .arg(markup.contains(QStringLiteral("%1")) ? markup.arg(elsewhere) : markup));
        TWebHost host(nullptr);
        host.resize(400, 300);
        host.show();
        QVERIFY(QTest::qWaitForWindowExposed(&host));
        QSignalSpy refusals(&host, &TWebHost::navigationRefused);
        QVERIFY(show(host, path));
        const QWidgetList windows = shownWindows();
        QVERIFY(click ? clickUntil(host, refusals) : refusals.wait(20000));
        const QUrl away = refusals.first().first().toUrl();
        if (refused == u"itself")
            QCOMPARE(away, QUrl::fromLocalFile(path));
        else if (refused == u"elsewhere")
            QVERIFY2(!away.isEmpty() && away != QUrl::fromLocalFile(path), qPrintable(away.toString()));
        else
            QVERIFY2(away.isEmpty(), qPrintable(away.toString()));
        QCOMPARE(shownWindows(), windows);
        QCOMPARE(host.page()->url(), QUrl::fromLocalFile(path));
        QCOMPARE(pageText(host).trimmed().section(u'\n', 0, 0), QStringLiteral("Otázka stojí"));
        QVERIFY(!server.hasPendingConnections());
    }

    void contextMenuAsksTheHost()
    {
        const QString path = writePage(QStringLiteral("menu.htm"), QStringLiteral("<p>Stránka</p>"));
        TWebHost host(nullptr);
        int asked = 0;
        host.OnShowContextMenu = [&asked](quint32 menuId, const QPoint &) {
            ++asked;
            return menuId == TWebHost::ContextMenuDefault ? S_OK : S_FALSE;
        };
        host.resize(400, 300);
        host.show();
        QVERIFY(QTest::qWaitForWindowExposed(&host));
        QVERIFY(show(host, path));
        rightClick(host);
        QTRY_COMPARE_WITH_TIMEOUT(asked, 1, 10000);
        QVERIFY(!QApplication::activePopupWidget());

        host.OnShowContextMenu = nullptr;
        rightClick(host);
        QTRY_VERIFY_WITH_TIMEOUT(qobject_cast<QMenu *>(QApplication::activePopupWidget()), 10000);
        QApplication::activePopupWidget()->close();
    }

    void printsEachPageWithHeaderAndFooter()
    {
        QString items;
        for (int i = 0; i < 80; ++i)
            items += QStringLiteral("<p>Řádek %1</p>").arg(i);
        const QString path = writePage(
            QStringLiteral("list.htm"),
            QStringLiteral("<htm><Title>Seznam otázek</Title><Body><ol start=\"122\"><li><b>Otázka"
                           "<ol type=a></b><li>první<li>druhá<li>třetí</ol></ol>%1</Body></htm>")
                .arg(items));
        TWebHost host(nullptr);
        host.PrintOptions.Header = QStringLiteral("&w&bStránka č. &p z &P");
        host.PrintOptions.Footer = QStringLiteral("&u&b&d");
        const QString pdf = m_dir.filePath(QStringLiteral("printed.pdf"));
        const Printing::PdfRedirect redirect(pdf);
        QVERIFY(host.PrintDocument().ok()); // nothing shown, nothing printed
        QVERIFY(!QFile::exists(pdf));

        QVERIFY(show(host, path));
        const QString laidOut = m_dir.filePath(QStringLiteral("engine.pdf"));
        QFile engine(laidOut);
        QVERIFY(engine.open(QIODevice::WriteOnly));
        engine.write(host.PageLayoutPdf());
        engine.close();
        const QString rendered = pdfText(laidOut, 1);
        QVERIFY2(rendered.contains(QStringLiteral("122. Otázka")), qPrintable(rendered));
        for (const char *answer : {"a. první", "b. druhá", "c. třetí"})
            QVERIFY2(rendered.contains(QString::fromUtf8(answer)), qPrintable(rendered));

        const Result<> printed = host.PrintDocument();
        QVERIFY2(printed, qPrintable(printed.error()));
        const int pages = pdfPages(pdf);
        QCOMPARE(pages, pdfPages(laidOut));
        QVERIFY(pages >= 2);
        // The engine's own pages, text and all, with no picture of a page.
        QVERIFY(PdfReadBack::imageSizes(pdf).isEmpty());
        // Also run under LC_ALL=cs_CZ.UTF-8, where Qt's own pattern has a two-digit year.
        const QString date = LocaleTexts::shortDate(QDate::currentDate());
        for (int page = 1; page <= pages; ++page) {
            const QString text = pdfText(pdf, page);
            for (const QString &line : pdfText(laidOut, page).split(u'\n', Qt::SkipEmptyParts))
                QVERIFY2(text.contains(line.trimmed()), qPrintable(line));
            QVERIFY2(text.contains(QStringLiteral("Seznam otázek")), qPrintable(text));
            QVERIFY2(text.contains(QStringLiteral("Stránka č. %1 z %2").arg(page).arg(pages)), qPrintable(text));
            QVERIFY2(text.contains(path), qPrintable(text));
            QVERIFY2(text.contains(date), qPrintable(text));
        }
    }

    void printFailureIsReported()
    {
        const QString path = writePage(QStringLiteral("short.htm"), QStringLiteral("<p>Krátká</p>"));
        TWebHost host(nullptr);
        QVERIFY(show(host, path));
        const Printing::PdfRedirect redirect(m_dir.filePath(QStringLiteral("missing/out.pdf")));
        QVERIFY(!host.PrintDocument().ok());
    }

    void endedRendererIsReportedAndTheProgramGoesOn()
    {
        const QString path = writePage(QStringLiteral("crash.htm"), QStringLiteral("<p>Stránka</p>"));
        TWebHost host(nullptr);
        QVERIFY(show(host, path));
        MessageBox::Script script;
        QSignalSpy ended(&host, &TWebHost::renderProcessEnded);
        QVERIFY(host.page()->renderProcessPid() > 0);
        ::kill(pid_t(host.page()->renderProcessPid()), SIGKILL);
        QVERIFY(ended.wait(20000));
        QCOMPARE(script.requests().size(), std::size_t(1));
        QVERIFY(script.requests().front().text.contains(QStringLiteral("vykreslovací proces skončil")));
        QVERIFY(!host.PrintDocument().ok());
        // A new page brings a new renderer.
        QVERIFY(show(host, path));
    }

    void userAgentValueLivesWithTheControl()
    {
        for (int round = 0; round < 2; ++round) {
            {
                TWebHost host(nullptr);
                host.AfterLoad();
                const auto key = RegistryKey::open(TWebHost::UserAgentKey, false);
                QVERIFY(key);
                QVERIFY(key->valueExists(QString()));
                QCOMPARE(key->readString(QString()), QString());
            }
            const auto key = RegistryKey::open(TWebHost::UserAgentKey, false);
            QVERIFY(!key || !key->valueExists(QString()));
        }
    }
};

int main(int argc, char *argv[])
{
    EngineEnvironment::prepare();
    QApplication app(argc, argv);
    TWebHostTest test;
    return QTest::qExec(&test, argc, argv);
}

#include "TWebHostTest.moc"

#include "platform/ui/MessageBox.h"
#include "trainer-components/shadow-label/TShadowLabel.h"
#include "trainer-components/system-facts/SysFacts.h"
#include "trainer-components/version-info/TFileVersionInfo.h"
#include "trainer/main-window/TTitul.h"
#include "trainer/program-info/TI_o_prg.h"
#include "trainer/test-support/ModalDriver.h"

#include <QDesktopServices>
#include <QLabel>
#include <QPushButton>
#include <QStatusBar>
#include <QTemporaryDir>
#include <QTest>
#include <QUrl>

namespace {

// Stands in for the desktop's browser.
class Browser : public QObject
{
    Q_OBJECT

public:
    QList<QUrl> opened;

public slots:
    void open(const QUrl &url) { opened << url; }
};

} // namespace

class TI_o_prgTest : public QObject
{
    Q_OBJECT

    TFileVersionInfo versionInfo;

private slots:
    void initTestCase()
    {
        ReadSystemFacts();
        versionInfo.SetExecutableFile(qEnvironmentVariable("VARNEL_PROGRAM"));
        QVERIFY(!versionInfo.FileVersion().isEmpty());
    }

    // The values of the built program's version block and of this machine.
    void showsTheProgramAndTheMachine()
    {
        TI_o_prg window(QStringLiteral("2002.A"), QStringLiteral("27.06.2002"), versionInfo);
        window.show();
        QCOMPARE(window.windowTitle(), QStringLiteral("Informace o programu ..."));
        QCOMPARE(window.Exec->text(), QStringLiteral("Varnel"));
        QCOMPARE(window.Descript->text(), QStringLiteral("Testovací otázky"));
        QCOMPARE(window.Verze->Caption(), QStringLiteral("2002.A  (ze dne: 27.06.2002)"));
        QCOMPARE(window.Komentar->text(), QStringLiteral("Freeware"));
        QCOMPARE(window.ExeVersion->text(), QStringLiteral("2002.6.1.10"));
        QCOMPARE(window.Country->text(), QStringLiteral("040504E2"));
        QCOMPARE(window.cpus->text(), QString::number(CpuCount()));
        QVERIFY(CpuCount() > 0);
        // Memory past 4 GiB is shown whole, as a plain decimal number.
        const qint64 total = window.ram->text().toLongLong();
        QCOMPARE(total, PhysicalMemoryTotal());
        QVERIFY(total > 0);
        QVERIFY(window.ram2->text().toLongLong() > 0);
        QVERIFY(window.ram2->text().toLongLong() <= total);
        bool number = false;
        window.xx->text().toLongLong(&number);
        QVERIFY(number);
        QVERIFY(window.xx2->text().toInt() >= 0 && window.xx2->text().toInt() <= 100);
    }

    void linksOpenTheMakersPages()
    {
        Browser browser;
        QDesktopServices::setUrlHandler(QStringLiteral("http"), &browser, "open");
        TI_o_prg window(QStringLiteral("2002.A"), QStringLiteral("27.06.2002"), versionInfo);
        window.show();
        MessageBox::Script script;
        QTest::mouseClick(window.Label1, Qt::LeftButton);
        window.BitBtn2->click();
        QDesktopServices::unsetUrlHandler(QStringLiteral("http"));
        QCOMPARE(browser.opened, (QList<QUrl>{QUrl(QStringLiteral("http://example.org/www/kestrin/Index.htm")),
                                              QUrl(QStringLiteral("http://example.org/www/kestrin/Konference2.htm"))}));
        QCOMPARE(script.requests().size(), std::size_t(0));
    }

    // Each opening from the menu is a fresh window that reads the values anew.
    void theMenuOpensAFreshWindow()
    {
        QTemporaryDir config;
        QTemporaryDir folder;
        qputenv("XDG_CONFIG_HOME", config.path().toLocal8Bit());
        TTitul window({folder.path(), {1024, 768}, folder.filePath(QStringLiteral("qalmoren.set"))});
        window.show();
        std::vector<const TI_o_prg *> opened;
        QString statusWhileOpen;
        for (int opening = 0; opening < 2; ++opening) {
            whenShown<TI_o_prg>(I_o_prg, [&](TI_o_prg *info) {
                opened.push_back(info);
                statusWhileOpen = window.StatusBar1->currentMessage();
                QCOMPARE(info->Verze->Caption(), QStringLiteral("2002.A  (ze dne: 27.06.2002)"));
                QCOMPARE(info->Exec->text(), QStringLiteral("Varnel"));
                info->BitBtn1->click();
            });
            window.Informace2->trigger();
            QCOMPARE(statusWhileOpen, QStringLiteral("Informace o programu a kontakt na WWW"));
            QCOMPARE(window.StatusBar1->currentMessage(), TTitul::ReadyText);
            QVERIFY(I_o_prg == nullptr);
        }
        QCOMPARE(opened.size(), std::size_t(2));
        MessageBox::Script script;
        script.answer(MessageBox::Result::Yes);
        window.close();
    }

    // The offscreen platform has no browser to start.
    void aPageThatCannotOpenIsReported()
    {
        TI_o_prg window(QStringLiteral("2002.A"), QStringLiteral("27.06.2002"), versionInfo);
        window.show();
        MessageBox::Script script;
        window.BitBtn2->click();
        QCOMPARE(script.requests().size(), std::size_t(1));
        QCOMPARE(script.requests().front().caption, QStringLiteral("Chyba:"));
        QCOMPARE(script.requests().front().text, QStringLiteral("Není instalována Internetová služba !!! "));
        QVERIFY(script.requests().front().hadOwner);
        QVERIFY(window.isVisible());
    }
};

QTEST_MAIN(TI_o_prgTest)
#include "TI_o_prgTest.moc"

#include "trainer-components/web-host/HeaderFooter.h"
#include "trainer-components/web-host/WebHostOptions.h"

#include <QTest>

using D = TDownloadControlOption;
using U = TUserInterfaceOption;

Q_DECLARE_METATYPE(TDownloadControlOptions)
Q_DECLARE_METATYPE(TUserInterfaceOptions)

class WebHostLogicTest : public QObject
{
    Q_OBJECT

private slots:
    void downloadSums_data()
    {
        QTest::addColumn<TDownloadControlOptions>("options");
        QTest::addColumn<quint32>("sum");
        QTest::newRow("empty") << TDownloadControlOptions{} << 0u;
        QTest::newRow("constructor default")
            << TDownloadControlOptions{D::DLCTL_DLIMAGES, D::DLCTL_VIDEOS, D::DLCTL_BGSOUNDS} << 0x70u;
        QTest::newRow("last doubling member") << TDownloadControlOptions{D::DLCTL_URL_ENCODING_ENABLE_UTF8}
                                              << 0x40000u;
        QTest::newRow("high members") << TDownloadControlOptions{D::DLCTL_FORCEOFFLINE, D::DLCTL_OFFLINE}
                                      << 0x90000000u;
        QTest::newRow("no scripts and silent") << TDownloadControlOptions{D::DLCTL_NO_SCRIPTS, D::DLCTL_SILENT}
                                               << 0x40000080u;
    }

    void downloadSums()
    {
        QFETCH(TDownloadControlOptions, options);
        QFETCH(quint32, sum);
        QCOMPARE(DownloadFlagsSum(options), sum);
    }

    void hostSums_data()
    {
        QTest::addColumn<TUserInterfaceOptions>("options");
        QTest::addColumn<quint32>("sum");
        QTest::newRow("empty: default border and scroll bars") << TUserInterfaceOptions{} << 0u;
        QTest::newRow("dialog, no border, no scroll")
            << TUserInterfaceOptions{U::DIALOG, U::NO3DBORDER, U::SCROLL_NO} << 0xDu;
        // No member has 0x8000.
        QTest::newRow("around the gap")
            << TUserInterfaceOptions{U::ENABLE_FORMS_AUTOCOMPLETE, U::ENABLE_INPLACE_NAVIGATION,
                                     U::IME_ENABLE_RECONVERSION}
            << 0x34000u;
    }

    void hostSums()
    {
        QFETCH(TUserInterfaceOptions, options);
        QFETCH(quint32, sum);
        QCOMPARE(HostFlagsSum(options), sum);
    }

    void templates_data()
    {
        QTest::addColumn<QString>("pattern");
        QTest::addColumn<QString>("left");
        QTest::addColumn<QString>("centre");
        QTest::addColumn<QString>("right");
        QTest::newRow("trainer header") << "&w&bStránka č. &p z &P" << "Seznam" << "" << "Stránka č. 3 z 12";
        QTest::newRow("trainer footer") << "&u&b&d" << "/tmp/Otazky_ZP.htm" << "" << "10.12.2026";
        QTest::newRow("no split") << "&p/&P" << "3/12" << "" << "";
        QTest::newRow("three parts") << "a&bb&bc" << "a" << "b" << "c";
        QTest::newRow("ampersands") << "R&&D &x &" << "R&D &x &" << "" << "";
        QTest::newRow("empty") << "" << "" << "" << "";
    }

    void templates()
    {
        QFETCH(QString, pattern);
        const PrintedPageFacts facts{QStringLiteral("Seznam"), QStringLiteral("/tmp/Otazky_ZP.htm"),
                                     QStringLiteral("10.12.2026"), 3, 12};
        const HeaderFooterLine line = expandTemplate(pattern, facts);
        QTEST(line.left, "left");
        QTEST(line.centre, "centre");
        QTEST(line.right, "right");
    }
};

QTEST_GUILESS_MAIN(WebHostLogicTest)
#include "WebHostLogicTest.moc"

#include "trainer-components/version-info/TFileVersionInfo.h"

#include "platform/version-resource/PeFixture.h"
#include "platform/version-resource/VersionInfoBlock.h"
#include "platform/version-resource/VersionInfoWriter.h"
#include "platform/version-resource/VersionResource.h"

#include <QFile>
#include <QTemporaryDir>
#include <QTest>
#include <QtEndian>

namespace {

using Strings = std::vector<std::pair<QString, QString>>;

const Strings varnelStrings = {
    {QStringLiteral("CompanyName"), QStringLiteral("Kestrin")},
    {QStringLiteral("FileDescription"), QStringLiteral("Testovací otázky")},
    {QStringLiteral("FileVersion"), QStringLiteral("2002.6.1.10")},
    {QStringLiteral("InternalName"), QStringLiteral("Varnel.exe")},
    {QStringLiteral("OriginalFilename"), QStringLiteral("Varnel.exe")},
    {QStringLiteral("ProductName"), QStringLiteral("Brelvik")},
    {QStringLiteral("ProductVersion"), QStringLiteral("2002.A")},
    {QStringLiteral("Comments"), QStringLiteral("Freeware")},
};

VersionInfoDescription description(std::vector<VersionTranslation> translations, Strings strings = varnelStrings)
{
    VersionInfoDescription d;
    d.fileVersion = d.productVersion = {2002, 6, 1, 10};
    for (VersionTranslation t : translations)
        d.stringTables.push_back({t, strings});
    d.translations = std::move(translations);
    return d;
}

QStringList allValues(const TFileVersionInfo &info)
{
    return {info.CompanyName(),      info.FileDescription(), info.FileVersion(), info.InternalName(),
            info.LegalCopyright(),   info.LegalTradeMarks(), info.OriginalFilename(), info.ProductName(),
            info.ProductVersion(),   info.Comments(),        info.CountryCode()};
}

const QStringList allEmpty(11);

} // namespace

class TFileVersionInfoTest : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void readsTheTrainerResourceOfAPeFile();
    void readsTheBuiltProgram();
    void builtProgramCarriesTheFixedVersions();
    void countryCodeIsEightUpperCaseDigits_data();
    void countryCodeIsEightUpperCaseDigits();
    void firstTranslationOnly();
    void missingKeyLeavesOnlyItsPropertyEmpty();
    void unreadableFilesGiveEmptyValues_data();
    void unreadableFilesGiveEmptyValues();
    void everySetReadsAgain();
    void constructionReadsTheRunningProgram();

private:
    QString writeFile(const QString &name, const QByteArray &bytes);
    QTemporaryDir m_dir;
};

void TFileVersionInfoTest::init()
{
    QVERIFY(m_dir.isValid());
}

QString TFileVersionInfoTest::writeFile(const QString &name, const QByteArray &bytes)
{
    const QString path = m_dir.filePath(name);
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size())
        return {};
    return path;
}

void TFileVersionInfoTest::readsTheTrainerResourceOfAPeFile()
{
    const QString path = writeFile(QStringLiteral("Varnel.exe"),
                                   PeFixture::image(buildVersionInfoBlock(description({{0x0405, 1250}}))));
    TFileVersionInfo info;
    info.SetExecutableFile(path);
    QCOMPARE(allValues(info), QStringList({"Kestrin", "Testovací otázky", "2002.6.1.10", "Varnel.exe", "", "",
                                           "Varnel.exe", "Brelvik", "2002.A", "Freeware", "040504E2"}));
    QCOMPARE(info.ExecutableFile(), path);
}

void TFileVersionInfoTest::readsTheBuiltProgram()
{
    TFileVersionInfo info;
    info.SetExecutableFile(qEnvironmentVariable("VARNEL_PROGRAM"));
    QCOMPARE(allValues(info), QStringList({"Kestrin", "Testovací otázky", "2002.6.1.10", "Varnel.exe", "", "",
                                           "Varnel.exe", "Brelvik", "2002.A", "Freeware", "040504E2"}));
}

void TFileVersionInfoTest::builtProgramCarriesTheFixedVersions()
{
    const VersionInfoBlock block(VersionResource::readBlock(qEnvironmentVariable("VARNEL_PROGRAM")));
    const auto fixed = block.queryValue(u"\\");
    QVERIFY(fixed && fixed->size() >= 24);
    const auto *words = reinterpret_cast<const uchar *>(fixed->constData());
    QCOMPARE(qFromLittleEndian<quint32>(words), 0xFEEF04BDu);
    const quint32 expected[] = {2002u << 16 | 6u, 1u << 16 | 10u}; // 2002.6.1.10
    for (int at : {8, 16}) { // file version, then product version
        QCOMPARE(qFromLittleEndian<quint32>(words + at), expected[0]);
        QCOMPARE(qFromLittleEndian<quint32>(words + at + 4), expected[1]);
    }
}

void TFileVersionInfoTest::countryCodeIsEightUpperCaseDigits_data()
{
    QTest::addColumn<int>("language");
    QTest::addColumn<int>("codePage");
    QTest::addColumn<QString>("countryCode");
    QTest::newRow("Czech, 1250") << 0x0405 << 1250 << "040504E2";
    QTest::newRow("US English, Unicode") << 0x0409 << 0x04B0 << "040904B0";
    QTest::newRow("neutral, no code page") << 0x0000 << 0x0000 << "00000000";
    QTest::newRow("all digits") << 0xABCD << 0xEF01 << "ABCDEF01";
}

void TFileVersionInfoTest::countryCodeIsEightUpperCaseDigits()
{
    QFETCH(int, language);
    QFETCH(int, codePage);
    QFETCH(QString, countryCode);
    const VersionTranslation t{quint16(language), quint16(codePage)};
    TFileVersionInfo info;
    info.SetExecutableFile(writeFile(countryCode, PeFixture::image(buildVersionInfoBlock(description({t})))));
    QCOMPARE(info.CountryCode(), countryCode);
    QCOMPARE(info.FileVersion(), QStringLiteral("2002.6.1.10"));
}

void TFileVersionInfoTest::firstTranslationOnly()
{
    VersionInfoDescription d = description({{0x0409, 0x04B0}, {0x0405, 0x04E2}});
    d.stringTables[1].strings = {{QStringLiteral("FileVersion"), QStringLiteral("second")}};
    d.stringTables[0].strings = {{QStringLiteral("FileVersion"), QStringLiteral("first")}};
    // The tables in the other order: the translation list decides, not the table order.
    std::swap(d.stringTables[0], d.stringTables[1]);
    TFileVersionInfo info;
    info.SetExecutableFile(writeFile(QStringLiteral("two.exe"), PeFixture::image(buildVersionInfoBlock(d))));
    QCOMPARE(info.CountryCode(), QStringLiteral("040904B0"));
    QCOMPARE(info.FileVersion(), QStringLiteral("first"));
}

void TFileVersionInfoTest::missingKeyLeavesOnlyItsPropertyEmpty()
{
    Strings strings = varnelStrings;
    std::erase_if(strings, [](const auto &entry) { return entry.first == u"Comments"; });
    TFileVersionInfo info;
    info.SetExecutableFile(writeFile(QStringLiteral("nocomment.exe"),
                                     PeFixture::image(buildVersionInfoBlock(description({{0x0405, 1250}}, strings)))));
    QCOMPARE(info.Comments(), QString());
    QCOMPARE(info.ProductName(), QStringLiteral("Brelvik"));
    QCOMPARE(info.CountryCode(), QStringLiteral("040504E2"));
}

void TFileVersionInfoTest::unreadableFilesGiveEmptyValues_data()
{
    const QByteArray block = buildVersionInfoBlock(description({{0x0405, 1250}}));
    VersionInfoDescription noTranslation = description({{0x0405, 1250}});
    noTranslation.translations.clear();
    QByteArray damaged = block;
    damaged[0] = char(0xFF); // the root claims more than the resource holds
    damaged[1] = char(0x7F);

    QTest::addColumn<QByteArray>("contents");
    QTest::newRow("no resource") << PeFixture::image({});
    QTest::newRow("not a program") << QByteArray("plain text\r\n");
    QTest::newRow("empty file") << QByteArray();
    QTest::newRow("damaged resource") << PeFixture::image(damaged);
    QTest::newRow("resource cut off") << PeFixture::image(block).chopped(block.size() / 2);
    QTest::newRow("no translation") << PeFixture::image(buildVersionInfoBlock(noTranslation));
}

void TFileVersionInfoTest::unreadableFilesGiveEmptyValues()
{
    QFETCH(QByteArray, contents);
    const QString good = writeFile(QStringLiteral("good.exe"),
                                   PeFixture::image(buildVersionInfoBlock(description({{0x0405, 1250}}))));
    const QString path = writeFile(QStringLiteral("bad.exe"), contents);
    TFileVersionInfo info;
    info.SetExecutableFile(good);
    info.SetExecutableFile(path);
    QCOMPARE(allValues(info), allEmpty);
    QCOMPARE(info.ExecutableFile(), path);
}

void TFileVersionInfoTest::everySetReadsAgain()
{
    const QString path = writeFile(QStringLiteral("Varnel.exe"),
                                   PeFixture::image(buildVersionInfoBlock(description({{0x0405, 1250}}))));
    TFileVersionInfo info;
    info.SetExecutableFile(path);
    info.SetFileVersion(QStringLiteral("written"));
    info.SetLegalCopyright(QStringLiteral("written"));
    info.SetExecutableFile(path);
    QCOMPARE(info.FileVersion(), QStringLiteral("2002.6.1.10"));
    QCOMPARE(info.LegalCopyright(), QString());

    // No cache: the same path set again reads what the file holds now.
    Strings newer = varnelStrings;
    newer.emplace_back(QStringLiteral("LegalCopyright"), QStringLiteral("(c) Kestrin"));
    QCOMPARE(writeFile(QStringLiteral("Varnel.exe"),
                       PeFixture::image(buildVersionInfoBlock(description({{0x0409, 0x04B0}}, newer)))),
             path);
    info.SetExecutableFile(path);
    QCOMPARE(info.LegalCopyright(), QStringLiteral("(c) Kestrin"));
    QCOMPARE(info.CountryCode(), QStringLiteral("040904B0"));

    info.SetExecutableFile(QString());
    QCOMPARE(allValues(info), allEmpty);
    QCOMPARE(info.ExecutableFile(), QString());
    info.SetExecutableFile(m_dir.filePath(QStringLiteral("missing.exe")));
    QCOMPARE(allValues(info), allEmpty);
    info.SetExecutableFile(m_dir.path());
    QCOMPARE(allValues(info), allEmpty);
}

void TFileVersionInfoTest::constructionReadsTheRunningProgram()
{
    const TFileVersionInfo info;
    QCOMPARE(info.ExecutableFile(), QCoreApplication::applicationFilePath());
    QCOMPARE(info.CountryCode(), QString());
}

QTEST_MAIN(TFileVersionInfoTest)
#include "TFileVersionInfoTest.moc"

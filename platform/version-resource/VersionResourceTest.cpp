#include "platform/files/TestFiles.h"
#include "platform/version-resource/ElfSection.h"
#include "platform/version-resource/PeFixture.h"
#include "platform/version-resource/PeResource.h"
#include "platform/version-resource/VersionDescription.h"
#include "platform/version-resource/VersionInfoBlock.h"
#include "platform/version-resource/VersionResource.h"

#include <QTemporaryDir>
#include <QTest>

namespace {

VersionInfoDescription sample()
{
    VersionInfoDescription d;
    d.fileVersion = {2002, 6, 1, 10};
    d.productVersion = {1, 2, 3, 4};
    d.translations = {{0x0405, 0x04E2}};
    d.stringTables = {{{0x0405, 0x04E2}, {{QStringLiteral("FileVersion"), QStringLiteral("2002.6.1.10")},
                                           {QStringLiteral("Empty"), QString()},
                                           {QStringLiteral("Popis"), QStringLiteral("Testovací otázky")}}}};
    return d;
}

quint32 u32At(const QByteArray &bytes, int at)
{
    quint32 value = 0;
    for (int i = 3; i >= 0; --i)
        value = value << 8 | quint8(bytes[at + i]);
    return value;
}

} // namespace

class VersionResourceTest : public QObject
{
    Q_OBJECT

private slots:
    void blockAnswersTheWindowsPaths_data();
    void blockAnswersTheWindowsPaths();
    void fixedInfoHoldsBothVersions();
    void translationListsEveryEntry();
    void damagedBlocksAnswerNothing();
    void peImageGivesItsVersionResource();
    void damagedPeImagesGiveNothing();
    void elfSectionFoundByName();
    void readBlockOfMissingOrForeignFilesIsEmpty();
    void descriptionErrorsNameTheLine_data();
    void descriptionErrorsNameTheLine();
};

void VersionResourceTest::blockAnswersTheWindowsPaths_data()
{
    QTest::addColumn<QString>("path");
    QTest::addColumn<bool>("found");
    QTest::addColumn<QString>("text");
    QTest::newRow("string") << "\\StringFileInfo\\040504E2\\FileVersion" << true << "2002.6.1.10";
    QTest::newRow("letter case ignored") << "\\stringfileinfo\\040504e2\\FILEVERSION" << true << "2002.6.1.10";
    QTest::newRow("non-ASCII text") << "\\StringFileInfo\\040504E2\\Popis" << true << "Testovací otázky";
    QTest::newRow("empty value") << "\\StringFileInfo\\040504E2\\Empty" << true << "";
    QTest::newRow("missing key") << "\\StringFileInfo\\040504E2\\Comments" << false << "";
    QTest::newRow("other translation") << "\\StringFileInfo\\040904B0\\FileVersion" << false << "";
    QTest::newRow("key prefix is no match") << "\\StringFileInfo\\040504E2\\File" << false << "";
}

void VersionResourceTest::blockAnswersTheWindowsPaths()
{
    QFETCH(QString, path);
    QFETCH(bool, found);
    QFETCH(QString, text);
    const VersionInfoBlock block(buildVersionInfoBlock(sample()));
    const auto value = block.queryText(path);
    QCOMPARE(value.has_value(), found);
    if (found)
        QCOMPARE(*value, text);
}

void VersionResourceTest::fixedInfoHoldsBothVersions()
{
    const auto fixed = VersionInfoBlock(buildVersionInfoBlock(sample())).queryValue(u"\\");
    QVERIFY(fixed);
    QCOMPARE(fixed->size(), 52);
    QCOMPARE(u32At(*fixed, 0), 0xFEEF04BDu);
    QCOMPARE(u32At(*fixed, 8), (2002u << 16) | 6u);
    QCOMPARE(u32At(*fixed, 12), (1u << 16) | 10u);
    QCOMPARE(u32At(*fixed, 16), (1u << 16) | 2u);
    QCOMPARE(u32At(*fixed, 20), (3u << 16) | 4u);
}

void VersionResourceTest::translationListsEveryEntry()
{
    VersionInfoDescription d = sample();
    d.translations = {{0x0409, 0x04B0}, {0x0405, 0x04E2}};
    const auto translation = VersionInfoBlock(buildVersionInfoBlock(d)).queryValue(u"\\VarFileInfo\\Translation");
    QVERIFY(translation);
    QCOMPARE(*translation, QByteArray::fromHex("0904b004" "0504e204"));
}

void VersionResourceTest::damagedBlocksAnswerNothing()
{
    const QByteArray whole = buildVersionInfoBlock(sample());
    // Every cut-off prefix is a block whose lengths point past its end.
    for (qsizetype cut = 0; cut < whole.size(); ++cut) {
        const VersionInfoBlock block(whole.first(cut));
        QVERIFY2(!block.queryText(u"\\StringFileInfo\\040504E2\\Popis"), qPrintable(QString::number(cut)));
    }
    QByteArray wrongRoot = whole;
    wrongRoot[6] = 'X';
    QVERIFY(!VersionInfoBlock(wrongRoot).queryValue(u"\\"));
    QByteArray unterminatedKey = whole.first(40);
    unterminatedKey[0] = 40;
    unterminatedKey[1] = 0;
    for (qsizetype i = 6; i < 40; ++i)
        unterminatedKey[i] = 'A';
    QVERIFY(!VersionInfoBlock(unterminatedKey).queryValue(u"\\"));
}

void VersionResourceTest::peImageGivesItsVersionResource()
{
    const QByteArray block = buildVersionInfoBlock(sample());
    QCOMPARE(versionResourceOfPe(PeFixture::image(block)).toByteArray(), block);
    QVERIFY(versionResourceOfPe(PeFixture::image({})).isEmpty());
}

void VersionResourceTest::damagedPeImagesGiveNothing()
{
    const QByteArray image = PeFixture::image(buildVersionInfoBlock(sample()));
    // Headers, section table and resource tables cut off at any point.
    for (qsizetype cut = 0; cut < 0x258; ++cut)
        QVERIFY2(versionResourceOfPe(image.first(cut)).isEmpty(), qPrintable(QString::number(cut)));
    QByteArray badSignature = image;
    badSignature[0x40] = 'N';
    QVERIFY(versionResourceOfPe(badSignature).isEmpty());
}

void VersionResourceTest::elfSectionFoundByName()
{
    QFile self(QCoreApplication::applicationFilePath());
    QVERIFY(self.open(QIODevice::ReadOnly));
    const QByteArray image = self.readAll();
    QVERIFY(!elfSection(image, ".text").isEmpty());
    QVERIFY(elfSection(image, VersionSectionName).isEmpty());
    QVERIFY(elfSection(image, ".tex").isEmpty());
    // The section table sits at the end: half a program has none.
    QVERIFY(elfSection(image.first(image.size() / 2), ".text").isEmpty());
    QVERIFY(elfSection(image.first(0x40), ".text").isEmpty());
}

void VersionResourceTest::readBlockOfMissingOrForeignFilesIsEmpty()
{
    QTemporaryDir dir;
    const QString text = dir.filePath(QStringLiteral("plain.txt"));
    TestFiles::put(text, "MZ and nothing else");
    const QString empty = dir.filePath(QStringLiteral("empty"));
    TestFiles::put(empty, QByteArray());
    QVERIFY(VersionResource::readBlock(QString()).isEmpty());
    QVERIFY(VersionResource::readBlock(dir.filePath(QStringLiteral("missing"))).isEmpty());
    QVERIFY(VersionResource::readBlock(text).isEmpty());
    QVERIFY(VersionResource::readBlock(empty).isEmpty());
    QVERIFY(VersionResource::readBlock(dir.path()).isEmpty());
}

void VersionResourceTest::descriptionErrorsNameTheLine_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("error");
    QTest::newRow("no translation") << "CompanyName=Kestrin\n" << "line 2: no Translation line";
    QTest::newRow("bad translation") << "# c\nTranslation=0405\n" << "line 2: translation is not \"language,codepage\" in hex";
    QTest::newRow("bad version") << "Translation=0405,04E2\nFileVersion.Fixed=1.2.3\n" << "line 2: version is not four numbers";
    QTest::newRow("no equals") << "Translation=0405,04E2\nKestrin\n" << "line 2: expected Name=Value";
}

void VersionResourceTest::descriptionErrorsNameTheLine()
{
    QFETCH(QString, text);
    QFETCH(QString, error);
    const Result<VersionInfoDescription> parsed = VersionDescription::parse(text);
    QVERIFY(!parsed);
    QCOMPARE(parsed.error(), error);
}

QTEST_MAIN(VersionResourceTest)
#include "VersionResourceTest.moc"

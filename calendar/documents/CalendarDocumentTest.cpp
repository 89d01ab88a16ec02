#include "calendar/documents/CalendarDocument.h"

#include "platform/files/TestFiles.h"
#include "platform/text/Cp1250.h"
#include "platform/text/TextLineFile.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

#include <sys/file.h>
#include <sys/stat.h>

using namespace CalendarDocument;

namespace {

SingleMonth may2003()
{
    SingleMonth document;
    document.monthIndex = 4;
    document.yearText = QStringLiteral("2003");
    document.year = 2003;
    document.colors = {Colors::clOlive, Colors::clSilver, Colors::clRed, Colors::clBlue};
    return document;
}

QStringList singleMonthLines()
{
    return {NormalMagic,      QStringLiteral("/obr/kvet.jpg"), QStringLiteral("4"),
            QStringLiteral("2003"), QStringLiteral("Text řádku"),  QStringLiteral("clOlive"),
            QStringLiteral("clSilver"), QStringLiteral("clRed"),   QStringLiteral("clBlue")};
}

QStringList projectLines()
{
    Project project;
    project.yearText = QStringLiteral("2004");
    project.coverText = Colors::clRed;
    project.coverFill = Colors::clSilver;
    project.coverLine = Colors::clOlive;
    for (int m = 0; m < 12; ++m) {
        project.monthPictures[m] = QStringLiteral("m%1.jpg").arg(m + 1);
        project.texts[m] = QStringLiteral("text %1").arg(m + 1);
        project.months[m] = {Colors::clOlive, Colors::clSilver, Colors::clRed, TColor(quint32(m))};
    }
    return write(project);
}

} // namespace

class CalendarDocumentTest : public QObject
{
    Q_OBJECT

private slots:
    void singleMonthIsWrittenByteExact();
    void colorsWithoutANameAreWrittenInHex();
    void projectLinesAreInTheirPlaces();
    void projectRoundTrips();
    void lineEndsReadAlike_data();
    void lineEndsReadAlike();
    void longLinesAreCut();
    void missingFileIsNamed();
    void onlyRegularFilesAreRead_data();
    void onlyRegularFilesAreRead();
    void linesAfterTheLastUsedAreDropped();
    void staleCopiesOfAStoppedSaveGo_data();
    void staleCopiesOfAStoppedSaveGo();
    void documentThroughALinkCleansOnlyItsOwnCopies();
    void magicLine_data();
    void magicLine();
    void colorForms_data();
    void colorForms();
    void firstBadLineInApplyOrder_data();
    void firstBadLineInApplyOrder();
    void extensions_data();
    void extensions();
};

void CalendarDocumentTest::singleMonthIsWrittenByteExact()
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("kveten.cnr"));
    QVERIFY(writeFile(path, write(may2003())));
    QFile file(path);
    QVERIFY(file.open(QIODevice::ReadOnly));
    QCOMPARE(file.readAll(), QByteArray("Application Zoziruzo - Normal\r\n\r\n4\r\n2003\r\n\r\n"
                                        "clOlive\r\nclSilver\r\nclRed\r\nclBlue\r\n"));
}

void CalendarDocumentTest::colorsWithoutANameAreWrittenInHex()
{
    SingleMonth document = may2003();
    document.colors.line = TColor(0x00808000);
    document.colors.fill = TColor(0x00FF8000);
    document.textLine = QStringLiteral("Žluťoučký kůň");
    const QStringList lines = write(document);
    QCOMPARE(lines.at(5), QStringLiteral("clTeal"));
    QCOMPARE(lines.at(6), QStringLiteral("$00FF8000"));
    QCOMPARE(Cp1250::encode(lines.at(4)), QByteArray("\x8Elu\x9Dou\xE8k\xFD k\xF9\xF2"));
}

void CalendarDocumentTest::projectLinesAreInTheirPlaces()
{
    const QStringList lines = projectLines();
    QCOMPARE(lines.size(), ProjectLineCount);
    QCOMPARE(lines.at(0), ProjectMagic);
    QCOMPARE(lines.at(1), QString());
    QCOMPARE(lines.at(2), QStringLiteral("m1.jpg"));
    QCOMPARE(lines.at(13), QStringLiteral("m12.jpg"));
    QCOMPARE(lines.at(14), QStringLiteral("2004"));
    QCOMPARE(lines.at(15), QStringLiteral("text 1"));
    QCOMPARE(lines.at(26), QStringLiteral("text 12"));
    QCOMPARE(lines.mid(27, 3), QStringList({"clRed", "clSilver", "clOlive"}));
    QCOMPARE(lines.mid(30, 4), QStringList({"clOlive", "clSilver", "clRed", "clBlack"}));
    QCOMPARE(lines.at(77), QStringLiteral("$0000000B"));
}

void CalendarDocumentTest::projectRoundTrips()
{
    const QStringList lines = projectLines();
    QCOMPARE(kindOf(lines), Kind::Project);
    const Result<Project> read = readProject(lines);
    QVERIFY(read);
    QCOMPARE(read->year, 2004);
    QCOMPARE(write(*read), lines);
    QCOMPARE(pictureFiles(Kind::Project, lines).size(), 13);
}

void CalendarDocumentTest::lineEndsReadAlike_data()
{
    QTest::addColumn<QByteArray>("separator");
    QTest::newRow("CR LF") << QByteArray("\r\n");
    QTest::newRow("CR") << QByteArray("\r");
    QTest::newRow("LF") << QByteArray("\n");
}

void CalendarDocumentTest::lineEndsReadAlike()
{
    QFETCH(QByteArray, separator);
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("a.cnr"));
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write(Cp1250::encode(singleMonthLines().join(QString::fromLatin1(separator))));
    file.close();
    auto lines = readFile(path);
    QVERIFY(lines);
    const Result<SingleMonth> read = readSingleMonth(*lines);
    QVERIFY(read);
    const SingleMonth &document = *read;
    QCOMPARE(document.pictureFile, QStringLiteral("/obr/kvet.jpg"));
    QCOMPARE(document.textLine, QStringLiteral("Text řádku"));
    QCOMPARE(document.year, 2003);
    QCOMPARE(document.colors.dayNumber, Colors::clBlue);
}

void CalendarDocumentTest::longLinesAreCut()
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("long.cnr"));
    QStringList lines = singleMonthLines();
    lines[4] = QString(5000, u'x');
    QVERIFY(TextLineFile::write(path, lines));
    const QStringList read = *readFile(path);
    QCOMPARE(read.at(4).size(), MaxLineLength);
    QCOMPARE(read.at(5), QStringLiteral("clOlive"));
}

void CalendarDocumentTest::missingFileIsNamed()
{
    auto read = readFile(QStringLiteral("/nonexistent/x.cnr"));
    QCOMPARE(read.error(), QStringLiteral("Cannot open file /nonexistent/x.cnr"));
}

void CalendarDocumentTest::onlyRegularFilesAreRead_data()
{
    QTest::addColumn<QString>("kind");
    QTest::newRow("named pipe") << "fifo";
    QTest::newRow("link to /dev/zero") << "zero";
    QTest::newRow("folder") << "folder";
}

// A pipe without a writer would block the window in open(), and /dev/zero
// never ends.
void CalendarDocumentTest::onlyRegularFilesAreRead()
{
    QFETCH(QString, kind);
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("a.cnr"));
    if (kind == u"fifo")
        QCOMPARE(::mkfifo(QFile::encodeName(path).constData(), 0644), 0);
    else if (kind == u"zero")
        QVERIFY(QFile::link(QStringLiteral("/dev/zero"), path));
    else
        QVERIFY(QDir(dir.path()).mkdir(QStringLiteral("a.cnr")));
    QCOMPARE(readFile(path).error(), QStringLiteral("Cannot open file ") + path);
}

void CalendarDocumentTest::linesAfterTheLastUsedAreDropped()
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("velky.cnr"));
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write(Cp1250::encode(singleMonthLines().join(u"\r\n")));
    file.write(QByteArray(4'000'000, '\n'));
    file.close();
    const Result<QStringList> lines = readFile(path);
    QVERIFY(lines);
    QCOMPARE(lines->size(), ProjectLineCount);
    QCOMPARE(lines->mid(0, SingleMonthLineCount), singleMonthLines());
    QVERIFY(readSingleMonth(*lines));
}

void CalendarDocumentTest::staleCopiesOfAStoppedSaveGo_data()
{
    QTest::addColumn<bool>("open");
    QTest::newRow("next save") << false;
    QTest::newRow("next open") << true;
}

// A save stopped part-way (where the file system keeps no unnamed files, or
// between naming its copy and renaming it) leaves its staged copy. A save
// still running, the user's own files and other programs' stay, and so do
// names of a kept copy: a save keeps none.
void CalendarDocumentTest::staleCopiesOfAStoppedSaveGo()
{
    QFETCH(bool, open);
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("Rok.cpr"));
    QVERIFY(writeFile(path, projectLines()));
    const QString running = TestFiles::ownCopy(QStringLiteral("Rok.cpr"), QStringLiteral("new"), QStringLiteral("Runnin"));
    const QStringList kept{QStringLiteral("Rok.cpr"),
                           QStringLiteral("Rok.cpr.zaloha"),
                           QStringLiteral("Rok.cpr.1"),
                           running,
                           TestFiles::ownCopy(QStringLiteral("Jiny.cpr"), QStringLiteral("new")),
                           TestFiles::ownCopy(QStringLiteral("Rok.cpr"), QStringLiteral("old")),
                           QStringLiteral(".Rok.cpr.Jiny-new-AbC123"),
                           QStringLiteral("Rok.cpr.new-Xy12Ab"),
                           QStringLiteral("Rok.cpr.old-backup"),
                           QStringLiteral("ROK.CPR.NEW-kopie1"),
                           QStringLiteral("Rok.cpr.pair-journal.old-mojeXX")};
    for (const QString &name :
         kept.mid(1) + QStringList{TestFiles::ownCopy(QStringLiteral("Rok.cpr"), QStringLiteral("new"), QStringLiteral("Xy12Ab"))}) {
        QFile other(dir.filePath(name));
        QVERIFY(other.open(QIODevice::WriteOnly));
        other.write("Application Zoziruzo - Project\r\n");
    }
    QFile held(dir.filePath(running));
    QVERIFY(held.open(QIODevice::ReadOnly));
    QCOMPARE(::flock(held.handle(), LOCK_SH), 0);
    if (open)
        QCOMPARE(*readFile(path), projectLines());
    else
        QVERIFY(writeFile(path, projectLines()));
    QStringList expected = kept;
    expected.sort();
    QCOMPARE(QDir(dir.path()).entryList(QDir::Files | QDir::Hidden, QDir::Name), expected);
}

// A document opened through a link: the target's folder loses nothing but
// the program's own stale copies, and the save goes through the link.
void CalendarDocumentTest::documentThroughALinkCleansOnlyItsOwnCopies()
{
    QTemporaryDir dir;
    QVERIFY(QDir(dir.path()).mkdir(QStringLiteral("real")));
    const QString real = dir.filePath(QStringLiteral("real/plan.cnr"));
    const QString link = dir.filePath(QStringLiteral("plan.cnr"));
    QVERIFY(writeFile(real, projectLines()));
    QVERIFY(QFile::link(real, link));
    const QStringList users{QStringLiteral("plan.cnr.old-backup"), QStringLiteral("plan.cnr.new-leden2"),
                            QStringLiteral("PLAN.CNR.NEW-kopie1"), QStringLiteral("plan.cnr.pair-journal.old-mojeXX")};
    for (const QString &name : users)
        TestFiles::put(dir.filePath(QStringLiteral("real/") + name), "the user's");
    TestFiles::put(dir.filePath(QStringLiteral("real/") + TestFiles::ownCopy(QStringLiteral("plan.cnr"), QStringLiteral("new"))),
                   "stale");
    QCOMPARE(*readFile(link), projectLines());
    QVERIFY(writeFile(link, projectLines()));
    QVERIFY(QFileInfo(link).isSymLink());
    QStringList expected = users + QStringList{QStringLiteral("plan.cnr")};
    expected.sort();
    QCOMPARE(QDir(dir.filePath(QStringLiteral("real"))).entryList(QDir::Files | QDir::Hidden, QDir::Name), expected);
    for (const QString &name : users)
        QCOMPARE(TestFiles::contentOf(dir.filePath(QStringLiteral("real/") + name)), QByteArray("the user's"));
}

void CalendarDocumentTest::magicLine_data()
{
    QTest::addColumn<QString>("line");
    QTest::addColumn<int>("kind");
    QTest::newRow("normal") << NormalMagic << int(Kind::SingleMonth);
    QTest::newRow("project") << ProjectMagic << int(Kind::Project);
    QTest::newRow("trailing blank") << NormalMagic + u' ' << int(Kind::None);
    QTest::newRow("byte-order mark") << QStringLiteral("\u00EF\u00BB\u00BF") + NormalMagic << int(Kind::None);
    QTest::newRow("letter case") << NormalMagic.toLower() << int(Kind::None);
    QTest::newRow("empty") << QString() << int(Kind::None);
}

void CalendarDocumentTest::magicLine()
{
    QFETCH(QString, line);
    QFETCH(int, kind);
    QCOMPARE(int(kindOf({line})), kind);
}

void CalendarDocumentTest::colorForms_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<bool>("valid");
    QTest::addColumn<quint32>("value");
    QTest::newRow("name") << "clTeal" << true << 0x00808000u;
    QTest::newRow("name in other case") << "CLTEAL" << true << 0x00808000u;
    QTest::newRow("lower-case hex") << "$00ff8000" << true << 0x00FF8000u;
    QTest::newRow("decimal") << "16744448" << true << 0x00FF8000u;
    QTest::newRow("system name") << "clBtnFace" << true << 0x8000000Fu;
    QTest::newRow("blank before name") << " clTeal" << false << 0u;
    QTest::newRow("blank after name") << "clTeal " << false << 0u;
    QTest::newRow("empty") << "" << false << 0u;
}

void CalendarDocumentTest::colorForms()
{
    QFETCH(QString, text);
    QFETCH(bool, valid);
    QFETCH(quint32, value);
    QStringList lines = singleMonthLines();
    lines[6] = text;
    const Result<SingleMonth> read = readSingleMonth(lines);
    QCOMPARE(read.ok(), valid);
    if (valid)
        QCOMPARE(read->colors.fill.value(), value);
    else
        QCOMPARE(read.error(), QStringLiteral("'%1' is not a valid integer value").arg(text));
}

void CalendarDocumentTest::firstBadLineInApplyOrder_data()
{
    QTest::addColumn<QStringList>("lines");
    QTest::addColumn<QString>("error");
    QStringList yearWithLetter = singleMonthLines();
    yearWithLetter[3] = QStringLiteral("2003a");
    yearWithLetter[7] = QStringLiteral("bad");
    QTest::newRow("year before day-name colour") << yearWithLetter << "'2003a' is not a valid integer value";
    QStringList fontColourFirst = yearWithLetter;
    fontColourFirst[8] = QStringLiteral("zz");
    QTest::newRow("font colour before year") << fontColourFirst << "'zz' is not a valid integer value";
    QStringList farYear = singleMonthLines();
    farYear[3] = QStringLiteral("10000");
    QTest::newRow("year the grid refuses") << farYear << "Invalid argument to date encode";
    QTest::newRow("short file") << QStringList{NormalMagic} << "'' is not a valid integer value";
}

void CalendarDocumentTest::firstBadLineInApplyOrder()
{
    QFETCH(QStringList, lines);
    QFETCH(QString, error);
    const Result<SingleMonth> read = readSingleMonth(lines);
    QVERIFY(!read);
    QCOMPARE(read.error(), error);
}

void CalendarDocumentTest::extensions_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("result");
    QTest::newRow("no extension") << "/d/Rok" << "/d/Rok.cpr";
    QTest::newRow("other extension") << "/d/Rok.txt" << "/d/Rok.cpr";
    QTest::newRow("inner dots kept") << "/d/Rok.2003.cpr" << "/d/Rok.2003.cpr";
    QTest::newRow("dot in folder only") << "/d.x/Rok" << "/d.x/Rok.cpr";
}

void CalendarDocumentTest::extensions()
{
    QFETCH(QString, name);
    QFETCH(QString, result);
    QCOMPARE(withExtension(name, QStringLiteral(".cpr")), result);
}

QTEST_MAIN(CalendarDocumentTest)
#include "CalendarDocumentTest.moc"

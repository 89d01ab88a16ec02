#include "calendar/file-commands/FileMenu.h"

#include "calendar-controls/big-month/TBigKal.h"
#include "calendar-controls/picture/TImageKal.h"
#include "calendar-controls/small-month/TSmallKal.h"
#include "calendar/dialogs/MessageDialogTypes.h"
#include "calendar/documents/CalendarDocument.h"
#include "calendar/main-window/AutoSizeLabel.h"
#include "calendar/main-window/PageModel.h"
#include "calendar/main-window/TForm1.h"
#include "calendar/main-window/TForm2.h"
#include "calendar/test-support/DesignerFixture.h"
#include "calendar/wizard/TForm3.h"
#include "platform/files/FileSystem.h"
#include "platform/files/TestFiles.h"
#include "platform/ui/CommonDialogs.h"
#include "platform/ui/MessageBox.h"

#include "ui_TForm1.h"

#include <QFile>
#include <QLineEdit>
#include <QScrollArea>
#include <QScrollBar>
#include <QPushButton>
#include <QTest>
#include <QTimer>

using Answer = MessageBox::Result;

class FileMenuTest : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void newCalendarIsUntitledOfTheCurrentMonth();
    void saveQuestion_data();
    void saveQuestion();
    void yesOnAnUntitledDocumentAsksForAName();
    void closingAsksTheSaveQuestion();
    void saveAsForcesTheKindsExtension();
    void projectIsSavedUnderItsOwnNameAgain_data();
    void projectIsSavedUnderItsOwnNameAgain();
    void forcedExtensionOntoAnotherFileAsksAgain();
    void failedWriteKeepsTheDocument();
    void openedDocumentsRoundTrip();
    void openingAProjectShowsItsCover();
    void handEditedColoursAreWrittenBackUnchanged();
    void coverTextColourKeepsItsValue_data();
    void coverTextColourKeepsItsValue();
    void monthIndexOutsideTheYear_data();
    void monthIndexOutsideTheYear();
    void failedReadChangesNothing_data();
    void failedReadChangesNothing();
    void newProjectSetsTheUntitledTargetOnlyWhenFinished_data();
    void newProjectSetsTheUntitledTargetOnlyWhenFinished();

private:
    void modify() { Form1->Edit(13)->setText(QStringLiteral("změna")); }
    QString write(const QString &name, const QStringList &lines)
    {
        const QString file = m_fixture->path(name);
        if (const Result<> written = TextLineFile::write(file, lines); !written)
            QTest::qFail(qPrintable(written.error()), __FILE__, __LINE__);
        return file;
    }
    QStringList singleMonth(const QString &picture = {}) const
    {
        return {QStringLiteral("Application Zoziruzo - Normal"), picture, QStringLiteral("4"),
                QStringLiteral("2003"), QStringLiteral("Květnový text"), QStringLiteral("clTeal"),
                QStringLiteral("clSilver"), QStringLiteral("clRed"), QStringLiteral("$00FF8000")};
    }

    std::unique_ptr<DesignerFixture> m_fixture;
};

void FileMenuTest::init()
{
    m_fixture = std::make_unique<DesignerFixture>();
    m_fixture->prepareFolder();
    QCoreApplication::setApplicationName(QStringLiteral("Zoziruzo"));
    m_fixture->start();
    Form1->show();
    QVERIFY(QTest::qWaitForWindowExposed(Form1));
}

void FileMenuTest::cleanup()
{
    m_fixture.reset();
}

void FileMenuTest::newCalendarIsUntitledOfTheCurrentMonth()
{
    modify();
    FileMenu::NewCalendar();
    const QDate today = QDate::currentDate();
    QCOMPARE(Form1->DocMonth, today.month() - 1);
    QCOMPARE(Form1->Label(26)->text(), LanguageLines::builtInCzech().at(today.month() - 1));
    QCOMPARE(Form1->Label(27)->text(), QString::number(today.year()));
    QCOMPARE(Form1->BigKal(13)->Year(), today.year());
    QCOMPARE(Form1->BigKal(13)->BarvaPisma(), Colors::clRed);
    QCOMPARE(Form1->windowTitle(), QStringLiteral("Zoziruzo - Bez názvu.cnr"));
    QCOMPARE(Form1->SaveDialog1.FileName, QStringLiteral("Bez názvu.cnr"));
    QCOMPARE(Form1->SaveDialog1.Tag, 0);
    QVERIFY(!Form1->Modified);
    QVERIFY(Form1->Edit(13)->text().isEmpty());
    QCOMPARE(Form1->ScrollBox(PageModel::SingleMonthPage)->verticalScrollBar()->value(), 314);
    QCOMPARE(Form1->DocKind, quint8(0));
}

void FileMenuTest::saveQuestion_data()
{
    QTest::addColumn<bool>("modified");
    QTest::addColumn<int>("answer");
    QTest::addColumn<bool>("asked");
    QTest::addColumn<bool>("cancelled");
    QTest::newRow("unchanged") << false << int(Answer::Yes) << false << false;
    QTest::newRow("Ne") << true << int(Answer::No) << true << false;
    QTest::newRow("Storno") << true << int(Answer::Cancel) << true << true;
    QTest::newRow("closed") << true << int(Answer::Closed) << true << true;
}

void FileMenuTest::saveQuestion()
{
    QFETCH(bool, modified);
    QFETCH(int, answer);
    QFETCH(bool, asked);
    QFETCH(bool, cancelled);
    if (modified)
        modify();
    MessageBox::Script script;
    script.answer(Answer(answer));
    FileMenu::NovyClick();
    QCOMPARE(script.requests().size(), std::size_t(asked ? 1 : 0));
    if (asked) {
        const MessageBox::Request &request = script.requests().front();
        QCOMPARE(request.text, QStringLiteral("Chcete uložit změny?"));
        QCOMPARE(request.caption, QStringLiteral("Zoziruzo"));
        QCOMPARE(request.buttonCaptions, QStringList({"&Ano", "&Ne", "&Storno"}));
    }
    QCOMPARE(Form1->SaveCancelled, cancelled);
    // A New that went on dropped the change.
    QCOMPARE(Form1->Edit(13)->text().isEmpty(), !cancelled);
}

void FileMenuTest::yesOnAnUntitledDocumentAsksForAName()
{
    modify();
    MessageBox::Script boxes;
    boxes.answer(Answer::Yes);
    CommonDialogs::Script dialogs;
    dialogs.answerCancel();
    FileMenu::NovyClick();
    QCOMPARE(dialogs.requests().size(), std::size_t(1));
    const CommonDialogs::Request &request = dialogs.requests().front();
    QCOMPARE(request.kind, CommonDialogs::Request::Kind::Save);
    QCOMPARE(request.title, QStringLiteral("Uložit jako"));
    QCOMPARE(request.filter, QStringLiteral("Měsíční kalendáře|*.cnr"));
    QCOMPARE(request.defaultExt, QStringLiteral("cnr"));
    QCOMPARE(request.fileName, QStringLiteral("Bez názvu.cnr"));
    QVERIFY(Form1->SaveCancelled);
    QCOMPARE(Form1->Edit(13)->text(), QStringLiteral("změna"));
    QVERIFY(Form1->Modified);
}

void FileMenuTest::closingAsksTheSaveQuestion()
{
    modify();
    MessageBox::Script boxes;
    boxes.answer(Answer::Cancel);
    QVERIFY(!Form1->close());
    QVERIFY(Form1->isVisible());

    const QString file = m_fixture->path(QStringLiteral("linked.cnr"));
    Form1->SaveDialog1.FileName = file;
    Form1->SaveDialog1.Tag = 1;
    boxes.answer(Answer::Yes);
    QVERIFY(Form1->close());
    QVERIFY(QFile::exists(file));
    QCOMPARE(boxes.requests().size(), std::size_t(2));
}

void FileMenuTest::saveAsForcesTheKindsExtension()
{
    modify();
    CommonDialogs::Script dialogs;
    dialogs.answerFile(m_fixture->path(QStringLiteral("kveten.txt")));
    FileMenu::SaveCalendarAs();
    const QString written = m_fixture->path(QStringLiteral("kveten.cnr"));
    QVERIFY(QFile::exists(written));
    QVERIFY(!QFile::exists(m_fixture->path(QStringLiteral("kveten.txt"))));
    QCOMPARE(Form1->windowTitle(), QStringLiteral("Zoziruzo - kveten.cnr"));
    QCOMPARE(Form1->SaveDialog1.Tag, 1);
    QCOMPARE(Form1->OpenDialog1.FileName, written);
    QVERIFY(!Form1->Modified);

    // Linked: Save writes at once, Save as offers the file's own name.
    modify();
    Form1->Edit(13)->setText(QStringLiteral("znovu"));
    FileMenu::SaveCalendar();
    QCOMPARE(dialogs.requests().size(), std::size_t(1));
    QCOMPARE(CalendarDocument::readFile(written)->at(4), QStringLiteral("znovu"));
    dialogs.answerCancel();
    FileMenu::SaveCalendarAs();
    QCOMPARE(dialogs.requests().back().fileName, written);
}

void FileMenuTest::projectIsSavedUnderItsOwnNameAgain_data()
{
    QTest::addColumn<QString>("chosen");
    QTest::addColumn<QString>("written");
    QTest::addColumn<QString>("offered");
    QTest::newRow("without extension") << "Rok" << "Rok.cpr" << "Rok";
    QTest::newRow("with its extension") << "Rok.cpr" << "Rok.cpr" << "Rok";
    QTest::newRow("another extension") << "Rok.txt" << "Rok.cpr" << "Rok";
    QTest::newRow("inner dots") << "Rok.2003.cpr" << "Rok.2003.cpr" << "Rok.2003.cpr";
}

void FileMenuTest::projectIsSavedUnderItsOwnNameAgain()
{
    QFETCH(QString, chosen);
    QFETCH(QString, written);
    QFETCH(QString, offered);
    Form1->ui->PageControl->setCurrentWidget(Form1->TabSheet(PageModel::ProjectSheet));
    QCOMPARE(Form1->DocKind, quint8(1));
    CommonDialogs::Script dialogs;
    dialogs.answerFile(m_fixture->path(chosen));
    FileMenu::SaveCalendarAs();
    QCOMPARE(dialogs.requests().front().filter, QStringLiteral("Projekty kalendářů|*.cpr"));
    const QString file = m_fixture->path(written);
    QVERIFY(QFile::exists(file));
    QVERIFY(QFile::remove(file));
    Form1->Edit(1)->setText(QStringLiteral("leden"));
    FileMenu::SaveCalendar();
    QVERIFY(QFile::exists(file));
    QCOMPARE(QDir(m_fixture->dir.path()).entryList({"*.cpr"}), QStringList({written}));
    QCOMPARE(Form1->windowTitle(), QStringLiteral("Zoziruzo - ") + written);
    // Save as offers the save target, which has lost the extension.
    QCOMPARE(Form1->SaveDialog1.FileName, m_fixture->path(offered));
    dialogs.answerFile(m_fixture->path(offered));
    MessageBox::Script boxes;
    boxes.answer(Answer::Yes); // the file of the forced extension exists
    FileMenu::SaveCalendarAs();
    QCOMPARE(dialogs.requests().back().fileName, m_fixture->path(offered));
    QCOMPARE(QDir(m_fixture->dir.path()).entryList({"*.cpr"}), QStringList({written}));
}

void FileMenuTest::forcedExtensionOntoAnotherFileAsksAgain()
{
    const QString existing = write(QStringLiteral("stary.cnr"), singleMonth());
    const QByteArray before = [&] { QFile f(existing); f.open(QIODevice::ReadOnly); return f.readAll(); }();
    CommonDialogs::Script dialogs;
    dialogs.answerFile(m_fixture->path(QStringLiteral("stary.txt")));
    dialogs.answerCancel();
    MessageBox::Script boxes;
    boxes.answer(Answer::No);
    FileMenu::SaveCalendarAs();
    QCOMPARE(boxes.requests().size(), std::size_t(1));
    QVERIFY(boxes.requests().front().text.contains(QStringLiteral("stary.cnr")));
    QCOMPARE(dialogs.requests().size(), std::size_t(2));
    QCOMPARE(dialogs.requests().back().fileName, m_fixture->path(QStringLiteral("stary.txt")));
    QVERIFY(Form1->SaveCancelled);
    QFile file(existing);
    QVERIFY(file.open(QIODevice::ReadOnly));
    QCOMPARE(file.readAll(), before);
}

void FileMenuTest::failedWriteKeepsTheDocument()
{
    modify();
    CommonDialogs::Script dialogs;
    dialogs.answerFile(m_fixture->path(QStringLiteral("missing-folder/a.cnr")));
    MessageBox::Script boxes;
    FileMenu::SaveCalendarAs();
    QCOMPARE(boxes.requests().size(), std::size_t(1));
    QCOMPARE(boxes.requests().front().text, QStringLiteral("Chyba při ukládání souboru!"));
    QCOMPARE(boxes.requests().front().caption, QStringLiteral("Zoziruzo"));
    QVERIFY(Form1->SaveCancelled);
    QVERIFY(Form1->Modified);
    QCOMPARE(Form1->SaveDialog1.Tag, 0);
    QCOMPARE(Form1->windowTitle(), QStringLiteral("Zoziruzo - Bez názvu.cnr"));
}

void FileMenuTest::openedDocumentsRoundTrip()
{
    const QString picture = m_fixture->picture(QStringLiteral("kvet.bmp"));
    const QString file = write(QStringLiteral("kveten.cnr"), singleMonth(picture));
    FileMenu::ReadCalendarFile(file);
    QCOMPARE(Form1->ImageKal(14)->FileName(), picture);
    QVERIFY(!Form1->ImageKal(14)->Picture().isNull());
    QCOMPARE(Form1->DocMonth, 4);
    QCOMPARE(Form1->Label(26)->text(), QStringLiteral("Květen"));
    QCOMPARE(Form1->BigKal(13)->Month(), 5);
    QCOMPARE(Form1->BigKal(13)->Year(), 2003);
    QCOMPARE(Form1->BigKal(13)->BarvaCary(), TColor(0x00808000));
    QCOMPARE(Form1->Label(27)->palette().color(QPalette::WindowText), QColor(0, 0x80, 0xFF));
    QVERIFY(!Form1->Modified);
    QCOMPARE(Form1->SaveDialog1.Tag, 1);
    QCOMPARE(Form1->windowTitle(), QStringLiteral("Zoziruzo - kveten.cnr"));

    // Written back unchanged, byte for byte.
    QFile original(file);
    QVERIFY(original.open(QIODevice::ReadOnly));
    const QByteArray bytes = original.readAll();
    original.close();
    QVERIFY(QFile::remove(file));
    FileMenu::SaveCalendar();
    QVERIFY(original.open(QIODevice::ReadOnly));
    QCOMPARE(original.readAll(), bytes);
}

void FileMenuTest::openingAProjectShowsItsCover()
{
    QStringList lines(78);
    lines[0] = QStringLiteral("Application Zoziruzo - Project");
    lines[1] = m_fixture->picture(QStringLiteral("uvod.bmp"));
    lines[4] = m_fixture->picture(QStringLiteral("brezen.bmp"), Qt::red);
    lines[14] = QStringLiteral("2005");
    lines[17] = QStringLiteral("březnový text");
    for (int line = 27; line < 78; ++line)
        lines[line] = QStringLiteral("clNavy");
    lines[28] = QStringLiteral("clAqua");
    const QString file = write(QStringLiteral("Rok.2005.cpr"), lines);
    CommonDialogs::Script dialogs;
    dialogs.answerFile(file);
    FileMenu::OpenCalendarFile();
    QCOMPARE(dialogs.requests().front().filter,
             QStringLiteral("Všechny soubory kalendářů|*.cnr;*.cpr|Měsíční kalendáře|*.cnr|Projekty kalendářů|*.cpr"));
    QCOMPARE(dialogs.requests().front().title, QStringLiteral("Otevřít"));
    QCOMPARE(Form1->DocKind, quint8(1));
    QCOMPARE(Form1->CurrentPage, PageModel::CoverPage);
    QVERIFY(Form1->ui->Projekt->menuAction()->isVisible());
    QCOMPARE(Form1->ImageKal(4)->FileName(), lines[4]);
    QCOMPARE(Form1->Edit(3)->text(), QStringLiteral("březnový text"));
    for (int label = 1; label <= 25; label += 2)
        QCOMPARE(Form1->Label(label)->text(), QStringLiteral("2005"));
    QCOMPARE(Form1->SmallKal(12)->BarvaPozadi(), Colors::clAqua);
    QCOMPARE(Form1->SmallKal(12)->Year(), 2005);
    QCOMPARE(Form1->BigKal(12)->Year(), 2005);
    QCOMPARE(Form1->ScrollBox(7)->verticalScrollBar()->value(), 324);
    QVERIFY(!Form1->Modified);
    QCOMPARE(Form1->windowTitle(), QStringLiteral("Zoziruzo - Rok.2005.cpr"));
    QCOMPARE(Form1->SaveDialog1.FileName, file);
}

// System colours and clNone occur only in files edited by hand; the screen
// paints them as some plain colour, and that is not what is written.
void FileMenuTest::handEditedColoursAreWrittenBackUnchanged()
{
    const QStringList names{QStringLiteral("clBtnFace"), QStringLiteral("clNone"), QStringLiteral("clWindowText"),
                            QStringLiteral("clInfoBk"), QStringLiteral("cl3DDkShadow"), QStringLiteral("$00FF8000"),
                            QStringLiteral("clHighlight"), QStringLiteral("$FFFFFFFF"), QStringLiteral("clWhite")};
    QStringList lines(78);
    lines[0] = QStringLiteral("Application Zoziruzo - Project");
    lines[14] = QStringLiteral("2005");
    for (int month = 1; month <= 12; ++month)
        lines[14 + month] = QStringLiteral("text %1").arg(month);
    for (int line = 27; line < 78; ++line)
        lines[line] = names.at(line % names.size());
    const QString project = write(QStringLiteral("Rucne.cpr"), lines);
    QStringList month = singleMonth();
    month[5] = QStringLiteral("clBtnFace");
    month[6] = QStringLiteral("clNone");
    month[7] = QStringLiteral("clInfoText");
    month[8] = QStringLiteral("clBtnFace");
    const QString single = write(QStringLiteral("Rucne.cnr"), month);
    for (const QString &file : {project, single}) {
        const QByteArray bytes = TestFiles::contentOf(file);
        FileMenu::ReadCalendarFile(file);
        QVERIFY(QFile::remove(file));
        FileMenu::SaveCalendar();
        QCOMPARE(TestFiles::contentOf(file), bytes);
    }
}

void FileMenuTest::coverTextColourKeepsItsValue_data()
{
    QTest::addColumn<QString>("read");
    QTest::addColumn<QString>("written");
    QTest::newRow("clBtnFace") << "clBtnFace" << "clBtnFace";
    QTest::newRow("clNone") << "clNone" << "clNone";
    QTest::newRow("-1") << "-1" << "$FFFFFFFF";
    QTest::newRow("-9999") << "-9999" << "$FFFFD8F1";
    QTest::newRow("name in another case") << "CLINFOBK" << "clInfoBk";
}

// Line 27 is the cover's year label font and the small months' day-name
// colour at once; both keep the value that was read.
void FileMenuTest::coverTextColourKeepsItsValue()
{
    QFETCH(QString, read);
    QFETCH(QString, written);
    QStringList lines(78);
    lines[0] = QStringLiteral("Application Zoziruzo - Project");
    lines[14] = QStringLiteral("2005");
    for (int line = 27; line < 78; ++line)
        lines[line] = QStringLiteral("clBlue");
    lines[27] = read;
    const QString file = write(QStringLiteral("Obalka.cpr"), lines);
    FileMenu::ReadCalendarFile(file);
    QCOMPARE(Form1->SmallKal(1)->BarvaPisma(), *TColor::fromText(written));
    FileMenu::SaveCalendar();
    QCOMPARE(CalendarDocument::readFile(file)->at(27), written);
}

void FileMenuTest::monthIndexOutsideTheYear_data()
{
    QTest::addColumn<QString>("monthLine");
    QTest::newRow("largest integer") << "2147483647";
    QTest::newRow("smallest integer") << "-2147483648";
    QTest::newRow("thirteenth month") << "12";
    QTest::newRow("minus one") << "-1";
}

// Kept as read and written back, with a month label of its own; the grid
// keeps its month.
void FileMenuTest::monthIndexOutsideTheYear()
{
    QFETCH(QString, monthLine);
    QStringList lines = singleMonth();
    lines[2] = monthLine;
    const QString file = write(QStringLiteral("mesic.cnr"), lines);
    const int month = Form1->BigKal(13)->Month();
    MessageBox::Script boxes;
    FileMenu::ReadCalendarFile(file);
    QVERIFY(boxes.requests().empty());
    QCOMPARE(Form1->DocMonth, monthLine.toInt());
    QVERIFY(Form1->Label(26)->text().isEmpty());
    QCOMPARE(Form1->BigKal(13)->Month(), month);
    QCOMPARE(Form1->BigKal(13)->Year(), 2003);
    QVERIFY(QFile::remove(file));
    FileMenu::SaveCalendar();
    QCOMPARE(CalendarDocument::readFile(file)->at(2), monthLine);
}

void FileMenuTest::failedReadChangesNothing_data()
{
    QTest::addColumn<QStringList>("lines");
    QTest::addColumn<QString>("message");
    QStringList yearWithLetter = singleMonth();
    yearWithLetter[3] = QStringLiteral("2003a");
    QTest::newRow("year with a letter") << yearWithLetter << "'2003a' is not a valid integer value";
    QStringList missingPicture = singleMonth(QStringLiteral("/nonexistent/chybi.jpg"));
    QTest::newRow("missing picture") << missingPicture << "Cannot open file /nonexistent/chybi.jpg";
    QStringList project(78);
    project[0] = QStringLiteral("Application Zoziruzo - Project");
    project[4] = QStringLiteral("/nonexistent/brezen.jpg");
    QTest::newRow("project without its March picture")
        << project << "Cannot open file /nonexistent/brezen.jpg";
    QTest::newRow("not a document") << QStringList{QStringLiteral("Application Zoziruzo - Normal ")}
                                    << "Neplatný soubor!";
}

void FileMenuTest::failedReadChangesNothing()
{
    QFETCH(QStringList, lines);
    QFETCH(QString, message);
    const QString before = m_fixture->picture(QStringLiteral("predtim.bmp"));
    QVERIFY(Form1->ImageKal(14)->setFileName(before));
    QVERIFY(Form1->ImageKal(2)->setFileName(before));
    modify();
    const QString title = Form1->windowTitle();
    const QString file = write(QStringLiteral("spatny.cnr"), lines);
    MessageBox::Script boxes;
    FileMenu::ReadCalendarFile(file);
    QCOMPARE(boxes.requests().size(), std::size_t(1));
    QVERIFY2(boxes.requests().front().text.contains(message), qPrintable(boxes.requests().front().text));
    QCOMPARE(Form1->ImageKal(14)->FileName(), before);
    QCOMPARE(Form1->ImageKal(2)->FileName(), before);
    QVERIFY(Form1->ImageKal(1)->FileName().isEmpty());
    QCOMPARE(Form1->Label(27)->text(), QString::number(QDate::currentDate().year()));
    QCOMPARE(Form1->BigKal(13)->Year(), QDate::currentDate().year());
    QCOMPARE(Form1->Edit(13)->text(), QStringLiteral("změna"));
    QCOMPARE(Form1->windowTitle(), title);
    QCOMPARE(Form1->SaveDialog1.Tag, 0);
    QVERIFY(Form1->Modified);
    QCOMPARE(Form1->DocKind, quint8(0));
}

void FileMenuTest::newProjectSetsTheUntitledTargetOnlyWhenFinished_data()
{
    QTest::addColumn<bool>("finish");
    QTest::newRow("Storno") << false;
    QTest::newRow("Finish") << true;
}

void FileMenuTest::newProjectSetsTheUntitledTargetOnlyWhenFinished()
{
    QFETCH(bool, finish);
    CommonDialogs::Script dialogs;
    const QString file = m_fixture->path(QStringLiteral("stary.cnr"));
    dialogs.answerFile(file);
    FileMenu::SaveCalendarAs();
    QTimer::singleShot(0, Form3, [finish] {
        if (!finish) {
            Form3->Button(3)->click();
            return;
        }
        for (int page = 1; page <= 3; ++page)
            Form3->Button(2)->click();
    });
    FileMenu::NovyPClick();
    if (!finish) {
        QCOMPARE(Form1->SaveDialog1.Tag, 1);
        QCOMPARE(Form1->windowTitle(), QStringLiteral("Zoziruzo - stary.cnr"));
        modify();
        FileMenu::SaveCalendar();
        QCOMPARE(dialogs.requests().size(), std::size_t(1));
        QCOMPARE(CalendarDocument::readFile(file)->at(4), QStringLiteral("změna"));
        return;
    }
    QCOMPARE(Form1->SaveDialog1.Tag, 0);
    QCOMPARE(Form1->SaveDialog1.FileName, QStringLiteral("Bez názvu.cpr"));
    QCOMPARE(Form1->windowTitle(), QStringLiteral("Zoziruzo - Bez názvu.cpr"));
    QCOMPARE(Form1->DocKind, quint8(1));
    dialogs.answerCancel();
    FileMenu::SaveCalendar();
    QCOMPARE(dialogs.requests().back().kind, CommonDialogs::Request::Kind::Save);
    QCOMPARE(dialogs.requests().back().fileName, QStringLiteral("Bez názvu.cpr"));
}

QTEST_MAIN(FileMenuTest)
#include "FileMenuTest.moc"

#include "calendar/language/LanguageMenu.h"

#include "calendar-controls/big-month/TBigKal.h"
#include "calendar-controls/month-control/MonthControl.h"
#include "calendar-controls/small-month/TSmallKal.h"
#include "calendar/dialogs/KalDialogs.h"
#include "calendar/language/LanguageLines.h"
#include "calendar/language/TForm6.h"
#include "calendar/main-window/AutoSizeLabel.h"
#include "calendar/main-window/PageModel.h"
#include "calendar/main-window/TForm1.h"
#include "calendar/main-window/TForm2.h"
#include "calendar/test-support/DesignerFixture.h"
#include "platform/messages/PlatformMessages.h"
#include "platform/text/Cp1250.h"
#include "platform/ui/MessageBox.h"

#include "ui_TForm1.h"

#include <QAction>
#include <QApplication>
#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QPushButton>
#include <QSet>
#include <QTest>

#include <cerrno>
#include <cstring>
#include <sys/stat.h>

using Answer = MessageBox::Result;

namespace {

QByteArray bytesOf(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<missing>");
}

// The lines of a message as the designer's box shows them.
QStringList shownLines(const QString &message)
{
    const auto box = CreateKalMessageDialog(message, TMsgDlgType::mtCustom, {mbOK});
    return box->messageLabel()->text().split(u'\n');
}

QStringList languageWith(const QString &firstMonth, int lineCount = LanguageLines::LineCount)
{
    QStringList lines = LanguageLines::builtInCzech();
    lines[0] = firstMonth;
    while (lines.size() > lineCount)
        lines.removeLast();
    while (lines.size() < lineCount)
        lines.append(QStringLiteral("navíc"));
    return lines;
}

// Which of the watched controls have painted since the last clear().
class PaintWatch : public QObject
{
public:
    explicit PaintWatch(const std::vector<MonthControl *> &controls) : m_watched(controls)
    {
        for (MonthControl *control : controls)
            control->installEventFilter(this);
    }
    void clear() { m_painted.clear(); }
    QStringList unpainted() const
    {
        QStringList names;
        for (const MonthControl *control : m_watched) {
            if (!m_painted.contains(control))
                names << control->objectName();
        }
        return names;
    }

protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (event->type() == QEvent::Paint)
            m_painted.insert(watched);
        return false;
    }

private:
    std::vector<MonthControl *> m_watched;
    QSet<const QObject *> m_painted;
};

} // namespace

class LanguageMenuTest : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void firstStartCreatesTheSettings();
    void firstStartDeclinedEndsTheProgram();
    void firstStartAsksInTheQuestionWindow();
    void settingFoundInAnyLetterCase();
    void unchangedSettingsAreNotRewritten();
    void emptySettingsFallBackInEnglish();
    void eleventhFileIsNotOffered();
    void rejectedFileAtStartUp_data();
    void rejectedFileAtStartUp();
    void otherFileLoadsWithoutTheCzechOne();
    void repairsThatCannotTakeEffectEnd_data();
    void repairsThatCannotTakeEffectEnd();
    void menuRejectionChangesNothing();
    void languageFileThatIsNoRegularFile_data();
    void languageFileThatIsNoRegularFile();
    void menuWriteFailureGivesTheReason();
    void menuChoiceIsSavedUnderItsCaption();
    void everyLanguageChangeRedrawsTheMonthControls_data();
    void everyLanguageChangeRedrawsTheMonthControls();

private:
    QString languageFile(const QString &name) const { return m_fixture->path(QStringLiteral("Language/") + name); }
    void writeLanguage(const QString &name, const QStringList &lines)
    {
        QVERIFY(TextLineFile::write(languageFile(name), lines));
    }
    QStringList messages() const
    {
        QStringList texts;
        for (const MessageBox::Request &request : m_boxes->requests())
            texts.append(request.text);
        return texts;
    }

    std::unique_ptr<DesignerFixture> m_fixture;
    std::unique_ptr<MessageBox::Script> m_boxes;
};

void LanguageMenuTest::init()
{
    m_fixture = std::make_unique<DesignerFixture>();
    m_boxes = std::make_unique<MessageBox::Script>();
}

void LanguageMenuTest::cleanup()
{
    m_fixture.reset();
    m_boxes.reset();
}

void LanguageMenuTest::firstStartCreatesTheSettings()
{
    QVERIFY(QDir(m_fixture->dir.path()).mkdir(QStringLiteral("Language")));
    m_boxes->answer(Answer::Yes);
    DesignerStartup &startup = m_fixture->start();
    QVERIFY(!startup.ended());
    QCOMPARE(messages(), QStringList({"Nenalezen soubor Data.dat, chcete jej vytvořit?"}));
    QCOMPARE(bytesOf(m_fixture->path(QStringLiteral("Data.dat"))), QByteArray("\xC8" "esky.cln"));
    const QByteArray czech = bytesOf(languageFile(LanguageLines::CzechFileName));
    QVERIFY(czech.startsWith("Leden\r\n\xDAnor\r\nB\xF8" "ezen\r\n"));
    QVERIFY(czech.endsWith("Chyba p\xF8i ukl\xE1" "d\xE1n\xED souboru!\r\n"
                           "000 - Language's file for program Vuvuzodi - 000\r\n"));
    QCOMPARE(czech.count("\r\n"), 89);
    QCOMPARE(czech.count('\n'), 89);
    QVERIFY(Form1->Jazyk(1)->isChecked());
    QCOMPARE(Form1->Jazyk(1)->text(), QStringLiteral("Česky"));
    QCOMPARE(Form1->windowTitle(), QStringLiteral("Zoziruzo - Bez názvu.cnr"));
}

void LanguageMenuTest::firstStartDeclinedEndsTheProgram()
{
    QVERIFY(QDir(m_fixture->dir.path()).mkdir(QStringLiteral("Language")));
    m_boxes->answer(Answer::No);
    QVERIFY(m_fixture->start().ended());
    QVERIFY(Form1->NoSaveQuery);
    QCOMPARE(QDir(m_fixture->path(QStringLiteral("Language"))).entryList(QDir::Files), QStringList());
    QVERIFY(!QFile::exists(m_fixture->path(QStringLiteral("Data.dat"))));
}

// The script answers by pressing "Ano" in the question window itself, which
// stands open, its focus on "Ano", while it is asked.
void LanguageMenuTest::firstStartAsksInTheQuestionWindow()
{
    QVERIFY(QDir(m_fixture->dir.path()).mkdir(QStringLiteral("Language")));
    m_boxes->answer(Answer::Yes);
    bool open = false;
    QWidget *focus = nullptr;
    m_boxes->whileOpen([&](const MessageBox::Request &) {
        open = Form6 && Form6->isVisible() && QApplication::activeModalWidget() == Form6;
        focus = Form6 ? Form6->focusWidget() : nullptr;
    });
    m_fixture->start();
    QVERIFY(open);
    QCOMPARE(focus, Form6->Button1);
    QVERIFY(!Form6->isVisible());
    QCOMPARE(bytesOf(m_fixture->path(QStringLiteral("Data.dat"))), QByteArray("\xC8" "esky.cln"));
}

void LanguageMenuTest::settingFoundInAnyLetterCase()
{
    m_fixture->prepareFolder({QStringLiteral("english.cln"), QStringLiteral("druhý řádek")});
    writeLanguage(QStringLiteral("English.cln"), languageWith(QStringLiteral("January")));
    m_fixture->start();
    QVERIFY(messages().isEmpty());
    QCOMPARE(Form2->CaptionMemo.line(0), QStringLiteral("January"));
    QVERIFY(Form1->Jazyk(2)->isChecked());
    QCOMPARE(Form1->Jazyk(1)->text(), QStringLiteral("Česky"));
    // The other lines of the settings are written back as they were.
    QCOMPARE(bytesOf(m_fixture->path(QStringLiteral("Data.dat"))), QByteArray("English.cln\r\ndruh\xFD \xF8\xE1" "dek"));
}

void LanguageMenuTest::unchangedSettingsAreNotRewritten()
{
    m_fixture->prepareFolder();
    const QString settings = m_fixture->path(QStringLiteral("Data.dat"));
    const QDateTime old = QDateTime::currentDateTime().addDays(-2);
    {
        QFile file(settings);
        QVERIFY(file.open(QIODevice::ReadWrite));
        QVERIFY(file.setFileTime(old, QFileDevice::FileModificationTime));
    }
    m_fixture->start();
    QVERIFY(messages().isEmpty());
    QCOMPARE(bytesOf(settings), QByteArray("\xC8" "esky.cln"));
    QCOMPARE(QFileInfo(settings).lastModified(), old);
}

void LanguageMenuTest::emptySettingsFallBackInEnglish()
{
    m_fixture->prepareFolder({});
    QVERIFY(TextLineFile::write(m_fixture->path(QStringLiteral("Data.dat")), {}));
    m_fixture->start();
    QCOMPARE(messages(), QStringList({"File with language's setting wasn't find:.\rPrimary setting will use!"}));
    QCOMPARE(shownLines(messages().first()),
             QStringList({"File with language's setting wasn't find:.", "Primary setting will use!"}));
    QCOMPARE(bytesOf(m_fixture->path(QStringLiteral("Data.dat"))), QByteArray("\xC8" "esky.cln"));
    QCOMPARE(Form2->CaptionMemo.lines(), LanguageLines::builtInCzech());
}

void LanguageMenuTest::eleventhFileIsNotOffered()
{
    m_fixture->prepareFolder({QStringLiteral("K.cln")});
    for (const char letter : QByteArray("ABCDEFGHIJKL"))
        writeLanguage(QStringLiteral("%1.cln").arg(QLatin1Char(letter)), languageWith(QString(QLatin1Char(letter))));
    m_fixture->start();
    // Česky sorts after C: I is the tenth, K the twelfth.
    QCOMPARE(Form1->Jazyk(10)->text(), QStringLiteral("I"));
    QCOMPARE(messages(), QStringList({"File with language's setting wasn't find:K.cln.\rPrimary setting will use!"}));
    QCOMPARE(Form2->CaptionMemo.line(0), QStringLiteral("Leden"));
    QCOMPARE(bytesOf(m_fixture->path(QStringLiteral("Data.dat"))), QByteArray("\xC8" "esky.cln"));
}

void LanguageMenuTest::rejectedFileAtStartUp_data()
{
    QTest::addColumn<int>("lineCount");
    QTest::addColumn<QString>("header");
    QTest::addColumn<bool>("accepted");
    QTest::newRow("88 lines") << 88 << LanguageLines::Header << false;
    QTest::newRow("header in other case") << 89 << LanguageLines::Header.toUpper() << false;
    QTest::newRow("header with a trailing blank") << 89 << LanguageLines::Header + u' ' << false;
    QTest::newRow("100 lines") << 100 << LanguageLines::Header << true;
}

void LanguageMenuTest::rejectedFileAtStartUp()
{
    QFETCH(int, lineCount);
    QFETCH(QString, header);
    QFETCH(bool, accepted);
    m_fixture->prepareFolder({QStringLiteral("Other.cln")});
    QStringList lines = languageWith(QStringLiteral("Other"), lineCount);
    if (lineCount > LanguageLines::HeaderLine)
        lines[LanguageLines::HeaderLine] = header;
    writeLanguage(QStringLiteral("Other.cln"), lines);
    const QByteArray czechBefore = bytesOf(languageFile(LanguageLines::CzechFileName));
    m_fixture->start();
    if (accepted) {
        QVERIFY(messages().isEmpty());
        QCOMPARE(Form2->CaptionMemo.line(0), QStringLiteral("Other"));
        return;
    }
    QCOMPARE(messages(), QStringList({"Error in file Other.cln!\rPrimary setting will use!"}));
    QCOMPARE(shownLines(messages().first()), QStringList({"Error in file Other.cln!", "Primary setting will use!"}));
    QCOMPARE(Form2->CaptionMemo.line(0), QStringLiteral("Leden"));
    QCOMPARE(bytesOf(languageFile(LanguageLines::CzechFileName)), czechBefore);
}

void LanguageMenuTest::otherFileLoadsWithoutTheCzechOne()
{
    m_fixture->prepareFolder({QStringLiteral("English.cln")});
    QVERIFY(QFile::remove(languageFile(LanguageLines::CzechFileName)));
    writeLanguage(QStringLiteral("English.cln"), languageWith(QStringLiteral("January")));
    m_fixture->start();
    QCOMPARE(Form2->CaptionMemo.line(0), QStringLiteral("January"));
    QVERIFY(!QFile::exists(languageFile(LanguageLines::CzechFileName)));
}

void LanguageMenuTest::repairsThatCannotTakeEffectEnd_data()
{
    QTest::addColumn<bool>("languageFolder");
    QTest::addColumn<QString>("weekStart");
    QTest::newRow("no Language folder") << false << "1";
    QTest::newRow("Czech file with a week start that is no number") << true << "x";
}

void LanguageMenuTest::repairsThatCannotTakeEffectEnd()
{
    QFETCH(bool, languageFolder);
    QFETCH(QString, weekStart);
    m_fixture->prepareFolder();
    QStringList czech = LanguageLines::builtInCzech();
    czech[LanguageLines::WeekStartLine] = weekStart;
    writeLanguage(LanguageLines::CzechFileName, czech);
    if (!languageFolder)
        QVERIFY(QDir(m_fixture->path(QStringLiteral("Language"))).removeRecursively());
    // Every question window asked on the way is declined; the settings file
    // exists, so each declining starts the next attempt.
    m_boxes->whileOpen([](const MessageBox::Request &) {});
    m_fixture->start();
    const QStringList shown = messages();
    QVERIFY2(shown.size() <= 3 * LanguageMenu::MaxStartupAttempts + 1, qPrintable(shown.join(u'|')));
    QCOMPARE(shown.last(), QStringLiteral("Bude použito základní nastavení!"));
    QCOMPARE(Form2->CaptionMemo.lines(), LanguageLines::builtInCzech());
    QCOMPARE(Form1->windowTitle(), QStringLiteral("Zoziruzo - Bez názvu.cnr"));
    QVERIFY(!Form1->NoSaveQuery);
}

void LanguageMenuTest::menuRejectionChangesNothing()
{
    m_fixture->prepareFolder();
    writeLanguage(QStringLiteral("Bad.cln"), languageWith(QStringLiteral("Bad"), 88));
    m_fixture->start();
    QCOMPARE(Form1->Jazyk(1)->text(), QStringLiteral("Bad"));
    const QByteArray settings = bytesOf(m_fixture->path(QStringLiteral("Data.dat")));
    const QString month = Form1->Label(26)->text();
    LanguageMenu::ChangeLanguage(0);
    QCOMPARE(messages(), QStringList({"Chyba v souboru Bad.cln!"}));
    QVERIFY(Form1->Jazyk(2)->isChecked());
    QCOMPARE(Form1->Jazyk(2)->text(), QStringLiteral("Česky"));
    QCOMPARE(Form2->CaptionMemo.lines(), LanguageLines::builtInCzech());
    QCOMPARE(bytesOf(m_fixture->path(QStringLiteral("Data.dat"))), settings);
    QCOMPARE(Form1->Label(26)->text(), month);
}

void LanguageMenuTest::languageFileThatIsNoRegularFile_data()
{
    QTest::addColumn<QString>("kind");
    QTest::newRow("link to /dev/zero") << "zero";
    QTest::newRow("link to a named pipe") << "fifo";
}

// Listed like a file, but never read: start-up falls back to Czech, the menu
// reports the file.
void LanguageMenuTest::languageFileThatIsNoRegularFile()
{
    QFETCH(QString, kind);
    m_fixture->prepareFolder({QStringLiteral("English.cln")});
    const QString english = languageFile(QStringLiteral("English.cln"));
    if (kind == u"fifo") {
        const QString pipe = m_fixture->path(QStringLiteral("pipe"));
        QCOMPARE(::mkfifo(QFile::encodeName(pipe).constData(), 0644), 0);
        QVERIFY(QFile::link(pipe, english));
    } else {
        QVERIFY(QFile::link(QStringLiteral("/dev/zero"), english));
    }
    m_fixture->start();
    QCOMPARE(messages(),
             QStringList({"File with language's setting wasn't find:English.cln.\rPrimary setting will use!"}));
    QCOMPARE(Form2->CaptionMemo.lines(), LanguageLines::builtInCzech());
    QCOMPARE(bytesOf(m_fixture->path(QStringLiteral("Data.dat"))), QByteArray("\xC8" "esky.cln"));
    QCOMPARE(Form1->Jazyk(2)->text(), QStringLiteral("English"));

    LanguageMenu::ChangeLanguage(1);
    QCOMPARE(messages().size(), 2);
    QCOMPARE(messages().last(), PlatformMessages::cannotRead(english, PlatformMessages::notARegularFile()));
    QVERIFY(Form1->Jazyk(1)->isChecked());
    QCOMPARE(Form2->CaptionMemo.lines(), LanguageLines::builtInCzech());
}

// The settings file's name is taken by a folder: the error box names the
// file and says why it was not written.
void LanguageMenuTest::menuWriteFailureGivesTheReason()
{
    m_fixture->prepareFolder();
    writeLanguage(QStringLiteral("English.cln"), languageWith(QStringLiteral("January")));
    m_fixture->start();
    const QString settings = m_fixture->path(QStringLiteral("Data.dat"));
    QVERIFY(QFile::remove(settings));
    QVERIFY(QDir().mkdir(settings));
    LanguageMenu::ChangeLanguage(1);
    QCOMPARE(messages().size(), 1);
    QVERIFY2(messages().last().contains(settings), qPrintable(messages().last()));
    QVERIFY2(messages().last().contains(QString::fromLocal8Bit(std::strerror(EISDIR))), qPrintable(messages().last()));
}

void LanguageMenuTest::menuChoiceIsSavedUnderItsCaption()
{
    m_fixture->prepareFolder();
    writeLanguage(QStringLiteral("Deutsch.alt.cln"), languageWith(QStringLiteral("Januar")));
    m_fixture->start();
    QCOMPARE(Form1->Jazyk(2)->text(), QStringLiteral("Deutsch.alt"));
    Form1->Jazyk(2)->trigger();
    QVERIFY(messages().isEmpty());
    QVERIFY(Form1->Jazyk(2)->isChecked());
    QVERIFY(!Form1->Jazyk(1)->isChecked());
    QCOMPARE(bytesOf(m_fixture->path(QStringLiteral("Data.dat"))), QByteArray("Deutsch.alt.cln"));
    if (Form1->DocMonth == 0)
        QCOMPARE(Form1->Label(26)->text(), QStringLiteral("Januar"));
}

void LanguageMenuTest::everyLanguageChangeRedrawsTheMonthControls_data()
{
    QTest::addColumn<QString>("weekStart");
    QTest::addColumn<bool>("cover");
    QTest::addColumn<int>("errorBoxes");
    QTest::newRow("week start no number, single month") << "x" << false << 1;
    QTest::newRow("week start out of range, cover") << "9" << true << 0;
    QTest::newRow("same week start, cover") << "1" << true << 0;
}

// The controls read the language lines at every drawing: a change of language
// draws them again at once, also when the week-start line does not apply.
void LanguageMenuTest::everyLanguageChangeRedrawsTheMonthControls()
{
    QFETCH(QString, weekStart);
    QFETCH(bool, cover);
    QFETCH(int, errorBoxes);
    m_fixture->prepareFolder();
    QStringList lines = languageWith(QStringLiteral("January"));
    lines[LanguageLines::WeekStartLine] = weekStart;
    writeLanguage(QStringLiteral("English.cln"), lines);
    TForm1 &window = m_fixture->start().mainWindow();
    if (cover) {
        window.ui->PageControl->setCurrentWidget(window.TabSheet(PageModel::ProjectSheet));
        window.ui->PageControl1->setCurrentWidget(window.TabSheet(PageModel::CoverPage));
    }
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));

    std::vector<MonthControl *> shown;
    for (int n = 1; n <= 13; ++n) {
        if (n <= 12)
            shown.push_back(window.SmallKal(n));
        shown.push_back(window.BigKal(n));
    }
    // Only what the page's scroll box shows is painted.
    std::erase_if(shown, [](const MonthControl *control) { return control->visibleRegion().isEmpty(); });
    QVERIFY(!shown.empty());
    PaintWatch paints(shown);
    // What start-up asked for is drawn before the change.
    QCoreApplication::sendPostedEvents();
    QCoreApplication::processEvents();
    paints.clear();

    LanguageMenu::ChangeLanguage(1);
    QCOMPARE(int(m_boxes->requests().size()), errorBoxes);
    QCOMPARE(Form2->CaptionMemo.line(0), QStringLiteral("January"));
    QTRY_COMPARE(paints.unpainted(), QStringList());
}

QTEST_MAIN(LanguageMenuTest)
#include "LanguageMenuTest.moc"

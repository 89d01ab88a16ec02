#include "calendar/page-commands/CalendarMenu.h"

#include "calendar-controls/picture/TImageKal.h"
#include "calendar/project-commands/ProjectMenu.h"
#include "calendar/test-support/DesignerFixture.h"
#include "calendar/test-support/DesignerWindows.h"
#include "platform/ui/MessageBox.h"
#include "platform/ui/SpinEdit.h"

#include <QAction>
#include <QComboBox>
#include <QFile>
#include <QMenu>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTimer>

#include <memory>

using Command = void (*)();
Q_DECLARE_METATYPE(Command)

class CalendarMenuTest : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void cleanup();

    void colourPresetsAndTargets_data();
    void colourPresetsAndTargets();
    void colourAlreadySetLeavesModifiedAlone();
    void cancelledColourChangesNothing();
    void pictureOfThePageShown_data();
    void pictureOfThePageShown();
    void clearingAPageWithoutPicture();
    void damagedPictureChangesNothing_data();
    void damagedPictureChangesNothing();
    void menuItemsByPageAndKind_data();
    void menuItemsByPageAndKind();
    void monthYearDialog_data();
    void monthYearDialog();
    void monthYearDialogCancelled();
    void yearLabelThatIsNotANumber();
    void failedMenuCommandShowsTheErrorBox_data();
    void failedMenuCommandShowsTheErrorBox();

private:
    DesignerFixture m_folder;
    QString m_bmp;
    std::unique_ptr<DesignerWindows> m_windows;
};

void CalendarMenuTest::initTestCase()
{
    m_bmp = m_folder.picture(QStringLiteral("obrazek.bmp"));
    QVERIFY(!m_bmp.isEmpty());
}

void CalendarMenuTest::init()
{
    m_windows = std::make_unique<DesignerWindows>();
}

void CalendarMenuTest::cleanup()
{
    m_windows.reset();
}

void CalendarMenuTest::colourPresetsAndTargets_data()
{
    QTest::addColumn<Command>("command");
    QTest::addColumn<int>("page");
    QTest::addColumn<QString>("preset"); // empty: no dialog opens
    QTest::addColumn<QStringList>("targets");

    const Command text = ApplyPageTextColor, dayName = ApplyPageDayNameColor, fill = ApplyPageFillColor,
                  line = ApplyPageLineColor;
    QTest::newRow("text, cover") << text << 1 << "Label1.font"
                                 << numberedNames("SmallKal%1.BarvaPisma", 1, 12) + QStringList{"Label1.font"};
    QTest::newRow("text, March") << text << 4 << "Edit3.font"
                                 << QStringList{"BigKal3.BarvaCisel", "Edit3.font", "Label6.font", "Label7.font"};
    QTest::newRow("text, single month") << text << 14 << "Edit13.font"
                                        << QStringList{"BigKal13.BarvaCisel", "Edit13.font", "Label26.font", "Label27.font"};
    QTest::newRow("day names, cover") << dayName << 1 << "" << QStringList();
    QTest::newRow("day names, June") << dayName << 7 << "BigKal6.BarvaPisma" << QStringList{"BigKal6.BarvaPisma"};
    QTest::newRow("day names, single month") << dayName << 14 << "BigKal13.BarvaPisma" << QStringList{"BigKal13.BarvaPisma"};
    QTest::newRow("fill, cover") << fill << 1 << "SmallKal1.BarvaPozadi" << numberedNames("SmallKal%1.BarvaPozadi", 1, 12);
    QTest::newRow("fill, December") << fill << 13 << "BigKal12.BarvaPozadi" << QStringList{"BigKal12.BarvaPozadi"};
    QTest::newRow("fill, single month") << fill << 14 << "BigKal13.BarvaPozadi" << QStringList{"BigKal13.BarvaPozadi"};
    QTest::newRow("line, cover") << line << 1 << "SmallKal1.BarvaCary" << numberedNames("SmallKal%1.BarvaCary", 1, 12);
    QTest::newRow("line, January") << line << 2 << "BigKal1.BarvaCary" << QStringList{"BigKal1.BarvaCary"};
    QTest::newRow("line, single month") << line << 14 << "BigKal13.BarvaCary" << QStringList{"BigKal13.BarvaCary"};
    QTest::newRow("text, no page shown") << text << 0 << "" << QStringList();
    QTest::newRow("fill, no page shown") << fill << 0 << "" << QStringList();
}

void CalendarMenuTest::colourPresetsAndTargets()
{
    QFETCH(Command, command);
    QFETCH(int, page);
    QFETCH(QString, preset);
    QFETCH(QStringList, targets);
    if (page)
        m_windows->showPage(page);
    else
        Form1->CurrentPage = 0;
    const TColor presetColor = ColorCommandRun::distinctColorOf(*Form1, preset);

    const ColorCommandRun run = ColorCommandRun::of(*Form1, command, TColor(0x00FEDCBA));
    QCOMPARE(int(run.requests.size()), preset.isEmpty() ? 0 : 1);
    if (!preset.isEmpty())
        QCOMPARE(run.requests.front().color, presetColor);
    targets.sort();
    QCOMPARE(run.changed, targets);
}

void CalendarMenuTest::colourAlreadySetLeavesModifiedAlone()
{
    m_windows->showPage(5);
    Form1->Modified = false;
    CommonDialogs::Script script;
    script.answerColor(Form1->BigKal(4)->BarvaPozadi());
    ApplyPageFillColor();
    QCOMPARE(int(script.requests().size()), 1);
    QVERIFY(!Form1->Modified);
    script.answerColor(Colors::clYellow);
    ApplyPageFillColor();
    QVERIFY(Form1->Modified);
}

void CalendarMenuTest::cancelledColourChangesNothing()
{
    m_windows->showPage(1);
    const DesignColors::Colors before = DesignColors::read(*Form1);
    CommonDialogs::Script script;
    script.answerCancel();
    ApplyPageTextColor();
    QCOMPARE(int(script.requests().size()), 1);
    QCOMPARE(DesignColors::read(*Form1), before);
    QVERIFY(!Form1->Modified);
}

void CalendarMenuTest::pictureOfThePageShown_data()
{
    QTest::addColumn<int>("page");
    QTest::newRow("cover") << 1;
    QTest::newRow("August") << 9;
    QTest::newRow("single month") << 14;
}

void CalendarMenuTest::pictureOfThePageShown()
{
    QFETCH(int, page);
    m_windows->showPage(page);
    CommonDialogs::Script script;
    script.answerFile(m_bmp);
    QVERIFY(LoadPagePicture());
    QCOMPARE(script.requests().front().kind, CommonDialogs::Request::Kind::OpenPicture);
    for (int n = 1; n <= 14; ++n)
        QCOMPARE(Form1->ImageKal(n)->FileName(), n == page ? m_bmp : QString());
    QVERIFY(Form1->Modified);

    script.answerCancel();
    QVERIFY(LoadPagePicture());
    QCOMPARE(Form1->ImageKal(page)->FileName(), m_bmp);
    QCOMPARE(script.requests().back().fileName, m_bmp);

    ClearPagePicture();
    QVERIFY(Form1->ImageKal(page)->FileName().isEmpty());
    QVERIFY(Form1->ImageKal(page)->Picture().isNull());
}

void CalendarMenuTest::clearingAPageWithoutPicture()
{
    m_windows->showPage(3);
    QVERIFY(Form1->ImageKal(1)->setFileName(m_bmp));
    Form1->Modified = false;
    ClearPagePicture();
    QVERIFY(!Form1->Modified);
    QCOMPARE(Form1->ImageKal(1)->FileName(), m_bmp);
}

void CalendarMenuTest::damagedPictureChangesNothing_data()
{
    QTest::addColumn<QByteArray>("content");
    QTest::addColumn<QString>("suffix");
    QTest::newRow("not a JPEG") << QByteArray("garbage\n") << "jpg";
    QTest::newRow("empty bitmap") << QByteArray() << "bmp";
    QTest::newRow("unknown extension") << QByteArray("x") << "png";
}

// A picture that does not load leaves the page as it was: its name is not kept,
// so the document is never saved naming a picture that stops its opening.
void CalendarMenuTest::damagedPictureChangesNothing()
{
    QFETCH(QByteArray, content);
    QFETCH(QString, suffix);
    QTemporaryDir dir;
    const QString damaged = dir.filePath("damaged." + suffix);
    QFile file(damaged);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write(content);
    file.close();

    m_windows->showPage(14);
    QVERIFY(Form1->ImageKal(14)->setFileName(m_bmp));
    Form1->Modified = false;
    CommonDialogs::Script script;
    script.answerFile(damaged);
    QVERIFY(!LoadPagePicture());
    QCOMPARE(Form1->ImageKal(14)->FileName(), m_bmp);
    QVERIFY(!Form1->ImageKal(14)->Picture().isNull());
    QVERIFY(!Form1->Modified);
}

// What a user can reach: an enabled item of a menu that is shown and
// enabled. Reaching it opens its dialog.
void CalendarMenuTest::menuItemsByPageAndKind_data()
{
    QTest::addColumn<int>("page");
    QTest::addColumn<QString>("item");
    QTest::addColumn<bool>("reachable");
    for (int page : {1, 6, 14}) {
        const bool project = page != 14;
        const QString where = page == 1 ? "cover" : project ? "May" : "single month";
        for (const char *item : {"NastavitB", "NastavitD", "NastavitV", "NastavitC", "ZmenitR"})
            QTest::addRow("%s, %s", item, qPrintable(where)) << page << item << project;
        for (const char *item : {"NacistO", "NastavitBT", "NastavitBV", "NastavitBC"})
            QTest::addRow("%s, %s", item, qPrintable(where)) << page << item << true;
        QTest::addRow("NastavitBD, %s", qPrintable(where)) << page << "NastavitBD" << (page != 1);
        QTest::addRow("ZmenitRM, %s", qPrintable(where)) << page << "ZmenitRM" << !project;
    }
}

void CalendarMenuTest::menuItemsByPageAndKind()
{
    QFETCH(int, page);
    QFETCH(QString, item);
    QFETCH(bool, reachable);
    ConnectPageMenu(*Form1);
    ConnectProjectMenu(*Form1);
    m_windows->showPage(page);
    auto *action = Form1->findChild<QAction *>(item);
    QVERIFY(action);
    QMenu *menu = nullptr;
    for (QMenu *candidate : Form1->findChildren<QMenu *>()) {
        if (candidate->actions().contains(action) && candidate->menuAction()->isVisible())
            menu = candidate;
    }
    const bool canReach = action->isEnabled() && menu && menu->menuAction()->isEnabled();
    QCOMPARE(canReach, reachable);
    if (!canReach)
        return;

    bool yearDialogShown = false;
    for (QDialog *dialog : {static_cast<QDialog *>(Form4), static_cast<QDialog *>(Form5)})
        QTimer::singleShot(0, dialog, [dialog, &yearDialogShown] {
            if (dialog->isVisible()) {
                yearDialogShown = true;
                dialog->reject();
            }
        });
    CommonDialogs::Script script;
    action->trigger();
    QCOMPARE(int(script.requests().size()) + (yearDialogShown ? 1 : 0), 1);
}

void CalendarMenuTest::monthYearDialog_data()
{
    QTest::addColumn<int>("month");
    QTest::addColumn<QString>("year");
    QTest::addColumn<bool>("modified");
    QTest::newRow("unchanged") << 2 << "2002" << false;
    QTest::newRow("month only") << 7 << "2002" << true;
    QTest::newRow("year only") << 2 << "2031" << true;
    QTest::newRow("year typed as 0") << 2 << "0" << true;
    QTest::newRow("year typed as -5") << 2 << "-5" << true;
}

void CalendarMenuTest::monthYearDialog()
{
    QFETCH(int, month);
    QFETCH(QString, year);
    QFETCH(bool, modified);
    m_windows->showPage(14);
    Form1->DocMonth = 2;
    Form1->BigKal(13)->setMonth(3);
    Form1->Label(26)->setText(QStringLiteral("Březen"));
    Form1->Modified = false;

    bool shown = false;
    int presetMonth = -1, presetYear = -1;
    QWidget *focus = nullptr;
    QString typed;
    QTimer::singleShot(0, Form4, [&] {
        shown = Form4->isVisible();
        presetMonth = Form4->ComboBox1->currentIndex();
        presetYear = Form4->SpinEdit1->Value();
        focus = Form4->focusWidget();
        Form4->ComboBox1->setCurrentIndex(month);
        QLineEdit *field = Form4->SpinEdit1->findChild<QLineEdit *>();
        field->selectAll();
        QTest::keyClick(field, Qt::Key_Delete);
        QTest::keyClicks(field, year);
        typed = field->text();
        Form4->Button1->click();
    });
    QVERIFY(ChangeDocumentMonthYear());
    QVERIFY(shown);
    QCOMPARE(typed, year);
    QCOMPARE(presetMonth, 2);
    QCOMPARE(presetYear, 2002);
    QCOMPARE(focus, Form4->Button1);
    QCOMPARE(Form1->OldYear, 2002);
    QCOMPARE(Form1->OldMonth, 2);

    const int expectedYear = year.toInt() < 1 ? 1 : year.toInt();
    QCOMPARE(Form1->DocMonth, month);
    QCOMPARE(Form1->Label(26)->text(), Form4->ComboBox1->itemText(month));
    QCOMPARE(Form1->Label(27)->text(), QString::number(expectedYear));
    QCOMPARE(Form1->BigKal(13)->Month(), month + 1);
    QCOMPARE(Form1->BigKal(13)->Year(), expectedYear);
    QCOMPARE(Form1->Modified, modified);
    QCOMPARE(Form1->SmallKal(1)->Year(), 2002);
}

void CalendarMenuTest::monthYearDialogCancelled()
{
    m_windows->showPage(14);
    QTimer::singleShot(0, Form4, [] {
        Form4->ComboBox1->setCurrentIndex(9);
        Form4->SpinEdit1->setValue(1990);
        QTest::keyClick(Form4->ComboBox1, Qt::Key_Escape);
    });
    QVERIFY(ChangeDocumentMonthYear());
    QVERIFY(!Form4->isVisible());
    QCOMPARE(Form1->BigKal(13)->Year(), 2002);
    QCOMPARE(Form1->DocMonth, 0);
    QVERIFY(!Form1->Modified);
}

void CalendarMenuTest::yearLabelThatIsNotANumber()
{
    m_windows->showPage(14);
    Form1->Label(27)->setText(QStringLiteral("2003a"));
    Form1->OldYear = 7;
    bool shown = false;
    QTimer::singleShot(0, Form4, [&] {
        shown = Form4->isVisible();
        Form4->reject();
    });
    const Result<> changed = ChangeDocumentMonthYear();
    QVERIFY2(!changed, "no conversion error");
    QCOMPARE(changed.error(), QStringLiteral("'2003a' is not a valid integer value"));
    QCOMPARE(Form1->OldYear, 7);
    QCoreApplication::processEvents();
    QVERIFY(!shown);
}

void CalendarMenuTest::failedMenuCommandShowsTheErrorBox_data()
{
    QTest::addColumn<QString>("item");
    QTest::addColumn<int>("page");
    QTest::addColumn<QString>("message");
    QTest::newRow("picture that will not load") << "NacistO" << 14 << "Unknown picture file extension (.png)";
    QTest::newRow("month year label not a number") << "ZmenitRM" << 14 << "'2003a' is not a valid integer value";
    QTest::newRow("cover year label not a number") << "ZmenitR" << 1 << "'2003a' is not a valid integer value";
}

// Through the menu item, as a user reaches it: the failure reaches the
// default error box and the program goes on.
void CalendarMenuTest::failedMenuCommandShowsTheErrorBox()
{
    QFETCH(QString, item);
    QFETCH(int, page);
    QFETCH(QString, message);
    ConnectPageMenu(*Form1);
    ConnectProjectMenu(*Form1);
    m_windows->showPage(page);
    Form1->Label(1)->setText(QStringLiteral("2003a"));
    Form1->Label(27)->setText(QStringLiteral("2003a"));
    CommonDialogs::Script files;
    files.answerFile(m_folder.path(QStringLiteral("obrazek.png")));
    MessageBox::Script boxes;
    Form1->findChild<QAction *>(item)->trigger();
    QCOMPARE(boxes.requests().size(), size_t(1));
    QCOMPARE(boxes.requests().front().text, message);
    QCOMPARE(boxes.requests().front().caption, QCoreApplication::applicationName());
    QCOMPARE(boxes.requests().front().icon, MessageBox::Icon::Error);
    QVERIFY(!Form4->isVisible());
    QVERIFY(!Form5->isVisible());
}

QTEST_MAIN(CalendarMenuTest)
#include "CalendarMenuTest.moc"

#include "calendar/project-commands/ProjectMenu.h"

#include "calendar-controls/picture/TImageKal.h"
#include "calendar/test-support/DesignerFixture.h"
#include "calendar/test-support/DesignerWindows.h"
#include "calendar/wizard/Wizard.h"
#include "platform/ui/SpinEdit.h"

#include <QPushButton>
#include <QTimer>

#include <memory>
#include <stdexcept>

using Command = void (*)();
Q_DECLARE_METATYPE(Command)

class ProjectMenuTest : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void cleanup();

    void colourPresetsAndTargets_data();
    void colourPresetsAndTargets();
    void smallMonthsChangeBeforeTheGrids_data();
    void smallMonthsChangeBeforeTheGrids();
    void textColourPresetAfterTheWizard();
    void yearDialog_data();
    void yearDialog();
    void yearDialogCancelled();
    void enterInTheYearFieldLeavesTheDialogOpen();
    void coverYearThatIsNotANumber();
    void clearingPictures();
    void clearingTexts();

private:
    DesignerFixture m_folder;
    QString m_bmp;
    std::unique_ptr<DesignerWindows> m_windows;
};

void ProjectMenuTest::initTestCase()
{
    m_bmp = m_folder.picture(QStringLiteral("obrazek.bmp"));
    QVERIFY(!m_bmp.isEmpty());
}

void ProjectMenuTest::init()
{
    m_windows = std::make_unique<DesignerWindows>();
    m_windows->showPage(PageModel::CoverPage);
}

void ProjectMenuTest::cleanup()
{
    m_windows.reset();
}

void ProjectMenuTest::colourPresetsAndTargets_data()
{
    QTest::addColumn<Command>("command");
    QTest::addColumn<QString>("preset");
    QTest::addColumn<QStringList>("targets");
    QTest::newRow("text") << Command(ApplyProjectTextColor) << "Label1.font"
                          << numberedNames("BigKal%1.BarvaCisel", 1, 12) + numberedNames("SmallKal%1.BarvaPisma", 1, 12)
                                 + numberedNames("Edit%1.font", 1, 12) + numberedNames("Label%1.font", 1, 25);
    QTest::newRow("day names") << Command(ApplyProjectDayNameColor) << "BigKal1.BarvaPisma"
                               << numberedNames("BigKal%1.BarvaPisma", 1, 12);
    QTest::newRow("fill") << Command(ApplyProjectFillColor) << "SmallKal1.BarvaPozadi"
                          << numberedNames("SmallKal%1.BarvaPozadi", 1, 12) + numberedNames("BigKal%1.BarvaPozadi", 1, 12);
    QTest::newRow("line") << Command(ApplyProjectLineColor) << "SmallKal1.BarvaCary"
                          << numberedNames("SmallKal%1.BarvaCary", 1, 12) + numberedNames("BigKal%1.BarvaCary", 1, 12);
}

void ProjectMenuTest::colourPresetsAndTargets()
{
    QFETCH(Command, command);
    QFETCH(QString, preset);
    QFETCH(QStringList, targets);
    const TColor presetColor = ColorCommandRun::distinctColorOf(*Form1, preset);
    const ColorCommandRun run = ColorCommandRun::of(*Form1, command, TColor(0x00FEDCBA));
    QCOMPARE(int(run.requests.size()), 1);
    QCOMPARE(run.requests.front().color, presetColor);
    targets.sort();
    QCOMPARE(run.changed, targets);
}

void ProjectMenuTest::smallMonthsChangeBeforeTheGrids_data()
{
    QTest::addColumn<Command>("command");
    QTest::newRow("fill") << Command(ApplyProjectFillColor);
    QTest::newRow("line") << Command(ApplyProjectLineColor);
}

void ProjectMenuTest::smallMonthsChangeBeforeTheGrids()
{
    QFETCH(Command, command);
    QStringList order;
    for (MonthControl *control : Form1->findChildren<MonthControl *>())
        connect(control, &MonthControl::OnModify, this, [&order](QObject *sender) { order << sender->objectName(); });
    CommonDialogs::Script script;
    script.answerColor(Colors::clFuchsia);
    command();
    QCOMPARE(order, numberedNames("SmallKal%1", 1, 12) + numberedNames("BigKal%1", 1, 12));
}

void ProjectMenuTest::textColourPresetAfterTheWizard()
{
    ResetWizard();
    QVERIFY(BuildProjectFromWizard());
    CommonDialogs::Script script;
    script.answerColor(Colors::clGreen);
    ApplyProjectTextColor();
    QCOMPARE(script.requests().front().color, Colors::clRed);
    QCOMPARE(Form1->BigKal(3)->BarvaPisma(), Colors::clRed);
    QCOMPARE(Form1->SmallKal(3)->BarvaPisma(), Colors::clGreen);
    QVERIFY(Form1->Modified);
}

void ProjectMenuTest::yearDialog_data()
{
    QTest::addColumn<int>("year");
    QTest::addColumn<bool>("modified");
    QTest::newRow("another year") << 1999 << true;
    QTest::newRow("the same year") << 2002 << false;
}

void ProjectMenuTest::yearDialog()
{
    QFETCH(int, year);
    QFETCH(bool, modified);
    int preset = -1;
    QTimer::singleShot(0, Form5, [&] {
        preset = Form5->SpinEdit1->Value();
        Form5->SpinEdit1->setValue(year);
        Form5->Button1->click();
    });
    QVERIFY(ChangeProjectYear());
    QCOMPARE(preset, 2002);
    QCOMPARE(Form1->OldYear, 2002);
    QCOMPARE(Form1->Modified, modified);
    const QString text = QString::number(year);
    QCOMPARE(Form1->Label(1)->text(), text);
    for (int m = 1; m <= 12; ++m) {
        QCOMPARE(Form1->Label(2 * m + 1)->text(), text);
        QCOMPARE(Form1->SmallKal(m)->Year(), year);
        QCOMPARE(Form1->BigKal(m)->Year(), year);
    }
    QCOMPARE(Form1->BigKal(13)->Year(), 2002);
    QCOMPARE(Form1->Label(27)->text(), QStringLiteral("2002"));
}

void ProjectMenuTest::yearDialogCancelled()
{
    QTimer::singleShot(0, Form5, [] {
        Form5->SpinEdit1->setValue(1980);
        Form5->Button2->click();
    });
    QVERIFY(ChangeProjectYear());
    QCOMPARE(Form1->SmallKal(1)->Year(), 2002);
    QCOMPARE(Form1->Label(1)->text(), QStringLiteral("2002"));
    QVERIFY(!Form1->Modified);
}

// Enter typed into the year field presses neither OK nor Storno; Enter on
// the focused OK presses it.
void ProjectMenuTest::enterInTheYearFieldLeavesTheDialogOpen()
{
    bool stayedOpen = false;
    QTimer::singleShot(0, Form5, [&] {
        Form5->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(Form5));
        Form5->SpinEdit1->setFocus();
        QTest::keyClick(Form5->SpinEdit1, Qt::Key_Return);
        stayedOpen = Form5->isVisible();
        Form5->SpinEdit1->setValue(1999);
        Form5->Button1->setFocus();
        QTest::keyClick(Form5->Button1, Qt::Key_Return);
    });
    QVERIFY(ChangeProjectYear());
    QVERIFY(stayedOpen);
    QCOMPARE(Form1->SmallKal(1)->Year(), 1999);
}

void ProjectMenuTest::coverYearThatIsNotANumber()
{
    Form1->Label(1)->setText(QStringLiteral("rok"));
    bool shown = false;
    QTimer::singleShot(0, Form5, [&] {
        shown = Form5->isVisible();
        Form5->reject();
    });
    const Result<> changed = ChangeProjectYear();
    QVERIFY(!changed);
    QCOMPARE(changed.error(), QStringLiteral("'rok' is not a valid integer value"));
    QCoreApplication::processEvents();
    QVERIFY(!shown);
}

void ProjectMenuTest::clearingPictures()
{
    ClearProjectPictures();
    QVERIFY(!Form1->Modified);

    QVERIFY(Form1->ImageKal(1)->setFileName(m_bmp));
    QVERIFY(Form1->ImageKal(14)->setFileName(m_bmp));
    Form1->Modified = false;
    ClearProjectPictures();
    QVERIFY(Form1->Modified);
    for (int n = 1; n <= 13; ++n)
        QVERIFY(Form1->ImageKal(n)->Picture().isNull());
    QCOMPARE(Form1->ImageKal(14)->FileName(), m_bmp);
}

void ProjectMenuTest::clearingTexts()
{
    for (int n = 1; n <= 13; ++n)
        Form1->Edit(n)->setText(QStringLiteral("text"));
    Form1->Modified = false;
    const DesignColors::Colors colours = DesignColors::read(*Form1);
    ClearProjectTexts();
    QVERIFY(Form1->Modified);
    for (int n = 1; n <= 12; ++n)
        QVERIFY(Form1->Edit(n)->text().isEmpty());
    QCOMPARE(Form1->Edit(13)->text(), QStringLiteral("text"));
    QCOMPARE(DesignColors::read(*Form1), colours);
    QCOMPARE(Form1->Label(4)->text(), QStringLiteral("Únor"));
}

QTEST_MAIN(ProjectMenuTest)
#include "ProjectMenuTest.moc"

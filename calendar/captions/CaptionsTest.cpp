#include "calendar/captions/Captions.h"

#include "calendar-controls/big-month/TBigKal.h"
#include "calendar-controls/small-month/TSmallKal.h"
#include "calendar/language/LanguageMenu.h"
#include "calendar/main-window/AutoSizeLabel.h"
#include "calendar/main-window/PageModel.h"
#include "calendar/main-window/TAboutBox.h"
#include "calendar/main-window/TForm1.h"
#include "calendar/main-window/TForm2.h"
#include "calendar/print-window/TForm7.h"
#include "calendar/test-support/DesignerFixture.h"
#include "calendar/wizard/TForm3.h"
#include "calendar/year-dialogs/TForm4.h"
#include "calendar/year-dialogs/TForm5.h"
#include "platform/ui/MessageBox.h"

#include "ui_TForm1.h"

#include <QCheckBox>
#include <QComboBox>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScrollArea>
#include <QScrollBar>
#include <QTabWidget>
#include <QTest>

namespace {

QStringList english()
{
    return *TextLineFile::read(QStringLiteral(ENGLISH_LANGUAGE_FILE));
}

QList<MonthControl *> allCalendarControls()
{
    QList<MonthControl *> controls;
    for (int n = 1; n <= 12; ++n)
        controls.append(Form1->SmallKal(n));
    for (int n = 1; n <= 13; ++n)
        controls.append(Form1->BigKal(n));
    return controls;
}

} // namespace

class CaptionsTest : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void czechCaptions();
    void englishCaptions();
    void untitledDocumentsTakeTheNewName_data();
    void untitledDocumentsTakeTheNewName();
    void linkedDocumentKeepsItsTitle();
    void weekStart_data();
    void weekStart();
    void firstPageAUserSees();
    void projectPagesTakeTheLanguage_data();
    void projectPagesTakeTheLanguage();

private:
    void useEnglish()
    {
        Form2->CaptionMemo.setLines(english());
        QVERIFY(ApplyCaptions());
    }

    std::unique_ptr<DesignerFixture> m_fixture;
};

void CaptionsTest::init()
{
    m_fixture = std::make_unique<DesignerFixture>();
    m_fixture->prepareFolder();
    m_fixture->start();
}

void CaptionsTest::cleanup()
{
    m_fixture.reset();
}

void CaptionsTest::czechCaptions()
{
    const Ui::TForm1 &ui = *Form1->ui;
    QCOMPARE(ui.Soubor->title(), QStringLiteral("&Soubor"));
    QCOMPARE(ui.NastavitBC->text(), QStringLiteral("Nas&tavit barvu čáry..."));
    QCOMPARE(ui.OProgramu->text(), QStringLiteral("&O programu"));
    QCOMPARE(Form1->Label(24)->text(), QStringLiteral("Prosinec"));
    QCOMPARE(ui.PageControl1->tabText(0), QStringLiteral("Úvod"));
    QCOMPARE(ui.PageControl1->tabText(12), QStringLiteral("Prosinec"));
    QCOMPARE(AboutBox->windowTitle(), QStringLiteral("O programu Zoziruzo"));
    QCOMPARE(Form3->windowTitle(), QStringLiteral("Průvodce vytvoření kalendáře"));
    QCOMPARE(Form3->Label(8)->text(), QStringLiteral("Úvod:"));
    QCOMPARE(Form3->Label(33)->text(), QStringLiteral("Prosinec:"));
    QCOMPARE(Form3->Button(16)->text(), QStringLiteral("Procházet..."));
    QCOMPARE(Form4->Label1->text(), QStringLiteral("Změnit rok:"));
    QCOMPARE(Form4->ComboBox1->count(), 12);
    QCOMPARE(Form5->windowTitle(), QStringLiteral("Změnit rok"));
    QCOMPARE(Form1->OpenPictureDialog1.Title, QStringLiteral("Vložit obrázek"));
}

void CaptionsTest::englishCaptions()
{
    useEnglish();
    const Ui::TForm1 &ui = *Form1->ui;
    QCOMPARE(ui.Soubor->title(), QStringLiteral("&File"));
    QCOMPARE(ui.Konec->text(), QStringLiteral("E&xit"));
    QCOMPARE(ui.Napoveda->title(), QStringLiteral("&Help"));
    QCOMPARE(Form1->Label(2)->text(), QStringLiteral("January"));
    QCOMPARE(ui.PageControl1->tabText(0), QStringLiteral("Cover"));
    QCOMPARE(AboutBox->windowTitle(), QStringLiteral("About Zoziruzo"));
    QCOMPARE(Form3->Button(1)->text(), QStringLiteral("< &Back"));
    QCOMPARE(Form3->Button(2)->text(), QStringLiteral("&Next >"));
    QCOMPARE(Form3->FinishCaption, QStringLiteral("&Finish"));
    QCOMPARE(Form3->Label(9)->text(), QStringLiteral("January:"));
    QCOMPARE(Form3->Label(22)->text(), QStringLiteral("January:"));
    QCOMPARE(Form4->ComboBox1->itemText(11), QStringLiteral("December"));
    QCOMPARE(Form4->Button2->text(), QStringLiteral("&Cancel"));
    QCOMPARE(Form5->Label1->text(), QStringLiteral("Change year:"));
    QCOMPARE(Form1->OpenDialog1.Filter,
             QStringLiteral("All calendar files|*.cnr;*.cpr|Month calendars|*.cnr|Calendar projects|*.cpr"));
    QCOMPARE(Form1->SaveDialog1.Title, QStringLiteral("Save as"));
    // Texts that no language changes.
    QCOMPARE(Form1->Vymazatobrzek1()->text(), QStringLiteral("&Vymazat obrázek"));
    QCOMPARE(Form4->Button1->text(), QStringLiteral("OK"));
    QCOMPARE(Form5->Button1->text(), QStringLiteral("OK"));
    QCOMPARE(ui.Tisk->text(), QStringLiteral("&Print"));
    QCOMPARE(Form7->windowTitle(), QStringLiteral("Print"));
    QCOMPARE(Form7->Label1->text(), QStringLiteral("Print pages:"));
    QCOMPARE(Form7->TisknoutStejne->text(), QStringLiteral("Print the same pages as last time"));
    QCOMPARE(Form7->CheckBox(1)->text(), QStringLiteral("Cover"));
    QCOMPARE(Form7->CheckBox(2)->text(), QStringLiteral("January"));
    QCOMPARE(Form7->CheckBox(13)->text(), QStringLiteral("December"));
    QCOMPARE(Form7->Button1->text(), QStringLiteral("&Print"));
    QCOMPARE(Form7->Button2->text(), QStringLiteral("&Cancel"));
}

void CaptionsTest::untitledDocumentsTakeTheNewName_data()
{
    QTest::addColumn<int>("page");
    QTest::addColumn<QString>("title");
    QTest::newRow("single month") << PageModel::SingleMonthPage << "Zoziruzo - Untitled.cnr";
    QTest::newRow("project") << PageModel::ProjectSheet << "Zoziruzo - Untitled.cpr";
}

void CaptionsTest::untitledDocumentsTakeTheNewName()
{
    QFETCH(int, page);
    QFETCH(QString, title);
    Form1->show();
    QVERIFY(QTest::qWaitForWindowExposed(Form1));
    Form1->ui->PageControl->setCurrentWidget(Form1->TabSheet(page));
    useEnglish();
    QCOMPARE(Form1->windowTitle(), title);
    QCOMPARE(Form1->SaveDialog1.FileName, QStringLiteral("Untitled"));
}

void CaptionsTest::linkedDocumentKeepsItsTitle()
{
    Form1->SaveDialog1.Tag = 1;
    Form1->SaveDialog1.FileName = QStringLiteral("/doc/kveten.cnr");
    Form1->setWindowTitle(QStringLiteral("Zoziruzo - kveten.cnr"));
    useEnglish();
    QCOMPARE(Form1->windowTitle(), QStringLiteral("Zoziruzo - kveten.cnr"));
    QCOMPARE(Form1->SaveDialog1.FileName, QStringLiteral("/doc/kveten.cnr"));
}

void CaptionsTest::weekStart_data()
{
    QTest::addColumn<QString>("line");
    QTest::addColumn<int>("startOfWeek");
    QTest::addColumn<bool>("fails");
    QTest::newRow("0") << "0" << 0 << false;
    QTest::newRow("1") << "1" << 1 << false;
    QTest::newRow("7") << "7" << 1 << false;
    QTest::newRow("-1") << "-1" << 1 << false;
    QTest::newRow("text") << "Mo" << 1 << true;
}

void CaptionsTest::weekStart()
{
    QFETCH(QString, line);
    QFETCH(int, startOfWeek);
    QFETCH(bool, fails);
    QStringList lines = english();
    lines[26] = line;
    Form2->CaptionMemo.setLines(lines);
    const Result<> applied = ApplyCaptions();
    QCOMPARE(applied.ok(), !fails);
    if (fails)
        QCOMPARE(applied.error(), QStringLiteral("'Mo' is not a valid integer value"));
    // Every caption is in place even when the week start fails.
    QCOMPARE(Form1->ui->Soubor->title(), QStringLiteral("&File"));
    for (MonthControl *control : allCalendarControls())
        QCOMPARE(control->StartOfWeek(), startOfWeek);
}

// Before any document the controls started their weeks on Sunday under
// Monday-first names, and the page showed its blank top.
void CaptionsTest::firstPageAUserSees()
{
    Form1->show();
    QVERIFY(QTest::qWaitForWindowExposed(Form1));
    QCOMPARE(Form1->ui->PageControl->currentWidget(), Form1->TabSheet(PageModel::SingleMonthPage));
    for (MonthControl *control : allCalendarControls())
        QCOMPARE(control->StartOfWeek(), 1);

    const TBigKal &grid = *Form1->BigKal(13);
    const QDate today = QDate::currentDate();
    QCOMPARE(grid.Year(), today.year());
    QCOMPARE(grid.Month(), today.month());
    // The 1st stands in the column of its weekday, Monday first.
    const int column = (QDate(today.year(), today.month(), 1).dayOfWeek() + 6) % 7;
    QCOMPARE(grid.grid().DayCellText(column, 1), QStringLiteral("1"));
    QCOMPARE(Form2->CaptionMemo.line(12 + column).isEmpty(), false);

    QScrollArea *box = Form1->ScrollBox(PageModel::SingleMonthPage);
    QCOMPARE(box->verticalScrollBar()->value(), 314);
    const QRect visible(QPoint(0, 314), box->viewport()->size());
    for (QWidget *control : {static_cast<QWidget *>(Form1->Label(26)), static_cast<QWidget *>(Form1->Label(27)),
                             static_cast<QWidget *>(Form1->BigKal(13)), static_cast<QWidget *>(Form1->Edit(13))})
        QVERIFY2(visible.contains(control->geometry()), qPrintable(control->objectName()));
    QCOMPARE(Form1->Label(26)->text(), LanguageLines::builtInCzech().at(today.month() - 1));
    QCOMPARE(Form1->windowTitle(), QStringLiteral("Zoziruzo - Bez názvu.cnr"));
}

void CaptionsTest::projectPagesTakeTheLanguage_data()
{
    QTest::addColumn<QString>("weekStart");
    QTest::addColumn<int>("startOfWeek");
    QTest::addColumn<QString>("failure");
    QTest::newRow("a pass") << "0" << 0 << QString();
    QTest::newRow("a pass whose week start fails") << "Mo" << 1 << QStringLiteral("'Mo' is not a valid integer value");
}

// The caption pass puts its texts on the project's pages; a week start that
// fails leaves every grid on the first weekday it had.
void CaptionsTest::projectPagesTakeTheLanguage()
{
    QFETCH(QString, weekStart);
    QFETCH(int, startOfWeek);
    QFETCH(QString, failure);
    QStringList lines = english();
    lines[26] = weekStart;
    Form2->CaptionMemo.setLines(lines);
    const Result<> applied = ApplyCaptions();
    QCOMPARE(applied.ok(), failure.isEmpty());
    QCOMPARE(applied.error(), failure);

    QCOMPARE(Form1->Label(2)->text(), QStringLiteral("January"));
    QCOMPARE(Form1->Label(24)->text(), QStringLiteral("December"));
    QCOMPARE(Form1->Label(3)->text(), QStringLiteral("2002"));
    QCOMPARE(Form1->ui->PageControl1->tabText(0), QStringLiteral("Cover"));
    QCOMPARE(Form1->ui->PageControl1->tabText(12), QStringLiteral("December"));
    for (MonthControl *control : allCalendarControls())
        QCOMPARE(control->StartOfWeek(), startOfWeek);
    QVERIFY(!Form1->Modified);
}

QTEST_MAIN(CaptionsTest)
#include "CaptionsTest.moc"

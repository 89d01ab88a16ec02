#include "calendar/wizard/Wizard.h"

#include "calendar-controls/picture/TImageKal.h"
#include "calendar/test-support/DesignerFixture.h"
#include "calendar/test-support/DesignerWindows.h"
#include "calendar/wizard/ColorPanel.h"
#include "platform/ui/CommonDialogs.h"
#include "platform/ui/MessageBox.h"
#include "platform/ui/SpinEdit.h"

#include <QApplication>
#include <QFile>
#include <QPushButton>
#include <QTimer>

#include <memory>

using Input = std::function<void(TForm3 &)>;
using Check = std::function<bool(TForm1 &)>;
Q_DECLARE_METATYPE(Input)
Q_DECLARE_METATYPE(Check)

namespace {

bool allOf(int from, int to, const std::function<bool(int)> &holds)
{
    for (int n = from; n <= to; ++n) {
        if (!holds(n))
            return false;
    }
    return true;
}

TColor fontColor(QWidget *widget)
{
    return WidgetLook::textColor(*widget);
}

} // namespace

class WizardTest : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void cleanup();

    void controlsStandWhereDesigned_data();
    void controlsStandWhereDesigned();
    void inputsReachTheirControls_data();
    void inputsReachTheirControls();
    void defaultColoursGiveTheCoverTheDayNameColour();
    void finishShowsTheNewUntitledProjectOnItsCover();
    void emptyPictureNamesClearThePictures();
    void pagesFormARing();
    void tabCyclesThroughEachPage_data();
    void tabCyclesThroughEachPage();
    void finishWithAPictureThatWillNotLoad_data();
    void finishWithAPictureThatWillNotLoad();
    void newProjectResetsTheInputs();
    void leavingWithoutFinishChangesNothing_data();
    void leavingWithoutFinishChangesNothing();
    void enterInAnEditLeavesTheWizardOpen_data();
    void enterInAnEditLeavesTheWizardOpen();
    void swatchTakesTheColourChosen();
    void browseFillsTheEditAndRemembersTheFile();
    void applyYearTouchesOnlyTheProject();

private:
    void goToTextsPage();

    DesignerFixture m_folder;
    QString m_bmp;
    QString m_otherBmp;
    std::unique_ptr<DesignerWindows> m_windows;
};

void WizardTest::initTestCase()
{
    m_bmp = m_folder.picture(QStringLiteral("obrazek.bmp"), Qt::green);
    m_otherBmp = m_folder.picture(QStringLiteral("jiny.bmp"), Qt::red);
    QVERIFY(!m_bmp.isEmpty() && !m_otherBmp.isEmpty());
}

void WizardTest::init()
{
    m_windows = std::make_unique<DesignerWindows>();
    ResetWizard();
}

void WizardTest::cleanup()
{
    m_windows.reset();
}

void WizardTest::goToTextsPage()
{
    WizardNext();
    WizardNext();
    QCOMPARE(Form3->PageControl1->currentIndex(), 2);
}

void WizardTest::controlsStandWhereDesigned_data()
{
    QTest::addColumn<QString>("window");
    QTest::addColumn<QString>("control");
    QTest::addColumn<QRect>("geometry");
    QTest::newRow("wizard") << "Form3" << "" << QRect(0, 0, 490, 356);
    QTest::newRow("page control") << "Form3" << "PageControl1" << QRect(0, 0, 489, 329);
    QTest::newRow("Back") << "Form3" << "Button1" << QRect(242, 331, 75, 25);
    QTest::newRow("Cancel") << "Form3" << "Button3" << QRect(408, 331, 75, 25);
    QTest::newRow("year") << "Form3" << "SpinEdit1" << QRect(344, 80, 121, 22);
    QTest::newRow("line colour") << "Form3" << "Panel4" << QRect(344, 240, 121, 22);
    QTest::newRow("label of the line colour") << "Form3" << "Label6" << QRect(16, 240, 300, 20);
    QTest::newRow("December picture") << "Form3" << "Edit13" << QRect(80, 280, 300, 18);
    QTest::newRow("December browse") << "Form3" << "Button16" << QRect(392, 280, 75, 18);
    QTest::newRow("December picture label") << "Form3" << "Label20" << QRect(5, 282, 70, 13);
    QTest::newRow("December text") << "Form3" << "Edit25" << QRect(80, 260, 390, 18);
    QTest::newRow("year-and-month dialog") << "Form4" << "" << QRect(0, 0, 237, 123);
    QTest::newRow("year dialog") << "Form5" << "" << QRect(0, 0, 237, 94);
}

void WizardTest::controlsStandWhereDesigned()
{
    QFETCH(QString, window);
    QFETCH(QString, control);
    QFETCH(QRect, geometry);
    QWidget *form = window == "Form3" ? static_cast<QWidget *>(Form3)
                    : window == "Form4" ? static_cast<QWidget *>(Form4) : static_cast<QWidget *>(Form5);
    QWidget *widget = control.isEmpty() ? form : form->findChild<QWidget *>(control);
    QVERIFY(widget);
    QCOMPARE(control.isEmpty() ? QRect(QPoint(), widget->size()) : widget->geometry(), geometry);
}

void WizardTest::inputsReachTheirControls_data()
{
    QTest::addColumn<Input>("input");
    QTest::addColumn<Check>("check");

    const TColor text = Colors::clGreen, dayName = Colors::clMaroon, fill = Colors::clYellow,
                 line = Colors::clNavy;
    const Input colours = [=](TForm3 &w) {
        w.Panel(1)->setColor(text);
        w.Panel(2)->setColor(dayName);
        w.Panel(3)->setColor(fill);
        w.Panel(4)->setColor(line);
    };
    const Input year = [](TForm3 &w) { w.SpinEdit1->setValue(2030); };

    QTest::newRow("year: Year of the 24 month controls") << year << Check([](TForm1 &f) {
        return allOf(1, 12, [&](int n) { return f.SmallKal(n)->Year() == 2030 && f.BigKal(n)->Year() == 2030; });
    });
    QTest::newRow("year: the 13 year labels") << year << Check([](TForm1 &f) {
        return f.Label(1)->text() == "2030" && allOf(1, 12, [&](int m) { return f.Label(2 * m + 1)->text() == "2030"; });
    });
    QTest::newRow("year: month names and the single month untouched") << year << Check([](TForm1 &f) {
        return f.BigKal(13)->Year() == 2002 && f.Label(27)->text() == "2002" && f.Label(4)->text() == "Únor";
    });
    QTest::newRow("text colour: day numbers of the grids") << colours << Check([=](TForm1 &f) {
        return allOf(1, 12, [&](int n) { return f.BigKal(n)->BarvaCisel() == text; });
    });
    QTest::newRow("text colour: text lines and month labels") << colours << Check([=](TForm1 &f) {
        return allOf(1, 12, [&](int n) { return fontColor(f.Edit(n)) == text; })
            && allOf(2, 25, [&](int n) { return fontColor(f.Label(n)) == text; });
    });
    QTest::newRow("day-name colour: small months, weekday names, cover year") << colours << Check([=](TForm1 &f) {
        return allOf(1, 12, [&](int n) { return f.SmallKal(n)->BarvaPisma() == dayName && f.BigKal(n)->BarvaPisma() == dayName; })
            && fontColor(f.Label(1)) == dayName;
    });
    QTest::newRow("fill and line colours: all 24 month controls") << colours << Check([=](TForm1 &f) {
        return allOf(1, 12, [&](int n) {
            return f.SmallKal(n)->BarvaPozadi() == fill && f.BigKal(n)->BarvaPozadi() == fill
                && f.SmallKal(n)->BarvaCary() == line && f.BigKal(n)->BarvaCary() == line;
        });
    });
    QTest::newRow("colours: the single month untouched") << colours << Check([](TForm1 &f) {
        const TBigKal &single = *f.BigKal(13);
        return single.BarvaCisel() == Colors::clBlue && single.BarvaPisma() == Colors::clBlue
            && single.BarvaPozadi() == Colors::clSilver && single.BarvaCary() == Colors::clOlive
            && fontColor(f.Edit(13)) == Colors::clBlue && fontColor(f.Label(27)) == Colors::clBlue;
    });
    const QString bmp = m_bmp, otherBmp = m_otherBmp;
    QTest::newRow("Edit1: cover picture") << Input([=](TForm3 &w) { w.Edit(1)->setText(bmp); })
                                          << Check([=](TForm1 &f) {
                                                 return f.ImageKal(1)->FileName() == bmp
                                                     && allOf(2, 14, [&](int n) { return f.ImageKal(n)->FileName().isEmpty(); });
                                             });
    QTest::newRow("Edit2..Edit13: month pictures") << Input([=](TForm3 &w) {
        for (int n = 2; n <= 13; ++n)
            w.Edit(n)->setText(n % 2 ? bmp : otherBmp);
    }) << Check([=](TForm1 &f) {
        return f.ImageKal(1)->FileName().isEmpty() && f.ImageKal(14)->FileName().isEmpty()
            && allOf(2, 13, [&](int n) { return f.ImageKal(n)->FileName() == (n % 2 ? bmp : otherBmp); });
    });
    QTest::newRow("Edit14..Edit25: text lines") << Input([](TForm3 &w) {
        for (int n = 14; n <= 25; ++n)
            w.Edit(n)->setText(QStringLiteral("text %1").arg(n));
    }) << Check([](TForm1 &f) {
        return allOf(1, 12, [&](int m) { return f.Edit(m)->text() == QStringLiteral("text %1").arg(m + 13); })
            && f.Edit(13)->text().isEmpty();
    });
}

void WizardTest::inputsReachTheirControls()
{
    QFETCH(Input, input);
    QFETCH(Check, check);
    input(*Form3);
    QVERIFY(BuildProjectFromWizard());
    QVERIFY(check(*Form1));
}

void WizardTest::defaultColoursGiveTheCoverTheDayNameColour()
{
    QVERIFY(BuildProjectFromWizard());
    TForm1 &f = *Form1;
    QCOMPARE(f.SmallKal(5)->BarvaPisma(), Colors::clRed);
    QCOMPARE(fontColor(f.Label(1)), Colors::clRed);
    QCOMPARE(f.BigKal(5)->BarvaCisel(), Colors::clBlue);
    QCOMPARE(f.BigKal(5)->BarvaPisma(), Colors::clRed);
    QCOMPARE(fontColor(f.Label(10)), Colors::clBlue);
    QCOMPARE(f.BigKal(5)->BarvaPozadi(), Colors::clSilver);
    QCOMPARE(f.SmallKal(5)->BarvaCary(), Colors::clOlive);
}

void WizardTest::finishShowsTheNewUntitledProjectOnItsCover()
{
    m_windows->showPage(PageModel::SingleMonthPage);
    Form3->UntitledProjectName = QStringLiteral("Bez názvu");
    Form3->SpinEdit1->setValue(2031);
    QVERIFY(BuildProjectFromWizard());
    QVERIFY(!Form1->Modified);
    QCOMPARE(Form1->windowTitle(), QStringLiteral("Zoziruzo - Bez názvu.cpr"));
    QCOMPARE(Form1->CurrentPage, PageModel::CoverPage);
    QCOMPARE(Form1->DocKind, quint8(1));
}

void WizardTest::emptyPictureNamesClearThePictures()
{
    for (int n = 1; n <= 13; ++n)
        QVERIFY(Form1->ImageKal(n)->setFileName(m_bmp));
    Form1->Edit(4)->setText(QStringLiteral("old"));
    QVERIFY(BuildProjectFromWizard());
    QVERIFY(allOf(1, 13, [](int n) { return Form1->ImageKal(n)->Picture().isNull(); }));
    QVERIFY(Form1->Edit(4)->text().isEmpty());
    QVERIFY(!Form1->Modified);
}

void WizardTest::pagesFormARing()
{
    TForm3 &w = *Form3;
    struct Step
    {
        void (*move)();
        int page;
        bool backEnabled;
        QString button;
    };
    const Step steps[] = {
        {WizardNext, 1, true, w.NextCaption},   {WizardNext, 2, true, w.FinishCaption},
        {WizardBack, 1, true, w.NextCaption},   {WizardBack, 0, false, w.NextCaption},
    };
    QCOMPARE(w.Button(2)->text(), w.NextCaption);
    QVERIFY(!w.Button(1)->isEnabled());
    for (const Step &step : steps) {
        step.move();
        QCOMPARE(w.PageControl1->currentIndex(), step.page);
        QCOMPARE(w.Button(1)->isEnabled(), step.backEnabled);
        QCOMPARE(w.Button(2)->text(), step.button);
    }
}

void WizardTest::tabCyclesThroughEachPage_data()
{
    QTest::addColumn<int>("page");
    QTest::addColumn<QStringList>("cycle");
    const QStringList buttons{"Button2", "Button3"};
    QTest::newRow("settings, Back disabled") << 0 << buttons + QStringList{"SpinEdit1"};
    QStringList pictures = buttons + QStringList{"Button1"};
    for (int row = 0; row < 13; ++row)
        pictures << QStringLiteral("Edit%1").arg(1 + row) << QStringLiteral("Button%1").arg(4 + row);
    QTest::newRow("pictures") << 1 << pictures;
    QStringList texts = buttons + QStringList{"Button1"};
    for (int n = 14; n <= 25; ++n)
        texts << QStringLiteral("Edit%1").arg(n);
    QTest::newRow("texts") << 2 << texts;
}

// Tab runs Next, Storno, Back (when enabled), then the shown page's fields,
// and comes round to Next again; Shift+Tab runs the same ring backwards.
void WizardTest::tabCyclesThroughEachPage()
{
    QFETCH(int, page);
    QFETCH(QStringList, cycle);
    TForm3 &w = *Form3;
    for (int n = 0; n < page; ++n)
        WizardNext();
    w.show();
    w.activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&w));
    QCOMPARE(QApplication::focusWidget(), w.Button(2));
    // The year field's text line has the focus for it.
    const auto focused = [] {
        QWidget *widget = QApplication::focusWidget();
        if (widget && qobject_cast<TSpinEdit *>(widget->parentWidget()))
            widget = widget->parentWidget();
        return widget ? widget->objectName() : QStringLiteral("<none>");
    };
    const auto walk = [&](Qt::KeyboardModifiers modifiers) {
        QStringList seen{focused()};
        for (int step = 0; step < cycle.size(); ++step) {
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab, modifiers);
            seen << focused();
        }
        return seen;
    };
    QCOMPARE(walk(Qt::NoModifier), cycle + QStringList{"Button2"});
    QStringList backwards{"Button2"};
    for (qsizetype n = cycle.size() - 1; n >= 0; --n)
        backwards << cycle.at(n);
    QCOMPARE(walk(Qt::ShiftModifier), backwards);
    w.hide();
}

void WizardTest::finishWithAPictureThatWillNotLoad_data()
{
    QTest::addColumn<QString>("fileName");
    QTest::addColumn<QString>("error");
    const QString missing = m_folder.path(QStringLiteral("chybi.jpg"));
    QTest::newRow("missing file") << missing << QStringLiteral("Cannot open file %1").arg(missing);
    QTest::newRow("not a picture name") << QStringLiteral("Leden") << QStringLiteral("Unknown picture file extension (.)");
    QTest::newRow("unreadable picture") << m_folder.path(QStringLiteral("poskozeny.bmp")) << QString();
}

void WizardTest::finishWithAPictureThatWillNotLoad()
{
    QFETCH(QString, fileName);
    QFETCH(QString, error);
    QFile damaged(m_folder.path(QStringLiteral("poskozeny.bmp")));
    QVERIFY(damaged.open(QIODevice::WriteOnly));
    damaged.write("BM not a bitmap");
    damaged.close();

    Form1->setWindowTitle(QStringLiteral("Zoziruzo - Leto.cnr"));
    TForm3 &w = *Form3;
    w.show();
    goToTextsPage();
    w.SpinEdit1->setValue(2030);
    w.Panel(3)->setColor(Colors::clYellow);
    w.Edit(1)->setText(m_bmp);
    w.Edit(7)->setText(fileName);
    w.Edit(14)->setText(QStringLiteral("Leden text"));

    {
        MessageBox::Script script;
        WizardNext();
        QCOMPARE(int(script.requests().size()), 1);
        QCOMPARE(script.requests().front().icon, MessageBox::Icon::Error);
        if (!error.isEmpty())
            QCOMPARE(script.requests().front().text, error);
        else
            QVERIFY(!script.requests().front().text.isEmpty());
    }
    // Nothing applied; the wizard waits on its last page with its inputs.
    TForm1 &f = *Form1;
    QVERIFY(allOf(1, 12, [&](int n) { return f.SmallKal(n)->Year() == 2002 && f.BigKal(n)->BarvaPozadi() == Colors::clSilver; }));
    QVERIFY(f.ImageKal(1)->FileName().isEmpty());
    QVERIFY(f.Edit(1)->text().isEmpty());
    QCOMPARE(f.Label(1)->text(), QStringLiteral("2002"));
    QVERIFY(!f.Modified);
    QCOMPARE(f.windowTitle(), QStringLiteral("Zoziruzo - Leto.cnr"));
    QVERIFY(w.isVisible());
    QCOMPARE(w.PageControl1->currentIndex(), 2);
    QCOMPARE(w.Button(2)->text(), w.FinishCaption);
    QCOMPARE(w.Edit(7)->text(), fileName);
    QCOMPARE(w.Edit(1)->text(), m_bmp);
    QCOMPARE(w.SpinEdit1->Value(), 2030);
    QCOMPARE(w.Panel(3)->Color(), Colors::clYellow);

    // Corrected, Finish applies all of it and closes.
    w.Edit(7)->setText(m_otherBmp);
    WizardNext();
    QVERIFY(!w.isVisible());
    QCOMPARE(w.result(), int(QDialog::Accepted));
    QCOMPARE(f.SmallKal(1)->Year(), 2030);
    QCOMPARE(f.ImageKal(7)->FileName(), m_otherBmp);
    QCOMPARE(f.Edit(1)->text(), QStringLiteral("Leden text"));
}

void WizardTest::newProjectResetsTheInputs()
{
    TForm3 &w = *Form3;
    WizardNext();
    w.SpinEdit1->setValue(1500);
    w.Panel(2)->setColor(Colors::clLime);
    w.Edit(3)->setText(QStringLiteral("x.bmp"));
    w.Edit(20)->setText(QStringLiteral("text"));
    Form2->Calendar1 = QDate(2027, 5, 4);

    bool checked = false;
    QTimer::singleShot(0, &w, [&] {
        checked = true;
        QCOMPARE(w.PageControl1->currentIndex(), 0);
        QVERIFY(!w.Button(1)->isEnabled());
        QCOMPARE(w.Button(2)->text(), w.NextCaption);
        QCOMPARE(w.SpinEdit1->Value(), 2027);
        QCOMPARE(w.Panel(1)->Color(), Colors::clBlue);
        QCOMPARE(w.Panel(2)->Color(), Colors::clRed);
        QCOMPARE(w.Panel(3)->Color(), Colors::clSilver);
        QCOMPARE(w.Panel(4)->Color(), Colors::clOlive);
        QVERIFY(allOf(1, 25, [&](int n) { return w.Edit(n)->text().isEmpty(); }));
        QCOMPARE(w.focusWidget(), w.Button(2));
        w.Button(2)->click();
        w.Button(2)->click();
        w.Button(2)->click();
    });
    QVERIFY(NewProjectWizard(QStringLiteral("Untitled")));
    QVERIFY(checked);
    QCOMPARE(Form1->windowTitle(), QStringLiteral("Zoziruzo - Untitled.cpr"));
    QCOMPARE(Form1->SmallKal(1)->Year(), 2027);
}

void WizardTest::leavingWithoutFinishChangesNothing_data()
{
    QTest::addColumn<int>("way");
    QTest::newRow("Storno") << 0;
    QTest::newRow("Escape in an edit") << 1;
    QTest::newRow("Escape in the year field") << 2;
    QTest::newRow("Escape on a browse button") << 3;
}

void WizardTest::leavingWithoutFinishChangesNothing()
{
    QFETCH(int, way);
    TForm3 &w = *Form3;
    const DesignColors::Colors before = DesignColors::read(*Form1);
    Form1->setWindowTitle(QStringLiteral("Zoziruzo - Leto.cnr"));
    QTimer::singleShot(0, &w, [&] {
        w.SpinEdit1->setValue(2040);
        w.Edit(1)->setText(m_bmp);
        WizardNext();
        QWidget *targets[] = {w.Button(3), w.Edit(1), w.SpinEdit1, w.Button(4)};
        if (way == 0) {
            w.Button(3)->click();
            return;
        }
        QTest::keyClick(targets[way], Qt::Key_Escape);
    });
    QVERIFY(!NewProjectWizard(QStringLiteral("Bez názvu")));
    QVERIFY(!w.isVisible());
    QCOMPARE(DesignColors::read(*Form1), before);
    QCOMPARE(Form1->SmallKal(1)->Year(), 2002);
    QVERIFY(Form1->ImageKal(1)->FileName().isEmpty());
    QCOMPARE(Form1->windowTitle(), QStringLiteral("Zoziruzo - Leto.cnr"));
    QVERIFY(!Form1->Modified);
}

void WizardTest::enterInAnEditLeavesTheWizardOpen_data()
{
    QTest::addColumn<int>("lastButton");
    QTest::newRow("after Storno had the focus") << 3;
    QTest::newRow("after Next had the focus") << 2;
}

// The wizard has no default button: Enter typed into a text line neither
// cancels nor finishes it.
void WizardTest::enterInAnEditLeavesTheWizardOpen()
{
    QFETCH(int, lastButton);
    TForm3 &w = *Form3;
    bool stayedOpen = false;
    bool backedUp = false;
    QTimer::singleShot(0, &w, [&] {
        w.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&w));
        WizardNext();
        WizardNext();
        w.Button(lastButton)->setFocus();
        w.Edit(14)->setFocus();
        QTest::keyClick(w.Edit(14), Qt::Key_Return);
        stayedOpen = w.isVisible() && w.PageControl1->currentIndex() == 2;
        // Enter on a focused button presses that button.
        w.Button(1)->setFocus();
        QTest::keyClick(w.Button(1), Qt::Key_Return);
        backedUp = w.PageControl1->currentIndex() == 1;
        w.Button(3)->click();
    });
    QVERIFY(!NewProjectWizard(QStringLiteral("Bez názvu")));
    QVERIFY(stayedOpen);
    QVERIFY(backedUp);
}

void WizardTest::swatchTakesTheColourChosen()
{
    CommonDialogs::Script script;
    script.answerColor(Colors::clAqua);
    script.answerCancel();
    ColorPanel &panel = *Form3->Panel(3);
    PickPanelColor(panel);
    QCOMPARE(panel.Color(), Colors::clAqua);
    PickPanelColor(panel);
    QCOMPARE(panel.Color(), Colors::clAqua);
    QCOMPARE(int(script.requests().size()), 2);
    QCOMPARE(script.requests().at(0).color, Colors::clSilver);
    QCOMPARE(script.requests().at(1).color, Colors::clAqua);
}

void WizardTest::browseFillsTheEditAndRemembersTheFile()
{
    CommonDialogs::Script script;
    script.answerFile(m_bmp);
    script.answerCancel();
    Form3->Edit(5)->setText(QStringLiteral("typed.jpg"));
    BrowsePicture(*Form3->Edit(5));
    QCOMPARE(Form3->Edit(5)->text(), m_bmp);
    BrowsePicture(*Form3->Edit(6));
    QVERIFY(Form3->Edit(6)->text().isEmpty());
    QCOMPARE(script.requests().at(1).fileName, m_bmp);
    QVERIFY(script.requests().at(0).filter.startsWith(QStringLiteral("All (*.jpg;*.jpeg;*.bmp;*.emf;*.wmf)|")));
    QVERIFY(script.requests().at(0).title.isEmpty());
}

void WizardTest::applyYearTouchesOnlyTheProject()
{
    TSpinEdit year;
    year.setRange(1, 9999);
    year.setValue(1999);
    QVERIFY(ApplyYear(year));
    TForm1 &f = *Form1;
    QVERIFY(allOf(1, 12, [&](int n) { return f.SmallKal(n)->Year() == 1999 && f.BigKal(n)->Year() == 1999; }));
    QVERIFY(allOf(1, 12, [&](int m) { return f.Label(2 * m + 1)->text() == "1999"; }));
    QCOMPARE(f.Label(1)->text(), QStringLiteral("1999"));
    QCOMPARE(f.BigKal(13)->Year(), 2002);
    QCOMPARE(f.Label(27)->text(), QStringLiteral("2002"));
    QVERIFY(f.Modified);
}

QTEST_MAIN(WizardTest)
#include "WizardTest.moc"

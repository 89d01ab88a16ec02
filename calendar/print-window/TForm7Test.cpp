#include "calendar/print-window/TForm7.h"

#include "calendar/main-window/TForm1.h"
#include "calendar/main-window/TForm2.h"
#include "calendar/print-window/SetPrintOkno.h"
#include "calendar/test-support/PrintWindowTestLines.h"
#include "platform/printing/Printing.h"

#include <QCheckBox>
#include <QContextMenuEvent>
#include <QDir>
#include <QLabel>
#include <QMenu>
#include <QPixmap>
#include <QPrinter>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>

#include <memory>

using namespace SetPrintOkno;
using Drive = Drives::Drive;
using Kind = Drives::Kind;

namespace {

QIcon plainIcon(Qt::GlobalColor color)
{
    QPixmap pixmap(16, 16);
    pixmap.fill(color);
    return QIcon(pixmap);
}

} // namespace

class TForm7Test : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void layoutAndTabOrder();
    void showingTicksEveryPage();
    void tiskFollowsTheTickedBoxes();
    void toggleClearsThenTicksAll();
    void enterOnAPageBoxActsOnTheToggle();
    void escapeCloses_data();
    void escapeCloses();
    void printerButtonRunsThePrinterDialog();
    void popupBringsBackTheLastPrintedPages();
    void popupBeforeAnyPrintTicksAll();
    void rightClickOnTheLabelOpensThePopup();
    void rememberPagesIgnoresOtherModes();
    void formCreate_data();
    void formCreate();
    void startFolder_data();
    void startFolder();

private:
    void clickBox(int n);

    QTemporaryDir m_dir;
    std::unique_ptr<TForm2> m_form2;
    std::unique_ptr<TForm1> m_form1;
    std::unique_ptr<TForm7> m_form7;
    QString m_startFolder;
};

void TForm7Test::init()
{
    QVERIFY(m_dir.isValid());
    m_startFolder = QDir::currentPath();
    m_form2 = std::make_unique<TForm2>();
    m_form2->CaptionMemo.setLines(printWindowTestLines());
    m_form2->AbortBit = plainIcon(Qt::red);
    m_form2->OKBit = plainIcon(Qt::green);
    m_form2->DirectoryListBox1.Directory = m_dir.path();
    m_form1 = std::make_unique<TForm1>(&m_form2->CaptionMemo);
    m_form7 = std::make_unique<TForm7>(*m_form1, *m_form2);
}

void TForm7Test::cleanup()
{
    m_form7.reset();
    m_form1.reset();
    m_form2.reset();
    QDir::setCurrent(m_startFolder);
}

void TForm7Test::clickBox(int n)
{
    QCheckBox *box = m_form7->CheckBox(n);
    QTest::mouseClick(box, Qt::LeftButton, {}, QPoint(5, box->height() / 2));
}

void TForm7Test::layoutAndTabOrder()
{
    TForm7 &form = *m_form7;
    QCOMPARE(form.size(), QSize(228, 170));
    QCOMPARE(form.windowTitle(), QStringLiteral("Tisk"));
    QCOMPARE(form.Label1->geometry(), QRect(16, 8, 98, 13));
    QCOMPARE(form.CheckBox(1)->geometry(), QRect(120, 8, 90, 17));
    QCOMPARE(form.CheckBox(1)->text(), QStringLiteral("Úvod"));
    QCOMPARE(form.CheckBox(2)->geometry(), QRect(16, 24, 90, 17));
    QCOMPARE(form.CheckBox(7)->geometry(), QRect(16, 104, 90, 17));
    QCOMPARE(form.CheckBox(7)->text(), QStringLiteral("Červen"));
    QCOMPARE(form.CheckBox(8)->geometry(), QRect(120, 24, 90, 17));
    QCOMPARE(form.CheckBox(13)->geometry(), QRect(120, 104, 90, 17));
    QCOMPARE(form.CheckBox(13)->text(), QStringLiteral("Prosinec"));
    QCOMPARE(form.BitBtn1->geometry(), QRect(8, 136, 25, 25));
    QCOMPARE(form.BitBtn2->geometry(), QRect(33, 136, 25, 25));
    QCOMPARE(form.Button1->geometry(), QRect(64, 136, 75, 25));
    QCOMPARE(form.Button1->text(), QStringLiteral("&Tisk"));
    QCOMPARE(form.Button2->geometry(), QRect(144, 136, 75, 25));
    QCOMPARE(form.Button2->text(), QStringLiteral("&Storno"));
    QCOMPARE(form.TisknoutStejne->text(), QStringLiteral("Tisknout stejné stránky jako v minulém případě"));
    QVERIFY(form.BitBtn1->isDefault());

    const QList<QWidget *> expected = {form.Button1,     form.Button2,     form.BitBtn1,     form.BitBtn2,
                                       form.CheckBox(2), form.CheckBox(3), form.CheckBox(4), form.CheckBox(5),
                                       form.CheckBox(6), form.CheckBox(7), form.CheckBox(1), form.CheckBox(8),
                                       form.CheckBox(9), form.CheckBox(10), form.CheckBox(11),
                                       form.CheckBox(12), form.CheckBox(13)};
    // Tab walks the chain past the widgets that take no focus, and round.
    const auto nextTabStop = [](QWidget *from) {
        QWidget *next = from->nextInFocusChain();
        while (!(next->focusPolicy() & Qt::TabFocus))
            next = next->nextInFocusChain();
        return next;
    };
    for (qsizetype i = 0; i < expected.size(); ++i)
        QCOMPARE(nextTabStop(expected[i]), expected[(i + 1) % expected.size()]);
}

void TForm7Test::showingTicksEveryPage()
{
    TForm7 &form = *m_form7;
    form.show();
    QVERIFY(QTest::qWaitForWindowActive(&form));
    for (int n : {1, 4, 13})
        clickBox(n);
    form.BitBtn1Click();
    form.hide();

    form.show();
    QVERIFY(QTest::qWaitForWindowActive(&form));
    for (int n = 1; n <= TForm7::PageBoxes; ++n)
        QVERIFY2(form.CheckBox(n)->isChecked(), qPrintable(QString::number(n)));
    QVERIFY(form.Button1->isEnabled());
    QCOMPARE(form.SelectToggle, quint8(0));
    QCOMPARE(form.BitBtn1->icon().cacheKey(), m_form2->AbortBit.cacheKey());
    QCOMPARE(form.BitBtn1->toolTip(), QStringLiteral("line 75"));
    QCOMPARE(form.focusWidget(), form.Button1);
}

void TForm7Test::tiskFollowsTheTickedBoxes()
{
    TForm7 &form = *m_form7;
    form.show();
    QVERIFY(QTest::qWaitForWindowActive(&form));
    for (int n = 1; n <= TForm7::PageBoxes; ++n) {
        QVERIFY(form.Button1->isEnabled());
        clickBox(n);
    }
    QVERIFY(!form.Button1->isEnabled());
    clickBox(9);
    QVERIFY(form.Button1->isEnabled());
}

void TForm7Test::toggleClearsThenTicksAll()
{
    TForm7 &form = *m_form7;
    form.show();
    QVERIFY(QTest::qWaitForWindowActive(&form));
    QTest::mouseClick(form.BitBtn1, Qt::LeftButton);
    QCOMPARE(form.SelectToggle, quint8(1));
    QCOMPARE(form.BitBtn1->icon().cacheKey(), m_form2->OKBit.cacheKey());
    QCOMPARE(form.BitBtn1->toolTip(), QStringLiteral("line 76"));
    for (int n = 1; n <= TForm7::PageBoxes; ++n)
        QVERIFY(!form.CheckBox(n)->isChecked());
    QVERIFY(!form.Button1->isEnabled());

    // Ticking by hand leaves the toggle where it is.
    clickBox(3);
    QCOMPARE(form.SelectToggle, quint8(1));

    QTest::mouseClick(form.BitBtn1, Qt::LeftButton);
    QCOMPARE(form.SelectToggle, quint8(0));
    QCOMPARE(form.BitBtn1->icon().cacheKey(), m_form2->AbortBit.cacheKey());
    QCOMPARE(form.BitBtn1->toolTip(), QStringLiteral("line 75"));
    for (int n = 1; n <= TForm7::PageBoxes; ++n)
        QVERIFY(form.CheckBox(n)->isChecked());
    QVERIFY(form.Button1->isEnabled());
}

void TForm7Test::enterOnAPageBoxActsOnTheToggle()
{
    TForm7 &form = *m_form7;
    form.show();
    QVERIFY(QTest::qWaitForWindowActive(&form));
    form.CheckBox(5)->setFocus();
    QTest::keyClick(form.CheckBox(5), Qt::Key_Return);
    QVERIFY(form.isVisible());
    QCOMPARE(form.SelectToggle, quint8(1));
    QVERIFY(!form.CheckBox(5)->isChecked());
}

void TForm7Test::escapeCloses_data()
{
    QTest::addColumn<QString>("control");
    QTest::addColumn<bool>("closes");
    QTest::newRow("window") << "Form7" << true;
    QTest::newRow("page box") << "CheckBox4" << true;
    QTest::newRow("Tisk") << "Button1" << true;
    QTest::newRow("Storno") << "Button2" << true;
    QTest::newRow("toggle") << "BitBtn1" << true;
    QTest::newRow("printer button") << "BitBtn2" << false;
}

void TForm7Test::escapeCloses()
{
    QFETCH(QString, control);
    QFETCH(bool, closes);
    TForm7 &form = *m_form7;
    form.show();
    QVERIFY(QTest::qWaitForWindowActive(&form));
    QWidget *target = control == form.objectName() ? &form : form.findChild<QWidget *>(control);
    QVERIFY(target);
    target->setFocus();
    QTest::keyClick(target, Qt::Key_Escape);
    QCOMPARE(form.isVisible(), !closes);
}

void TForm7Test::printerButtonRunsThePrinterDialog()
{
    // The dialog runs on the designer's one printer object, so what is
    // confirmed there is the printer of later jobs.
    Printing::DialogScript script;
    script.cancel();
    QTest::mouseClick(m_form7->BitBtn2, Qt::LeftButton);
    QCOMPARE(script.asked(), 1);
    QCOMPARE(script.lastPrinter(), &m_form1->Printer());
    script.confirm();
    QTest::mouseClick(m_form7->BitBtn2, Qt::LeftButton);
    QCOMPARE(script.asked(), 2);
    QCOMPARE(script.lastPrinter(), &m_form1->Printer());
}

void TForm7Test::popupBringsBackTheLastPrintedPages()
{
    TForm7 &form = *m_form7;
    m_form7->FormCreate();
    const Printing::PdfRedirect redirect(m_dir.filePath(QStringLiteral("job.pdf")));
    form.show();
    QVERIFY(QTest::qWaitForWindowActive(&form));
    QTest::mouseClick(form.BitBtn1, Qt::LeftButton);
    clickBox(2);
    clickBox(4);
    QTest::mouseClick(form.Button1, Qt::LeftButton);
    QVERIFY(!form.isVisible());
    QCOMPARE(form.PageCount, 2);

    form.show();
    QVERIFY(QTest::qWaitForWindowActive(&form));
    form.TisknoutStejne->trigger();
    for (int n = 1; n <= TForm7::PageBoxes; ++n)
        QCOMPARE(form.CheckBox(n)->isChecked(), n == 2 || n == 4);
}

void TForm7Test::popupBeforeAnyPrintTicksAll()
{
    TForm7 &form = *m_form7;
    form.FormCreate();
    form.show();
    QVERIFY(QTest::qWaitForWindowActive(&form));
    QTest::mouseClick(form.BitBtn1, Qt::LeftButton);
    form.TisknoutStejne->trigger();
    for (int n = 1; n <= TForm7::PageBoxes; ++n)
        QVERIFY(form.CheckBox(n)->isChecked());
}

void TForm7Test::rightClickOnTheLabelOpensThePopup()
{
    TForm7 &form = *m_form7;
    form.show();
    QVERIFY(QTest::qWaitForWindowActive(&form));
    QContextMenuEvent click(QContextMenuEvent::Mouse, QPoint(5, 5), form.Label1->mapToGlobal(QPoint(5, 5)));
    QCoreApplication::sendEvent(form.Label1, &click);
    QVERIFY(form.PopupMenu1->isVisible());
    QCOMPARE(form.PopupMenu1->actions(), QList<QAction *>({form.TisknoutStejne}));
    form.PopupMenu1->close();
}

void TForm7Test::rememberPagesIgnoresOtherModes()
{
    TForm7 &form = *m_form7;
    InitRememberedPages(form);
    UncheckAllPages(form);
    RememberPages(form, 2);
    for (int n = 1; n <= TForm7::PageBoxes; ++n)
        QVERIFY(!form.CheckBox(n)->isChecked());
    QVERIFY(std::all_of(form.RememberedPages.begin(), form.RememberedPages.end(), [](bool b) { return b; }));
}

void TForm7Test::formCreate_data()
{
    QTest::addColumn<bool>("noSaveQuery");
    QTest::newRow("normal start") << false;
    QTest::newRow("start-up refused") << true;
}

void TForm7Test::formCreate()
{
    QFETCH(bool, noSaveQuery);
    m_form1->NoSaveQuery = noSaveQuery;
    m_form2->DriveComboBox1.clear();
    m_form7->FormCreate();
    QCOMPARE(QDir::currentPath() == QDir(m_dir.path()).canonicalPath(), !noSaveQuery);
    for (bool remembered : m_form7->RememberedPages)
        QCOMPARE(remembered, !noSaveQuery);
}

void TForm7Test::startFolder_data()
{
    QTest::addColumn<QStringList>("roots");           // drive folders under the temporary folder
    QTest::addColumn<QList<bool>>("fixed");
    QTest::addColumn<QStringList>("documentFolders"); // "drive/name" folders made
    QTest::addColumn<QString>("expected");            // relative to the temporary folder
    QTest::newRow("second fixed drive holds it")
        << QStringList{"c", "d"} << QList<bool>{true, true} << QStringList{"d/Dokumenty"} << "d/Dokumenty";
    QTest::newRow("first drive wins")
        << QStringList{"c", "d"} << QList<bool>{true, true} << QStringList{"c/Dokumenty", "d/Dokumenty"}
        << "c/Dokumenty";
    QTest::newRow("letter case ignored")
        << QStringList{"c"} << QList<bool>{true} << QStringList{"c/DOKUMENTY"} << "c/DOKUMENTY";
    QTest::newRow("removable drive never searched")
        << QStringList{"c", "e"} << QList<bool>{true, false} << QStringList{"e/Dokumenty"} << "program";
    QTest::newRow("a file of that name is no folder")
        << QStringList{"c"} << QList<bool>{true} << QStringList{} << "program";
}

void TForm7Test::startFolder()
{
    QFETCH(QStringList, roots);
    QFETCH(QList<bool>, fixed);
    QFETCH(QStringList, documentFolders);
    QFETCH(QString, expected);
    const QTemporaryDir folder;
    const QDir base(folder.path());
    QList<Drive> drives;
    for (qsizetype i = 0; i < roots.size(); ++i) {
        QVERIFY(base.mkpath(roots[i]));
        drives.append({base.filePath(roots[i]), fixed[i] ? Kind::Fixed : Kind::Other});
    }
    for (const QString &folder : documentFolders)
        QVERIFY(base.mkpath(folder));
    if (documentFolders.isEmpty()) {
        QFile plainFile(base.filePath(QStringLiteral("c/Dokumenty")));
        QVERIFY(plainFile.open(QIODevice::WriteOnly));
    }
    QVERIFY(base.mkpath(QStringLiteral("program")));

    SetStartFolder(drives, base.filePath(QStringLiteral("program")));
    QCOMPARE(QDir::currentPath(), QDir(base.filePath(expected)).canonicalPath());
}

QTEST_MAIN(TForm7Test)
#include "TForm7Test.moc"

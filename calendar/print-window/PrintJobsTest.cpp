#include "calendar/print-window/Print.h"

#include "calendar-controls/big-month/TBigKal.h"
#include "calendar-controls/picture/TImageKal.h"
#include "calendar-controls/small-month/TSmallKal.h"
#include "calendar/main-window/AutoSizeLabel.h"
#include "calendar/main-window/TForm1.h"
#include "calendar/main-window/TForm2.h"
#include "calendar/print-window/TForm7.h"
#include "calendar/test-support/PrintWindowTestLines.h"
#include "platform/printing/PdfReadBack.h"
#include "platform/printing/Printing.h"
#include "platform/ui/MessageBox.h"
#include "platform/ui/WidgetLook.h"

#include <QAction>
#include <QCheckBox>
#include <QImage>
#include <QLineEdit>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>

#include <cmath>
#include <memory>

namespace {

constexpr int Tolerance = 3; // dots: font boxes as poppler measures them

using PdfReadBack::Word;
using PdfReadBack::pageCount;
using PdfReadBack::render;
using PdfReadBack::words;

const Word *findWord(const QList<Word> &found, const QString &text, double nearX, double nearY)
{
    const Word *best = nullptr;
    double bestDistance = 1e9;
    for (const Word &w : found) {
        const double distance = std::hypot(w.left - nearX, w.top - nearY);
        if (w.text == text && distance < bestDistance) {
            best = &w;
            bestDistance = distance;
        }
    }
    return best;
}

// Records every caption the print window shows.
class CaptionLog : public QObject
{
public:
    explicit CaptionLog(QWidget &window) : m_window(window) { window.installEventFilter(this); }
    QStringList captions;

protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (watched == &m_window && event->type() == QEvent::WindowTitleChange)
            captions.append(m_window.windowTitle());
        return false;
    }

private:
    QWidget &m_window;
};

} // namespace

class PrintJobsTest : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void cleanup();

    void progressPercent_data();
    void progressPercent();
    void singleMonthPage();
    void singleMonthDialogCancelledPrintsNothing();
    void pictureNamedButMissingPrintsNoPicture();
    void projectPagesAndCaptions_data();
    void projectPagesAndCaptions();
    void coverPage();
    void fiveRowMonthPage();
    void printerErrorLeavesPrintingUsable_data();
    void printerErrorLeavesPrintingUsable();

private:
    QString newPdfPath();
    void printProject(const QList<int> &boxes);
    bool nearly(double actual, double expected) { return std::abs(actual - expected) <= Tolerance; }

    QTemporaryDir m_dir;
    QString m_picture;
    QString m_coverPicture;
    int m_jobs = 0;
    std::unique_ptr<TForm2> m_form2;
    std::unique_ptr<TForm1> m_form1;
    std::unique_ptr<TForm7> m_form7;
};

void PrintJobsTest::initTestCase()
{
    QVERIFY(m_dir.isValid());
    m_picture = m_dir.filePath(QStringLiteral("obrazek.bmp"));
    QImage image(502, 400, QImage::Format_RGB32);
    image.fill(QColor(0, 160, 0));
    QVERIFY(image.save(m_picture));
    m_coverPicture = m_dir.filePath(QStringLiteral("uvod.bmp"));
    QVERIFY(image.copy(0, 0, 502, 250).save(m_coverPicture));
}

void PrintJobsTest::init()
{
    m_form2 = std::make_unique<TForm2>();
    m_form2->CaptionMemo.setLines(printWindowTestLines());
    m_form1 = std::make_unique<TForm1>(&m_form2->CaptionMemo);
    m_form7 = std::make_unique<TForm7>(*m_form1, *m_form2);
    m_form7->setWindowTitle(QStringLiteral("Tisk"));
    Form7 = m_form7.get();

    TBigKal &single = *m_form1->BigKal(13);
    single.setStartOfWeek(1);
    QVERIFY(single.setYear(2002));
    single.setMonth(9);
    m_form1->Label(26)->setText(QStringLiteral("Září"));
    m_form1->Label(27)->setText(QStringLiteral("2002"));
    m_form1->Edit(13)->setText(QStringLiteral("Krásné podzimní dny"));
    WidgetLook::setColor(*m_form1->Edit(13), QPalette::Text, Colors::clRed);
    QVERIFY(m_form1->ImageKal(14)->setFileName(m_picture));
}

void PrintJobsTest::cleanup()
{
    Form7 = nullptr;
    m_form7.reset();
    m_form1.reset();
    m_form2.reset();
}

QString PrintJobsTest::newPdfPath()
{
    return m_dir.filePath(QStringLiteral("job%1.pdf").arg(++m_jobs));
}

void PrintJobsTest::progressPercent_data()
{
    QTest::addColumn<int>("pageCount");
    QTest::addColumn<QList<int>>("percents");
    QTest::newRow("13 pages") << 13 << QList<int>{8, 15, 23, 31, 38, 46, 54, 62, 69, 77, 85, 92, 100};
    QTest::newRow("8 pages, halves to even") << 8 << QList<int>{12, 25, 38, 50, 62, 75, 88, 100};
}

void PrintJobsTest::progressPercent()
{
    QFETCH(int, pageCount);
    QFETCH(QList<int>, percents);
    for (int page = 1; page <= pageCount; ++page)
        QCOMPARE(::progressPercent(page, pageCount), percents[page - 1]);
}

void PrintJobsTest::singleMonthPage()
{
    const QString pdf = newPdfPath();
    const Printing::PdfRedirect redirect(pdf);
    Printing::DialogScript dialog;
    dialog.confirm();
    TiskClick(*m_form1, *m_form7);
    QCOMPARE(dialog.asked(), 1);
    QVERIFY(m_form1->findChild<QAction *>(QStringLiteral("Tisk"))->isEnabled());
    QCOMPARE(pageCount(pdf), 1);

    // The 502 x 400 picture, 2234 x 1780 dots at 95, 38.
    QCOMPARE(m_form7->PictureRect, (PageRect{95, 38, 2329, 1818}));
    const QImage page = render(pdf, 1, m_dir.path());
    QCOMPARE(page.width(), 2480);
    QVERIFY(page.height() >= 3508);
    const QColor green(0, 160, 0);
    QCOMPARE(page.pixelColor(95, 38), green);
    QCOMPARE(page.pixelColor(2328, 1817), green);
    QCOMPARE(page.pixelColor(94, 1000), QColor(Qt::white));
    QCOMPARE(page.pixelColor(2329, 1000), QColor(Qt::white));
    QCOMPARE(page.pixelColor(1000, 37), QColor(Qt::white));
    // poppler lets a picture's lower edge take the next row of pixels.
    QCOMPARE(page.pixelColor(1000, 1819), QColor(Qt::white));

    // Six rows of 173 dots for September 2002, Monday first.
    const QColor line = Colors::clOlive.toQColor();
    for (int k = 1; k <= 6; ++k)
        QCOMPARE(page.pixelColor(56 + 300, 2090 + 83 + k * 173) == line, k < 6);
    QCOMPARE(page.pixelColor(56 + 330, 2090 + 1122), line);
    QCOMPARE(page.pixelColor(56 + 1000, 2090 + 40), Colors::clSilver.toQColor());

    const QList<Word> found = words(pdf, 1);
    const Word *month = findWord(found, QStringLiteral("Září"), 80, 1835);
    QVERIFY(month);
    QVERIFY(nearly(month->left, 80));
    QVERIFY(nearly(month->top, 1835));
    const Word *year = findWord(found, QStringLiteral("2002"), 2200, 1835);
    QVERIFY(year);
    QVERIFY(nearly(year->right, 2338));
    QVERIFY(nearly(year->top, 1835));
    const Word *monday = findWord(found, QStringLiteral("Po"), 56 + 140, 2090 + 13);
    QVERIFY(monday);
    QVERIFY(nearly((monday->left + monday->right) / 2, 56 + 165));
    QVERIFY(nearly(monday->top, 2090 + 13));
    const Word *first = findWord(found, QStringLiteral("1"), 56 + 6 * 330 + 22, 2090 + 96);
    QVERIFY(first);
    QVERIFY(nearly(first->left, 56 + 6 * 330 + 22));
    QVERIFY(nearly(first->top, 2090 + 96));
    const Word *last = findWord(found, QStringLiteral("30"), 56 + 22, 2090 + 5 * 173 + 96);
    QVERIFY(last);
    QVERIFY(nearly(last->left, 56 + 22));
    QVERIFY(nearly(last->top, 2090 + 5 * 173 + 96));
    // The bottom text, centred on 1212, ends at the printable height.
    const Word *textStart = findWord(found, QStringLiteral("Krásné"), 900, 3450);
    const Word *textEnd = findWord(found, QStringLiteral("dny"), 1500, 3450);
    QVERIFY(textStart && textEnd);
    QVERIFY(nearly((textStart->left + textEnd->right) / 2, 1212));
    QVERIFY(nearly(textEnd->bottom, 3508));
}

void PrintJobsTest::singleMonthDialogCancelledPrintsNothing()
{
    const QString pdf = newPdfPath();
    const Printing::PdfRedirect redirect(pdf);
    Printing::DialogScript dialog;
    dialog.cancel();
    TiskClick(*m_form1, *m_form7);
    QCOMPARE(dialog.asked(), 1);
    QVERIFY(!QFile::exists(pdf));
}

void PrintJobsTest::pictureNamedButMissingPrintsNoPicture()
{
    TImageKal &picture = *m_form1->ImageKal(14);
    picture.Clear();
    QVERIFY(!picture.setFileName(m_dir.filePath(QStringLiteral("chybi.jpg"))));
    QVERIFY(!picture.FileName().isEmpty());
    m_form7->PictureRect = {};

    const QString pdf = newPdfPath();
    const Printing::PdfRedirect redirect(pdf);
    Printing::DialogScript dialog;
    dialog.confirm();
    TiskClick(*m_form1, *m_form7);
    QCOMPARE(pageCount(pdf), 1);
    QCOMPARE(m_form7->PictureRect, PageRect{});
    const QImage page = render(pdf, 1, m_dir.path());
    QCOMPARE(page.pixelColor(1200, 900), QColor(Qt::white));
    QVERIFY(findWord(words(pdf, 1), QStringLiteral("Září"), 80, 1835));
}

void PrintJobsTest::printProject(const QList<int> &boxes)
{
    m_form7->show();
    QVERIFY(QTest::qWaitForWindowExposed(m_form7.get()));
    for (int n = 1; n <= TForm7::PageBoxes; ++n)
        m_form7->CheckBox(n)->setChecked(boxes.contains(n));
    QTest::mouseClick(m_form7->Button1, Qt::LeftButton);
}

void PrintJobsTest::projectPagesAndCaptions_data()
{
    QTest::addColumn<QList<int>>("boxes");
    QTest::addColumn<QStringList>("progress");
    QList<int> all;
    for (int n = 1; n <= 13; ++n)
        all.append(n);
    QTest::newRow("13 pages") << all
                              << QStringList{"8", "15", "23", "31", "38", "46", "54", "62", "69", "77", "85", "92", "100"};
    QTest::newRow("8 pages") << QList<int>{1, 2, 3, 5, 8, 9, 11, 12}
                             << QStringList{"12", "25", "38", "50", "62", "75", "88", "100"};
    QTest::newRow("only the cover") << QList<int>{1} << QStringList{"100"};
    QTest::newRow("January and December") << QList<int>{2, 13} << QStringList{"50", "100"};
    QTest::newRow("December alone") << QList<int>{13} << QStringList{"100"};
}

void PrintJobsTest::projectPagesAndCaptions()
{
    QFETCH(QList<int>, boxes);
    QFETCH(QStringList, progress);
    const QString pdf = newPdfPath();
    const Printing::PdfRedirect redirect(pdf);
    CaptionLog log(*m_form7);
    printProject(boxes);

    QStringList expected;
    for (const QString &percent : progress)
        expected.append(QStringLiteral("Tisk %1%").arg(percent));
    expected.append(QStringLiteral("Tisk"));
    QCOMPARE(log.captions, expected);
    QCOMPARE(m_form7->PageCount, boxes.size());
    QCOMPARE(pageCount(pdf), boxes.size());
    QVERIFY(!m_form7->isVisible());
    QVERIFY(m_form7->isEnabled());
}

void PrintJobsTest::coverPage()
{
    m_form1->Label(1)->setText(QStringLiteral("2026"));
    QVERIFY(m_form1->ImageKal(1)->setFileName(m_coverPicture));
    for (int month = 1; month <= 12; ++month)
        m_form1->SmallKal(month)->setBarvaCary(Colors::clBlue);
    const QString pdf = newPdfPath();
    const Printing::PdfRedirect redirect(pdf);
    printProject({1});
    QCOMPARE(pageCount(pdf), 1);
    // A 502 x 250 picture centred in the cover's own box.
    QCOMPARE(m_form7->PictureRect, (PageRect{89, 397, 2323, 1509}));

    const QList<Word> found = words(pdf, 1);
    const Word *year = findWord(found, QStringLiteral("2026"), 1100, 188);
    QVERIFY(year);
    QVERIFY(nearly((year->left + year->right) / 2, 1206));
    QVERIFY(nearly(year->top, 188));
    QVERIFY(findWord(found, QStringLiteral("Prosinec"), 1900, 1584 + 430 * 3 + 6));

    const QImage page = render(pdf, 1, m_dir.path());
    const QColor frame = Colors::clBlue.toQColor();
    const QColor shadow = Colors::clSilver.toQColor();
    for (int month = 1; month <= 12; ++month) {
        const int x = 120 + 760 * ((month - 1) % 3);
        const int y = 1584 + 430 * ((month - 1) / 3);
        QCOMPARE(page.pixelColor(x, y + 200), frame);
        QCOMPARE(page.pixelColor(x + 643, y + 200), frame);
        QCOMPARE(page.pixelColor(x + 300, y + 351), frame);
        QCOMPARE(page.pixelColor(x + 660, y + 370), shadow);
        QCOMPARE(page.pixelColor(x + 674, y + 200), QColor(Qt::white));
    }
}

void PrintJobsTest::fiveRowMonthPage()
{
    TBigKal &february = *m_form1->BigKal(2);
    february.setStartOfWeek(1);
    QVERIFY(february.setYear(2010));
    february.setMonth(2);
    const QString pdf = newPdfPath();
    const Printing::PdfRedirect redirect(pdf);
    printProject({3});
    const QImage page = render(pdf, 1, m_dir.path());
    const QColor line = Colors::clOlive.toQColor();
    for (int k = 1; k <= 5; ++k)
        QCOMPARE(page.pixelColor(56 + 300, 2090 + 83 + k * 208) == line, k < 5);
    // February 2010 fills four rows; the fifth is empty.
    const QList<Word> found = words(pdf, 1);
    const Word *last = findWord(found, QStringLiteral("28"), 56 + 6 * 330 + 22, 2090 + 3 * 208 + 96);
    QVERIFY(last);
    QVERIFY(nearly(last->top, 2090 + 3 * 208 + 96));
    for (const Word &word : found)
        QVERIFY2(word.top < 2090 + 4 * 208 + 90 || word.top > 3300, qPrintable(word.text));
}

void PrintJobsTest::printerErrorLeavesPrintingUsable_data()
{
    QTest::addColumn<bool>("project");
    QTest::newRow("single month") << false;
    QTest::newRow("year project") << true;
}

void PrintJobsTest::printerErrorLeavesPrintingUsable()
{
    QFETCH(bool, project);
    const QString pdf = m_dir.filePath(QStringLiteral("no/such/folder/job.pdf"));
    const Printing::PdfRedirect redirect(pdf);
    MessageBox::Script boxes;
    boxes.answer(MessageBox::Result::Ok);
    if (project) {
        printProject({1, 2});
        QVERIFY(m_form7->isVisible());
        QVERIFY(m_form7->isEnabled());
        QCOMPARE(m_form7->windowTitle(), QStringLiteral("Tisk"));
    } else {
        Printing::DialogScript dialog;
        dialog.confirm();
        TiskClick(*m_form1, *m_form7);
        QVERIFY(m_form1->findChild<QAction *>(QStringLiteral("Tisk"))->isEnabled());
    }
    QCOMPARE(boxes.requests().size(), std::size_t(1));
    QCOMPARE(boxes.requests()[0].icon, MessageBox::Icon::Error);
    QVERIFY(!boxes.requests()[0].text.isEmpty());
    QVERIFY(!QFile::exists(pdf));
}

QTEST_MAIN(PrintJobsTest)
#include "PrintJobsTest.moc"

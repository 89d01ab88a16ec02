#include "platform/ui/MessageBox.h"
#include "trainer-components/shadow-label/TShadowLabel.h"
#include "trainer/browser-windows/BrowserWindows.h"
#include "trainer/browser-windows/BrowserWindowsLoader.h"
#include "trainer/practice-test/QuestionSource.h"
#include "trainer/practice-test/RadioGroup.h"
#include "trainer/practice-test/RandomSource.h"
#include "trainer/practice-test/TRun_Test.h"
#include "trainer/practice-test/TTesting.h"
#include "trainer/practice-test/TVyhodnoceni.h"
#include "trainer/test-support/ModalDriver.h"

#include <QCheckBox>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QGuiApplication>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QScopedValueRollback>
#include <QScreen>
#include <QTest>
#include <QTextEdit>

#include <map>

Q_DECLARE_METATYPE(MessageBox::Result)

namespace {

// Every number of the bank but 5; answer b is correct, 2 points each;
// question 123 is cancelled.
class FakeQuestions : public QuestionSource
{
public:
    Result<> open() override
    {
        ++opened;
        return {};
    }
    Result<std::optional<Question>> find(int number) override
    {
        if (!failure.isEmpty())
            return Failure{failure};
        if (number == MissingNumber)
            return std::optional<Question>();
        Question q;
        q.number = number;
        q.text = QStringLiteral("Otázka %1").arg(number);
        q.answerA = QStringLiteral("a%1").arg(number);
        q.answerB = QStringLiteral("b%1").arg(number);
        q.answerC = QStringLiteral("c%1").arg(number);
        q.correct = 2;
        q.points = 2;
        q.valid = number != 123;
        return std::optional(q);
    }
    static constexpr int MissingNumber = 5;
    int opened = 0;
    // When set, every find fails with it.
    QString failure;
};

// Counts up from the low end of each range: the first range reads
// 1, 2, 3, 122, 4, 123, 5, 6.
class CountingRandom : public RandomSource
{
public:
    int uniform(int low, int high) override
    {
        if (low != m_low) {
            m_low = low;
            m_next = 0;
        }
        return std::min(high, low + m_next++);
    }

private:
    int m_low = -1;
    int m_next = 0;
};

template <typename T>
T *child(QWidget *window, const char *name)
{
    T *found = window->findChild<T *>(QString::fromLatin1(name));
    if (!found)
        qFatal("no control %s", name);
    return found;
}

// Questions whose texts look like markup.
class MarkupQuestions : public QuestionSource
{
public:
    Result<> open() override { return {}; }
    Result<std::optional<Question>> find(int number) override
    {
        Question q;
        q.number = number;
        q.text = QStringLiteral("x<y>z <b>tučně</b> &amp;");
        q.answerA = QStringLiteral("<i>a</i>");
        q.correct = 1;
        q.valid = true;
        return std::optional(q);
    }
};

// Stands in for the page windows: keeps the report it was handed and deletes
// it, as the report window does when it closes.
class ReportStandIn : public BrowserWindows
{
public:
    void showQuestionList(const QString &, QWidget *) override {}
    void showWrongAnswers(const QString &pagePath, QWidget *) override
    {
        shownPath = pagePath;
        QFile page(pagePath);
        if (page.open(QIODevice::ReadOnly))
            shownPage = page.readAll();
        QFile::remove(pagePath);
    }
    QString shownPath;
    QByteArray shownPage;
};

QString text(QWidget *window, const char *name) { return child<QLabel>(window, name)->text(); }

QColor textColor(QWidget *window, const char *name)
{
    return child<QWidget>(window, name)->palette().color(QPalette::WindowText);
}

void keypad(QWidget *window, Qt::Key key, Qt::KeyboardModifiers modifiers = Qt::KeypadModifier)
{
    QWidget *target = QApplication::focusWidget() ? QApplication::focusWidget() : window;
    QTest::keyClick(target, key, modifiers);
}

int shownPosition(TTesting *t) { return child<RadioGroup>(t, "RadioGroup1")->itemIndex() + 1; }

// Closes every evaluation dialog as it opens and counts them.
class EvaluationCounter
{
public:
    EvaluationCounter()
    {
        m_timer.setInterval(5);
        QObject::connect(&m_timer, &QTimer::timeout, &m_timer, [this] {
            if (Vyhodnoceni && Vyhodnoceni->isVisible()) {
                ++count;
                Vyhodnoceni->close();
            }
        });
        m_timer.start();
    }
    int count = 0;

private:
    QTimer m_timer;
};

const QString EndCaption = QStringLiteral("Vaše rozhodnutí:");
const QString TimeOutCaption = QStringLiteral("Vyčerpali jste čas testu !");

} // namespace

class PracticeTestWindowsTest : public QObject
{
    Q_OBJECT

    FakeQuestions questions;
    int generatorsMade = 0;

    TRun_Test::RandomFactory counting()
    {
        return [this] {
            ++generatorsMade;
            return std::make_unique<CountingRandom>();
        };
    }

    // Starts a test from the dialog and runs `drive` inside the test window.
    void runTest(std::function<void(TTesting *)> drive)
    {
        TRun_Test dialog(questions, QStringLiteral("2002.A"), counting());
        dialog.show();
        whenShown<TTesting>(Testing, drive);
        QTest::mouseClick(child<QPushButton>(&dialog, "BitBtn1"), Qt::LeftButton);
        QVERIFY(!dialog.isVisible());
        QCOMPARE(dialog.result(), int(QDialog::Accepted));
        QVERIFY(Testing == nullptr);
    }

private slots:
    void startDialogOpensOnGroupG()
    {
        TRun_Test dialog(questions, QStringLiteral("2002.A"), counting());
        dialog.show();
        auto *group = child<RadioGroup>(&dialog, "RadioGroup1");
        QCOMPARE(group->itemIndex(), 6);
        QCOMPARE(dialog.setup().group, QChar(u'G'));
        QCOMPARE(dialog.setup().passMark, 43);
        QCOMPARE(child<QTextEdit>(&dialog, "Text")->toPlainText(),
                 QStringLiteral("K ochraně zdraví, života a majetku v místech, kam má veřejnost volný "
                                "přístup - musíte získat 43 bodů."));

        QTest::mouseClick(group->item(0), Qt::LeftButton);
        QCOMPARE(dialog.setup().group, QChar(u'A'));
        QCOMPARE(dialog.setup().passMark, 37);
        QCOMPARE(child<QTextEdit>(&dialog, "Text")->toPlainText(),
                 QStringLiteral("Ke sběratelským účelům - musíte získat 37 bodů."));
        QTest::mouseClick(group->item(6), Qt::LeftButton);
        QCOMPARE(dialog.setup().passMark, 43);
    }

    void testStartsAtTheFirstQuestion()
    {
        MessageBox::Script script;
        script.answer(MessageBox::Result::Yes);
        runTest([](TTesting *t) {
            QCOMPARE(shownPosition(t), 1);
            QCOMPARE(text(t, "Nazev"), QStringLiteral("Skupina zbrojního průkazu: G"));
            QCOMPARE(text(t, "Otazka"), QStringLiteral("Otázka 1"));
            QCOMPARE(text(t, "Poc_bodu"), QStringLiteral("za 2 bodů."));
            QCOMPARE(text(t, "Stav"), QStringLiteral("Platná otázka, odpovídejte"));
            QCOMPARE(textColor(t, "Stav"), QColor(0x80, 0, 0));
            QVERIFY(!child<QPushButton>(t, "BitBtn2")->isEnabled());
            QCOMPARE(child<QCheckBox>(t, "CheckBox24")->text(), QStringLiteral("-"));
            QCOMPARE(text(t, "Panel7"), QStringLiteral("40:00"));
            t->Timer1Timer();
            QCOMPARE(text(t, "Panel7"), QStringLiteral("39:59"));
            whenShown<TVyhodnoceni>(Vyhodnoceni, [](TVyhodnoceni *v) { v->close(); });
            QTest::mouseClick(child<QPushButton>(t, "BitBtn1"), Qt::LeftButton);
        });
        QCOMPARE(questions.opened > 0, true);
    }

    void answersByMouseAndKeypad()
    {
        MessageBox::Script script;
        script.answer(MessageBox::Result::No);
        script.answer(MessageBox::Result::Yes);
        runTest([&script](TTesting *t) {
            // Mouse: choosing locks the list until the answer is confirmed.
            QTest::mouseClick(child<QRadioButton>(t, "RadioButton2"), Qt::LeftButton);
            QVERIFY(child<QPushButton>(t, "BitBtn2")->isEnabled());
            QVERIFY(!child<QWidget>(t, "Panel5")->isEnabled());
            QTest::mouseClick(child<QPushButton>(t, "BitBtn2"), Qt::LeftButton);
            QCOMPARE(child<QCheckBox>(t, "CheckBox1")->text(), QStringLiteral("B"));
            QVERIFY(child<QCheckBox>(t, "CheckBox1")->isChecked());
            QCOMPARE(textColor(t, "CheckBox1"), QColor(Qt::blue));
            QCOMPARE(textColor(t, "CheckBox2"), QColor(Qt::cyan));
            QCOMPARE(shownPosition(t), 2);
            QVERIFY(!child<QRadioButton>(t, "RadioButton2")->isChecked());
            QVERIFY(child<QWidget>(t, "Panel5")->isEnabled());

            // Keypad 3 while an answer button has the focus answers and moves on.
            child<QRadioButton>(t, "RadioButton1")->setFocus();
            keypad(t, Qt::Key_3);
            QCOMPARE(child<QCheckBox>(t, "CheckBox2")->text(), QStringLiteral("C"));
            QCOMPARE(shownPosition(t), 3);
            keypad(t, Qt::Key_2);
            QCOMPARE(shownPosition(t), 4);

            // The digits above the letters are not the keypad.
            keypad(t, Qt::Key_1, Qt::NoModifier);
            QCOMPARE(shownPosition(t), 4);
            QCOMPARE(t->run().answerAt(4), 0);

            // Keys do nothing while the question list has the focus.
            auto *list = child<RadioGroup>(t, "RadioGroup1");
            list->item(3)->setFocus();
            keypad(t, Qt::Key_1);
            QCOMPARE(shownPosition(t), 4);
            QCOMPARE(t->run().answerAt(4), 0);

            // Answering a position again replaces the earlier answer.
            QTest::mouseClick(list->item(0), Qt::LeftButton);
            QCOMPARE(shownPosition(t), 1);
            child<QPushButton>(t, "BitBtn1")->setFocus();
            keypad(t, Qt::Key_1);
            QCOMPARE(child<QCheckBox>(t, "CheckBox1")->text(), QStringLiteral("A"));
            QCOMPARE(t->run().score(), 2);

            // No to the end question keeps the test running.
            QTest::mouseClick(child<QPushButton>(t, "BitBtn1"), Qt::LeftButton);
            QVERIFY(t->isVisible());
            QCOMPARE(script.requests().back().caption, QStringLiteral("Vaše rozhodnutí:"));
            QCOMPARE(script.requests().back().text, QStringLiteral("Opravdu chcete ukončit test ?"));

            whenShown<TVyhodnoceni>(Vyhodnoceni, [](TVyhodnoceni *v) {
                QCOMPARE(text(v, "skupina"), QStringLiteral("G"));
                QCOMPARE(text(v, "Body"), QStringLiteral("43"));
                QCOMPARE(text(v, "User_Count"), QStringLiteral("2"));
                QCOMPARE(text(v, "Result"), QStringLiteral("Nesplněno !!!"));
                QCOMPARE(text(v, "Rada_Cisel").remove(u'\n'),
                         QStringLiteral("1,2,3,122,4,123,5,6,125,126,127,128,129,130,131,132,"
                                        "158,159,160,161,162,163,164,165"));
                QVERIFY(child<QPushButton>(v, "Chyby")->isEnabled());
                QTest::mouseClick(child<QPushButton>(v, "BitBtn1"), Qt::LeftButton);
            });
            QTest::mouseClick(child<QPushButton>(t, "BitBtn1"), Qt::LeftButton);
            QCOMPARE(t->achievedPoints(), 2);
        });
        QCOMPARE(script.pending(), 0);
    }

    void cancelledAndMissingQuestions()
    {
        MessageBox::Script script;
        script.answer(MessageBox::Result::Yes);
        runTest([](TTesting *t) {
            auto *list = child<RadioGroup>(t, "RadioGroup1");
            QTest::mouseClick(list->item(5), Qt::LeftButton);
            QCOMPARE(text(t, "Stav"), QStringLiteral("Zrušená otázka, vždy správná odpověd."));
            QCOMPARE(textColor(t, "Stav"), QColor(Qt::red));
            child<QRadioButton>(t, "RadioButton1")->setFocus();
            keypad(t, Qt::Key_3);
            QCOMPARE(child<QCheckBox>(t, "CheckBox6")->text(), QStringLiteral("C"));
            QCOMPARE(t->run().score(), 2);

            // Position 7 holds a number the bank lacks.
            QCOMPARE(shownPosition(t), 7);
            QVERIFY(text(t, "Otazka").contains(QStringLiteral("5")));
            QVERIFY(text(t, "Otazka").contains(QStringLiteral("chybí")));
            QCOMPARE(text(t, "Label9"), QString());
            keypad(t, Qt::Key_2);
            QCOMPARE(t->run().score(), 2);
            whenShown<TVyhodnoceni>(Vyhodnoceni, [](TVyhodnoceni *v) { v->close(); });
            t->close();
        });
    }

    // The bank cannot be read (a pending edit does not post): the window says
    // why and shows the question as missing.
    void anUnreadableQuestionSaysWhy()
    {
        const QScopedValueRollback failing(questions.failure, QStringLiteral("Cannot write to central.vqt."));
        MessageBox::Script script;
        script.answer(MessageBox::Result::Ok);
        script.answer(MessageBox::Result::Yes);
        runTest([&script](TTesting *t) {
            QCOMPARE(script.requests().size(), std::size_t(1));
            QCOMPARE(script.requests().front().text, QStringLiteral("Cannot write to central.vqt."));
            QVERIFY(text(t, "Otazka").contains(QStringLiteral("chybí")));
            whenShown<TVyhodnoceni>(Vyhodnoceni, [](TVyhodnoceni *v) { v->close(); });
            t->close();
        });
    }

    void timeOutEvaluatesOnceWithoutAsking()
    {
        MessageBox::Script script;
        runTest([&script](TTesting *t) {
            keypad(t, Qt::Key_2);
            keypad(t, Qt::Key_2);
            QTest::keyClick(t, Qt::Key_Escape);
            QVERIFY(t->isVisible());
            for (int i = 0; i < RunningTest::Duration - 1; ++i)
                t->Timer1Timer();
            QCOMPARE(text(t, "Panel7"), QStringLiteral("0:1"));
            whenShown<TVyhodnoceni>(Vyhodnoceni, [](TVyhodnoceni *v) {
                QCOMPARE(text(v, "User_Count"), QStringLiteral("4"));
                v->close();
            });
            t->Timer1Timer();
            QCOMPARE(text(t, "Panel7"), QStringLiteral("0:0"));
            QCOMPARE(script.requests().size(), std::size_t(1));
            QCOMPARE(script.requests().front().caption, QStringLiteral("Vyčerpali jste čas testu !"));
            QCOMPARE(script.requests().front().buttons, MessageBox::Buttons(MessageBox::Ok));
        });
    }

    void timeOutDuringTheEndQuestionEvaluatesOnce_data()
    {
        QTest::addColumn<MessageBox::Result>("lateAnswer");
        QTest::newRow("later Yes") << MessageBox::Result::Yes;
        QTest::newRow("later No") << MessageBox::Result::No;
    }

    void timeOutDuringTheEndQuestionEvaluatesOnce()
    {
        QFETCH(MessageBox::Result, lateAnswer);
        MessageBox::Script script;
        script.answer(lateAnswer);
        // The clock runs on while the end question stands open, to the end.
        script.whileOpen([](const MessageBox::Request &open) {
            while (open.caption == EndCaption && Testing->run().secondsLeft() > 0)
                Testing->Timer1Timer();
        });
        EvaluationCounter evaluations;
        runTest([](TTesting *t) {
            keypad(t, Qt::Key_2);
            QTest::mouseClick(child<QPushButton>(t, "BitBtn1"), Qt::LeftButton);
            QVERIFY(!t->isVisible());
            QCOMPARE(t->achievedPoints(), 2);
        });
        QCOMPARE(evaluations.count, 1);
        QCOMPARE(script.requests().size(), std::size_t(2));
        QCOMPARE(script.requests()[0].caption, EndCaption);
        const MessageBox::Request &timeOut = script.requests()[1];
        QCOMPARE(timeOut.caption, TimeOutCaption);
        QCOMPARE(timeOut.text,
                 QStringLiteral("Test byl zastaven, nemáte už volný čas určený k testovaní ..."));
        QCOMPARE(timeOut.icon, MessageBox::Icon::None);
        QVERIFY(timeOut.hadOwner);
    }

    void everyStartDrawsWithAFreshGenerator()
    {
        MessageBox::Script script;
        script.answer(MessageBox::Result::Yes);
        script.answer(MessageBox::Result::Yes);
        const int before = generatorsMade;
        for (int run = 0; run < 2; ++run) {
            runTest([](TTesting *t) {
                whenShown<TVyhodnoceni>(Vyhodnoceni, [](TVyhodnoceni *v) { v->close(); });
                t->close();
            });
        }
        QCOMPARE(generatorsMade - before, 2);
    }

    void windowsAreFixedAndCentred()
    {
        const TestSetup setup{u'G', 43, {}};
        TRun_Test start(questions, QStringLiteral("2002.A"), counting());
        TTesting testing(setup, questions, QStringLiteral("2002.A"));
        TVyhodnoceni evaluation(Evaluation::of(u'G', 43, 0, QString(), TestOrder{}),
                                QStringLiteral("2002.A"), FinishedTest{}, questions);
        const struct
        {
            QDialog *window;
            QString caption;
            QSize size;
        } windows[] = {
            {&start, QStringLiteral("Spustit nastavený test ..."), {527, 334}},
            {&testing, QStringLiteral("TEST: Odborná způsobilost ..."), {792, 573}},
            {&evaluation, QStringLiteral("Vyhodnocení testovacích otázek"), {511, 324}},
        };
        const QPoint screenCentre = QGuiApplication::primaryScreen()->geometry().center();
        for (const auto &[window, caption, size] : windows) {
            window->show();
            QCOMPARE(window->windowTitle(), caption);
            QCOMPARE(window->size(), size);
            QCOMPARE(window->minimumSize(), window->maximumSize());
            QCOMPARE(window->frameGeometry().center(), screenCentre);
            window->hide();
        }
    }

    void labelsShowMarkupAsWritten()
    {
        MarkupQuestions markup;
        TTesting testing(TestSetup{u'G', 43, {}}, markup, QStringLiteral("2002.A"));
        testing.show();
        QCOMPARE(text(&testing, "Otazka"), QStringLiteral("x<y>z <b>tučně</b> &amp;"));
        QCOMPARE(text(&testing, "Label9"), QStringLiteral("<i>a</i>"));
        TVyhodnoceni evaluation(Evaluation::of(u'G', 43, 0, QString(), TestOrder{}), QStringLiteral("2002.A"),
                                FinishedTest{}, markup);
        for (QWidget *window : {static_cast<QWidget *>(&testing), static_cast<QWidget *>(&evaluation)}) {
            for (QLabel *l : window->findChildren<QLabel *>())
                QVERIFY2(l->textFormat() == Qt::PlainText, qPrintable(l->objectName()));
        }
        testing.hide();
    }

    // A number is never split: a user would read "18" and "7" for 187.
    void rowOfNumbersBreaksOnlyAfterAComma_data()
    {
        QTest::addColumn<int>("firstNumber");
        QTest::newRow("three digits") << 140;
        QTest::newRow("one to three digits") << 1;
        QTest::newRow("four digits") << 1990;
    }
    void rowOfNumbersBreaksOnlyAfterAComma()
    {
        QFETCH(int, firstNumber);
        TestOrder order{};
        QStringList numbers;
        for (int k = 0; k < RunningTest::Positions; ++k) {
            const int number = firstNumber + k * (firstNumber < 10 ? 7 : 1);
            order[std::size_t(k)] = number;
            numbers << QString::number(number);
        }
        TVyhodnoceni dialog(Evaluation::of(u'G', 43, 0, QString(), order), QStringLiteral("2002.A"),
                            FinishedTest{}, questions);
        dialog.show();
        auto *row = child<QLabel>(&dialog, "Rada_Cisel");
        const QStringList lines = row->text().split(u'\n');
        QCOMPARE(lines.join(QString()), numbers.join(u','));
        QVERIFY(lines.size() >= 2);
        const QFontMetrics metrics = row->fontMetrics();
        for (qsizetype i = 0; i < lines.size(); ++i) {
            QVERIFY2(metrics.horizontalAdvance(lines[i]) <= row->width(), qPrintable(lines[i]));
            if (i + 1 == lines.size())
                break;
            QVERIFY2(lines[i].endsWith(u','), qPrintable(lines[i]));
            // A line is full: the next number with its comma would not fit.
            const QString next = lines[i + 1].section(u',', 0, 0) + u',';
            QVERIFY2(metrics.horizontalAdvance(lines[i] + next) > row->width(), qPrintable(lines[i]));
        }
        QVERIFY(lines.size() * metrics.lineSpacing() <= row->height());
        dialog.hide();
    }

    // Without a folder to write into, a box names the page, no window
    // opens, and nothing is written anywhere else ("/" for one).
    void wrongAnswersOpenFromTheEvaluation_data()
    {
        QTest::addColumn<QString>("temporaryFolder");
        QTest::newRow("temporary folder") << QString();
        // A file at its path, which even root cannot write through.
        QTest::newRow("a file in its place") << "file";
        QTest::newRow("missing folder") << "missing";
    }
    void wrongAnswersOpenFromTheEvaluation()
    {
        QFETCH(QString, temporaryFolder);
        QTemporaryDir scratch;
        const QString folder = temporaryFolder.isEmpty() ? QDir::tempPath() : scratch.filePath(temporaryFolder);
        if (temporaryFolder == u"file")
            QFile(folder).open(QIODevice::WriteOnly);
        FinishedTest test;
        test.group = u'G';
        test.passMark = 43;
        test.numbers[3] = 122;
        test.answers[3] = 1;
        test.correct[3] = 2;
        TVyhodnoceni dialog(Evaluation::of(u'G', 43, 0, QString(), TestOrder{}), QStringLiteral("2002.A"), test,
                            questions);
        dialog.show();
        ReportStandIn pages;
        const BrowserWindowsLoader::Override stand(pages);
        MessageBox::Script script;
        const QByteArray previous = qgetenv("TMPDIR");
        qputenv("TMPDIR", folder.toLocal8Bit());
        QTest::mouseClick(child<QPushButton>(&dialog, "Chyby"), Qt::LeftButton);
        if (previous.isEmpty())
            qunsetenv("TMPDIR");
        else
            qputenv("TMPDIR", previous);
        QVERIFY(dialog.isVisible());
        if (temporaryFolder.isEmpty()) {
            QCOMPARE(pages.shownPath, folder + QStringLiteral("/Chybovnik.htm"));
            QVERIFY(pages.shownPage.contains("<ol start=\"122\">\r\n"));
            QVERIFY(pages.shownPage.contains("Kestrin (Program: Brelvik, Verze programu: 2002.A)\r\n"));
            QCOMPARE(script.requests().size(), std::size_t(0));
        } else {
            QVERIFY2(pages.shownPath.isEmpty(), qPrintable(pages.shownPath));
            QCOMPARE(script.requests().size(), std::size_t(1));
            QVERIFY(script.requests().front().text.contains(folder + QStringLiteral("/Chybovnik.htm")));
            QVERIFY(!QFile::exists(QStringLiteral("/Chybovnik.htm")));
        }
        dialog.hide();
    }

    void evaluationOffersWrongAnswersUpToThePassMark_data()
    {
        QTest::addColumn<int>("points");
        QTest::addColumn<QString>("result");
        QTest::addColumn<bool>("chyby");
        QTest::newRow("below") << 42 << "Nesplněno !!!" << true;
        QTest::newRow("at") << 43 << "Splněno !!!" << true;
        QTest::newRow("above") << 44 << "Splněno !!!" << false;
    }

    void evaluationOffersWrongAnswersUpToThePassMark()
    {
        QFETCH(int, points);
        QFETCH(QString, result);
        QFETCH(bool, chyby);
        TestOrder order{};
        TVyhodnoceni dialog(Evaluation::of(u'G', 43, points, QStringLiteral("12:00:00"), order),
                            QStringLiteral("2002.A"), FinishedTest{}, questions);
        dialog.show();
        QCOMPARE(text(&dialog, "Result"), result);
        QCOMPARE(child<QPushButton>(&dialog, "Chyby")->isEnabled(), chyby);
        QCOMPARE(text(&dialog, "Cas"), QStringLiteral("12:00:00"));
        QCOMPARE(child<TShadowLabel>(&dialog, "Verze")->Caption(), QStringLiteral("2002.A"));
    }
};

QTEST_MAIN(PracticeTestWindowsTest)
#include "PracticeTestWindowsTest.moc"

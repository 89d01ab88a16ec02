#include "platform/table/FileWrites.h"
#include "platform/text/Cp1250.h"
#include "trainer/html-pages/QuestionListPage.h"
#include "trainer/html-pages/WrongAnswersPage.h"
#include "trainer/practice-test/TableQuestionSource.h"
#include "trainer/question-table/QuestionTable.h"
#include "trainer/test-support/QuestionRows.h"

#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <QTest>

namespace {

struct Record
{
    int number;
    bool valid;
    int correct;
    QString text;
};

// A page as its lines are listed, "\n" standing for CR LF.
QByteArray page(const QString &text)
{
    QString crlf = text;
    crlf.replace(u'\n', QStringLiteral("\r\n"));
    return Cp1250::encode(crlf);
}

QByteArray readFile(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

const QString ListHeader = QStringLiteral(
    "<htm>\n<Title>Otázky k odborné způsobilosti podle §43 zákona 288/1995 Sb.</Title>\n<Body>\n<ol>\n"
    "<b><font size=\"6\">\n<p align=\"center\">Otázky k testu Odborné způsobilosti:\n<font size=\"4\">\n"
    "<b><p align=\"center\">Platnost testového souboru:  01.06.2001\n<font color=\"#0000FF\"><font size=\"3\">\n");

const QString ListFooter = QStringLiteral(
    "<br><br><br>\n<font color=\"#0000FF\"><font size=\"3\">\n"
    "<b><p align=\"center\">Kestrin (Program: Brelvik, Verze programu: 2002.A)\n<br><br>\n"
    "<font color=\"#0C0C0C\">\n<p align=\"center\">Nevýrazné otázky v testu jsou otázky vyřazené. V testu sice "
    "jsou, ale jejich hodnocení je klasifikováno vždy \"Zodpovězeno v pořádku\" !\n</b></font>\n</Body>\n</htm>\n");

const QString ReportHeader = QStringLiteral(
    "<htm>\n<Title>Chyby provedené v testu</Title>\n<Body>\n<ol>\n<b><font color=\"#FF0000\"><font size=\"6\">\n"
    "<p align=\"center\">Zobrazení chyb provedených v testu\n<font color=\"#0000FF\"><font size=\"4\">\n"
    "<br><p align=\"center\">Test pro skupinu: D (nutnost dosáhnout:  43 bodů.)\n<font size=\"5\">\n"
    "<u><p align=\"center\">Vámi dosažený počet bodů v testu: 40</u>\n<font size=\"4\">\n"
    "</b><br><br><br><p align=\"center\"><font color=\"#FF0000\">Vaše chybové otázky:  (Zelené jsou správné "
    "odpovědi, červené jsou vaše odpovědi)\n<br><br><br><br><br>\n");

const QString ReportFooter = QStringLiteral(
    "<br><br><br>\n<font color=\"#0000FF\"><font size=\"2\">\n"
    "<b><p align=\"center\">Kestrin (Program: Brelvik, Verze programu: 2002.A)\n</Body>\n</htm>\n");

} // namespace

class HtmlPagesTest : public QObject
{
    Q_OBJECT

private:
    std::unique_ptr<QTemporaryDir> m_dir;
    QuestionTable m_table;

    void fill(const QList<Record> &records)
    {
        QList<QuestionRow> rows;
        for (const Record &r : records) {
            rows << QuestionRow{.number = r.number, .text = r.text, .correct = r.correct, .valid = r.valid,
                                .answers = {QStringLiteral("a%1").arg(r.number), QStringLiteral("b%1").arg(r.number),
                                            QStringLiteral("c%1").arg(r.number)}};
        }
        QVERIFY(m_table.open());
        appendQuestions(m_table, rows);
        m_table.close();
    }

    QString path(const QString &name) const { return m_dir->filePath(name); }

    FinishedTest finishedTest()
    {
        FinishedTest test;
        test.group = u'D';
        test.passMark = 43;
        test.points = 40;
        for (int k = 1; k <= FinishedTest::Positions; ++k) {
            test.numbers[std::size_t(k - 1)] = 100 + k;
            test.answers[std::size_t(k - 1)] = 1;
            test.correct[std::size_t(k - 1)] = 1;
        }
        return test;
    }

private slots:
    void init()
    {
        m_dir = std::make_unique<QTemporaryDir>();
        m_table.setTableName(m_dir->filePath(QuestionTable::FileName));
        QVERIFY(m_table.createIfMissing());
    }

    void questionListOfABank()
    {
        fill({{12, false, 1, QStringLiteral("Dvanáctá\r\nna dva řádky")},
              {7, true, 2, QStringLiteral("Sedmá x<y>z &amp;")},
              {40, false, 4, QStringLiteral("Čtyřicátá")}});
        QVERIFY(m_table.open()); // a table left open by a test is closed by the list
        QVERIFY(QuestionListPage::write(m_table, QStringLiteral("Verze programu: 2002.A"),
                                        path(QuestionListPage::FileName)));
        QVERIFY(!m_table.active());
        const QString grey = QStringLiteral("<font color=\"#C0C0C0\">\n");
        const QString cancelled12 = QStringLiteral("</b><font color=\"#000000\"><font size=\"4\">\n") + grey
            + QStringLiteral("<li><b>\nDvanáctá\nna dva řádky\n</b>\n<ol type=a>\n<b><font color=\"#FF0000\">\n")
            + grey + QStringLiteral("<li>\na12\n</li>\n</b></font>\n") + grey + QStringLiteral("<li>\nb12\n</li>\n")
            + grey + QStringLiteral("<li>\nc12\n</li>\n</ol>\n<br><br>\n");
        const QString valid7 = QStringLiteral(
            "</b><font color=\"#000000\"><font size=\"4\">\n<li><b>\nSedmá x<y>z &amp;\n</b>\n<ol type=a>\n"
            "<li>\na7\n</li>\n<b><font color=\"#FF0000\">\n<li>\nb7\n</li>\n</b></font>\n<li>\nc7\n</li>\n"
            "</ol>\n<br><br>\n");
        // Spravna outside 1 to 3 marks no answer.
        const QString cancelled40 = QStringLiteral("</b><font color=\"#000000\"><font size=\"4\">\n") + grey
            + QStringLiteral("<li><b>\nČtyřicátá\n</b>\n<ol type=a>\n") + grey + QStringLiteral("<li>\na40\n</li>\n")
            + grey + QStringLiteral("<li>\nb40\n</li>\n") + grey + QStringLiteral("<li>\nc40\n</li>\n</ol>\n<br><br>\n");
        QCOMPARE(readFile(path(QuestionListPage::FileName)),
                 page(ListHeader + QStringLiteral("<p align=\"center\">(Otázky vyřazené z testu: 12, 40)\n<br><br>\n"
                                                  "</b></font>\n<br><br><br>\n")
                      + cancelled12 + valid7 + cancelled40 + ListFooter));
    }

    void questionListOfAnEmptyBank()
    {
        QVERIFY(QuestionListPage::write(m_table, QStringLiteral("Verze programu: 2002.A"),
                                        path(QuestionListPage::FileName)));
        QCOMPARE(readFile(path(QuestionListPage::FileName)),
                 page(ListHeader + QStringLiteral("<p align=\"center\">(Otázky vyřazené z testu: )\n<br><br>\n"
                                                  "</b></font>\n<br><br><br>\n")
                      + ListFooter));
    }

    void unwritablePageIsReportedAndTableErrorsWriteNothing()
    {
        const QString missingFolder = path(QStringLiteral("missing/") + QuestionListPage::FileName);
        const Result<> unwritable = QuestionListPage::write(m_table, QString(), missingFolder);
        QVERIFY(!unwritable);
        QVERIFY(unwritable.error().contains(QStringLiteral("nelze uložit")));

        m_table.setTableName(path(QStringLiteral("none.vqn")));
        const Result<> noTable = QuestionListPage::write(m_table, QString(), path(QuestionListPage::FileName));
        QVERIFY(!noTable);
        QVERIFY(!QFileInfo::exists(path(QuestionListPage::FileName)));
    }

    // The list walks the table from its first record, which posts a pending
    // edit first: a post the disk refuses ends the list with its reason, and
    // the edit stays pending.
    void aPendingEditThatCannotBePostedEndsTheList()
    {
        fill({{12, true, 1, QStringLiteral("Dvanáctá")}});
        QVERIFY(m_table.open());
        QVERIFY(m_table.edit());
        QVERIFY(m_table.setText(QuestionTable::Otazka, QStringLiteral("změna")));
        {
            const FileWrites::FailAfter failing(0);
            const Result<> written = QuestionListPage::write(m_table, QString(), path(QuestionListPage::FileName));
            QVERIFY(!written);
            QCOMPARE(written.error(), QStringLiteral("Do souboru central.vqt nelze zapisovat: zápis byl odmítnut."));
        }
        QVERIFY(!QFileInfo::exists(path(QuestionListPage::FileName)));
        QCOMPARE(m_table.state(), DbfTable::State::Edit);
    }

    void selectionOfTheWrongAnswers_data()
    {
        QTest::addColumn<QList<int>>("answers");
        QTest::addColumn<QList<int>>("correct");
        QTest::addColumn<QList<int>>("listed");
        QTest::newRow("all right") << QList<int>{} << QList<int>{} << QList<int>{};
        // A wrong answer is listed; an unanswered position (0, 0) is not, nor
        // an answered cancelled question, whose correct answer is the given one.
        QTest::newRow("wrong at 4 and 24") << QList<int>{4, 3, 24, 2} << QList<int>{4, 1, 24, 3}
                                           << QList<int>{4, 24};
        QTest::newRow("unanswered") << QList<int>{5, 0} << QList<int>{5, 0} << QList<int>{};
        QTest::newRow("missing question answered") << QList<int>{6, 2} << QList<int>{6, 0} << QList<int>{6};
    }

    void selectionOfTheWrongAnswers()
    {
        QFETCH(QList<int>, answers);
        QFETCH(QList<int>, correct);
        QFETCH(QList<int>, listed);
        FinishedTest test = finishedTest();
        for (qsizetype i = 0; i < answers.size(); i += 2)
            test.answers[std::size_t(answers[i] - 1)] = answers[i + 1];
        for (qsizetype i = 0; i < correct.size(); i += 2)
            test.correct[std::size_t(correct[i] - 1)] = correct[i + 1];
        QCOMPARE(WrongAnswersPage::listedPositions(test), listed);
    }

    void reportWithoutWrongAnswers()
    {
        TableQuestionSource source(m_table);
        QVERIFY(WrongAnswersPage::write(finishedTest(), source, QStringLiteral("Verze programu: 2002.A"),
                                        path(WrongAnswersPage::FileName)));
        QCOMPARE(readFile(path(WrongAnswersPage::FileName)), page(ReportHeader + ReportFooter));
    }

    void reportOfWrongAndMissingQuestions()
    {
        fill({{122, true, 2, QStringLiteral("Otázka <b>tučně</b>")}, {130, false, 3, QStringLiteral("Vyřazená")}});
        FinishedTest test = finishedTest();
        test.numbers[3] = 122; // answered c, b is right
        test.answers[3] = 3;
        test.correct[3] = 2;
        test.numbers[5] = 130; // cancelled: its answer counts as right
        test.answers[5] = 3;
        test.correct[5] = 3;
        test.numbers[7] = 999; // the bank lacks it
        test.answers[7] = 1;
        test.correct[7] = 0;
        test.answers[9] = 0; // never answered
        test.correct[9] = 0;
        TableQuestionSource source(m_table);
        QVERIFY(WrongAnswersPage::write(test, source, QStringLiteral("Verze programu: 2002.A"),
                                        path(WrongAnswersPage::FileName)));
        const QString wrong122 = QStringLiteral(
            "<ol start=\"122\">\n<font color=\"#000000\">\n<li><b>\nOtázka <b>tučně</b>\n<ol type=a>\n</b>\n"
            "<font color=\"#000000\">\n<li>\n</b>a122\n</li>\n"
            "<font color=\"#000000\">\n<font color=\"#008000\">\n<li>\n</b>b122\n</li>\n"
            "<font color=\"#000000\">\n<font color=\"#FF0000\">\n<li>\n</b>c122\n</li>\n"
            "</ol>\n<br><br>\n</ol>\n");
        const QString missing999 = QStringLiteral(
            "<ol start=\"999\">\n<font color=\"#000000\">\n<li><b>\nOtázka č. 999 v databázi otázek chybí.\n"
            "<ol type=a>\n</b>\n"
            "<font color=\"#000000\">\n<font color=\"#FF0000\">\n<li>\n</b>\n</li>\n"
            "<font color=\"#000000\">\n<li>\n</b>\n</li>\n"
            "<font color=\"#000000\">\n<li>\n</b>\n</li>\n"
            "</ol>\n<br><br>\n</ol>\n");
        QCOMPARE(readFile(path(WrongAnswersPage::FileName)), page(ReportHeader + wrong122 + missing999 + ReportFooter));
    }
};

QTEST_GUILESS_MAIN(HtmlPagesTest)
#include "HtmlPagesTest.moc"

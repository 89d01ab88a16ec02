#include "trainer/html-pages/WrongAnswersPage.h"

#include "trainer/html-pages/PageFile.h"
#include "trainer/practice-test/QuestionSource.h"
#include "trainer/practice-test/RunningTest.h"

namespace WrongAnswersPage {

namespace {

const QString Black = QStringLiteral("<font color=\"#000000\">");

void appendHeader(const FinishedTest &test, PageText &out)
{
    out << QStringLiteral("<htm>") << QStringLiteral("<Title>Chyby provedené v testu</Title>")
        << QStringLiteral("<Body>") << QStringLiteral("<ol>")
        << QStringLiteral("<b><font color=\"#FF0000\"><font size=\"6\">")
        << QStringLiteral("<p align=\"center\">Zobrazení chyb provedených v testu")
        << QStringLiteral("<font color=\"#0000FF\"><font size=\"4\">")
        << QStringLiteral("<br><p align=\"center\">Test pro skupinu: ") + test.group
               + QStringLiteral(" (nutnost dosáhnout:  ") + QString::number(test.passMark)
               + QStringLiteral(" bodů.)")
        << QStringLiteral("<font size=\"5\">")
        << QStringLiteral("<u><p align=\"center\">Vámi dosažený počet bodů v testu: ")
               + QString::number(test.points) + QStringLiteral("</u>")
        << QStringLiteral("<font size=\"4\">")
        << QStringLiteral("</b><br><br><br><p align=\"center\"><font color=\"#FF0000\">Vaše chybové "
                          "otázky:  (Zelené jsou správné odpovědi, červené jsou vaše odpovědi)")
        << QStringLiteral("<br><br><br><br><br>");
}

void appendQuestion(const Question &question, int given, PageText &out)
{
    const QString answers[] = {question.answerA, question.answerB, question.answerC};
    out << QStringLiteral("<ol start=\"") + QString::number(question.number) + QStringLiteral("\">")
        << Black << QStringLiteral("<li><b>") << question.text << QStringLiteral("<ol type=a>")
        << QStringLiteral("</b>");
    for (int x = 1; x <= 3; ++x) {
        out << Black;
        if (question.correct == x)
            out << QStringLiteral("<font color=\"#008000\">");
        if (given == x)
            out << QStringLiteral("<font color=\"#FF0000\">");
        out << QStringLiteral("<li>") << QStringLiteral("</b>") + answers[x - 1] << QStringLiteral("</li>");
    }
    out << QStringLiteral("</ol>") << QStringLiteral("<br><br>") << QStringLiteral("</ol>");
}

void appendFooter(const QString &versionCaption, PageText &out)
{
    out << QStringLiteral("<br><br><br>") << QStringLiteral("<font color=\"#0000FF\"><font size=\"2\">")
        << QStringLiteral("<b><p align=\"center\">Kestrin (Program: Brelvik, ") + versionCaption + u')'
        << QStringLiteral("</Body>") << QStringLiteral("</htm>");
}

} // namespace

QList<int> listedPositions(const FinishedTest &test)
{
    QList<int> positions;
    for (int k = 1; k <= FinishedTest::Positions; ++k) {
        if (test.answerAt(k) != test.correctAt(k))
            positions << k;
    }
    return positions;
}

Result<> lines(const FinishedTest &test, QuestionSource &questions, const QString &versionCaption,
               PageText &out)
{
    if (Result<> opened = questions.open(); !opened)
        return opened;
    appendHeader(test, out);
    for (int k : listedPositions(test)) {
        const int number = test.numberAt(k);
        const Result<std::optional<Question>> found = questions.find(number);
        if (!found)
            return Failure{found.error()};
        Question missing;
        missing.number = number;
        missing.text = missingQuestionText(number);
        appendQuestion(found->value_or(missing), test.answerAt(k), out);
    }
    appendFooter(versionCaption, out);
    return {};
}

Result<> write(const FinishedTest &test, QuestionSource &questions, const QString &versionCaption,
               const QString &path)
{
    PageText page;
    if (const Result<> read = lines(test, questions, versionCaption, page); !read)
        return read;
    return PageFile::write(path, page);
}

} // namespace WrongAnswersPage

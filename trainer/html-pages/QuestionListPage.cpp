#include "trainer/html-pages/QuestionListPage.h"

#include "trainer/html-pages/PageFile.h"
#include "trainer/question-table/QuestionTable.h"

namespace QuestionListPage {

namespace {

const QString Grey = QStringLiteral("<font color=\"#C0C0C0\">");

bool cancelled(const QuestionTable &table)
{
    return !table.fieldByName(QuestionTable::Platnost).asBoolean();
}

void appendHeader(PageText &out)
{
    out << QStringLiteral("<htm>")
        << QStringLiteral("<Title>Otázky k odborné způsobilosti podle §43 zákona 288/1995 Sb.</Title>")
        << QStringLiteral("<Body>") << QStringLiteral("<ol>") << QStringLiteral("<b><font size=\"6\">")
        << QStringLiteral("<p align=\"center\">Otázky k testu Odborné způsobilosti:")
        << QStringLiteral("<font size=\"4\">")
        << QStringLiteral("<b><p align=\"center\">Platnost testového souboru:  01.06.2001")
        << QStringLiteral("<font color=\"#0000FF\"><font size=\"3\">");
}

// Calls `each` with every record current in stored order; a move that fails
// (it posts a pending edit first) ends the walk with its failure.
template <typename Each>
Result<> forEachRecord(QuestionTable &table, const Each &each)
{
    for (Result<> moved = table.first();; moved = table.next()) {
        if (!moved)
            return moved;
        if (table.eof())
            return {};
        each();
    }
}

Result<> appendCancelledLine(QuestionTable &table, PageText &out)
{
    QString list;
    const Result<> walked = forEachRecord(table, [&] {
        if (cancelled(table))
            list += table.fieldByName(QuestionTable::C_Otazky).asText() + QStringLiteral(", ");
    });
    if (!walked)
        return walked;
    list.chop(2);
    out << QStringLiteral("<p align=\"center\">(Otázky vyřazené z testu: ") + list + u')'
        << QStringLiteral("<br><br>");
    return {};
}

void appendQuestion(const QuestionTable &table, PageText &out)
{
    static const QString answerFields[] = {QuestionTable::Odpoved_a, QuestionTable::Odpoved_b,
                                           QuestionTable::Odpoved_c};
    const int correct = table.fieldByName(QuestionTable::Spravna).asInteger();
    const bool grey = cancelled(table);
    out << QStringLiteral("</b><font color=\"#000000\"><font size=\"4\">");
    if (grey)
        out << Grey;
    out << QStringLiteral("<li><b>") << table.fieldByName(QuestionTable::Otazka).asText()
        << QStringLiteral("</b>") << QStringLiteral("<ol type=a>");
    for (int k = 1; k <= 3; ++k) {
        if (correct == k)
            out << QStringLiteral("<b><font color=\"#FF0000\">");
        if (grey)
            out << Grey;
        out << QStringLiteral("<li>") << table.fieldByName(answerFields[k - 1]).asText()
            << QStringLiteral("</li>");
        if (correct == k)
            out << QStringLiteral("</b></font>");
    }
    out << QStringLiteral("</ol>") << QStringLiteral("<br><br>");
}

void appendFooter(const QString &versionCaption, PageText &out)
{
    out << QStringLiteral("<br><br><br>") << QStringLiteral("<font color=\"#0000FF\"><font size=\"3\">")
        << QStringLiteral("<b><p align=\"center\">Kestrin (Program: Brelvik, ") + versionCaption + u')'
        << QStringLiteral("<br><br>") << QStringLiteral("<font color=\"#0C0C0C\">")
        << QStringLiteral("<p align=\"center\">Nevýrazné otázky v testu jsou otázky vyřazené. V testu sice "
                          "jsou, ale jejich hodnocení je klasifikováno vždy \"Zodpovězeno v pořádku\" !")
        << QStringLiteral("</b></font>") << QStringLiteral("</Body>") << QStringLiteral("</htm>");
}

} // namespace

Result<> lines(QuestionTable &table, const QString &versionCaption, PageText &out)
{
    if (Result<> opened = table.open(); !opened)
        return opened;
    out.reserve(qsizetype(table.recordCount()) * 700);
    appendHeader(out);
    if (Result<> listed = appendCancelledLine(table, out); !listed)
        return listed;
    out << QStringLiteral("</b></font>") << QStringLiteral("<br><br><br>");
    if (Result<> walked = forEachRecord(table, [&] { appendQuestion(table, out); }); !walked)
        return walked;
    appendFooter(versionCaption, out);
    table.close();
    return {};
}

Result<> write(QuestionTable &table, const QString &versionCaption, const QString &path)
{
    PageText page;
    if (const Result<> read = lines(table, versionCaption, page); !read)
        return read;
    return PageFile::write(path, page);
}

} // namespace QuestionListPage

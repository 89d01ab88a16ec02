#include "calendar/file-commands/DocumentControls.h"

#include "calendar-controls/big-month/TBigKal.h"
#include "calendar-controls/picture/TImageKal.h"
#include "calendar-controls/small-month/TSmallKal.h"
#include "calendar/language/LanguageLines.h"
#include "calendar/main-window/AutoSizeLabel.h"
#include "calendar/main-window/TForm1.h"
#include "platform/pictures/Picture.h"
#include "platform/ui/WidgetLook.h"

#include <QLineEdit>

using namespace CalendarDocument;

namespace {

GridColors colorsOf(const TBigKal &grid)
{
    return {grid.BarvaCary(), grid.BarvaPozadi(), grid.BarvaPisma(), grid.BarvaCisel()};
}

void applyColors(TBigKal &grid, const GridColors &colors)
{
    grid.setBarvaCary(colors.line);
    grid.setBarvaPozadi(colors.fill);
    grid.setBarvaPisma(colors.dayName);
    grid.setBarvaCisel(colors.dayNumber);
}

// An empty name stands for no picture and needs no file.
Result<QList<Picture>> loadPictures(const QStringList &files)
{
    QList<Picture> pictures;
    for (const QString &file : files) {
        if (file.isEmpty()) {
            pictures.append(Picture());
            continue;
        }
        Result<Picture> loaded = Picture::load(file);
        if (!loaded)
            return Failure{loaded.error()};
        pictures.append(*std::move(loaded));
    }
    return pictures;
}

// The reader has refused a year the controls refuse, so the controls' own
// refusal is passed on only for completeness.
Result<> applySingleMonth(TForm1 &window, const SingleMonth &document, const QList<Picture> &pictures)
{
    window.ImageKal(14)->setFileName(document.pictureFile, pictures.at(0));
    window.DocMonth = document.monthIndex;
    window.Label(26)->setText(DocumentControls::monthName(*window.BigKal(13)->Memo(), document.monthIndex));
    window.Label(27)->setText(document.yearText);
    window.Edit(13)->setText(document.textLine);
    for (QWidget *font : {static_cast<QWidget *>(window.Label(26)), static_cast<QWidget *>(window.Label(27)),
                          static_cast<QWidget *>(window.Edit(13))})
        WidgetLook::setTextColor(font, document.colors.dayNumber);
    TBigKal &grid = *window.BigKal(13);
    grid.setMonth(DocumentControls::gridMonth(document.monthIndex));
    if (Result<> set = grid.setYear(document.year); !set)
        return set;
    applyColors(grid, document.colors);
    return {};
}

Result<> applyProject(TForm1 &window, const Project &document, const QList<Picture> &pictures)
{
    window.ImageKal(1)->setFileName(document.coverPicture, pictures.at(0));
    for (int month = 1; month <= 12; ++month)
        window.ImageKal(month + 1)->setFileName(document.monthPictures[month - 1], pictures.at(month));
    for (int label = 1; label <= 25; label += 2)
        window.Label(label)->setText(document.yearText);
    for (int month = 1; month <= 12; ++month)
        window.Edit(month)->setText(document.texts[month - 1]);
    WidgetLook::setTextColor(window.Label(1), document.coverText);
    for (int month = 1; month <= 12; ++month) {
        const TColor color = document.months[month - 1].dayNumber;
        WidgetLook::setTextColor(window.Edit(month), color);
        WidgetLook::setTextColor(window.Label(2 * month), color);
        WidgetLook::setTextColor(window.Label(2 * month + 1), color);
    }
    for (int month = 1; month <= 12; ++month) {
        TSmallKal &small = *window.SmallKal(month);
        // Drawn once, at the end.
        small.setMuzuVykreslit(false);
        small.setBarvaPisma(document.coverText);
        small.setBarvaPozadi(document.coverFill);
        small.setBarvaCary(document.coverLine);
        Result<> set = small.setYear(document.year);
        small.setMuzuVykreslit(true);
        if (!set)
            return set;
    }
    for (int month = 1; month <= 12; ++month)
        if (Result<> set = window.BigKal(month)->setYear(document.year); !set)
            return set;
    for (int month = 1; month <= 12; ++month)
        applyColors(*window.BigKal(month), document.months[month - 1]);
    return {};
}

template <typename Document>
Result<DocumentControls::Outcome> readAndApply(TForm1 &window, const QStringList &lines, Kind kind,
                                               Result<Document> (*read)(const QStringList &),
                                               Result<> (*applyTo)(TForm1 &, const Document &,
                                                                   const QList<Picture> &),
                                               DocumentControls::Outcome outcome)
{
    // Pictures come first, as they are the first values a document sets.
    const Result<QList<Picture>> pictures = loadPictures(pictureFiles(kind, lines));
    if (!pictures)
        return Failure{pictures.error()};
    const Result<Document> document = read(lines);
    if (!document)
        return Failure{document.error()};
    if (const Result<> applied = applyTo(window, *document, *pictures); !applied)
        return Failure{applied.error()};
    return outcome;
}

} // namespace

namespace DocumentControls {

int gridMonth(int monthIndex)
{
    return monthIndex >= 0 && monthIndex <= 11 ? monthIndex + 1 : 0;
}

QString monthName(const MemoLines &lines, int monthIndex)
{
    return gridMonth(monthIndex) != 0 ? lines.line(LanguageLines::MonthNameLines + monthIndex) : QString();
}

SingleMonth collectSingleMonth(const TForm1 &window)
{
    SingleMonth document;
    document.pictureFile = window.ImageKal(14)->FileName();
    document.monthIndex = window.DocMonth;
    document.yearText = window.Label(27)->text();
    document.textLine = window.Edit(13)->text();
    document.colors = colorsOf(*window.BigKal(13));
    return document;
}

Project collectProject(const TForm1 &window)
{
    Project document;
    document.coverPicture = window.ImageKal(1)->FileName();
    for (int month = 1; month <= 12; ++month) {
        document.monthPictures[month - 1] = window.ImageKal(month + 1)->FileName();
        document.texts[month - 1] = window.Edit(month)->text();
        document.months[month - 1] = colorsOf(*window.BigKal(month));
    }
    document.yearText = window.Label(1)->text();
    document.coverText = WidgetLook::textColor(*window.Label(1));
    document.coverFill = window.SmallKal(1)->BarvaPozadi();
    document.coverLine = window.SmallKal(1)->BarvaCary();
    return document;
}

Result<Outcome> apply(TForm1 &window, const QStringList &lines)
{
    switch (const Kind kind = kindOf(lines)) {
    case Kind::SingleMonth:
        return readAndApply<SingleMonth>(window, lines, kind, readSingleMonth, applySingleMonth,
                                         Outcome::SingleMonth);
    case Kind::Project:
        return readAndApply<Project>(window, lines, kind, readProject, applyProject, Outcome::Project);
    case Kind::None:
        break;
    }
    return Outcome::NotADocument;
}

} // namespace DocumentControls

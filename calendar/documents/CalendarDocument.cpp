#include "calendar/documents/CalendarDocument.h"

#include "calendar-controls/month-grid/MonthGrid.h"
#include "platform/files/FileSystem.h"
#include "platform/files/SafeFile.h"
#include "platform/messages/PlatformMessages.h"
#include "platform/text/IntegerText.h"
#include "platform/text/TextLineFile.h"

#include <QFileInfo>

#include <optional>

namespace CalendarDocument {

namespace {

// Converts lines one by one and keeps the first error; later conversions are
// skipped once one has failed.
class LineReader
{
public:
    explicit LineReader(const QStringList &lines) : m_lines(lines) {}

    QString text(int index) const { return m_lines.value(index); }

    int integer(int index)
    {
        if (!m_error.isEmpty())
            return 0;
        const Result<qint32> value = parseInteger(text(index));
        if (!value)
            m_error = value.error();
        return value ? *value : 0;
    }

    // A year the month controls refuse is refused here, before anything is applied.
    int year(int index)
    {
        const int value = integer(index);
        if (m_error.isEmpty() && value > MonthGrid::MaxYear)
            m_error = MonthGrid::dateEncodeError();
        return value;
    }

    TColor color(int index)
    {
        if (!m_error.isEmpty())
            return {};
        const Result<TColor> value = TColor::fromText(text(index));
        if (!value)
            m_error = value.error();
        return value ? *value : TColor();
    }

    const QString &error() const { return m_error; }

private:
    const QStringList &m_lines;
    QString m_error;
};

int dayNumberLine(int month) { return 33 + 4 * (month - 1); }

} // namespace

Kind kindOf(const QStringList &lines)
{
    const QString magic = lines.value(0);
    if (magic == NormalMagic)
        return Kind::SingleMonth;
    if (magic == ProjectMagic)
        return Kind::Project;
    return Kind::None;
}

QStringList pictureFiles(Kind kind, const QStringList &lines)
{
    switch (kind) {
    case Kind::SingleMonth:
        return {lines.value(1)};
    case Kind::Project: {
        QStringList files;
        for (int line = 1; line <= 13; ++line)
            files.append(lines.value(line));
        return files;
    }
    case Kind::None:
        break;
    }
    return {};
}

Result<SingleMonth> readSingleMonth(const QStringList &lines)
{
    LineReader in(lines);
    SingleMonth document;
    document.pictureFile = in.text(1);
    document.monthIndex = in.integer(2);
    document.yearText = in.text(3);
    document.textLine = in.text(4);
    // Line 8 is first used for the page's fonts, before the grid's year.
    document.colors.dayNumber = in.color(8);
    document.year = in.year(3);
    document.colors.line = in.color(5);
    document.colors.fill = in.color(6);
    document.colors.dayName = in.color(7);
    if (!in.error().isEmpty())
        return Failure{in.error()};
    return document;
}

Result<Project> readProject(const QStringList &lines)
{
    LineReader in(lines);
    Project document;
    document.coverPicture = in.text(1);
    for (int month = 1; month <= 12; ++month)
        document.monthPictures[month - 1] = in.text(month + 1);
    document.yearText = in.text(14);
    for (int month = 1; month <= 12; ++month)
        document.texts[month - 1] = in.text(14 + month);
    document.coverText = in.color(27);
    for (int month = 1; month <= 12; ++month)
        document.months[month - 1].dayNumber = in.color(dayNumberLine(month));
    document.coverFill = in.color(28);
    document.coverLine = in.color(29);
    document.year = in.year(14);
    for (int month = 1; month <= 12; ++month) {
        GridColors &colors = document.months[month - 1];
        const int first = 30 + 4 * (month - 1);
        colors.line = in.color(first);
        colors.fill = in.color(first + 1);
        colors.dayName = in.color(first + 2);
    }
    if (!in.error().isEmpty())
        return Failure{in.error()};
    return document;
}

QStringList write(const SingleMonth &document)
{
    QStringList lines(SingleMonthLineCount);
    lines[0] = NormalMagic;
    lines[1] = document.pictureFile;
    lines[2] = QString::number(document.monthIndex);
    lines[3] = document.yearText;
    lines[4] = document.textLine;
    lines[5] = document.colors.line.toText();
    lines[6] = document.colors.fill.toText();
    lines[7] = document.colors.dayName.toText();
    lines[8] = document.colors.dayNumber.toText();
    return lines;
}

QStringList write(const Project &document)
{
    QStringList lines(ProjectLineCount);
    lines[0] = ProjectMagic;
    lines[1] = document.coverPicture;
    for (int month = 1; month <= 12; ++month) {
        lines[month + 1] = document.monthPictures[month - 1];
        lines[14 + month] = document.texts[month - 1];
        const GridColors &colors = document.months[month - 1];
        const int first = 30 + 4 * (month - 1);
        lines[first] = colors.line.toText();
        lines[first + 1] = colors.fill.toText();
        lines[first + 2] = colors.dayName.toText();
        lines[first + 3] = colors.dayNumber.toText();
    }
    lines[14] = document.yearText;
    lines[27] = document.coverText.toText();
    lines[28] = document.coverFill.toText();
    lines[29] = document.coverLine.toText();
    return lines;
}

QStringList linesOf(const QByteArray &bytes)
{
    return TextLineFile::firstLines(bytes, ProjectLineCount, MaxLineLength);
}

Result<QStringList> readFile(const QString &path)
{
    SafeFile::removeLeftovers(path);
    const Result<QByteArray> bytes = FileSystem::readWholeFile(path);
    if (!bytes)
        return Failure{PlatformMessages::ClassLibrary::cannotOpenFile(path)};
    return linesOf(*bytes);
}

Result<> writeFile(const QString &path, const QStringList &lines)
{
    SafeFile::removeLeftovers(path);
    return SafeFile::replace(path, TextLineFile::encode(lines));
}

QString withExtension(const QString &name, const QString &extension)
{
    const qsizetype fileStart = name.lastIndexOf(u'/') + 1;
    const qsizetype dot = name.lastIndexOf(u'.');
    if (dot < fileStart)
        return name + extension;
    return name.left(dot) + extension;
}

QString fileNameOf(const QString &path)
{
    return QFileInfo(path).fileName();
}

} // namespace CalendarDocument

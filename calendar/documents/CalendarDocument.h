#pragma once

#include "platform/paint/TColor.h"
#include "platform/result/Result.h"

#include <QString>
#include <QStringList>

#include <array>

// The designer's two document formats: the single-month document (.cnr, 9
// lines) and the year project (.cpr, 78 lines), plain Windows-1250 text with
// one value a line. Reading converts every line before anything is used, so a
// document is either read whole or refused with the error of its first bad
// line.
namespace CalendarDocument {

inline constexpr int SingleMonthLineCount = 9;
inline constexpr int ProjectLineCount = 78;
inline constexpr int MaxLineLength = 4096;
inline const QString NormalMagic = QStringLiteral("Application Zoziruzo - Normal");
inline const QString ProjectMagic = QStringLiteral("Application Zoziruzo - Project");

struct GridColors
{
    TColor line;      // BarvaCary
    TColor fill;      // BarvaPozadi
    TColor dayName;   // BarvaPisma
    TColor dayNumber; // BarvaCisel, also the fonts of the page's labels and text
};

struct SingleMonth
{
    QString pictureFile;
    int monthIndex = 0; // 0 January .. 11 December, kept as read
    QString yearText;   // the year label, as shown
    int year = 0;       // yearText converted
    QString textLine;
    GridColors colors;
};

struct Project
{
    QString coverPicture;
    std::array<QString, 12> monthPictures;
    QString yearText;
    int year = 0;
    std::array<QString, 12> texts;
    TColor coverText; // cover year label and the small months' BarvaPisma
    TColor coverFill;
    TColor coverLine;
    std::array<GridColors, 12> months;
};

enum class Kind { None, SingleMonth, Project };

// Line 0 decides, compared exactly.
Kind kindOf(const QStringList &lines);

// The picture files a document names, in the order they are loaded.
QStringList pictureFiles(Kind kind, const QStringList &lines);

// Missing lines read as empty. A failure is that of the first line that does
// not convert, in the order the values are applied.
Result<SingleMonth> readSingleMonth(const QStringList &lines);
Result<Project> readProject(const QStringList &lines);

// Exactly 9 or 78 lines; colours by name where the table has one.
QStringList write(const SingleMonth &document);
QStringList write(const Project &document);

// The lines of a file's bytes: CR LF, CR and LF end a line; each is cut to
// its first 4096 characters. Lines after the last one a project uses are
// dropped, however many there are.
QStringList linesOf(const QByteArray &bytes);
// The lines of a file, or "Cannot open file <path>"; only a regular file is
// read (a named pipe or a device is refused).
Result<QStringList> readFile(const QString &path);
// Atomic: a failure leaves the old file whole.
Result<> writeFile(const QString &path, const QStringList &lines);
// Both first remove what a save of the same document stopped part-way left
// beside it (SafeFile::removeLeftovers).

// `name` with the extension of its file part replaced by `extension` (".cnr"),
// or with it appended when the file part has no dot.
QString withExtension(const QString &name, const QString &extension);
// The file part of a path.
QString fileNameOf(const QString &path);

} // namespace CalendarDocument

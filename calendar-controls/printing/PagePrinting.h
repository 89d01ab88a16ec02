#pragma once

#include "calendar-controls/printing/PageRect.h"
#include "platform/paint/TColor.h"

#include <QPoint>
#include <QSize>
#include <QString>

#include <array>
#include <optional>

class QPainter;
class TBigKal;
class TImageKal;
class TSmallKal;

// Drawing of the calendar pages on a printer: printer dots of an A4 page at
// 300 dpi, origin at the top left of the printable area. Every drawing reads
// the controls' properties, their language lines and their month grid, and
// draws whether or not the control itself is allowed to draw.
namespace PagePrinting {

inline constexpr long double PictureScale = 4.45L; // printer dots per picture pixel
inline constexpr QSize CoverPictureBox{2412, 1906};
inline constexpr QSize MonthPictureBox{2424, 1856};

// Small month: frame, shadow and the centre of its columns.
inline constexpr QSize SmallFrame{644, 352};
inline constexpr int SmallShadowOffset = 30;
inline constexpr int SmallColumnPitch = 83;
inline constexpr int SmallColumnBox = 143;
inline constexpr int SmallTitleTop = 6;
inline constexpr int SmallLetterTop = 94;
int smallCellLeft(int col, int textWidth);
int smallRowTop(int row);
// SmallKal1..SmallKal12 on the cover, three to a row.
QPoint smallKalOrigin(int month);

// Large month grid.
inline constexpr int BigWidth = 2305;
inline constexpr int BigBandHeight = 83;
inline constexpr int BigColumnWidth = 330;
inline constexpr int BigColumnBottom = 1123;
inline constexpr QSize BigCorner{30, 53};
inline constexpr int BigNameTop = 13;
inline constexpr int BigNumberLeft = 22;
inline constexpr int BigNumberTop = 96;
int bigRowCount(const TBigKal &grid);
int bigRowHeight(const TBigKal &grid);

// Month page.
inline constexpr QPoint MonthNameOrigin{80, 1835};
inline constexpr int YearRightEdge = 2338;
inline constexpr QPoint MonthGridOrigin{56, 2090};
inline constexpr int BottomTextBox = 2424;
inline constexpr int CoverYearTop = 188;
inline constexpr int CoverYearBox = 2412;

// Centred in the box at PictureScale, never cut down to it.
PageRect pictureRect(QSize picturePixels, QSize box);

void PrintSmallKal(QPainter &painter, int x, int y, const TSmallKal &month);
void PrintBigKal(QPainter &painter, int x, int y, const TBigKal &grid);
// A picture control whose name is empty, or that holds no picture although
// its name is set, prints nothing and gives no rectangle.
std::optional<PageRect> PrintPicture(QPainter &painter, const TImageKal &picture, QSize box);

struct CoverPage
{
    QString year;
    TColor yearColor;
    const TImageKal *picture = nullptr;
    std::array<const TSmallKal *, 12> months{};
};
// Returns the rectangle of the picture printed, if any.
std::optional<PageRect> PrintCoverPage(QPainter &painter, const CoverPage &page);

struct MonthPage
{
    const TImageKal *picture = nullptr;
    const TBigKal *grid = nullptr;
    QString monthName;
    QString year;
    QString text;
    TColor textColor;
};
// `pageHeight` is the printable height in dots; the bottom text ends there.
std::optional<PageRect> PrintMonthPage(QPainter &painter, const MonthPage &page, int pageHeight);

} // namespace PagePrinting

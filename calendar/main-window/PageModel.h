#pragma once

#include <QPoint>
#include <QRect>
#include <QSize>
#include <QString>

// Which controls stand on which page of the main window, and where. Page p:
// 1 the cover, 2..13 the project months January..December, 14 the
// single-month document. Control numbers name the controls (BigKal3 is 3);
// 0 means the page has no such control.
namespace PageModel {

inline constexpr int CoverPage = 1;
inline constexpr int FirstMonthPage = 2;
inline constexpr int LastMonthPage = 13;
inline constexpr int SingleMonthPage = 14;
inline constexpr int ProjectSheet = 15; // the sheet holding pages 1..13
inline constexpr int SmallMonthCount = 12;

struct PageControls
{
    int scrollBox = 0;
    int bigKal = 0;
    int yearLabel = 0;
    int monthLabel = 0;
    int edit = 0;
    int imageKal = 0;
};

PageControls controlsOf(int page);
// The month (1..12) a page's large month control shows at design.
int designMonth(int page);
QString tabCaption(int page);

QRect scrollBoxRect(int page);
// Scrolled content of every page: the scroll range.
inline constexpr QSize ContentSize{502, 770};
bool hasHorizontalRange(int page);
// The January and February pages move their content only when the vertical
// scroll bar is released.
bool liveVerticalTracking(int page);

QRect pictureRect(int page);
inline constexpr QRect BigKalRect{28, 499, 448, 221};
inline constexpr QRect EditRect{28, 739, 448, 22};
inline constexpr QPoint MonthLabelTopLeft{28, 435};
inline constexpr QPoint YearLabelTopRight{476, 435};
inline constexpr QPoint CoverYearTopLeft{223, 24};
// SmallKal1..SmallKal12 on the cover.
QRect smallKalRect(int month);

} // namespace PageModel

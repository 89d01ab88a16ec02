#include "calendar-controls/month-grid/MonthGrid.h"

#include "platform/messages/PlatformMessages.h"

#include <QDate>

MonthGrid::MonthGrid()
{
    const QDate today = QDate::currentDate();
    m_year = today.year();
    m_month = today.month();
}

MonthGrid::MonthGrid(int year, int month, int startOfWeek) : MonthGrid()
{
    // A refused year keeps today's; a constructor has no caller to tell.
    (void)setYear(year);
    setMonth(month);
    setStartOfWeek(startOfWeek);
}

Result<> MonthGrid::setYear(int year)
{
    if (year > MaxYear)
        return Failure{dateEncodeError()};
    if (year >= MinYear)
        m_year = year;
    return {};
}

void MonthGrid::setMonth(int month)
{
    if (month >= 1 && month <= 12)
        m_month = month;
}

bool MonthGrid::setStartOfWeek(int startOfWeek)
{
    if (startOfWeek < 0 || startOfWeek > 6)
        return false;
    m_startOfWeek = startOfWeek;
    return true;
}

int MonthGrid::FirstCellDay() const
{
    const int col1 = (weekday(m_year, m_month, 1) - m_startOfWeek + 7) % 7;
    return 1 - col1;
}

QString MonthGrid::DayCellText(int col, int row) const
{
    const int day = FirstCellDay() + col + 7 * (row - 1);
    if (day < 1 || day > daysInMonth())
        return {};
    return QString::number(day);
}

bool MonthGrid::hasSixRows() const
{
    return !DayCellText(0, Rows).isEmpty();
}

bool MonthGrid::isLeapYear(int year)
{
    return year % 4 == 0 && (year % 100 != 0 || year % 400 == 0);
}

int MonthGrid::daysInMonth(int year, int month)
{
    static constexpr int days[12] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    return month == 2 && isLeapYear(year) ? 29 : days[month - 1];
}

int MonthGrid::weekday(int year, int month, int day)
{
    // Days since 1 March of year 0 counted by whole 400-year cycles; the
    // year is taken to begin in March so that February's leap day comes last.
    const int y = month < 3 ? year - 1 : year;
    const int m = month < 3 ? month + 12 : month;
    const int dayNumber = 365 * y + y / 4 - y / 100 + y / 400 + (153 * (m - 3) + 2) / 5 + day;
    // 1 March of year 0 (proleptic) was a Wednesday.
    return (dayNumber + 2) % 7;
}

QString MonthGrid::dateEncodeError()
{
    return PlatformMessages::ClassLibrary::invalidDateEncode();
}

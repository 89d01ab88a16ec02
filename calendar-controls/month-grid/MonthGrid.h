#pragma once

#include "platform/result/Result.h"

#include <QString>

// Which day number stands in which cell of a 7-column, 6-row week grid.
// Pinned to the 1st of the month, so no change of year or month can make an
// invalid date. Proleptic Gregorian, years 1..9999.
class MonthGrid
{
public:
    static constexpr int Columns = 7;
    static constexpr int Rows = 6;
    static constexpr int MinYear = 1;
    static constexpr int MaxYear = 9999;

    // Today's local year and month, StartOfWeek 0.
    MonthGrid();
    // Values out of range are ignored as by the setters, leaving today's.
    MonthGrid(int year, int month, int startOfWeek = 0);

    int year() const { return m_year; }
    int month() const { return m_month; }
    int StartOfWeek() const { return m_startOfWeek; }

    // A year below 1 or equal to the present one is ignored; a year above 9999
    // is refused with the date error and the year is kept.
    Result<> setYear(int year);
    // Ignored outside 1..12.
    void setMonth(int month);
    // Ignored outside 0..6 (0 Sunday .. 6 Saturday); true when taken.
    bool setStartOfWeek(int startOfWeek);

    // The day number row 1, column 0 would hold: -5..1.
    int FirstCellDay() const;
    // col 0..6, row 1..6; empty outside the month.
    QString DayCellText(int col, int row) const;
    // Row 6 holds days.
    bool hasSixRows() const;
    int daysInMonth() const { return daysInMonth(m_year, m_month); }

    static bool isLeapYear(int year);
    static int daysInMonth(int year, int month);
    // 0 Sunday .. 6 Saturday.
    static int weekday(int year, int month, int day);

    static QString dateEncodeError();

private:
    int m_year;
    int m_month;
    int m_startOfWeek = 0;
};

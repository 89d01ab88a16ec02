#pragma once

#include <QString>
#include <QStringList>

// A holder of language lines read by number; a line it does not have reads
// as the empty text. The calendar controls read it afresh at every drawing.
class MemoLines
{
public:
    // The first line of each run the controls read.
    static constexpr int MonthNameLine = 0;
    static constexpr int DayNameLine = 12;
    static constexpr int DayLetterLine = 19;

    virtual ~MemoLines() = default;
    virtual QString line(int index) const = 0;
};

// Lines kept in a list. A default one holds the built-in Czech month names
// (lines 0..11), weekday names (12..18), weekday letters (19..25) and the
// first weekday (26).
class StringListMemo : public MemoLines
{
public:
    StringListMemo();
    explicit StringListMemo(QStringList lines) : m_lines(std::move(lines)) {}

    QString line(int index) const override;
    const QStringList &lines() const { return m_lines; }
    void setLines(QStringList lines) { m_lines = std::move(lines); }

    static QStringList builtInCzechCalendarLines();

private:
    QStringList m_lines;
};

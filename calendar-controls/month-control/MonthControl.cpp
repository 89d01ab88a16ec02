#include "calendar-controls/month-control/MonthControl.h"

#include <QPainter>

MonthControl::MonthControl(QWidget *parent, QSize size) : QWidget(parent)
{
    // Disabled and windowless: no input, clicks reach the parent.
    setEnabled(false);
    setAttribute(Qt::WA_TransparentForMouseEvents);
    setFocusPolicy(Qt::NoFocus);
    resize(size);
    setBarvaCary(Colors::clOlive);
    setBarvaPozadi(Colors::clSilver);
    setBarvaPisma(Colors::clBlue);
}

template <typename T> void MonthControl::notifyIfDifferent(const T &current, const T &next)
{
    if (current != next)
        emit OnModify(this);
}

void MonthControl::setColor(TColor &field, TColor color)
{
    notifyIfDifferent(field, color);
    field = color;
    redraw();
}

void MonthControl::setBarvaCary(TColor color) { setColor(m_barvaCary, color); }
void MonthControl::setBarvaPozadi(TColor color) { setColor(m_barvaPozadi, color); }
void MonthControl::setBarvaPisma(TColor color) { setColor(m_barvaPisma, color); }

void MonthControl::setMuzuVykreslit(bool allowed)
{
    notifyIfDifferent(m_muzuVykreslit, allowed);
    m_muzuVykreslit = allowed;
    redraw();
}

Result<> MonthControl::setYear(int year)
{
    notifyIfDifferent(m_grid.year(), year);
    Result<> set = m_grid.setYear(year);
    if (set)
        redraw();
    return set;
}

void MonthControl::setMonth(int month)
{
    notifyIfDifferent(m_grid.month(), month);
    m_grid.setMonth(month);
    redraw();
}

void MonthControl::setMemo(const MemoLines *memo)
{
    notifyIfDifferent(m_memo, memo);
    m_memo = memo;
    redraw();
}

void MonthControl::setStartOfWeek(int startOfWeek)
{
    if (m_grid.setStartOfWeek(startOfWeek))
        redraw();
}

QString MonthControl::memoLine(int index) const
{
    return m_memo ? m_memo->line(index) : QString();
}

void MonthControl::redraw()
{
    // Turning drawing off erases nothing by itself.
    if (m_muzuVykreslit)
        update();
}

void MonthControl::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    Draw(painter);
}

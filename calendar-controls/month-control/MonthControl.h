#pragma once

#include "calendar-controls/memo/MemoLines.h"
#include "calendar-controls/month-grid/MonthGrid.h"
#include "platform/paint/TColor.h"

#include <QWidget>

class QPainter;

// What the small and the large month control share: the colours, the drawing
// switch, the language lines and the owned month grid, with one rule for
// every property write: OnModify (only for a different value, before the
// store), store, redraw.
class MonthControl : public QWidget
{
    Q_OBJECT

public:
    TColor BarvaCary() const { return m_barvaCary; }
    TColor BarvaPozadi() const { return m_barvaPozadi; }
    TColor BarvaPisma() const { return m_barvaPisma; }
    bool MuzuVykreslit() const { return m_muzuVykreslit; }
    int Year() const { return m_grid.year(); }
    int Month() const { return m_grid.month(); }
    const MemoLines *Memo() const { return m_memo; }
    int StartOfWeek() const { return m_grid.StartOfWeek(); }
    const MonthGrid &grid() const { return m_grid; }

    void setBarvaCary(TColor color);
    void setBarvaPozadi(TColor color);
    void setBarvaPisma(TColor color);
    void setMuzuVykreslit(bool allowed);
    // Fails with "Invalid argument to date encode" for a year above 9999,
    // after OnModify, keeping the year and without redrawing.
    Result<> setYear(int year);
    void setMonth(int month);
    // Not owned; must outlive the control.
    void setMemo(const MemoLines *memo);
    // 0..6 only, never notifies.
    void setStartOfWeek(int startOfWeek);

    // Paints the control at the painter's origin, in control pixels; draws
    // nothing while MuzuVykreslit is false.
    virtual void Draw(QPainter &painter) const = 0;
    // Asks for a drawing, when drawing is allowed: the memo's lines are read
    // afresh then.
    void redraw();

signals:
    void OnModify(QObject *sender);

protected:
    MonthControl(QWidget *parent, QSize size);

    void paintEvent(QPaintEvent *event) override;
    // The canvas font face, the same for every text of a month control.
    static QString fontFace() { return QStringLiteral("Arial"); }
    // A memo line, empty without a memo or when the memo lacks it.
    QString memoLine(int index) const;
    void setColor(TColor &field, TColor color);

private:
    template <typename T> void notifyIfDifferent(const T &current, const T &next);

    MonthGrid m_grid;
    TColor m_barvaCary;
    TColor m_barvaPozadi;
    TColor m_barvaPisma;
    bool m_muzuVykreslit = false;
    const MemoLines *m_memo = nullptr;
};

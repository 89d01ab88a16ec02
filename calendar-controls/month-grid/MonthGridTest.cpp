#include "calendar-controls/month-grid/MonthGrid.h"

#include <QDate>
#include <QProcess>
#include <QTest>

class MonthGridTest : public QObject
{
    Q_OBJECT

private slots:
    void matchesPythonCalendarForEveryMonth();
    void workedMonths_data();
    void workedMonths();
    void februaryLength_data();
    void februaryLength();
    void ignoresOutOfRangeValues();
    void refusesYearAboveRange();
    void startsAtTodaysMonth();
};

// Python's calendar module is the independent reference: weekday of the 1st
// (Monday 0) and the length of every month of years 1..9999.
void MonthGridTest::matchesPythonCalendarForEveryMonth()
{
    QProcess python;
    python.start(QStringLiteral("/usr/bin/python3"),
                 {QStringLiteral("-c"),
                  QStringLiteral("import calendar,sys\n"
                                 "sys.stdout.write(''.join('%d %d\\n' % calendar.monthrange(y, m)"
                                 " for y in range(1, 10000) for m in range(1, 13)))")});
    QVERIFY(python.waitForFinished(120000));
    QCOMPARE(python.exitCode(), 0);
    const QList<QByteArray> lines = python.readAllStandardOutput().split('\n');
    QCOMPARE(lines.size(), 9999 * 12 + 1);

    int index = 0;
    for (int year = 1; year <= 9999; ++year) {
        for (int month = 1; month <= 12; ++month) {
            const QList<QByteArray> fields = lines[index++].split(' ');
            const int sundayFirstWeekday = (fields[0].toInt() + 1) % 7;
            const int days = fields[1].toInt();
            for (int start = 0; start <= 6; ++start) {
                const MonthGrid grid(year, month, start);
                const int offset = (sundayFirstWeekday - start + 7) % 7;
                for (int cell = 0; cell < 42; ++cell) {
                    const int day = cell - offset + 1;
                    const QString expected = day >= 1 && day <= days ? QString::number(day) : QString();
                    if (grid.DayCellText(cell % 7, cell / 7 + 1) != expected)
                        QFAIL(qPrintable(QStringLiteral("%1-%2 start %3 cell %4: got '%5', want '%6'")
                                             .arg(year).arg(month).arg(start).arg(cell)
                                             .arg(grid.DayCellText(cell % 7, cell / 7 + 1), expected)));
                }
                QCOMPARE(grid.hasSixRows(), offset + days > 35);
            }
        }
    }
}

void MonthGridTest::workedMonths_data()
{
    QTest::addColumn<int>("year");
    QTest::addColumn<int>("month");
    QTest::addColumn<int>("start");
    QTest::addColumn<int>("firstCellDay");
    QTest::addColumn<QStringList>("row1");
    QTest::addColumn<QStringList>("row5");
    QTest::addColumn<QStringList>("row6");

    const QString e;
    QTest::newRow("January 2002, Monday first")
        << 2002 << 1 << 1 << 0 << QStringList{e, "1", "2", "3", "4", "5", "6"}
        << QStringList{"28", "29", "30", "31", e, e, e} << QStringList(7, e);
    QTest::newRow("September 2002, Monday first")
        << 2002 << 9 << 1 << -5 << QStringList{e, e, e, e, e, e, "1"}
        << QStringList{"23", "24", "25", "26", "27", "28", "29"}
        << QStringList{"30", e, e, e, e, e, e};
    QTest::newRow("February 2010, Monday first")
        << 2010 << 2 << 1 << 1 << QStringList{"1", "2", "3", "4", "5", "6", "7"}
        << QStringList(7, e) << QStringList(7, e);
    QTest::newRow("January 2002, Sunday first")
        << 2002 << 1 << 0 << -1 << QStringList{e, e, "1", "2", "3", "4", "5"}
        << QStringList{"27", "28", "29", "30", "31", e, e} << QStringList(7, e);
}

void MonthGridTest::workedMonths()
{
    QFETCH(int, year);
    QFETCH(int, month);
    QFETCH(int, start);
    QFETCH(int, firstCellDay);
    QFETCH(QStringList, row1);
    QFETCH(QStringList, row5);
    QFETCH(QStringList, row6);

    const MonthGrid grid(year, month, start);
    QCOMPARE(grid.FirstCellDay(), firstCellDay);
    for (int col = 0; col < 7; ++col) {
        QCOMPARE(grid.DayCellText(col, 1), row1[col]);
        QCOMPARE(grid.DayCellText(col, 5), row5[col]);
        QCOMPARE(grid.DayCellText(col, 6), row6[col]);
    }
    QCOMPARE(grid.hasSixRows(), !row6[0].isEmpty());
}

void MonthGridTest::februaryLength_data()
{
    QTest::addColumn<int>("year");
    QTest::addColumn<int>("days");
    QTest::newRow("2000") << 2000 << 29;
    QTest::newRow("1900") << 1900 << 28;
    QTest::newRow("2004") << 2004 << 29;
    QTest::newRow("2003") << 2003 << 28;
}

void MonthGridTest::februaryLength()
{
    QFETCH(int, year);
    QFETCH(int, days);
    const MonthGrid grid(year, 2);
    QCOMPARE(grid.daysInMonth(), days);
}

void MonthGridTest::ignoresOutOfRangeValues()
{
    MonthGrid grid(2002, 5, 3);
    QVERIFY(grid.setYear(0));
    QVERIFY(grid.setYear(-7));
    grid.setMonth(0);
    grid.setMonth(13);
    grid.setStartOfWeek(7);
    grid.setStartOfWeek(-1);
    QCOMPARE(grid.year(), 2002);
    QCOMPARE(grid.month(), 5);
    QCOMPARE(grid.StartOfWeek(), 3);

    QVERIFY(grid.setYear(9999));
    grid.setMonth(12);
    grid.setStartOfWeek(6);
    QCOMPARE(grid.year(), 9999);
    QCOMPARE(grid.month(), 12);
    QCOMPARE(grid.StartOfWeek(), 6);
}

void MonthGridTest::refusesYearAboveRange()
{
    MonthGrid grid(2002, 5);
    const Result<> set = grid.setYear(10000);
    QVERIFY(!set);
    QCOMPARE(set.error(), QStringLiteral("Invalid argument to date encode"));
    QCOMPARE(grid.year(), 2002);
}

void MonthGridTest::startsAtTodaysMonth()
{
    const QDate today = QDate::currentDate();
    const MonthGrid grid;
    QCOMPARE(grid.year(), today.year());
    QCOMPARE(grid.month(), today.month());
    QCOMPARE(grid.StartOfWeek(), 0);
}

QTEST_MAIN(MonthGridTest)
#include "MonthGridTest.moc"

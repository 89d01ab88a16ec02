#include "calendar-controls/big-month/TBigKal.h"
#include "calendar-controls/small-month/TSmallKal.h"

#include <QDate>
#include <QSignalSpy>
#include <QTest>

#include <functional>
#include <memory>

using Factory = std::function<std::unique_ptr<MonthControl>()>;
Q_DECLARE_METATYPE(Factory)
using Write = std::function<void(TBigKal &)>;
Q_DECLARE_METATYPE(Write)

namespace {
// Counts the paint events a widget receives.
class PaintCounter : public QObject
{
public:
    int count = 0;

protected:
    bool eventFilter(QObject *, QEvent *event) override
    {
        if (event->type() == QEvent::Paint)
            ++count;
        return false;
    }
};
} // namespace

// One property write as a test step: applies a value and reads it back.
struct Property
{
    std::function<void(MonthControl &)> writeSame;
    std::function<void(MonthControl &)> writeOther;
    std::function<QString(const MonthControl &)> read;
};
Q_DECLARE_METATYPE(Property)

class MonthControlTest : public QObject
{
    Q_OBJECT

private slots:
    void defaults_data();
    void defaults();
    void notifiesBeforeStoringADifferentValue_data();
    void notifiesBeforeStoringADifferentValue();
    void ignoredValuesStillNotify_data();
    void ignoredValuesStillNotify();
    void refusesYearAboveRange();
    void startOfWeekNeverNotifies();
    void numberColourNotifiesOnce();
    void settersRedrawOnlyWhileDrawingIsAllowed_data();
    void settersRedrawOnlyWhileDrawingIsAllowed();
};

static void addControls()
{
    QTest::addColumn<Factory>("make");
    QTest::newRow("TSmallKal") << Factory([] { return std::make_unique<TSmallKal>(); });
    QTest::newRow("TBigKal") << Factory([] { return std::make_unique<TBigKal>(); });
}

void MonthControlTest::defaults_data()
{
    addControls();
}

void MonthControlTest::defaults()
{
    QFETCH(Factory, make);
    const auto control = make();
    const bool big = qobject_cast<TBigKal *>(control.get());
    QCOMPARE(control->size(), big ? QSize(448, 221) : QSize(155, 85));
    QCOMPARE(control->BarvaCary(), Colors::clOlive);
    QCOMPARE(control->BarvaPozadi(), Colors::clSilver);
    QCOMPARE(control->BarvaPisma(), Colors::clBlue);
    QVERIFY(!control->MuzuVykreslit());
    QCOMPARE(control->Memo(), nullptr);
    QCOMPARE(control->StartOfWeek(), 0);
    QCOMPARE(control->Year(), QDate::currentDate().year());
    QCOMPARE(control->Month(), QDate::currentDate().month());
    QVERIFY(control->testAttribute(Qt::WA_TransparentForMouseEvents));
    QVERIFY(!control->isEnabled());
    if (big)
        QCOMPARE(static_cast<TBigKal &>(*control).BarvaCisel(), Colors::clBlue);
}

void MonthControlTest::notifiesBeforeStoringADifferentValue_data()
{
    QTest::addColumn<Factory>("make");
    QTest::addColumn<Property>("property");
    static const StringListMemo memo;
    const Factory small([] { return std::make_unique<TSmallKal>(); });
    const Factory bigOne([] { return std::make_unique<TBigKal>(); });
    const auto colour = [](auto getter, auto setter) {
        return Property{[=](MonthControl &c) { (c.*setter)((c.*getter)()); },
                        [=](MonthControl &c) { (c.*setter)(Colors::clRed); },
                        [=](const MonthControl &c) { return QString::number((c.*getter)().value(), 16); }};
    };
    const QList<std::pair<const char *, Property>> properties = {
        {"BarvaCary", colour(&MonthControl::BarvaCary, &MonthControl::setBarvaCary)},
        {"BarvaPozadi", colour(&MonthControl::BarvaPozadi, &MonthControl::setBarvaPozadi)},
        {"BarvaPisma", colour(&MonthControl::BarvaPisma, &MonthControl::setBarvaPisma)},
        {"MuzuVykreslit",
         Property{[](MonthControl &c) { c.setMuzuVykreslit(false); },
                  [](MonthControl &c) { c.setMuzuVykreslit(true); },
                  [](const MonthControl &c) { return QString::number(c.MuzuVykreslit()); }}},
        {"Year", Property{[](MonthControl &c) { QVERIFY(c.setYear(c.Year())); },
                          [](MonthControl &c) { QVERIFY(c.setYear(1999)); },
                          [](const MonthControl &c) { return QString::number(c.Year()); }}},
        {"Month", Property{[](MonthControl &c) { c.setMonth(c.Month()); },
                           [](MonthControl &c) { c.setMonth(c.Month() % 12 + 1); },
                           [](const MonthControl &c) { return QString::number(c.Month()); }}},
        {"Memo", Property{[](MonthControl &c) { c.setMemo(nullptr); },
                          [](MonthControl &c) { c.setMemo(&memo); },
                          [](const MonthControl &c) { return QString::number(c.Memo() != nullptr); }}},
    };
    for (const auto &[name, property] : properties) {
        QTest::addRow("TSmallKal %s", name) << small << property;
        QTest::addRow("TBigKal %s", name) << bigOne << property;
    }
}

void MonthControlTest::notifiesBeforeStoringADifferentValue()
{
    QFETCH(Factory, make);
    QFETCH(Property, property);
    const auto control = make();
    QStringList seen;
    connect(control.get(), &MonthControl::OnModify, this, [&](QObject *sender) {
        QCOMPARE(sender, control.get());
        seen << property.read(*control);
    });

    const QString before = property.read(*control);
    property.writeSame(*control);
    QVERIFY(seen.isEmpty());

    property.writeOther(*control);
    QCOMPARE(seen, QStringList{before});
    QVERIFY(property.read(*control) != before);
}

void MonthControlTest::ignoredValuesStillNotify_data()
{
    QTest::addColumn<int>("year");
    QTest::addColumn<int>("month");
    QTest::newRow("month 13") << 2002 << 13;
    QTest::newRow("month 0") << 2002 << 0;
    QTest::newRow("year 0") << 0 << 3;
    QTest::newRow("year -1") << -1 << 3;
}

void MonthControlTest::ignoredValuesStillNotify()
{
    QFETCH(int, year);
    QFETCH(int, month);
    TSmallKal control;
    QVERIFY(control.setYear(2002));
    control.setMonth(3);
    QSignalSpy spy(&control, &MonthControl::OnModify);
    QVERIFY(control.setYear(year));
    control.setMonth(month);
    QCOMPARE(spy.size(), 1);
    QCOMPARE(control.Year(), 2002);
    QCOMPARE(control.Month(), 3);
}

void MonthControlTest::refusesYearAboveRange()
{
    TBigKal control;
    QVERIFY(control.setYear(2002));
    QSignalSpy spy(&control, &MonthControl::OnModify);
    const Result<> set = control.setYear(10000);
    QVERIFY2(!set, "a year above 9999 was taken");
    QCOMPARE(set.error(), QStringLiteral("Invalid argument to date encode"));
    QCOMPARE(spy.size(), 1);
    QCOMPARE(control.Year(), 2002);
}

void MonthControlTest::startOfWeekNeverNotifies()
{
    TSmallKal control;
    QSignalSpy spy(&control, &MonthControl::OnModify);
    control.setStartOfWeek(1);
    QCOMPARE(control.StartOfWeek(), 1);
    control.setStartOfWeek(7);
    control.setStartOfWeek(-1);
    QCOMPARE(control.StartOfWeek(), 1);
    control.setStartOfWeek(6);
    QCOMPARE(control.StartOfWeek(), 6);
    QCOMPARE(spy.size(), 0);
}

void MonthControlTest::numberColourNotifiesOnce()
{
    TBigKal control;
    QSignalSpy spy(&control, &MonthControl::OnModify);
    control.setBarvaCisel(Colors::clRed);
    control.setBarvaCisel(Colors::clRed);
    QCOMPARE(spy.size(), 1);
    QCOMPARE(control.BarvaCisel(), Colors::clRed);
    QCOMPARE(control.BarvaPisma(), Colors::clBlue);
}

void MonthControlTest::settersRedrawOnlyWhileDrawingIsAllowed_data()
{
    QTest::addColumn<bool>("allowed");
    QTest::addColumn<Write>("write");
    QTest::addColumn<bool>("redrawn");
    const auto year = [](int value) {
        // A refused year is the case itself; only the drawing is checked.
        return Write([value](TBigKal &c) { (void)c.setYear(value); });
    };
    QTest::newRow("BarvaCary unchanged") << true << Write([](TBigKal &c) { c.setBarvaCary(c.BarvaCary()); }) << true;
    QTest::newRow("BarvaCisel changed") << true << Write([](TBigKal &c) { c.setBarvaCisel(Colors::clRed); }) << true;
    QTest::newRow("Month 13, ignored") << true << Write([](TBigKal &c) { c.setMonth(13); }) << true;
    QTest::newRow("StartOfWeek 1") << true << Write([](TBigKal &c) { c.setStartOfWeek(1); }) << true;
    QTest::newRow("StartOfWeek 7") << true << Write([](TBigKal &c) { c.setStartOfWeek(7); }) << false;
    QTest::newRow("Year 10000, refused") << true << year(10000) << false;
    QTest::newRow("Year 2003") << true << year(2003) << true;
    QTest::newRow("MuzuVykreslit off") << true << Write([](TBigKal &c) { c.setMuzuVykreslit(false); }) << false;
    QTest::newRow("MuzuVykreslit on") << false << Write([](TBigKal &c) { c.setMuzuVykreslit(true); }) << true;
    QTest::newRow("drawing off, BarvaCary changed")
        << false << Write([](TBigKal &c) { c.setBarvaCary(Colors::clRed); }) << false;
    QTest::newRow("drawing off, Year 2003") << false << year(2003) << false;
}

void MonthControlTest::settersRedrawOnlyWhileDrawingIsAllowed()
{
    QFETCH(bool, allowed);
    QFETCH(Write, write);
    QFETCH(bool, redrawn);
    TBigKal control;
    QVERIFY(control.setYear(2002));
    control.setMuzuVykreslit(allowed);
    control.show();
    QVERIFY(QTest::qWaitForWindowExposed(&control));
    QCoreApplication::processEvents();
    PaintCounter counter;
    control.installEventFilter(&counter);
    write(control);
    QCoreApplication::processEvents();
    QCOMPARE(counter.count > 0, redrawn);
}

QTEST_MAIN(MonthControlTest)
#include "MonthControlTest.moc"

#include "trainer/practice-test/QuestionDraw.h"
#include "trainer/practice-test/RandomSource.h"

#include <QTest>

#include <algorithm>
#include <set>
#include <vector>

namespace {

// Answers from a fixed list, clamped into the asked range, then from a counter.
class ScriptedRandom : public RandomSource
{
public:
    explicit ScriptedRandom(std::vector<int> values) : m_values(std::move(values)) {}
    int uniform(int low, int high) override
    {
        asked.push_back({low, high});
        const int value = m_next < m_values.size() ? m_values[m_next++] : low + (m_counter++ % (high - low + 1));
        return std::clamp(value, low, high);
    }
    std::vector<std::pair<int, int>> asked;

private:
    std::vector<int> m_values;
    std::size_t m_next = 0;
    int m_counter = 0;
};

bool allIn(const std::array<int, 8> &rada, int low, int high)
{
    return std::all_of(rada.begin(), rada.end(), [=](int n) { return n >= low && n <= high; });
}

bool distinct(const std::array<int, 8> &rada)
{
    return std::set<int>(rada.begin(), rada.end()).size() == rada.size();
}

} // namespace

class QuestionDrawTest : public QObject
{
    Q_OBJECT

private slots:
    void fixedQuestionsStandAtFourAndSix()
    {
        ClockRandom random;
        const DrawnRanges r = QuestionDraw::draw(random);
        QCOMPARE(r.rada1[3], 122);
        QCOMPARE(r.rada1[5], 123);
    }

    void everyDrawKeepsItsRangesAndNeverRepeats()
    {
        for (int run = 0; run < 500; ++run) {
            ClockRandom random;
            const DrawnRanges r = QuestionDraw::draw(random);
            QVERIFY(allIn(r.rada1, 1, 123));
            QVERIFY(allIn(r.rada2, 125, 157));
            QVERIFY(allIn(r.rada3, 158, 196));
            QVERIFY(distinct(r.rada1));
            QVERIFY(distinct(r.rada2));
            QVERIFY(distinct(r.rada3));
            const TestOrder order = QuestionDraw::testOrder(r);
            QVERIFY(std::find(order.begin(), order.end(), 124) == order.end());
            QCOMPARE(std::set<int>(order.begin(), order.end()).size(), order.size());
        }
    }

    void freePositionsOfTheFirstRangeAvoidTheFixedQuestions()
    {
        ScriptedRandom random({121, 5, 121, 5, 1, 2, 3, 4});
        const DrawnRanges r = QuestionDraw::draw(random);
        for (const auto &[low, high] : std::vector(random.asked.begin(), random.asked.begin() + 6)) {
            QCOMPARE(low, 1);
            QCOMPARE(high, 121);
        }
        // Repeated candidates are discarded; positions 4 and 6 are fixed.
        QCOMPARE(r.rada1, (std::array<int, 8>{121, 5, 1, 122, 2, 123, 3, 4}));
    }

    void laterRangesAskTheirOwnBounds()
    {
        ScriptedRandom random({});
        QuestionDraw::draw(random);
        QCOMPARE(random.asked.at(6), std::make_pair(125, 157));
        QCOMPARE(random.asked.back(), std::make_pair(158, 196));
    }

    void testOrderJoinsTheRanges()
    {
        DrawnRanges r;
        r.rada1 = {1, 2, 3, 122, 5, 123, 7, 8};
        r.rada2 = {125, 126, 127, 128, 129, 130, 131, 132};
        r.rada3 = {190, 191, 192, 193, 194, 195, 196, 158};
        const TestOrder order = QuestionDraw::testOrder(r);
        QCOMPARE(order[0], 1);
        QCOMPARE(order[3], 122);
        QCOMPARE(order[8], 125);
        QCOMPARE(order[16], 190);
        QCOMPARE(order[23], 158);
    }

    void drawDependsOnlyOnItsGenerator()
    {
        ScriptedRandom first({10, 20, 30, 40, 50, 60});
        ScriptedRandom again({10, 20, 30, 40, 50, 60});
        ScriptedRandom other({11, 21, 31, 41, 51, 61});
        const DrawnRanges a = QuestionDraw::draw(first);
        QCOMPARE(QuestionDraw::draw(again).rada1, a.rada1);
        QVERIFY(QuestionDraw::draw(other).rada1 != a.rada1);
    }

    void clockGeneratorCoversWholeRangeUniformly()
    {
        ClockRandom random;
        std::array<int, 33> counts{};
        constexpr int Draws = 33 * 1000;
        for (int i = 0; i < Draws; ++i) {
            const int n = random.uniform(125, 157);
            QVERIFY(n >= 125 && n <= 157);
            ++counts[static_cast<std::size_t>(n - 125)];
        }
        for (int count : counts)
            QVERIFY2(count > 800 && count < 1200, qPrintable(QString::number(count)));
    }

    void twoClockGeneratorsDrawIndependently()
    {
        ClockRandom first;
        QTest::qWait(2);
        ClockRandom second;
        QVERIFY(QuestionDraw::testOrder(QuestionDraw::draw(first))
                != QuestionDraw::testOrder(QuestionDraw::draw(second)));
    }
};

QTEST_MAIN(QuestionDrawTest)
#include "QuestionDrawTest.moc"

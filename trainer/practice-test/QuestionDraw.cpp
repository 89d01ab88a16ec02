#include "trainer/practice-test/QuestionDraw.h"

#include "trainer/practice-test/RandomSource.h"

#include <algorithm>

namespace QuestionDraw {
namespace {

// Fills the given positions, in order, with numbers of the range that the
// array does not hold yet (empty positions hold 0, which no range contains).
void fill(std::array<int, DrawnRanges::Size> &rada, std::initializer_list<int> positions,
          Range range, RandomSource &random)
{
    for (int position : positions) {
        int candidate = 0;
        do {
            candidate = random.uniform(range.low, range.high);
        } while (std::find(rada.begin(), rada.end(), candidate) != rada.end());
        rada[static_cast<std::size_t>(position - 1)] = candidate;
    }
}

} // namespace

DrawnRanges draw(RandomSource &random)
{
    DrawnRanges ranges;
    fill(ranges.rada1, {1, 2, 3, 5, 7, 8}, FreeFirst, random);
    fill(ranges.rada2, {1, 2, 3, 4, 5, 6, 7, 8}, Second, random);
    fill(ranges.rada3, {1, 2, 3, 4, 5, 6, 7, 8}, Third, random);
    ranges.rada1[3] = FixedAt4;
    ranges.rada1[5] = FixedAt6;
    return ranges;
}

TestOrder testOrder(const DrawnRanges &ranges)
{
    TestOrder order{};
    auto out = std::copy(ranges.rada1.begin(), ranges.rada1.end(), order.begin());
    out = std::copy(ranges.rada2.begin(), ranges.rada2.end(), out);
    std::copy(ranges.rada3.begin(), ranges.rada3.end(), out);
    return order;
}

} // namespace QuestionDraw

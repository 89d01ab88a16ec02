#pragma once

#include <array>

class RandomSource;

// The question numbers of one practice test, position 1 at index 0.
struct DrawnRanges
{
    static constexpr int Size = 8;
    std::array<int, Size> rada1{};
    std::array<int, Size> rada2{};
    std::array<int, Size> rada3{};
};

using TestOrder = std::array<int, 3 * DrawnRanges::Size>;

namespace QuestionDraw {

struct Range
{
    int low;
    int high;
};

// Questions 122 and 123 stand in every test at positions 4 and 6 of the first
// range; the other six positions are drawn from below them so that neither
// can stand twice.
inline constexpr Range FreeFirst{1, 121};
inline constexpr Range Second{125, 157};
inline constexpr Range Third{158, 196};
inline constexpr int FixedAt4 = 122;
inline constexpr int FixedAt6 = 123;

DrawnRanges draw(RandomSource &random);
// The three ranges one after another, as the test asks them.
TestOrder testOrder(const DrawnRanges &ranges);

} // namespace QuestionDraw

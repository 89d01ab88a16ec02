#include "trainer/practice-test/RandomSource.h"

#include <chrono>

ClockRandom::ClockRandom()
    : m_engine(static_cast<std::mt19937::result_type>(
          std::chrono::high_resolution_clock::now().time_since_epoch().count()))
{
}

int ClockRandom::uniform(int low, int high)
{
    return std::uniform_int_distribution<int>(low, high)(m_engine);
}

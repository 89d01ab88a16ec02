#pragma once

#include <random>

// Uniform integers for the question draw; tests inject their own sequence.
class RandomSource
{
public:
    virtual ~RandomSource() = default;
    // A uniformly distributed integer in [low, high].
    virtual int uniform(int low, int high) = 0;
};

// Seeded from the clock when constructed: one per test start.
class ClockRandom : public RandomSource
{
public:
    ClockRandom();
    int uniform(int low, int high) override;

private:
    std::mt19937 m_engine;
};

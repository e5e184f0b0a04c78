#pragma once

#include "comments/RandomSource.h"

#include <random>

// Uniform numbers seeded from the steady clock's ticks each time a random comment starts.
class SteadyRandomSource : public RandomSource
{
public:
    SteadyRandomSource();
    void reseed() override;
    quint32 next() override;

private:
    std::mt19937 m_engine;
};

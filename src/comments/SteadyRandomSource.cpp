#include "comments/SteadyRandomSource.h"

#include <chrono>

SteadyRandomSource::SteadyRandomSource()
{
    reseed();
}

void SteadyRandomSource::reseed()
{
    const auto ticks = std::chrono::steady_clock::now().time_since_epoch().count();
    m_engine.seed(static_cast<std::mt19937::result_type>(ticks ^ (ticks >> 32)));
}

quint32 SteadyRandomSource::next()
{
    return static_cast<quint32>(m_engine());
}

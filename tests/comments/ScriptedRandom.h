#pragma once

#include "comments/RandomSource.h"

#include <QList>

// Hands out the numbers it was given, in order, then zeros.
class ScriptedRandom : public RandomSource
{
public:
    explicit ScriptedRandom(QList<quint32> numbers = {})
        : m_numbers(std::move(numbers))
    { }
    void reseed() override { ++reseeds; }
    quint32 next() override { return m_numbers.isEmpty() ? 0 : m_numbers.takeFirst(); }

    int reseeds = 0;

private:
    QList<quint32> m_numbers;
};

#pragma once

#include <QtGlobal>

// Where the random comment draws its numbers: the program seeds one from the clock, tests script it.
class RandomSource
{
public:
    virtual ~RandomSource() = default;
    // Starts a new series, as each random comment does.
    virtual void reseed() = 0;
    virtual quint32 next() = 0;
};

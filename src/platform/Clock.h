#pragma once

#include <QDate>
#include <QDateTime>

class Clock
{
public:
    virtual ~Clock() = default;
    virtual QDate today() const = 0;
    virtual QDateTime now() const = 0;
};

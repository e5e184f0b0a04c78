#include "timetable/TimetableSlot.h"

using namespace Qt::StringLiterals;

std::optional<TimetableSlot> TimetableSlot::of(int day, int period)
{
    if (day < 1 || day > Days || period < 1 || period > Periods)
        return std::nullopt;
    return TimetableSlot(day, period);
}

TimetableSlot TimetableSlot::at(int index)
{
    Q_ASSERT(index >= 0 && index < Count);
    return TimetableSlot(index / Periods + 1, index % Periods + 1);
}

QString TimetableSlot::column() const
{
    return u"星期"_s + QString::number(m_day) + QString::number(m_period);
}

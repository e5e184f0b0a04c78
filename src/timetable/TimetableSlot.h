#pragma once

#include <QString>

#include <optional>

// One cell of a class's week: day 1..5 (星期一..星期五) and period 1..8 (第一节课..第八节课). The
// only place that turns a cell into the column of 班级表 that stores it and into its place on the
// printed timetable sheet, so the board, the store and the printout cannot disagree.
class TimetableSlot
{
public:
    static constexpr int Days = 5;
    static constexpr int Periods = 8;
    static constexpr int Count = Days * Periods;

    // Nothing for a day or period out of range: a column name is never made from a bad number.
    static std::optional<TimetableSlot> of(int day, int period);
    // The slot of index 0..Count-1, day by day.
    static TimetableSlot at(int index);

    int day() const { return m_day; }
    int period() const { return m_period; }
    int index() const { return (m_day - 1) * Periods + (m_period - 1); }

    // "星期" + day + period, e.g. 星期36 for Wednesday period 6.
    QString column() const;
    // Row and column of the cell on the timetable sheet.
    int sheetRow() const { return m_period + 2; }
    int sheetColumn() const { return m_day + 2; }

    bool operator==(const TimetableSlot&) const = default;

private:
    TimetableSlot(int day, int period)
        : m_day(day)
        , m_period(period)
    { }

    int m_day = 1;
    int m_period = 1;
};

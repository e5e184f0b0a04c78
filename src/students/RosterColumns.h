#pragma once

#include "records/ReportColumn.h"

#include <QList>

// The columns of the two pupil rosters; the positions are those of the list (column 0 hidden).
namespace RosterColumns {

inline constexpr int Number = 1;
inline constexpr int Name = 2;
inline constexpr int Class = 5;
inline constexpr int LeaveDate = 8;

QList<ReportColumn> enrolled();
QList<ReportColumn> archived();

} // namespace RosterColumns

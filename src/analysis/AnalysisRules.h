#pragma once

#include <QList>
#include <QString>

#include <array>
#include <optional>
#include <vector>

// The counting rules of the exam analysis, apart from where the marks come from. Lines and bands
// are fractions of a subject's full mark and are compared in integers (100 × mark against
// percent × full mark), so 85 % of 150 is 127.5 exactly and 127 is not excellent.
namespace AnalysisRules {

inline constexpr int BandCount = 5;

// The five bands as marks on that full mark: "60分以下", "60-69", "70-79", "80-89", "90-100" on
// 100, "90分以下", "90-104" … "135-150" on 150.
QStringList bandCaptions(int fullMark);
// 0 .. 4 for a mark above 0; a mark above the full mark counts in the top band.
int band(int mark, int fullMark);
// Whether the mark reaches `percent` of the full mark.
bool reaches(int mark, int fullMark, int percent);
// The line as a mark on that full mark, rounded up: 85 % of 150 is 128.
int lineMark(int fullMark, int percent);

// The positions of the values with a mark, highest first, equal values in their order.
std::vector<int> descendingOrder(const QList<std::optional<int>>& values);
// The ranks of the values along such an order, within groups when groups is not empty.
QList<std::optional<int>> ranksAlong(
    const std::vector<int>& order, const QList<std::optional<int>>& values, const QList<int>& groups, int groupCount);
// Equal values share a rank and the next rank skips (1, 2, 2, 4); the highest value ranks 1.
// Values without a mark get no rank.
QList<std::optional<int>> competitionRanks(const QList<std::optional<int>>& values);
// The same within groups: groups[i] (0 .. groupCount − 1) is the group of values[i].
QList<std::optional<int>> competitionRanks(
    const QList<std::optional<int>>& values, const QList<int>& groups, int groupCount);

// part of whole as a percent with one decimal, half up ("93.3%"); empty when whole is 0.
QString rateText(int part, int whole);

} // namespace AnalysisRules

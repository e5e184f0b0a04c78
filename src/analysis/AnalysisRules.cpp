#include "analysis/AnalysisRules.h"

#include <algorithm>
#include <climits>
#include <vector>

using namespace Qt::StringLiterals;

namespace AnalysisRules {

namespace {

// The lower bound of bands 1..4 in percent of the full mark.
constexpr std::array<int, BandCount - 1> bandFloors {60, 70, 80, 90};

} // namespace

QStringList bandCaptions(int fullMark)
{
    QStringList captions {QString::number(lineMark(fullMark, bandFloors[0])) + u"分以下"_s};
    for (size_t i = 0; i < bandFloors.size(); ++i) {
        const int from = lineMark(fullMark, bandFloors[i]);
        const int to = i + 1 < bandFloors.size() ? lineMark(fullMark, bandFloors[i + 1]) - 1 : fullMark;
        captions << u"%1-%2"_s.arg(from).arg(to);
    }
    return captions;
}

int band(int mark, int fullMark)
{
    int b = 0;
    for (const int floor : bandFloors) {
        if (!reaches(mark, fullMark, floor))
            break;
        ++b;
    }
    return b;
}

bool reaches(int mark, int fullMark, int percent)
{
    return qint64(mark) * 100 >= qint64(percent) * fullMark;
}

int lineMark(int fullMark, int percent)
{
    const qint64 scaled = qint64(percent) * fullMark;
    return int((scaled + 99) / 100);
}

std::vector<int> descendingOrder(const QList<std::optional<int>>& values)
{
    std::vector<int> order;
    order.reserve(size_t(values.size()));
    int low = INT_MAX;
    int high = INT_MIN;
    for (const std::optional<int>& v : values) {
        if (v) {
            low = qMin(low, *v);
            high = qMax(high, *v);
        }
    }
    if (low > high)
        return order;
    const qint64 range = qint64(high) - low + 1;
    if (range > 4 * values.size() + 4096) {
        std::vector<std::pair<int, int>> pairs; // (−value, position)
        for (qsizetype i = 0; i < values.size(); ++i) {
            if (values[i])
                pairs.emplace_back(-*values[i], int(i));
        }
        std::sort(pairs.begin(), pairs.end());
        for (const auto& pair : pairs)
            order.push_back(pair.second);
        return order;
    }
    // Marks and totals span a few hundred values: counted into place, which keeps equal values in
    // their order.
    std::vector<int> start(size_t(range) + 1, 0);
    for (const std::optional<int>& v : values) {
        if (v)
            ++start[size_t(high - *v) + 1];
    }
    for (size_t k = 1; k < start.size(); ++k)
        start[k] += start[k - 1];
    order.resize(size_t(start.back()));
    for (qsizetype i = 0; i < values.size(); ++i) {
        if (values[i])
            order[size_t(start[size_t(high - *values[i])]++)] = int(i);
    }
    return order;
}

QList<std::optional<int>> ranksAlong(
    const std::vector<int>& order, const QList<std::optional<int>>& values, const QList<int>& groups, int groupCount)
{
    QList<std::optional<int>> ranks(values.size());
    const size_t count = groups.isEmpty() ? 1 : size_t(qMax(groupCount, 1));
    std::vector<int> seen(count, 0);
    std::vector<int> lastValue(count, 0);
    std::vector<int> lastRank(count, 0);
    for (const int i : order) {
        const size_t g = groups.isEmpty() ? 0 : size_t(groups[i]);
        const int v = *values[i];
        ++seen[g];
        if (seen[g] == 1 || v != lastValue[g])
            lastRank[g] = seen[g];
        lastValue[g] = v;
        ranks[i] = lastRank[g];
    }
    return ranks;
}

QList<std::optional<int>> competitionRanks(const QList<std::optional<int>>& values)
{
    return ranksAlong(descendingOrder(values), values, {}, 1);
}

QList<std::optional<int>> competitionRanks(
    const QList<std::optional<int>>& values, const QList<int>& groups, int groupCount)
{
    return ranksAlong(descendingOrder(values), values, groups, groupCount);
}

QString rateText(int part, int whole)
{
    if (whole <= 0)
        return {};
    const qint64 tenths = (qint64(part) * 2000 + whole) / (qint64(whole) * 2);
    return u"%1.%2%"_s.arg(tenths / 10).arg(tenths % 10);
}

} // namespace AnalysisRules

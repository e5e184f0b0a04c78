#include "analysis/AnalysisRules.h"

#include <algorithm>

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

QList<std::optional<int>> competitionRanks(const QList<std::optional<int>>& values)
{
    QList<int> marked;
    marked.reserve(values.size());
    for (const std::optional<int>& v : values) {
        if (v)
            marked.append(*v);
    }
    std::sort(marked.begin(), marked.end(), std::greater<int>());
    QList<std::optional<int>> ranks;
    ranks.reserve(values.size());
    for (const std::optional<int>& v : values) {
        if (!v) {
            ranks.append(std::nullopt);
            continue;
        }
        // One more than the number of values above it.
        const auto above = std::lower_bound(marked.cbegin(), marked.cend(), *v, std::greater<int>());
        ranks.append(int(above - marked.cbegin()) + 1);
    }
    return ranks;
}

QString rateText(int part, int whole)
{
    if (whole <= 0)
        return {};
    const qint64 tenths = (qint64(part) * 2000 + whole) / (qint64(whole) * 2);
    return u"%1.%2%"_s.arg(tenths / 10).arg(tenths % 10);
}

} // namespace AnalysisRules

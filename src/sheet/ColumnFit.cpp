#include "sheet/ColumnFit.h"

#include <algorithm>
#include <cmath>
#include <numeric>

namespace ColumnFit {

QList<int> share(const QList<int>& needs, int total)
{
    QList<int> widths(needs.size(), 0);
    if (needs.isEmpty())
        return widths;
    // The widest needs are met first; each that exceeds the equal share of what is left leaves
    // the rest to the others.
    QList<qsizetype> order(needs.size());
    std::iota(order.begin(), order.end(), 0);
    std::sort(order.begin(), order.end(), [&](qsizetype a, qsizetype b) { return needs[a] > needs[b]; });
    int left = total;
    qsizetype open = needs.size();
    for (const qsizetype i : order) {
        const int equal = std::max(1, int(left / open));
        widths[i] = std::max(needs[i], equal);
        left -= widths[i];
        --open;
    }
    return widths;
}

int fittingZoom(const QList<int>& needs, int pixels, double dpi, int zoom)
{
    const double needed = std::accumulate(needs.cbegin(), needs.cend(), 0.0) * dpi / 254.0;
    if (needed <= 0 || pixels <= 0)
        return zoom;
    return std::clamp(int(std::floor(100.0 * pixels / needed)), std::min(50, zoom), zoom);
}

} // namespace ColumnFit

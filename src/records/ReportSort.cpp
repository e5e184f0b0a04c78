#include "records/ReportSort.h"

#include "store/PinyinCollation.h"
#include "store/SurnameOrder.h"
#include "text/DateText.h"

#include <QCollator>
#include <QLocale>

#include <algorithm>
#include <numeric>
#include <optional>
#include <vector>

namespace ReportSort {

namespace {

std::optional<qint64> numberOf(const QString& text, SortAs sortAs)
{
    if (sortAs == SortAs::Date) {
        const auto date = DateText::parse(text);
        return date ? std::optional<qint64>(date->toJulianDay()) : std::nullopt;
    }
    const QString trimmed = text.trimmed();
    if (sortAs == SortAs::BlankAsZero && trimmed.isEmpty())
        return 0;
    if (sortAs == SortAs::Rate) {
        // In tenths of a percent, so "100.0%" comes after "77.8%".
        bool ok = false;
        const double share = (trimmed.endsWith(u'%') ? trimmed.chopped(1) : trimmed).toDouble(&ok);
        return ok ? std::optional<qint64>(qRound64(share * 10)) : std::nullopt;
    }
    bool ok = false;
    const qint64 n = trimmed.toLongLong(&ok);
    return ok ? std::optional<qint64>(n) : std::nullopt;
}

} // namespace

QList<int> order(const QStringList& texts, SortAs sortAs, Qt::SortOrder direction)
{
    const int n = static_cast<int>(texts.size());
    const bool descending = direction == Qt::DescendingOrder;
    std::vector<int> positions(static_cast<size_t>(n));
    std::iota(positions.begin(), positions.end(), 0);

    if (sortAs == SortAs::Text || sortAs == SortAs::Name) {
        // Sort keys once: comparing keys is far cheaper than collating the texts again and again.
        QCollator collator(QLocale(QLocale::Chinese, QLocale::China));
        collator.setCaseSensitivity(Qt::CaseSensitive);
        std::vector<QCollatorSortKey> keys;
        keys.reserve(static_cast<size_t>(n));
        for (const QString& t : texts)
            keys.push_back(collator.sortKey(sortAs == SortAs::Name ? SurnameOrder::sortText(t) : t));
        std::stable_sort(positions.begin(), positions.end(), [&](int a, int b) {
            int c = keys[static_cast<size_t>(a)].compare(keys[static_cast<size_t>(b)]);
            if (c == 0)
                c = sortAs == SortAs::Name ? PinyinCollation::compareNames(texts[a], texts[b])
                                           : PinyinCollation::compare(texts[a], texts[b]);
            return descending ? c > 0 : c < 0;
        });
    } else {
        std::vector<std::optional<qint64>> keys;
        keys.reserve(static_cast<size_t>(n));
        for (const QString& t : texts)
            keys.push_back(numberOf(t, sortAs));
        std::stable_sort(positions.begin(), positions.end(), [&](int a, int b) {
            const auto& ka = keys[static_cast<size_t>(a)];
            const auto& kb = keys[static_cast<size_t>(b)];
            if (ka.has_value() != kb.has_value())
                return ka.has_value(); // unread values last, either way
            int c = 0;
            if (ka)
                c = *ka < *kb ? -1 : (*ka > *kb ? 1 : 0);
            if (c == 0)
                c = texts[a].compare(texts[b]);
            return descending ? c > 0 : c < 0;
        });
    }
    return QList<int>(positions.begin(), positions.end());
}

} // namespace ReportSort

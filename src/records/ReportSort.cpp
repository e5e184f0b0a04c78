#include "records/ReportSort.h"

#include "store/PinyinCollation.h"
#include "store/SurnameOrder.h"
#include "text/DateText.h"

#include <QCollator>
#include <QLocale>

#include <algorithm>
#include <numeric>

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

bool collated(SortAs sortAs)
{
    return sortAs == SortAs::Text || sortAs == SortAs::Name;
}

} // namespace

Keys::Keys(const QStringList& texts, SortAs sortAs)
    : m_sortAs(sortAs)
    , m_texts(texts)
{
    const auto n = static_cast<size_t>(texts.size());
    if (collated(sortAs)) {
        // Comparing keys is far cheaper than collating the texts again and again.
        QCollator collator(QLocale(QLocale::Chinese, QLocale::China));
        collator.setCaseSensitivity(Qt::CaseSensitive);
        m_collated.reserve(n);
        for (const QString& t : texts)
            m_collated.push_back(collator.sortKey(sortAs == SortAs::Name ? SurnameOrder::sortText(t) : t));
    } else {
        m_numbers.reserve(n);
        for (const QString& t : texts)
            m_numbers.push_back(numberOf(t, sortAs));
    }
}

int Keys::compare(int a, int b) const
{
    const auto ia = static_cast<size_t>(a);
    const auto ib = static_cast<size_t>(b);
    if (collated(m_sortAs)) {
        const int c = m_collated[ia].compare(m_collated[ib]);
        if (c != 0)
            return c;
        return m_sortAs == SortAs::Name ? PinyinCollation::compareNames(m_texts[a], m_texts[b])
                                        : PinyinCollation::compare(m_texts[a], m_texts[b]);
    }
    const auto& ka = m_numbers[ia];
    const auto& kb = m_numbers[ib];
    if (ka.has_value() != kb.has_value())
        return 0; // placed by sort(): unread values last, either way
    if (ka && *ka != *kb)
        return *ka < *kb ? -1 : 1;
    return m_texts[a].compare(m_texts[b]);
}

void Keys::sort(QList<int>& positions, Qt::SortOrder direction) const
{
    const bool descending = direction == Qt::DescendingOrder;
    const bool numbers = !collated(m_sortAs);
    std::stable_sort(positions.begin(), positions.end(), [&](int a, int b) {
        if (numbers) {
            const bool ra = m_numbers[static_cast<size_t>(a)].has_value();
            const bool rb = m_numbers[static_cast<size_t>(b)].has_value();
            if (ra != rb)
                return ra;
        }
        const int c = compare(a, b);
        return descending ? c > 0 : c < 0;
    });
}

QList<int> order(const QStringList& texts, SortAs sortAs, Qt::SortOrder direction)
{
    QList<int> positions(texts.size());
    std::iota(positions.begin(), positions.end(), 0);
    Keys(texts, sortAs).sort(positions, direction);
    return positions;
}

} // namespace ReportSort

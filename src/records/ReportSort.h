#pragma once

#include "records/ReportColumn.h"

#include <QCollatorSortKey>
#include <QList>
#include <QStringList>

#include <optional>
#include <vector>

// The order of a report list sorted by one column. Each text is read once: numbers as 64-bit
// integers (an 11-digit phone fits), dates as "%d年%d月%d日", texts in pinyin order as the database
// sorts names. What does not read as a number or date comes after all that does, ordered by its
// text. Equal keys keep their order, so a second click gives the exact reverse of distinct keys.
namespace ReportSort {

// The keys of one column, read once and kept: a list sorted by it again compares keys only.
class Keys
{
public:
    Keys(const QStringList& texts, SortAs sortAs);

    // Puts `positions` (into the texts) in order, equal keys keeping the order they have.
    void sort(QList<int>& positions, Qt::SortOrder direction) const;

private:
    int compare(int a, int b) const;

    SortAs m_sortAs;
    QStringList m_texts;
    std::vector<QCollatorSortKey> m_collated;
    std::vector<std::optional<qint64>> m_numbers;
};

// Positions into texts, in the order to show them.
QList<int> order(const QStringList& texts, SortAs sortAs, Qt::SortOrder direction);

} // namespace ReportSort

#pragma once

#include <QString>

#include <iterator>
#include <optional>

// Facts about a kind (a database, a file of pupils or staff …) stand in one table, a row per kind;
// these read it. Row is a struct whose first member is `kind` and which has a `text`.
namespace KindTable {

// The row of `kind`; the last row for a value outside the table, as the old switches fell through.
template<class Row, std::size_t N>
const Row& row(const Row (&rows)[N], decltype(Row::kind) kind)
{
    for (const Row& r : rows) {
        if (r.kind == kind)
            return r;
    }
    return rows[N - 1];
}

// The kind whose text is `text`; nothing for any other text.
template<class Row, std::size_t N>
std::optional<decltype(Row::kind)> byText(const Row (&rows)[N], const QString& text)
{
    for (const Row& r : rows) {
        if (QString::fromUtf16(r.text) == text)
            return r.kind;
    }
    return std::nullopt;
}

} // namespace KindTable

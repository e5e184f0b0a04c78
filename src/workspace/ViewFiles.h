#pragma once

#include "store/KindTable.h"

#include <QString>

#include <optional>

// The files of records a view can show, one row of `Rows` a file: the pupils in school, graduated
// and gone, or the staff in service, retired and moved away. A row has its `kind`, the `text` the
// main window keeps as its view kind (one text for pupils and staff alike) and the `table` that
// holds the file.
template<class Row, const auto& Rows>
struct ViewFiles
{
    using Kind = decltype(Row::kind);

    static const Row& facts(Kind kind) { return KindTable::row(Rows, kind); }
    static QString text(Kind kind) { return QString::fromUtf16(facts(kind).text); }
    // Nothing for any other text (a view of the other records, or none yet).
    static std::optional<Kind> fromText(const QString& text) { return KindTable::byText(Rows, text); }
    static QString table(Kind kind) { return QString::fromUtf16(facts(kind).table); }
};

#include "records/ReportRows.h"

#include "store/DbConnection.h"

namespace ReportRows {

std::optional<QList<QStringList>> read(DbConnection& db, const QString& sql, const QVariantList& values)
{
    auto set = db.query(sql, values);
    if (!set)
        return std::nullopt;
    QList<QStringList> out;
    const int columns = set->columnCount();
    for (; !set->pastLast(); set->next()) {
        QStringList row;
        row.reserve(columns);
        row << QString::number(set->number(1));
        for (int column = 2; column <= columns; ++column)
            row << set->text(column);
        out.append(std::move(row));
    }
    // A list cut short by an error must not pass for the whole file.
    if (set->failed())
        return std::nullopt;
    return out;
}

} // namespace ReportRows

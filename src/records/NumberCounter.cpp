#include "records/NumberCounter.h"

#include "records/OneRow.h"
#include "store/DbConnection.h"
#include "store/Transaction.h"

using namespace Qt::StringLiterals;

namespace NumberCounter {

bool advance(DbConnection& db, const QString& column, qint64 number, QString* error)
{
    return OneRow::change(
        db, u"update 记号表 set "_s + column + u"=? where ID=1"_s, {number}, u"no counter row in 记号表"_s, error);
}

bool insertCounted(
    DbConnection& db, const std::function<bool()>& insertRow, const QString& column, qint64 number, QString* error)
{
    return insertNext(
        db, column, [number] { return std::optional<qint64>(number); }, [&](qint64) { return insertRow(); }, error)
        .has_value();
}

std::optional<qint64> insertNext(DbConnection& db, const QString& column,
    const std::function<std::optional<qint64>()>& offer, const std::function<bool(qint64)>& insertRow, QString* error)
{
    Transaction t(db);
    // The lock holds until the end, so no other seat moves the counter under this insert.
    if (!t.isActive() || !db.query(u"select "_s + column + u" from 记号表 where ID=1 for update"_s)) {
        *error = db.lastError();
        return std::nullopt;
    }
    const auto number = offer();
    if (!number) {
        *error = db.lastError();
        return std::nullopt;
    }
    if (!insertRow(*number) || !advance(db, column, *number, error))
        return std::nullopt;
    if (!t.commit()) {
        *error = db.lastError();
        return std::nullopt;
    }
    return number;
}

} // namespace NumberCounter

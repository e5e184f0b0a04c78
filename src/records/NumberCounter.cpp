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
    Transaction t(db);
    // On a shared server the counter row stays locked until the end, so another seat's insert
    // waits for this one instead of moving the counter under it.
    if (!t.isActive() || !db.query(u"select "_s + column + u" from 记号表 where ID=1 for update"_s)) {
        *error = db.lastError();
        return false;
    }
    if (!insertRow() || !advance(db, column, number, error))
        return false;
    if (!t.commit()) {
        *error = db.lastError();
        return false;
    }
    return true;
}

} // namespace NumberCounter

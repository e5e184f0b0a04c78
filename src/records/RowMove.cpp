#include "records/RowMove.h"

#include "store/DbConnection.h"
#include "store/Transaction.h"

using namespace Qt::StringLiterals;

bool RowMove::run(DbConnection& db, const QVariant& keyValue, QString* error) const
{
    const auto fail = [&](const QString& why) {
        if (error)
            *error = why;
        return false;
    };
    // Exactly one row each: a stale list or a pupil already gone must not pass for a move.
    const auto once = [&db](const QString& sql, const QVariantList& values) {
        return db.execute(sql, values) && db.changes() == 1;
    };
    const QString where = u" where "_s + key + u"=?"_s;
    Transaction t(db);
    if (!t.isActive())
        return fail(db.lastError());
    if (!once(u"insert into "_s + to + u" select * from "_s + from + where, {keyValue}))
        return fail(u"copy: "_s + db.lastError());
    if (!stamp.isEmpty()
        && !once(u"update "_s + to + u" set "_s + stamp + where, stampValues + QVariantList {keyValue}))
        return fail(u"stamp: "_s + db.lastError());
    if (!once(u"delete from "_s + from + where, {keyValue}))
        return fail(u"delete: "_s + db.lastError());
    if (!t.commit())
        return fail(db.lastError());
    return true;
}

#include "records/OneRow.h"

#include "store/DbConnection.h"
#include "store/Transaction.h"

using namespace Qt::StringLiterals;

namespace OneRow {

bool change(DbConnection& db, const QString& sql, const QVariantList& values, const QString& missing, QString* error)
{
    if (!db.execute(sql, values)) {
        *error = db.lastError();
        return false;
    }
    if (db.changes() != 1) {
        *error = missing;
        return false;
    }
    return true;
}

Guarded changeUnlessChanged(DbConnection& db, const QString& lockSql, const QVariant& key,
    const std::function<std::optional<QVariantList>()>& storedNow, const QVariantList& loaded,
    const std::function<bool()>& write, QString* error)
{
    Transaction t(db);
    if (!t.isActive() || !db.query(lockSql, {key})) {
        *error = db.lastError();
        return Guarded::Failed;
    }
    const auto stored = storedNow();
    if (stored && *stored != loaded) {
        *error = changedMessage();
        return Guarded::Changed;
    }
    if (!write())
        return Guarded::Failed;
    if (!t.commit()) {
        *error = db.lastError();
        return Guarded::Failed;
    }
    return Guarded::Saved;
}

QString changedMessage()
{
    return u"该记录已被其他电脑修改，请重新载入后再保存。"_s;
}

} // namespace OneRow

#include "records/OneRow.h"

#include "store/DbConnection.h"

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

} // namespace OneRow

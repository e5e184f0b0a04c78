#include "store/StoreIndexes.h"

#include "store/DbConnection.h"
#include "store/Schema.h"
#include "store/Transaction.h"

bool StoreIndexes::ensure(DbConnection& db, DatabaseKind kind)
{
    Transaction transaction(db);
    if (!transaction.isActive())
        return false;
    for (const QString& statement : Schema::indexStatements(kind)) {
        if (!db.execute(statement))
            return false;
    }
    return transaction.commit();
}

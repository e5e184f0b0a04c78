#pragma once

#include <QString>

// The program's statements keep the shapes of the old Access engine. Nearly all of them are
// valid SQLite as they stand; the few that are not are rewritten here before preparing.
namespace JetSql {

// "delete * from T ..." becomes "delete from T ...".
QString toSqlite(const QString& statement);

} // namespace JetSql

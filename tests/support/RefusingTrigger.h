#pragma once

#include <QString>

class DbConnection;

// Tests make a statement fail the way a full disk or a lock would, with a SQLite trigger:
//   create trigger NAME before EVENT on TABLE [when CONDITION] begin select raise(abort, 'TEXT'); end
//   drop trigger NAME
// On the server the same trigger is made as a PL/pgSQL function that raises TEXT. Any other
// statement runs unchanged, so a test's table of set-ups can mix both kinds.
namespace RefusingTrigger {

bool execute(DbConnection& db, const QString& sql);

} // namespace RefusingTrigger

#pragma once

#include <QString>

// The program's statements keep the shapes of the old Access engine. They are written once and
// rewritten here for the store that runs them.
// For both stores:
// - "delete * from T ..." becomes "delete from T ...";
// - every ORDER BY term sorts texts by pinyin, as the old engine's Chinese sort order did
//   ("order by 姓名" lists 阿明, 李四, 王五, 张三), names by their surname reading. Numbers are
//   unaffected, and equality and keys stay exact comparisons;
// - a trailing "for update" locks the rows read until the transaction ends; SQLite needs no such
//   lock (a write transaction holds the whole file) and drops it.
// For the server besides:
// - "?" markers become $1, $2 …; [bracketed] names lose their brackets;
// - LIKE compares ASCII letters regardless of case, as SQLite's does (ILIKE);
// - a subquery in FROM gets the name the server insists on;
// - NULLs sort first ascending and last descending, as in SQLite;
// - an insert into a table keyed by a number returns its key, for lastInsertId().
namespace JetSql {

QString toSqlite(const QString& statement);
QString toServer(const QString& statement);

// The server's function that gives a name's surname reading (SurnameOrder on the server).
inline constexpr const char* nameKeyFunction = "xiaowu_name_key";

} // namespace JetSql

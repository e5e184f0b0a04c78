#pragma once

#include <QString>

// The program's statements keep the shapes of the old Access engine. Nearly all of them are
// valid SQLite as they stand; the rest are rewritten here before preparing:
// - "delete * from T ..." becomes "delete from T ...";
// - every ORDER BY term sorts texts by pinyin, as the old engine's Chinese sort order did
//   ("order by 姓名" lists 阿明, 李四, 王五, 张三). Numbers are unaffected, and equality and keys
//   stay exact byte comparisons.
namespace JetSql {

QString toSqlite(const QString& statement);

} // namespace JetSql

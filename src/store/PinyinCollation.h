#pragma once

#include <QString>

struct sqlite3;

// Pinyin order of Chinese texts (阿明, 李四, 王五, 张三), registered on every connection and used
// by the ORDER BY terms of our statements. Texts that the Chinese collator finds equivalent are
// ordered by their bytes, so the order is total and stable.
namespace PinyinCollation {

inline constexpr const char* name = "PINYIN";
// The order of the name columns (姓名): the surname by its surname reading, then the rest.
inline constexpr const char* nameOrder = "PINYIN_NAME";

bool registerOn(sqlite3* db);

// The same orders outside the database, for lists sorted in place: negative, zero or positive.
int compare(const QString& a, const QString& b);
int compareNames(const QString& a, const QString& b);

} // namespace PinyinCollation

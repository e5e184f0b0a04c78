#pragma once

struct sqlite3;

// "order by 姓名" lists names in pinyin order (阿明, 李四, 王五, 张三). Every text column of our
// schema is declared with this collation, so it must be registered on each connection before
// the first statement. Texts that the Chinese collator finds equivalent are ordered by their
// bytes, so equality stays exact and keys stay unique.
namespace PinyinCollation {

inline constexpr const char* name = "PINYIN";

bool registerOn(sqlite3* db);

} // namespace PinyinCollation

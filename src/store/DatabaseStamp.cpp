#include "store/DatabaseStamp.h"

#include <sqlite3.h>

namespace DatabaseStamp {

namespace {

std::optional<std::int64_t> pragmaValue(sqlite3* db, const char* sql)
{
    sqlite3_stmt* stmt = nullptr;
    if (sqlite3_prepare_v2(db, sql, -1, &stmt, nullptr) != SQLITE_OK)
        return std::nullopt;
    std::optional<std::int64_t> value;
    if (sqlite3_step(stmt) == SQLITE_ROW)
        value = sqlite3_column_int64(stmt, 0);
    sqlite3_finalize(stmt);
    return value;
}

} // namespace

std::int32_t passwordCheck(const QString& password)
{
    // FNV-1a over the UTF-8 bytes, folded into a positive 31-bit value.
    std::uint32_t h = 2166136261u;
    for (char c : password.toUtf8()) {
        h ^= static_cast<unsigned char>(c);
        h *= 16777619u;
    }
    return static_cast<std::int32_t>(h & 0x7fffffffu);
}

bool stamp(sqlite3* db, const QString& password)
{
    const QByteArray sql = "PRAGMA application_id=" + QByteArray::number(applicationId)
        + ";PRAGMA user_version=" + QByteArray::number(passwordCheck(password)) + ";";
    return sqlite3_exec(db, sql.constData(), nullptr, nullptr, nullptr) == SQLITE_OK;
}

bool isOurs(sqlite3* db)
{
    return pragmaValue(db, "PRAGMA application_id") == applicationId;
}

bool matches(sqlite3* db, const QString& password)
{
    return isOurs(db) && pragmaValue(db, "PRAGMA user_version") == passwordCheck(password);
}

} // namespace DatabaseStamp

#pragma once

#include <QString>

#include <cstdint>

struct sqlite3;

// SQLite has no database password, so each file carries two marks in its header: the
// application id says it is one of ours, and the user version holds a check value of its
// password. This keeps a foreign SQLite file or a file opened with the wrong password from being
// used as school data; it is a lock against mistakes, not encryption.
namespace DatabaseStamp {

constexpr std::int32_t applicationId = 0x58534B33; // "XSK3"

std::int32_t passwordCheck(const QString& password);

// Writes both marks into an open database.
bool stamp(sqlite3* db, const QString& password);
// True when the open database carries our application id and this password's check value.
bool matches(sqlite3* db, const QString& password);
// True when the file carries our application id (whatever its password).
bool isOurs(sqlite3* db);

} // namespace DatabaseStamp

#pragma once

#include "store/DatabaseKind.h"

#include <QString>

class DbConnection;
struct ServerSettings;

// Moves one school database between the two stores, whole: every table of the kind is emptied in
// the target and refilled from the source inside one transaction, then row counts and the bytes
// of every value (long binaries included) are compared on both sides before it commits.
namespace StoreCopy {

bool copy(DbConnection& from, DbConnection& to, DatabaseKind kind, QString* error = nullptr);
// True when both hold the same rows, value for value and byte for byte, in every table of the kind.
bool same(DbConnection& a, DbConnection& b, DatabaseKind kind, QString* error = nullptr);

// A new database file at path (which must not exist) holding a copy of from: the backups and the
// way back from the server are plain files the program opens as usual.
bool toNewFile(DbConnection& from, DatabaseKind kind, const QString& path, QString* error = nullptr);

// Writes a whole copy of the open database into a new file at path (which must not exist): page
// by page with SQLite's backup API for a file, so it stays usable meanwhile, or row by row from
// the server. The copy is not checked here.
bool snapshot(DbConnection& live, const QString& path, QString* error = nullptr);

// Creates the kind's schema, tables and indexes on the server (refused when the schema exists)
// and fills them from the compiled empty database (comment library, counter rows).
bool initServer(const ServerSettings& server, DatabaseKind kind, QString* error = nullptr);

} // namespace StoreCopy

#pragma once

#include <QString>

#include <functional>

class DbConnection;

// Whole-file copies of a school database that are known to be good before they replace anything.
namespace DatabaseBackup {

// Told how far a copy has come, 0.0 .. 1.0, often enough to keep a window painted.
using Progress = std::function<void(double done)>;

// Copies the open database into a temporary file beside target, checks that copy, makes it durable
// and only then renames it over target. A file in rollback-journal mode is copied whole by the
// kernel while a read lock keeps every writer out (what cp does, but consistent); other files go
// page by page through SQLite's backup API. Refused while the connection holds an open
// transaction: the copy would carry half of it. On any failure target is left as it was.
bool copyVerified(DbConnection& live, const QString& target, QString* error = nullptr, const Progress& progress = {});

// True when the file opens read-only as ours with this password and passes quick_check.
bool verify(const QString& path, const QString& password, QString* error = nullptr);

// Renames from over to atomically, then drops the journals SQLite would otherwise roll into the
// new file on its next open.
bool replace(const QString& from, const QString& to, QString* error = nullptr);

} // namespace DatabaseBackup

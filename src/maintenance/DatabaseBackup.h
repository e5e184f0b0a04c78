#pragma once

#include <QString>

class DbConnection;

// Whole-file copies of a school database that are known to be good before they replace anything.
namespace DatabaseBackup {

// Copies the open database page by page (SQLite's backup API, so the file stays usable while it
// is copied) into a temporary file beside target, checks that copy and only then renames it over
// target. Refused while the connection holds an open transaction: the copy would carry half of it.
// On any failure target is left as it was.
bool copyVerified(DbConnection& live, const QString& target, QString* error = nullptr);

// True when the file opens read-only as ours with this password and passes quick_check.
bool verify(const QString& path, const QString& password, QString* error = nullptr);

// Renames from over to atomically, then drops the journals SQLite would otherwise roll into the
// new file on its next open.
bool replace(const QString& from, const QString& to, QString* error = nullptr);

} // namespace DatabaseBackup

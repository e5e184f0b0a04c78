#pragma once

#include <QString>
#include <QVariantList>

class DbConnection;

namespace OneRow {

// Runs a statement that must change exactly one row, found by its key. False when it fails, with
// the database's reason in *error, or when no row was found, with `missing` there: a pupil moved
// or deleted meanwhile must not look like a change made.
bool change(DbConnection& db, const QString& sql, const QVariantList& values, const QString& missing, QString* error);

} // namespace OneRow

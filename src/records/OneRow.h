#pragma once

#include <QString>
#include <QVariantList>

#include <functional>
#include <optional>

class DbConnection;

namespace OneRow {

// Runs a statement that must change exactly one row, found by its key. False when it fails, with
// the database's reason in *error, or when no row was found, with `missing` there: a pupil moved
// or deleted meanwhile must not look like a change made.
bool change(DbConnection& db, const QString& sql, const QVariantList& values, const QString& missing, QString* error);

enum class Guarded { Saved, Changed, Failed };
// An editor's save that must not overwrite another seat's edit: in one transaction, with the row
// locked by `lockSql` (its key bound to `key`; a shared server makes other seats' saves wait),
// reads what is stored now and writes only when it still equals what the editor loaded. Changed
// leaves both versions as they are. A row that is gone is left to `write`, which reports it.
Guarded changeUnlessChanged(DbConnection& db, const QString& lockSql, const QVariant& key,
    const std::function<std::optional<QVariantList>()>& storedNow, const QVariantList& loaded,
    const std::function<bool()>& write, QString* error);
// What the clerk is told for Changed.
QString changedMessage();

} // namespace OneRow

#pragma once

#include <QString>

#include <functional>
#include <optional>

class DbConnection;

// The counters in 记号表's one row (学号 for pupils, 教员编号 for teachers) hold the last number
// issued. A new row and its counter move together, so that a number is never offered twice.
namespace NumberCounter {

// Sets the counter `column` to `number`. False, with the reason in *error, when the statement fails
// or the counter row is missing (the counter would stay behind and offer the number again).
bool advance(DbConnection& db, const QString& column, qint64 number, QString* error);
// Runs `insertRow` (which says why in *error when it fails) and advances the counter to `number`,
// in one transaction: both or neither.
bool insertCounted(
    DbConnection& db, const std::function<bool()>& insertRow, const QString& column, qint64 number, QString* error);

// Takes the next number from `offer` with the counter row locked (on a shared server another
// seat's insert waits for this one), runs `insertRow` under it and advances the counter, in one
// transaction. The number taken, or nothing with the reason in *error and nothing changed.
std::optional<qint64> insertNext(DbConnection& db, const QString& column,
    const std::function<std::optional<qint64>()>& offer, const std::function<bool(qint64)>& insertRow, QString* error);

} // namespace NumberCounter

#pragma once

#include <QList>
#include <QStringList>
#include <QVariantList>

#include <optional>

class DbConnection;

// The rows of a roster query as the report list shows them: the first column a number (学号 or
// 编号) as decimal text, every other column its text. Nothing when the query fails, also part-way.
namespace ReportRows {

std::optional<QList<QStringList>> read(DbConnection& db, const QString& sql, const QVariantList& values = {});

} // namespace ReportRows

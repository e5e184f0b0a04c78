#pragma once

#include <QByteArray>
#include <QString>

#include <optional>

struct PageTable;

// A PageTable as an Excel workbook of one sheet: the title and the other head lines across the
// columns, the captions bold, then the rows; numbers of Number and Money columns as numbers (Money
// with two decimals), everything else as the text the page shows.
namespace XlsxTableWriter {

// The workbook's bytes; nothing, and `error` for the user, when it could not be made.
std::optional<QByteArray> bytes(const PageTable& table, QString* error = nullptr);

} // namespace XlsxTableWriter

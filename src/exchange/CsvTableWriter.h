#pragma once

#include <QByteArray>

struct PageTable;

// A PageTable as comma-separated text: UTF-8 behind a byte-order mark (so spreadsheet programs show
// the Chinese), records ended by "\r\n", a field quoted where it holds a quote, a comma or a line
// break. The head lines come first, one field each, then the captions and the rows; every cell as
// the page shows it.
namespace CsvTableWriter {

QByteArray bytes(const PageTable& table);

} // namespace CsvTableWriter

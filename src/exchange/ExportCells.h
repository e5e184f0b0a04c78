#pragma once

#include "workspace/PageTable.h"

#include <QString>
#include <QStringList>

#include <optional>

// What the spreadsheet writers agree on, whatever the file: which lines stand above the captions,
// which cells are numbers, how wide a text shows.
namespace ExportCells {

// The title, then the statistics line and the note, each only where it is not empty.
QStringList headLines(const PageTable& table);

// The number a cell holds where its column holds numbers and its text is a plain decimal ("85",
// "-3.5", "1234.50") that a spreadsheet keeps as shown. Nothing for a Text column, for an empty or
// other text ("缺考", "1e3", "0012" whose zeros would be lost, more than 15 digits).
std::optional<double> number(const QString& text, PageTable::Kind kind);
// The decimals a number's text shows: 2 for "1234.50", 0 for "85".
int decimals(const QString& text);

// How wide a text shows, in widths of a digit: a Chinese character takes two; of several lines
// the longest counts.
int displayWidth(QStringView text);

} // namespace ExportCells

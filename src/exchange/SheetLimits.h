#pragma once

#include <QtGlobal>

// How much of an outside spreadsheet is read at most. A file never gets to decide how much memory
// it takes: past these a clear message stands instead of the rows.
namespace SheetLimits {

// The file as it lies on disk.
inline constexpr qint64 MaxFileBytes = 32 * 1024 * 1024;
// One part of a workbook once unpacked; a zip bomb stops here.
inline constexpr qint64 MaxPartBytes = 64 * 1024 * 1024;
// Rows with something in them, and columns from A.
inline constexpr int MaxRows = 10000;
inline constexpr int MaxColumns = 128;
// Entries of a workbook's shared strings.
inline constexpr int MaxSharedStrings = 1000000;

} // namespace SheetLimits

#pragma once

#include "exchange/ImportedSheet.h"

#include <QByteArrayView>

// Comma-separated values as spreadsheet programs save them: quoted fields with doubled quotes,
// commas and line breaks inside. UTF-8 with or without a byte-order mark, UTF-16 with one, and
// otherwise GB18030 (what a Chinese office's spreadsheet program saves as "CSV"). A first line with
// tabs and no comma makes tabs the separator.
namespace CsvReader {

ImportedSheet read(QByteArrayView bytes);

} // namespace CsvReader

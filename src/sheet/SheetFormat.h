#pragma once

#include "sheet/SheetData.h"

#include <QByteArray>
#include <QByteArrayView>
#include <QString>

// The "SDTW" bytes of a sheet: little-endian counts, row heights, column widths, one record per
// cell (attributes, colours, font, data) and the 36-byte page setup. Texts and font names are GB18030.
// A text cell stores its text and one zero byte, an empty cell no data at all, a picture cell the
// image bytes.
namespace SheetFormat {

QByteArray write(const SheetData& data);

// Reads bytes written by write() (or by the old program). Every count and length is checked
// against what remains before it is used; bytes that are not a whole sheet — other magic, cut
// short, lying lengths, bytes left over — are refused with a reason in *error and `out` untouched.
bool read(QByteArrayView bytes, SheetData& out, QString* error = nullptr);

} // namespace SheetFormat

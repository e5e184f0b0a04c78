#pragma once

#include "exchange/ImportedSheet.h"

#include <QByteArray>

// The first sheet of an Office Open XML workbook (.xlsx): shared and inline strings, numbers, and
// numbers styled as dates given as "2019年3月15日". Any length or count in the file is checked
// against SheetLimits before it is used; a damaged file gives a message, never a crash.
namespace XlsxReader {

ImportedSheet read(const QByteArray& bytes);

} // namespace XlsxReader

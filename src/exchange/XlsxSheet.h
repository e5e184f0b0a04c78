#pragma once

#include "exchange/ImportedSheet.h"

#include <QByteArray>
#include <QList>
#include <QStringList>

// The cells of a worksheet part as the texts a spreadsheet program shows: shared strings looked
// up, numbers in their shortest form, numbers in a date style as dates.
namespace XlsxSheet {

ImportedSheet read(const QByteArray& xml, const QStringList& shared, const QList<bool>& dateStyles, bool from1904);

} // namespace XlsxSheet

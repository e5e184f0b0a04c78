#pragma once

#include <QByteArray>
#include <QStringList>

#include <optional>

// A workbook's shared strings part; nothing when it is damaged or holds more than
// SheetLimits::MaxSharedStrings.
namespace XlsxSharedStrings {

std::optional<QStringList> read(const QByteArray& xml);

} // namespace XlsxSharedStrings

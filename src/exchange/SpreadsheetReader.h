#pragma once

#include "exchange/ImportedSheet.h"

#include <QString>

class FileOps;

// A spreadsheet file chosen by the user: a workbook by its zip signature, the old binary workbook
// refused with advice, anything else read as CSV.
namespace SpreadsheetReader {

ImportedSheet readFile(const QString& path, const FileOps& files);
ImportedSheet readBytes(const QByteArray& bytes, const QString& fileName);

// For the open-file dialog.
QString nameFilter();

} // namespace SpreadsheetReader

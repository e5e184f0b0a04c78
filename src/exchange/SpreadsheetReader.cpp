#include "exchange/SpreadsheetReader.h"

#include "exchange/CsvReader.h"
#include "exchange/SheetLimits.h"
#include "exchange/XlsxReader.h"
#include "platform/FileOps.h"

#include <QFileInfo>

using namespace Qt::StringLiterals;

namespace {

ImportedSheet tooLarge()
{
    return ImportedSheet::failed(u"文件超过%1MB，无法导入。"_s.arg(SheetLimits::MaxFileBytes / (1024 * 1024)));
}

// A workbook by its zip signature (or its name, to say it is damaged), never the binary one.
ImportedSheet readAny(const QByteArray& bytes, const QString& fileName)
{
    if (bytes.startsWith("\xD0\xCF\x11\xE0"))
        return ImportedSheet::failed(
            u"不能读取旧版Excel文件（.xls）。请在Excel中另存为“Excel工作簿（.xlsx）”或“CSV”后再导入。"_s);
    if (bytes.startsWith("PK") || fileName.endsWith(u".xlsx", Qt::CaseInsensitive))
        return XlsxReader::read(bytes);
    return CsvReader::read(bytes);
}

} // namespace

namespace SpreadsheetReader {

ImportedSheet readFile(const QString& path, const FileOps& files)
{
    // Asked before reading: a huge file is refused without being loaded.
    const QFileInfo info(path);
    if (info.exists() && info.size() > SheetLimits::MaxFileBytes)
        return tooLarge();
    const std::optional<QByteArray> bytes = files.readFile(path);
    if (!bytes)
        return ImportedSheet::failed(u"无法读取文件“%1”。"_s.arg(info.fileName()));
    return readBytes(*bytes, info.fileName());
}

ImportedSheet readBytes(const QByteArray& bytes, const QString& fileName)
{
    if (bytes.size() > SheetLimits::MaxFileBytes)
        return tooLarge();
    ImportedSheet sheet = readAny(bytes, fileName);
    if (sheet.ok() && sheet.rows.isEmpty())
        return ImportedSheet::failed(u"文件中没有数据。"_s);
    return sheet;
}

QString nameFilter()
{
    return u"表格文件 (*.xlsx *.csv);;Excel工作簿 (*.xlsx);;CSV文件 (*.csv)"_s;
}

} // namespace SpreadsheetReader

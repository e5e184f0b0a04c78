#pragma once

#include "exchange/SheetLimits.h"

#include <QString>

// What the workbook reader says when it cannot read a file.
namespace XlsxMessages {

using namespace Qt::StringLiterals;

inline QString notAWorkbook()
{
    return u"这个文件不是Excel工作簿（.xlsx），或者文件已损坏，无法读取。"_s;
}

inline QString damaged()
{
    return u"Excel工作簿已损坏，无法读取其中的表格。"_s;
}

inline QString noSheet()
{
    return u"Excel工作簿中找不到工作表，文件可能已损坏。"_s;
}

inline QString tooLarge()
{
    return u"Excel工作簿中的表格解压后超过%1MB，无法读取（文件可能已损坏）。"_s.arg(
        SheetLimits::MaxPartBytes / (1024 * 1024));
}

} // namespace XlsxMessages

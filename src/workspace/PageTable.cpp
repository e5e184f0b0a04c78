#include "workspace/PageTable.h"

#include "sheet/SheetTable.h"

PageTable PageTable::fromSheet(const SheetTable& sheet)
{
    PageTable table;
    table.sheet = &sheet;
    const auto rowTexts = [&sheet](int row) {
        QStringList texts;
        texts.reserve(sheet.columnCount());
        for (int c = 1; c <= sheet.columnCount(); ++c)
            texts << sheet.text(row, c);
        return texts;
    };
    if (sheet.rowCount() < 1)
        return table;
    table.captions = rowTexts(1);
    for (int c = 0; c < table.captions.size(); ++c)
        table.kinds << Kind::Text;
    table.rows.reserve(sheet.rowCount() - 1);
    for (int r = 2; r <= sheet.rowCount(); ++r)
        table.rows << rowTexts(r);
    return table;
}

#include "printing/CardSheet.h"

#include "sheet/PrintLayout.h"
#include "sheet/SheetTable.h"
#include "text/DateText.h"

#include <QFile>

#include <algorithm>
#include <cmath>

namespace CardSheet {

QByteArray templateBytes(const QString& resource)
{
    QFile file(resource);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

ReportBuild build(SheetTable& sheet, QByteArrayView templateBytes, const std::function<void(SheetTable&)>& fill)
{
    if (templateBytes.isEmpty() || !sheet.load(templateBytes))
        return ReportBuild::TemplateMissing;
    fill(sheet);
    fitOnOnePage(sheet);
    sheet.commit();
    return ReportBuild::Built;
}

ReportBuild build(SheetTable& sheet, QByteArrayView templateBytes, bool empty, const QString& emptyTitle,
    const std::function<void(SheetTable&)>& fill)
{
    return build(sheet, templateBytes, [&](SheetTable& t) {
        if (empty)
            keepOnlyTitle(t, emptyTitle);
        else
            fill(t);
    });
}

void fillPairs(SheetTable& card, const FieldPairs& pairs, const QHash<QString, QString>& values)
{
    for (size_t i = 0; i < pairs.left.size() && i < pairs.right.size(); ++i) {
        const int row = pairs.firstRow + int(i);
        card.setText(row, pairs.leftColumn, values.value(QString::fromUtf16(pairs.left[i])));
        card.setText(row, pairs.rightColumn, values.value(QString::fromUtf16(pairs.right[i])));
    }
}

void keepOnlyTitle(SheetTable& card, const QString& title)
{
    for (int r = 1; r <= card.rowCount(); ++r) {
        for (int c = 1; c <= card.columnCount(); ++c)
            card.setText(r, c, {});
    }
    card.setText(1, 1, title);
}

void fitOnOnePage(SheetTable& card)
{
    PageSetup setup = card.pageSetup();
    setup.zoom = 100;
    const PrintLayout layout = PrintLayout::of(card, setup);
    double width = 0;
    for (int c = 1; c <= card.columnCount(); ++c)
        width += std::max(0, card.columnWidth(c));
    double height = 0;
    for (int r = 1; r <= card.rowCount(); ++r)
        height += std::max(0, card.rowHeight(r));
    double fit = 1.0;
    if (width > 0)
        fit = layout.printable.width() / width;
    if (height > 0)
        fit = std::min(fit, layout.printable.height() / height);
    setup.zoom = qint16(std::clamp(std::floor(fit * 100), 1.0, 1000.0));
    card.setPageSetup(setup);
}

QString dateText(const QDate& date)
{
    return DateText::format(date);
}

} // namespace CardSheet

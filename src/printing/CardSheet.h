#pragma once

#include "workspace/PageView.h"

#include <QByteArray>
#include <QByteArrayView>
#include <QHash>
#include <QString>

#include <functional>
#include <span>

class QDate;
class SheetTable;

// What the two record cards share: their templates, the blank card and the one-page rule.
namespace CardSheet {

// The bytes of a compiled-in template (":/templates/studentcard.xsk"); empty when it is missing.
QByteArray templateBytes(const QString& resource);

// Loads the template into `sheet`, lets `fill` write the card and fits it on one page;
// TemplateMissing, with `sheet` untouched, when the bytes are no sheet.
ReportBuild build(SheetTable& sheet, QByteArrayView templateBytes, const std::function<void(SheetTable&)>& fill);

// As above; the card of nobody (`empty`) becomes a blank form under `emptyTitle`.
ReportBuild build(SheetTable& sheet, QByteArrayView templateBytes, bool empty, const QString& emptyTitle,
    const std::function<void(SheetTable&)>& fill);

// Captioned values in two columns, a pair a row from `firstRow`: left[i] and right[i] name the
// values of row firstRow + i.
struct FieldPairs
{
    int firstRow;
    int leftColumn;
    int rightColumn;
    std::span<const char16_t* const> left;
    std::span<const char16_t* const> right;
};
void fillPairs(SheetTable& card, const FieldPairs& pairs, const QHash<QString, QString>& values);

// The card of nobody: every text of the template is removed but the title, which becomes `title`;
// the lines stay, a blank form.
void keepOnlyTitle(SheetTable& card, const QString& title);

// A card prints on one page: the page setup's zoom becomes the largest whole percent at which the
// card fits the printable area in width and in height (fitting the width alone makes a card a
// little taller than the page, and its last row would print alone on a second page).
void fitOnOnePage(SheetTable& card);

// "2011年3月5日".
QString dateText(const QDate& date);

} // namespace CardSheet

#pragma once

#include "printing/CardSheet.h"
#include "workspace/PageView.h"

#include <QByteArrayView>
#include <QString>

class QDate;
class SheetTable;

// A printed record card of one kind. Kind names its compiled-in TemplateResource, the EmptyTitle a
// card of nobody carries after the school's name, and fill(), which writes its card into the
// template; loading, the blank form and the fit on one page are the same for every card.
template<class Kind, class Card>
struct CardReport
{
    // Loads the compiled-in template into `sheet` and fills it; TemplateMissing, with `sheet`
    // untouched, when the template cannot be loaded.
    static ReportBuild build(SheetTable& sheet, const Card& card, const QDate& today)
    {
        return build(sheet, card, today, CardSheet::templateBytes(QString::fromUtf16(Kind::TemplateResource)));
    }
    // As above from the given template bytes.
    static ReportBuild build(SheetTable& sheet, const Card& card, const QDate& today, QByteArrayView templateBytes)
    {
        return CardSheet::build(sheet, templateBytes, card.isEmpty(),
            card.schoolName + QString::fromUtf16(Kind::EmptyTitle), [&](SheetTable& t) { Kind::fill(t, card, today); });
    }
};

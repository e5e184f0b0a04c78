#pragma once

#include <QString>
#include <QStringView>
#include <QVariant>

#include <optional>

// How a typed mark becomes the stored 16-bit mark. Every mark the program takes goes through here,
// so the score sheet and anything after it agree on what a teacher may type.
namespace MarkText {

struct Reading
{
    bool accepted = false;
    std::optional<qint16> mark; // nothing: the cell was emptied, no mark
};

// Blanks around the text are dropped and full-width digits, point and minus read as ASCII (Chinese
// input methods type them). Empty means no mark; a decimal number is rounded half up and taken when
// it lies in -32768..32767. Anything else ("abc", "inf", "1e3", 40000) is refused.
Reading read(QStringView typed);

// What a mark column stores: the mark as an integer, or NULL.
QVariant toStored(const std::optional<qint16>& mark);
// How the sheet shows a mark: the integer, or the empty text.
QString toText(const std::optional<qint16>& mark);

} // namespace MarkText

#include "text/DateText.h"

#include <QRegularExpression>

namespace DateText {

QString format(QDate date)
{
    return format(date.year(), date.month(), date.day());
}

QString format(int year, int month, int day)
{
    return QString::number(year) + u'年' + QString::number(month) + u'月' + QString::number(day) + u'日';
}

std::optional<QDate> parse(QStringView text)
{
    static const QRegularExpression pattern(
        QStringLiteral(u"^[ \u3000]*(\\d{1,4})年(\\d{1,2})月(\\d{1,2})日[ \u3000]*$"));
    const auto match = pattern.match(text);
    if (!match.hasMatch())
        return std::nullopt;
    const QDate date(match.capturedView(1).toInt(), match.capturedView(2).toInt(), match.capturedView(3).toInt());
    if (!date.isValid())
        return std::nullopt;
    return date;
}

} // namespace DateText

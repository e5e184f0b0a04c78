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

namespace {

std::optional<QDate> existingDay(QStringView year, QStringView month, QStringView day)
{
    const QDate date(year.toInt(), month.toInt(), day.toInt());
    if (!date.isValid())
        return std::nullopt;
    return date;
}

// Full-width digits and the punctuation a Chinese input method gives become their ASCII twins.
QString halfWidth(QStringView text)
{
    QString out;
    out.reserve(text.size());
    for (const QChar c : text) {
        const char16_t u = c.unicode();
        if (u >= u'０' && u <= u'９')
            out += QChar(u'0' + (u - u'０'));
        else if (u == u'－')
            out += u'-';
        else if (u == u'．' || u == u'。')
            out += u'.';
        else if (u == u'／')
            out += u'/';
        else if (u == u'\u3000')
            out += u' ';
        else
            out += c;
    }
    return out;
}

} // namespace

std::optional<QDate> parse(QStringView text)
{
    static const QRegularExpression pattern(
        QStringLiteral(u"^[ \u3000]*(\\d{1,4})年(\\d{1,2})月(\\d{1,2})日[ \u3000]*$"));
    const auto match = pattern.match(text);
    if (!match.hasMatch())
        return std::nullopt;
    return existingDay(match.capturedView(1), match.capturedView(2), match.capturedView(3));
}

std::optional<QDate> readTyped(QStringView text)
{
    // One separator kind throughout ("2019-3.15" is a typo, not a date); 日 may be left off.
    static const QRegularExpression separated(QStringLiteral(u"^\\s*([1-9][0-9]{3})\\s*(?:年\\s*([0-9]{1,2})\\s*月\\s*"
                                                             u"([0-9]{1,2})\\s*(?:日\\s*)?|([-./])\\s*([0-9]{1,2})\\s*"
                                                             u"\\4\\s*([0-9]{1,2})\\s*)$"));
    static const QRegularExpression compact(QStringLiteral(u"^\\s*([1-9][0-9]{3})([0-9]{2})([0-9]{2})\\s*$"));
    const QString plain = halfWidth(text);
    if (const auto m = compact.match(plain); m.hasMatch())
        return existingDay(m.capturedView(1), m.capturedView(2), m.capturedView(3));
    const auto m = separated.match(plain);
    if (!m.hasMatch())
        return std::nullopt;
    if (m.capturedLength(4) > 0)
        return existingDay(m.capturedView(1), m.capturedView(5), m.capturedView(6));
    return existingDay(m.capturedView(1), m.capturedView(2), m.capturedView(3));
}

} // namespace DateText

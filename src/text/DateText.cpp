#include "text/DateText.h"

#include <QRegularExpression>

#include <algorithm>

namespace DateText {

QString format(QDate date)
{
    return format(date.year(), date.month(), date.day());
}

namespace {

void appendNumber(QString& out, int n)
{
    char16_t digits[10];
    int count = 0;
    auto rest = n < 0 ? 0u - static_cast<unsigned>(n) : static_cast<unsigned>(n);
    do {
        digits[count++] = static_cast<char16_t>(u'0' + rest % 10);
        rest /= 10;
    } while (rest != 0);
    if (n < 0)
        out.append(u'-');
    while (count > 0)
        out.append(QChar(digits[--count]));
}

} // namespace

QString format(int year, int month, int day)
{
    // Into one buffer: every date of every pupil read in or shown passes here.
    QString out;
    out.reserve(3 * 11 + 3);
    appendNumber(out, year);
    out.append(u'年');
    appendNumber(out, month);
    out.append(u'月');
    appendNumber(out, day);
    out.append(u'日');
    return out;
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

bool isDigit(QChar c)
{
    return c >= u'0' && c <= u'9';
}

// The shapes the file readers and most people write ("2019年3月15日", "2019年3月15", "2019-3-15",
// "20190315"), read by hand. False for any other text, blanks and full-width characters
// included: the patterns decide those.
bool readPlain(QStringView text, std::optional<QDate>& date)
{
    const qsizetype size = text.size();
    if (size < 8 || text[0] == u'0')
        return false;
    qsizetype at = 0;
    // Up to `most` digits from `at`; -1 when there is none.
    const auto number = [&](qsizetype most) {
        int value = -1;
        for (const qsizetype end = std::min(size, at + most); at < end && isDigit(text[at]); ++at)
            value = std::max(value, 0) * 10 + (text[at].unicode() - u'0');
        return value;
    };
    const int year = number(4);
    if (at != 4)
        return false;
    int month = 0;
    int day = 0;
    const QChar separator = text[4];
    if (isDigit(separator)) {
        if (size != 8)
            return false;
        month = number(2);
        day = number(2);
        if (at != 8)
            return false;
    } else if (separator == u'年') {
        ++at;
        month = number(2);
        if (month < 0 || at >= size || text[at] != u'月')
            return false;
        ++at;
        day = number(2);
        if (day < 0)
            return false;
        if (at < size && text[at] == u'日')
            ++at;
        if (at != size)
            return false;
    } else if (separator == u'-' || separator == u'.' || separator == u'/') {
        ++at;
        month = number(2);
        if (month < 0 || at >= size || text[at] != separator)
            return false;
        ++at;
        day = number(2);
        if (day < 0 || at != size)
            return false;
    } else {
        return false;
    }
    const QDate read(year, month, day);
    date = read.isValid() ? std::optional<QDate>(read) : std::nullopt;
    return true;
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
    if (std::optional<QDate> date; readPlain(text, date))
        return date;
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

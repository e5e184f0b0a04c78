#include "wages/Money.h"

#include <QChar>

#include <algorithm>
#include <limits>

namespace Money {

namespace {

bool isBlank(QChar c)
{
    return c == u' ' || c == u'\t' || c == QChar(0x3000);
}

bool isDigit(QChar c)
{
    return c >= u'0' && c <= u'9';
}

} // namespace

std::optional<Reading> read(QStringView text)
{
    qsizetype i = 0;
    const qsizetype n = text.size();
    while (i < n && isBlank(text[i]))
        ++i;
    bool negative = false;
    if (i < n && (text[i] == u'+' || text[i] == u'-'))
        negative = text[i++] == u'-';

    // The significant digits and where the decimal point falls among them.
    QString digits;
    qsizetype pointAt = -1;
    bool anyDigit = false;
    for (; i < n; ++i) {
        const QChar c = text[i];
        if (isDigit(c)) {
            anyDigit = true;
            if (digits.isEmpty() && c == u'0' && pointAt < 0)
                continue; // leading zeros of the whole part
            digits.append(c);
        } else if (c == u'.' && pointAt < 0) {
            pointAt = digits.size();
        } else {
            break;
        }
    }
    if (!anyDigit)
        return std::nullopt;
    qint64 whole = pointAt < 0 ? digits.size() : pointAt; // digits before the point

    // An exponent counts only with digits after it, as "1e" is the number 1 and a word.
    if (i < n && (text[i] == u'e' || text[i] == u'E')) {
        qsizetype j = i + 1;
        bool expNegative = false;
        if (j < n && (text[j] == u'+' || text[j] == u'-'))
            expNegative = text[j++] == u'-';
        if (j < n && isDigit(text[j])) {
            qint64 exponent = 0;
            for (; j < n && isDigit(text[j]); ++j)
                exponent = std::min<qint64>(exponent * 10 + (text[j].unicode() - u'0'), 1'000'000);
            whole += expNegative ? -exponent : exponent;
        }
    }

    // digits[k] stands for 10^(whole - 1 - k). Leading zeros after the point make `whole` negative.
    qsizetype firstNonZero = 0;
    while (firstNonZero < digits.size() && digits[firstNonZero] == u'0')
        ++firstNonZero;
    if (firstNonZero == digits.size())
        return Reading {};
    if (whole - firstNonZero > 16)
        return std::nullopt; // 10^16 or more
    const auto digitAt = [&](qint64 k) { return k >= 0 && k < digits.size() ? digits[k].unicode() - u'0' : 0; };

    qint64 cents = 0;
    for (qint64 k = 0; k < whole + 2; ++k)
        cents = cents * 10 + digitAt(k);
    if (digitAt(whole + 2) >= 5)
        ++cents;
    if (cents > MaxReadable)
        return std::nullopt;

    // Above 0.0000001: a whole part, or more than 1 in the first seven decimals, or exactly 1 with
    // anything after it.
    bool positive = !negative;
    if (positive && whole <= 0) {
        qint64 tenMillionths = 0;
        for (qint64 k = 0; k < whole + 7; ++k)
            tenMillionths = tenMillionths * 10 + digitAt(k);
        bool rest = false;
        for (qint64 k = std::max<qint64>(whole + 7, 0); k < digits.size() && !rest; ++k)
            rest = digitAt(k) != 0;
        positive = tenMillionths > 1 || (tenMillionths == 1 && rest);
    }
    return Reading {negative ? -cents : cents, positive};
}

qint64 centsOf(QStringView text)
{
    const std::optional<Reading> reading = read(text);
    return reading ? reading->cents : 0;
}

qint64 add(qint64 a, qint64 b)
{
    qint64 sum = 0;
    if (__builtin_add_overflow(a, b, &sum))
        return a < 0 ? std::numeric_limits<qint64>::min() : std::numeric_limits<qint64>::max();
    return sum;
}

QString format(qint64 cents)
{
    const quint64 magnitude = cents < 0 ? 0 - quint64(cents) : quint64(cents);
    QString out = QString::number(magnitude / 100) + u'.' + QString::number(magnitude % 100).rightJustified(2, u'0');
    return cents < 0 ? u'-' + out : out;
}

} // namespace Money

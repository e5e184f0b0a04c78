#include "FuzzEntries.h"

#include "text/DateText.h"
#include "text/GbText.h"

using namespace Qt::StringLiterals;

namespace {

bool splitsCharacter(QStringView whole, qsizetype cut)
{
    return cut > 0 && cut < whole.size() && whole[cut - 1].isHighSurrogate() && whole[cut].isLowSurrogate();
}

QString checkCuts(const QString& text, qsizetype n)
{
    const qsizetype length = GbText::byteLength(text);
    if (length != GbText::toBytes(text).size())
        return u"byteLength differs from the encoded size"_s;
    const QString left = GbText::leftBytes(text, n);
    if (!text.startsWith(left) || GbText::byteLength(left) > std::max<qsizetype>(n, 0)
        || splitsCharacter(text, left.size()))
        return u"leftBytes(%1) is not a whole-character beginning within the limit"_s.arg(n);
    const QString chopped = GbText::chopBytes(text, n);
    if (!text.startsWith(chopped) || GbText::byteLength(chopped) > std::max<qsizetype>(length - n, 0)
        || splitsCharacter(text, chopped.size()))
        return u"chopBytes(%1) is not a whole-character beginning within the limit"_s.arg(n);
    return {};
}

QString checkBlanks(const QString& text)
{
    const QString removed = GbText::removeBlanks(text);
    for (QChar c : removed) {
        if (GbText::isBlankChar(c))
            return u"removeBlanks left a blank"_s;
    }
    if (GbText::isBlank(text) != removed.isEmpty())
        return u"isBlank disagrees with removeBlanks"_s;
    const QString trimmed = GbText::trimBlanks(text);
    if (!trimmed.isEmpty() && (GbText::isBlankChar(trimmed.front()) || GbText::isBlankChar(trimmed.back())))
        return u"trimBlanks left a blank at an end"_s;
    return {};
}

QString checkDates(const QString& text)
{
    if (const std::optional<QDate> date = DateText::parse(text)) {
        if (!date->isValid() || DateText::parse(DateText::format(*date)) != date)
            return u"a parsed date does not survive format and parse"_s;
    }
    if (const std::optional<QDate> date = DateText::readTyped(text)) {
        if (!date->isValid() || DateText::readTyped(DateText::format(*date)) != date)
            return u"a typed date does not survive format and readTyped"_s;
    }
    return {};
}

} // namespace

// The first byte picks the byte limit; the rest is read both as GB18030 and as UTF-8.
QString FuzzEntries::text(QByteArrayView bytes)
{
    const qsizetype n = bytes.isEmpty() ? 0 : qsizetype(static_cast<unsigned char>(bytes[0])) - 16;
    const QByteArrayView rest = bytes.isEmpty() ? bytes : bytes.sliced(1);
    for (const QString& text : {GbText::fromBytes(rest), QString::fromUtf8(rest)}) {
        if (GbText::fromBytes(GbText::toBytes(text)) != text)
            return u"GB18030 does not round-trip a decoded text"_s;
        for (const auto& failure : {checkCuts(text, n), checkBlanks(text), checkDates(text)}) {
            if (!failure.isEmpty())
                return failure;
        }
    }
    return {};
}

#include "text/GbText.h"

#include <QStringDecoder>
#include <QStringEncoder>

#include <bitset>

namespace GbText {

namespace {

// Converters are stateful and not cheap to open; one stateless pair per thread serves every call.
QStringEncoder& encoder()
{
    thread_local QStringEncoder e("GB18030", QStringConverter::Flag::Stateless);
    return e;
}

QStringDecoder& decoder()
{
    thread_local QStringDecoder d("GB18030", QStringConverter::Flag::Stateless);
    return d;
}

// Length of the GB18030 character starting at bytes[i]; a damaged tail counts as one byte each.
qsizetype charLength(QByteArrayView bytes, qsizetype i)
{
    const auto lead = static_cast<unsigned char>(bytes[i]);
    if (lead < 0x80 || i + 1 >= bytes.size())
        return 1;
    const auto second = static_cast<unsigned char>(bytes[i + 1]);
    if (second >= 0x30 && second <= 0x39)
        return i + 3 < bytes.size() ? 4 : bytes.size() - i;
    return 2;
}

// The characters below U+10000 that GB18030 writes in two bytes, GBK's own; the rest of them past
// ASCII take four. Read once off the encoder, so a count can never disagree with toBytes().
const std::bitset<0x10000>& twoByteChars()
{
    static const std::bitset<0x10000> table = [] {
        QString all;
        all.reserve(0x10000);
        for (char32_t c = 0x80; c < 0x10000; ++c) {
            if (!QChar::isSurrogate(c))
                all.append(QChar(char16_t(c)));
        }
        const QByteArray bytes = encoder().encode(all);
        std::bitset<0x10000> two;
        qsizetype at = 0;
        for (const QChar c : std::as_const(all)) {
            const qsizetype n = charLength(bytes, at);
            if (n == 2)
                two.set(c.unicode());
            at += n;
        }
        return two;
    }();
    return table;
}

bool isAscii(QStringView text)
{
    for (QChar c : text) {
        if (c.unicode() >= 0x80)
            return false;
    }
    return true;
}

} // namespace

QByteArray toBytes(QStringView text)
{
    if (isAscii(text))
        return text.toLatin1();
    return encoder().encode(text);
}

QString fromBytes(QByteArrayView bytes)
{
    return decoder().decode(bytes);
}

qsizetype byteLength(QStringView text)
{
    // Counted, not encoded: limits are checked for every field of every row read in.
    const std::bitset<0x10000>& two = twoByteChars();
    const char16_t* chars = text.utf16();
    const qsizetype size = text.size();
    qsizetype bytes = 0;
    for (qsizetype i = 0; i < size; ++i) {
        const char16_t c = chars[i];
        if (c < 0x80) {
            ++bytes;
        } else if (!QChar::isSurrogate(c)) {
            bytes += two.test(c) ? 2 : 4;
        } else if (QChar::isHighSurrogate(c) && i + 1 < size && QChar::isLowSurrogate(chars[i + 1])) {
            bytes += 4;
            ++i;
        } else {
            // A broken pair: whatever the encoder makes of it.
            return toBytes(text).size();
        }
    }
    return bytes;
}

QString leftBytes(QStringView text, qsizetype maxBytes)
{
    if (maxBytes <= 0)
        return {};
    if (isAscii(text))
        return text.left(maxBytes).toString();
    if (byteLength(text) <= maxBytes)
        return text.toString();
    const QByteArray bytes = toBytes(text);
    qsizetype end = 0;
    while (end < bytes.size()) {
        const qsizetype next = end + charLength(bytes, end);
        if (next > maxBytes)
            break;
        end = next;
    }
    return fromBytes(QByteArrayView(bytes).first(end));
}

QString chopBytes(QStringView text, qsizetype n)
{
    return leftBytes(text, byteLength(text) - n);
}

bool isBlankChar(QChar c)
{
    return c == u' ' || c == QChar(0x3000);
}

QString removeBlanks(QStringView text)
{
    QString out;
    out.reserve(text.size());
    for (QChar c : text) {
        if (!isBlankChar(c))
            out.append(c);
    }
    return out;
}

bool isBlank(QStringView text)
{
    for (QChar c : text) {
        if (!isBlankChar(c))
            return false;
    }
    return true;
}

QString trimBlanks(const QString& text)
{
    if (!text.isEmpty() && !isBlankChar(text.front()) && !isBlankChar(text.back()))
        return text;
    return trimBlanks(QStringView(text));
}

QString trimBlanks(QStringView text)
{
    qsizetype begin = 0;
    qsizetype end = text.size();
    while (begin < end && isBlankChar(text[begin]))
        ++begin;
    while (end > begin && isBlankChar(text[end - 1]))
        --end;
    return text.sliced(begin, end - begin).toString();
}

QString asciiDigits(QStringView text)
{
    QString out;
    out.reserve(text.size());
    for (const QChar c : text)
        out.append(c.unicode() >= u'０' && c.unicode() <= u'９' ? QChar(u'0' + (c.unicode() - u'０')) : c);
    return out;
}

} // namespace GbText

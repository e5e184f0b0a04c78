#include "text/GbText.h"

#include <QStringDecoder>
#include <QStringEncoder>

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
    if (isAscii(text))
        return text.size();
    return toBytes(text).size();
}

QString leftBytes(QStringView text, qsizetype maxBytes)
{
    if (maxBytes <= 0)
        return {};
    if (isAscii(text))
        return text.left(maxBytes).toString();
    const QByteArray bytes = toBytes(text);
    if (bytes.size() <= maxBytes)
        return text.toString();
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

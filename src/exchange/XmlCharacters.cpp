#include "exchange/XmlCharacters.h"

#include <QString>

#include <cstring>

namespace {

bool isContinuation(uchar c)
{
    return (c & 0xC0) == 0x80;
}

bool validChar(uint code)
{
    return code == 0x9 || code == 0xA || code == 0xD || (code >= 0x20 && code <= 0xD7FF)
        || (code >= 0xE000 && code <= 0xFFFD) || (code >= 0x10000 && code <= 0x10FFFF);
}

} // namespace

namespace XmlCharacters {

bool plainUtf8(QByteArrayView xml)
{
    const auto* p = reinterpret_cast<const uchar*>(xml.data());
    const auto* end = p + xml.size();
    while (p < end) {
        // Eight bytes at a time while they are ASCII of 0x20 or more.
        while (end - p >= 8) {
            quint64 word;
            std::memcpy(&word, p, 8);
            constexpr quint64 high = 0x8080808080808080ULL;
            if (((word | (word - 0x2020202020202020ULL)) & high) != 0)
                break;
            p += 8;
        }
        if (p == end)
            break;
        const uchar c = *p;
        if (c < 0x80) {
            if (c < 0x20 && c != '\t' && c != '\n')
                return false;
            ++p;
            continue;
        }
        qsizetype n = 0;
        uchar low = 0x80;
        uchar high = 0xBF;
        if (c >= 0xC2 && c <= 0xDF) {
            n = 1;
        } else if (c >= 0xE0 && c <= 0xEF) {
            n = 2;
            low = c == 0xE0 ? 0xA0 : 0x80;
            high = c == 0xED ? 0x9F : 0xBF;
        } else if (c >= 0xF0 && c <= 0xF4) {
            n = 3;
            low = c == 0xF0 ? 0x90 : 0x80;
            high = c == 0xF4 ? 0x8F : 0xBF;
        } else {
            return false;
        }
        if (end - p <= n || p[1] < low || p[1] > high)
            return false;
        for (qsizetype i = 2; i <= n; ++i) {
            if (!isContinuation(p[i]))
                return false;
        }
        // U+FFFE and U+FFFF are no characters.
        if (c == 0xEF && p[1] == 0xBF && p[2] >= 0xBE)
            return false;
        p += n + 1;
    }
    return true;
}

bool reference(const char*& p, const char* end, QString* out)
{
    const char* start = ++p;
    while (p < end && *p != ';' && p - start < 12)
        ++p;
    if (p == end || *p != ';')
        return false;
    const QByteArrayView ref = QByteArrayView(start, p++ - start);
    char16_t named = 0;
    if (ref == "lt")
        named = u'<';
    else if (ref == "gt")
        named = u'>';
    else if (ref == "amp")
        named = u'&';
    else if (ref == "quot")
        named = u'"';
    else if (ref == "apos")
        named = u'\'';
    if (named) {
        if (out)
            out->append(QChar(named));
        return true;
    }
    if (ref.size() < 2 || ref[0] != '#')
        return false;
    const bool hex = ref[1] == 'x';
    const QByteArrayView digits = ref.sliced(hex ? 2 : 1);
    uint code = 0;
    if (digits.isEmpty())
        return false;
    for (const char c : digits) {
        uint digit = 0;
        if (c >= '0' && c <= '9')
            digit = uint(c - '0');
        else if (hex && c >= 'a' && c <= 'f')
            digit = uint(c - 'a' + 10);
        else if (hex && c >= 'A' && c <= 'F')
            digit = uint(c - 'A' + 10);
        else
            return false;
        code = code * (hex ? 16 : 10) + digit;
        if (code > 0x10FFFF)
            return false;
    }
    if (!validChar(code))
        return false;
    if (out) {
        const char32_t c32 = code;
        out->append(QString::fromUcs4(&c32, 1));
    }
    return true;
}

} // namespace XmlCharacters

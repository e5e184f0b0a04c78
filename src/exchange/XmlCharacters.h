#pragma once

#include <QByteArrayView>

#include <array>

class QString;

// The characters of the XML that XmlScanner takes: ASCII names, UTF-8 text.
namespace XmlCharacters {

// Each byte's classes, looked up once: names and blanks are tested at every byte of a part.
enum Class : unsigned char { Space = 1, NameStart = 2, NameChar = 4 };
inline constexpr auto Classes = [] {
    std::array<unsigned char, 256> table {};
    for (int c = 0; c < 256; ++c) {
        const bool start = (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || c == '_';
        const bool name = start || (c >= '0' && c <= '9') || c == '-' || c == '.' || c == ':';
        table[c] = static_cast<unsigned char>(
            (c == ' ' || c == '\t' || c == '\n' ? Space : 0) | (start ? NameStart : 0) | (name ? NameChar : 0));
    }
    return table;
}();

inline bool isSpace(char c)
{
    return Classes[static_cast<unsigned char>(c)] & Space;
}

inline bool isNameStart(char c)
{
    return Classes[static_cast<unsigned char>(c)] & NameStart;
}

inline bool isNameChar(char c)
{
    return Classes[static_cast<unsigned char>(c)] & NameChar;
}

// Names are a few bytes: compared in place, sizes first.
inline bool same(QByteArrayView a, QByteArrayView b)
{
    if (a.size() != b.size())
        return false;
    for (qsizetype i = 0; i < a.size(); ++i) {
        if (a[i] != b[i])
            return false;
    }
    return true;
}

// Well-formed UTF-8 of characters XML allows, without carriage returns (whose line-end rules are
// left to QXmlStreamReader).
bool plainUtf8(QByteArrayView xml);

// The entity or character reference at p (its '&'), p moved past it and the character appended
// to out when there is one; false for a reference XML has not.
bool reference(const char*& p, const char* end, QString* out);

} // namespace XmlCharacters

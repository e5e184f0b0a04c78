#pragma once

#include <QByteArrayView>

class QString;

// The characters of the XML that XmlScanner takes: ASCII names, UTF-8 text.
namespace XmlCharacters {

inline bool isSpace(char c)
{
    return c == ' ' || c == '\t' || c == '\n';
}

inline bool isNameStart(char c)
{
    return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || c == '_';
}

inline bool isNameChar(char c)
{
    return isNameStart(c) || (c >= '0' && c <= '9') || c == '-' || c == '.' || c == ':';
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

#include "exchange/XmlScanner.h"

#include "exchange/XmlCharacters.h"

#include <cstring>

using XmlCharacters::isNameChar;
using XmlCharacters::isNameStart;
using XmlCharacters::isSpace;
using XmlCharacters::same;

namespace {

constexpr qsizetype MaxDepth = 256;

QByteArrayView between(const char* from, const char* to)
{
    return QByteArrayView(from, to - from);
}

} // namespace

XmlScanner::XmlScanner(QByteArrayView xml)
    : m_p(xml.data())
    , m_end(xml.data() + xml.size())
{
    if (!XmlCharacters::plainUtf8(xml) || !prolog())
        fail();
}

XmlScanner::Token XmlScanner::fail()
{
    m_error = true;
    m_atEnd = true;
    return Other;
}

inline bool XmlScanner::valueQuote(char& quote)
{
    skipSpace();
    if (m_p == m_end || *m_p != '=')
        return false;
    ++m_p;
    skipSpace();
    if (m_p == m_end || (*m_p != '"' && *m_p != '\''))
        return false;
    quote = *m_p++;
    return true;
}

// An optional byte-order mark and declaration, which may only say version 1.0 and UTF-8.
bool XmlScanner::prolog()
{
    if (m_end - m_p >= 3 && std::memcmp(m_p, "\xEF\xBB\xBF", 3) == 0)
        m_p += 3;
    if (m_end - m_p < 6 || std::memcmp(m_p, "<?xml", 5) != 0 || !isSpace(m_p[5]))
        return true;
    m_p += 5;
    static const char* const names[] = {"version", "encoding", "standalone"};
    int next = 0;
    bool versioned = false;
    for (;;) {
        const char* before = m_p;
        skipSpace();
        if (m_end - m_p >= 2 && m_p[0] == '?' && m_p[1] == '>') {
            m_p += 2;
            return versioned;
        }
        if (m_p == before)
            return false;
        QByteArrayView name;
        if (!qualifiedName(name))
            return false;
        while (next < 3 && name != names[next])
            ++next;
        if (next == 3)
            return false;
        char quote = 0;
        if (!valueQuote(quote))
            return false;
        const char* start = m_p;
        while (m_p < m_end && *m_p != quote)
            ++m_p;
        if (m_p == m_end)
            return false;
        const QByteArrayView value = between(start, m_p++);
        if (next == 0 && value != "1.0")
            return false;
        if (next == 1 && value.compare("UTF-8", Qt::CaseInsensitive) != 0)
            return false;
        if (next == 2 && value != "yes" && value != "no")
            return false;
        versioned = versioned || next == 0;
        ++next;
    }
}

inline bool XmlScanner::qualifiedName(QByteArrayView& name, qsizetype* colon)
{
    const char* start = m_p;
    const char* at = nullptr;
    if (m_p == m_end || !isNameStart(*m_p))
        return false;
    while (++m_p < m_end && isNameChar(*m_p)) {
        if (*m_p == ':') {
            // One colon, with a name on each side.
            if (at || m_p + 1 == m_end || !isNameStart(m_p[1]))
                return false;
            at = m_p;
        }
    }
    // A name running into a byte outside ASCII is left to QXmlStreamReader.
    if (m_p < m_end && uchar(*m_p) >= 0x80)
        return false;
    name = between(start, m_p);
    if (colon)
        *colon = at ? at - start : -1;
    return true;
}

bool XmlScanner::declared(QByteArrayView prefix) const
{
    for (const Prefix& p : m_prefixes) {
        if (same(p.name, prefix))
            return true;
    }
    return false;
}

inline void XmlScanner::setName(QByteArrayView qualified, qsizetype colon)
{
    const QByteArrayView local = colon < 0 ? qualified : qualified.sliced(colon + 1);
    if (m_name.size() < local.size())
        m_name.resize(local.size());
    m_nameSize = local.size();
    QChar* out = m_name.data();
    for (qsizetype i = 0; i < local.size(); ++i)
        out[i] = QLatin1Char(local[i]);
}

bool XmlScanner::text(QString* out)
{
    const char* run = m_p;
    const auto flush = [&] {
        if (out && m_p > run)
            out->append(QString::fromUtf8(between(run, m_p)));
    };
    while (m_p < m_end && *m_p != '<') {
        if (*m_p == '&') {
            if (m_open.isEmpty())
                return false;
            flush();
            if (!XmlCharacters::reference(m_p, m_end, out))
                return false;
            run = m_p;
        } else if (*m_p == ']' && m_end - m_p >= 3 && m_p[1] == ']' && m_p[2] == '>') {
            return false;
        } else {
            if (m_open.isEmpty() && !isSpace(*m_p))
                return false;
            ++m_p;
        }
    }
    flush();
    return true;
}

bool XmlScanner::misc()
{
    if (m_end - m_p >= 4 && std::memcmp(m_p, "<!--", 4) == 0) {
        const QByteArrayView rest = between(m_p + 4, m_end);
        const qsizetype dashes = rest.indexOf("--");
        if (dashes < 0 || dashes + 2 >= rest.size() || rest[dashes + 2] != '>')
            return false;
        m_p += 4 + dashes + 3;
        return true;
    }
    if (m_end - m_p >= 2 && m_p[1] == '?') {
        m_p += 2;
        QByteArrayView target;
        if (!qualifiedName(target) || target.compare("xml", Qt::CaseInsensitive) == 0 || target.contains(':'))
            return false;
        const qsizetype close = between(m_p, m_end).indexOf("?>");
        if (close < 0 || (close > 0 && !isSpace(*m_p)))
            return false;
        m_p += close + 2;
        return true;
    }
    return false;
}

bool XmlScanner::startTag()
{
    ++m_p;
    QByteArrayView qname;
    qsizetype nameColon = -1;
    if (!qualifiedName(qname, &nameColon) || (m_open.isEmpty() && m_rootSeen))
        return false;
    m_attributeCount = 0;
    for (;;) {
        const char* before = m_p;
        skipSpace();
        if (m_p == m_end)
            return false;
        if (*m_p == '>' || *m_p == '/')
            break;
        Attribute a;
        if (m_p == before || !qualifiedName(a.name, &a.colon))
            return false;
        char quote = 0;
        if (!valueQuote(quote))
            return false;
        const char* start = m_p;
        while (m_p < m_end && *m_p != quote) {
            if (*m_p == '<')
                return false;
            if (*m_p == '&') {
                if (!XmlCharacters::reference(m_p, m_end, nullptr))
                    return false;
            } else {
                ++m_p;
            }
        }
        if (m_p == m_end)
            return false;
        a.value = between(start, m_p++);
        // Past these the pairwise checks would be the file's to size, and there is no room.
        if (m_attributeCount >= MaxAttributes)
            return false;
        m_attributes[m_attributeCount++] = a;
    }
    const bool empty = *m_p == '/';
    if (empty && (m_end - m_p < 2 || m_p[1] != '>'))
        return false;
    m_p += empty ? 2 : 1;

    // Two attributes of one name, or of one local name with a prefix, are left to
    // QXmlStreamReader's rules.
    bool prefixed = nameColon >= 0;
    for (qsizetype i = 0; i < m_attributeCount; ++i) {
        const Attribute& a = m_attributes[i];
        prefixed = prefixed || a.colon >= 0;
        const QByteArrayView local = a.name.sliced(a.colon + 1);
        for (qsizetype j = 0; j < i; ++j) {
            const Attribute& b = m_attributes[j];
            if (same(a.name, b.name) || same(local, b.name.sliced(b.colon + 1)))
                return false;
        }
    }
    if (prefixed && !namespaces(qname, nameColon))
        return false;
    if (m_open.size() >= MaxDepth)
        return false;
    m_open.append({qname, nameColon});
    m_rootSeen = true;
    m_emptyPending = empty;
    setName(qname, nameColon);
    return true;
}

// The prefixes the element declares, and those it and its attributes use declared.
bool XmlScanner::namespaces(QByteArrayView qname, qsizetype colon)
{
    const qsizetype depth = m_open.size() + 1;
    for (const Attribute& a : attributes()) {
        if (a.colon >= 0 && same(a.name.first(a.colon), "xmlns")) {
            const QByteArrayView prefix = a.name.sliced(a.colon + 1);
            if (a.value.isEmpty() || same(prefix, "xml") || same(prefix, "xmlns"))
                return false;
            m_prefixes.append({prefix, depth});
        }
    }
    for (const Attribute& a : attributes()) {
        if (a.colon < 0)
            continue;
        const QByteArrayView prefix = a.name.first(a.colon);
        if (!same(prefix, "xmlns") && !same(prefix, "xml") && !declared(prefix))
            return false;
    }
    if (colon >= 0) {
        const QByteArrayView prefix = qname.first(colon);
        if (same(prefix, "xml") || same(prefix, "xmlns") || !declared(prefix))
            return false;
    }
    return true;
}

inline bool XmlScanner::endTag()
{
    m_p += 2;
    if (m_open.isEmpty())
        return false;
    // The open element's name was checked when it started: its bytes, with no name byte after.
    const QByteArrayView open = m_open.last().name;
    if (m_end - m_p <= open.size() || std::memcmp(m_p, open.data(), open.size()) != 0)
        return false;
    m_p += open.size();
    if (isNameChar(*m_p) || uchar(*m_p) >= 0x80)
        return false;
    skipSpace();
    if (m_p == m_end || *m_p != '>')
        return false;
    ++m_p;
    return true;
}

XmlScanner::Token XmlScanner::readNext()
{
    if (m_atEnd)
        return Other;
    if (m_emptyPending) {
        m_emptyPending = false;
        m_open.removeLast();
        while (!m_prefixes.isEmpty() && m_prefixes.last().depth > m_open.size())
            m_prefixes.removeLast();
        return EndElement;
    }
    for (;;) {
        if (m_p == m_end) {
            if (!m_open.isEmpty() || !m_rootSeen)
                return fail();
            m_atEnd = true;
            return Other;
        }
        if (*m_p != '<') {
            if (!text(nullptr))
                return fail();
            continue;
        }
        if (m_end - m_p < 2)
            return fail();
        const char next = m_p[1];
        if (next == '/') {
            if (!endTag())
                return fail();
            setName(m_open.last().name, m_open.last().colon);
            m_open.removeLast();
            while (!m_prefixes.isEmpty() && m_prefixes.last().depth > m_open.size())
                m_prefixes.removeLast();
            return EndElement;
        }
        if (next == '!' && m_end - m_p >= 9 && std::memcmp(m_p, "<![CDATA[", 9) == 0 && !m_open.isEmpty()) {
            const qsizetype close = between(m_p + 9, m_end).indexOf("]]>");
            if (close < 0)
                return fail();
            m_p += 9 + close + 3;
            continue;
        }
        if (next == '!' || next == '?') {
            if (!misc())
                return fail();
            continue;
        }
        if (!startTag())
            return fail();
        return StartElement;
    }
}

QStringView XmlScanner::attribute(QLatin1StringView qualifiedName)
{
    for (const Attribute& a : attributes()) {
        if (!same(a.name, QByteArrayView(qualifiedName.data(), qualifiedName.size())))
            continue;
        // Values that XML would rewrite (references, blanks other than spaces) or that are not
        // ASCII are QXmlStreamReader's.
        if (m_value.size() < a.value.size())
            m_value.resize(a.value.size());
        QChar* out = m_value.data();
        for (qsizetype i = 0; i < a.value.size(); ++i) {
            const char c = a.value[i];
            if (c == '&' || c == '\t' || c == '\n' || uchar(c) >= 0x80) {
                fail();
                return {};
            }
            out[i] = QLatin1Char(c);
        }
        return QStringView(m_value.constData(), a.value.size());
    }
    return {};
}

QString XmlScanner::readElementText()
{
    if (m_atEnd)
        return {};
    if (m_emptyPending) {
        readNext();
        return QString();
    }
    QString out;
    for (;;) {
        if (m_p == m_end) {
            fail();
            return {};
        }
        if (*m_p != '<') {
            if (!text(&out)) {
                fail();
                return {};
            }
            continue;
        }
        if (m_end - m_p >= 2 && m_p[1] == '/') {
            if (readNext() != EndElement)
                return {};
            return out;
        }
        if (m_end - m_p >= 9 && std::memcmp(m_p, "<![CDATA[", 9) == 0) {
            const qsizetype close = between(m_p + 9, m_end).indexOf("]]>");
            if (close < 0) {
                fail();
                return {};
            }
            out.append(QString::fromUtf8(between(m_p + 9, m_p + 9 + close)));
            m_p += 9 + close + 3;
            continue;
        }
        if (m_end - m_p >= 2 && (m_p[1] == '!' || m_p[1] == '?')) {
            if (!misc()) {
                fail();
                return {};
            }
            continue;
        }
        // A child element inside a text.
        fail();
        return {};
    }
}

int XmlScanner::readElementInt(bool* ok)
{
    // A shared string's index: up to nine digits right before the end tag.
    if (!m_atEnd && !m_emptyPending) {
        const char* p = m_p;
        int value = 0;
        while (p < m_end && p - m_p < 9 && *p >= '0' && *p <= '9')
            value = value * 10 + (*p++ - '0');
        if (p > m_p && m_end - p >= 2 && p[0] == '<' && p[1] == '/') {
            m_p = p;
            const bool ended = readNext() == EndElement;
            *ok = ended;
            return ended ? value : 0;
        }
    }
    return readElementText().toInt(ok);
}

void XmlScanner::skipCurrentElement()
{
    const qsizetype depth = m_open.size();
    while (!m_atEnd) {
        if (readNext() == EndElement && m_open.size() < depth)
            return;
    }
}

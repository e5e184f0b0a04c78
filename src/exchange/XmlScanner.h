#pragma once

#include "exchange/XmlCharacters.h"

#include <QByteArrayView>
#include <QString>
#include <QVarLengthArray>

#include <array>
#include <span>

// A strict reader of UTF-8 XML for the large parts of a workbook, many times cheaper than
// QXmlStreamReader. It takes only what plain spreadsheet files hold; anything else (another
// encoding, a DTD, carriage returns, a reference in an attribute that is read, a child element in
// a text) and every flaw stop it with hasError(), and the part is then read with QXmlStreamReader,
// so what a file gives never depends on which of the two read it.
class XmlScanner
{
public:
    enum Token { StartElement, EndElement, Other };

    explicit XmlScanner(QByteArrayView xml);

    Token readNext();
    bool atEnd() const { return m_atEnd; }
    bool hasError() const { return m_error; }

    // The local name of the element just started or ended.
    QStringView name() const { return QStringView(m_name.constData(), m_nameSize); }
    // The attribute of the element just started by its qualified name; valid until the next call.
    QStringView attribute(QLatin1StringView qualifiedName);
    // The text of the element just started, which is left on its end.
    QString readElementText();
    // The same text read as QString::toInt() reads it; plain digits without making the text.
    int readElementInt(bool* ok);
    void skipCurrentElement();

private:
    struct Attribute
    {
        QByteArrayView name;
        qsizetype colon = -1; // of the prefix
        QByteArrayView value;
    };
    struct Element
    {
        QByteArrayView name;
        qsizetype colon = -1;
    };
    struct Prefix
    {
        QByteArrayView name;
        qsizetype depth;
    };

    Token fail();
    bool prolog();
    bool startTag();
    bool endTag();
    bool misc(); // a comment or processing instruction at m_p
    bool text(QString* out); // characters up to the next '<', checked and, with out, decoded
    bool qualifiedName(QByteArrayView& name, qsizetype* colon = nullptr);
    bool namespaces(QByteArrayView qname, qsizetype colon);
    bool declared(QByteArrayView prefix) const;
    void setName(QByteArrayView qualified, qsizetype colon);
    void skipSpace()
    {
        while (m_p < m_end && XmlCharacters::isSpace(*m_p))
            ++m_p;
    }
    std::span<const Attribute> attributes() const { return {m_attributes.data(), size_t(m_attributeCount)}; }
    // Past `= "` (or `= '`) of an attribute, with the quote that ends its value.
    bool valueQuote(char& quote);

    const char* m_p;
    const char* m_end;
    bool m_error = false;
    bool m_atEnd = false;
    bool m_rootSeen = false;
    bool m_emptyPending = false; // an <x/> whose end is the next token
    QVarLengthArray<Element, 16> m_open;
    QVarLengthArray<Prefix, 16> m_prefixes;
    static constexpr qsizetype MaxAttributes = 64;
    std::array<Attribute, MaxAttributes> m_attributes; // of the element just started, the first m_attributeCount
    qsizetype m_attributeCount = 0;
    QString m_name; // grown, never shrunk: the first m_nameSize characters
    qsizetype m_nameSize = 0;
    QString m_value; // the same for an attribute's value
};

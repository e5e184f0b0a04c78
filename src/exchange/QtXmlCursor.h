#pragma once

#include <QXmlStreamReader>

// QXmlStreamReader behind the calls of XmlScanner, for the parts that one does not take.
class QtXmlCursor
{
public:
    enum Token { StartElement, EndElement, Other };

    explicit QtXmlCursor(const QByteArray& xml)
        : m_xml(xml)
    { }

    Token readNext()
    {
        m_haveAttributes = false;
        switch (m_xml.readNext()) {
        case QXmlStreamReader::StartElement:
            return StartElement;
        case QXmlStreamReader::EndElement:
            return EndElement;
        default:
            return Other;
        }
    }
    bool atEnd() const { return m_xml.atEnd(); }
    bool hasError() const { return m_xml.hasError(); }
    QStringView name() const { return m_xml.name(); }
    QStringView attribute(QLatin1StringView qualifiedName)
    {
        if (!m_haveAttributes) {
            m_attributes = m_xml.attributes();
            m_haveAttributes = true;
        }
        return m_attributes.value(qualifiedName);
    }
    QString readElementText() { return m_xml.readElementText(QXmlStreamReader::IncludeChildElements); }
    int readElementInt(bool* ok) { return readElementText().toInt(ok); }
    void skipCurrentElement() { m_xml.skipCurrentElement(); }

private:
    QXmlStreamReader m_xml;
    QXmlStreamAttributes m_attributes;
    bool m_haveAttributes = false;
};

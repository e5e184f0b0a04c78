#pragma once

#include <QString>

// The texts of a workbook: its shared strings and the inline strings of its cells.
namespace XlsxRichText {

// Text runs may carry characters the XML cannot, written as _xHHHH_.
inline QString unescaped(const QString& text)
{
    if (!text.contains(u"_x"))
        return text;
    QString out;
    out.reserve(text.size());
    for (qsizetype i = 0; i < text.size(); ++i) {
        if (text[i] == u'_' && i + 6 < text.size() && text[i + 1] == u'x' && text[i + 6] == u'_') {
            bool ok = false;
            const uint code = QStringView(text).sliced(i + 2, 4).toUInt(&ok, 16);
            if (ok) {
                out += QChar(char16_t(code));
                i += 6;
                continue;
            }
        }
        out += text[i];
    }
    return out;
}

// The text of an <si> or <is>: its <t> runs, without the phonetic runs (<rPh>) of East Asian
// spreadsheets. The reader (XmlScanner or QtXmlCursor) stands on the opening element and is left
// on its end.
template<typename Reader>
QString read(Reader& xml)
{
    const QString element = xml.name().toString();
    QString text;
    int phonetic = 0;
    while (!xml.atEnd()) {
        const auto token = xml.readNext();
        if (token == Reader::StartElement) {
            if (xml.name() == u"rPh")
                ++phonetic;
            else if (xml.name() == u"t" && phonetic == 0)
                text += xml.readElementText();
        } else if (token == Reader::EndElement) {
            if (xml.name() == u"rPh")
                --phonetic;
            else if (xml.name() == element)
                break;
        }
    }
    return unescaped(text);
}

} // namespace XlsxRichText

#include "exchange/XlsxSharedStrings.h"

#include "exchange/QtXmlCursor.h"
#include "exchange/SheetLimits.h"
#include "exchange/XlsxRichText.h"
#include "exchange/XmlScanner.h"

namespace {

template<typename Reader>
std::optional<QStringList> strings(Reader& reader)
{
    QStringList out;
    while (!reader.atEnd()) {
        if (reader.readNext() == Reader::StartElement && reader.name() == u"si") {
            if (out.size() >= SheetLimits::MaxSharedStrings)
                return std::nullopt;
            out.append(XlsxRichText::read(reader));
        }
    }
    if (reader.hasError())
        return std::nullopt;
    return out;
}

} // namespace

namespace XlsxSharedStrings {

std::optional<QStringList> read(const QByteArray& xml)
{
    XmlScanner scanner(xml);
    auto out = strings(scanner);
    if (!scanner.hasError())
        return out;
    QtXmlCursor cursor(xml);
    return strings(cursor);
}

} // namespace XlsxSharedStrings

#include "exchange/CsvReader.h"

#include "exchange/SheetLimits.h"
#include "text/GbText.h"

#include <QStringDecoder>

using namespace Qt::StringLiterals;

namespace {

QString decoded(QByteArrayView bytes)
{
    if (bytes.startsWith("\xEF\xBB\xBF"))
        return QString::fromUtf8(bytes.sliced(3));
    if (bytes.startsWith("\xFF\xFE"))
        return QStringDecoder(QStringConverter::Utf16LE).decode(bytes.sliced(2));
    if (bytes.startsWith("\xFE\xFF"))
        return QStringDecoder(QStringConverter::Utf16BE).decode(bytes.sliced(2));
    QStringDecoder utf8(QStringConverter::Utf8, QStringConverter::Flag::Stateless);
    QString text = utf8.decode(bytes);
    if (!utf8.hasError())
        return text;
    return GbText::fromBytes(bytes);
}

QChar separatorOf(QStringView text)
{
    const qsizetype end = text.indexOf(u'\n');
    const QStringView firstLine = end < 0 ? text : text.first(end);
    return firstLine.contains(u'\t') && !firstLine.contains(u',') ? u'\t' : u',';
}

class Parser
{
public:
    ImportedSheet parse(QStringView text)
    {
        const QChar separator = separatorOf(text);
        bool inQuotes = false;
        for (qsizetype i = 0; i < text.size() && m_sheet.ok(); ++i) {
            const QChar c = text[i];
            if (inQuotes) {
                if (c != u'"')
                    m_field += c;
                else if (i + 1 < text.size() && text[i + 1] == u'"')
                    m_field += text[++i];
                else
                    inQuotes = false;
            } else if (c == u'"' && m_field.isEmpty() && !m_quoted) {
                inQuotes = m_quoted = true;
            } else if (c == separator) {
                endField();
            } else if (c == u'\r' || c == u'\n') {
                endField();
                endRecord();
                if (c == u'\r' && i + 1 < text.size() && text[i + 1] == u'\n')
                    ++i;
            } else {
                m_field += c;
            }
        }
        // A quote left open at the end keeps what followed it rather than losing the row.
        if (m_sheet.ok() && (!m_field.isEmpty() || m_quoted || m_column > 0)) {
            endField();
            endRecord();
        }
        return std::move(m_sheet);
    }

private:
    void endField()
    {
        if (!m_field.isEmpty()) {
            if (m_column >= SheetLimits::MaxColumns) {
                m_sheet = ImportedSheet::failed(u"表格超过%1列，无法读取。"_s.arg(SheetLimits::MaxColumns));
                return;
            }
            m_cells.resize(m_column + 1);
            m_cells[m_column] = std::move(m_field);
            m_field.clear();
        }
        ++m_column;
        m_quoted = false;
    }

    void endRecord()
    {
        if (!m_sheet.ok())
            return;
        if (!m_cells.isEmpty()) {
            if (m_sheet.rows.size() >= SheetLimits::MaxRows) {
                m_sheet = ImportedSheet::failed(
                    u"表格超过%1行，无法读取。请把它分成几个文件。"_s.arg(SheetLimits::MaxRows));
                return;
            }
            m_sheet.rows.append({m_record, std::move(m_cells)});
            m_cells.clear();
        }
        ++m_record;
        m_column = 0;
    }

    ImportedSheet m_sheet;
    QStringList m_cells;
    QString m_field;
    bool m_quoted = false;
    int m_column = 0;
    int m_record = 1;
};

} // namespace

namespace CsvReader {

ImportedSheet read(QByteArrayView bytes)
{
    return Parser().parse(decoded(bytes));
}

} // namespace CsvReader

#include "exchange/XlsxSheet.h"

#include "exchange/QtXmlCursor.h"
#include "exchange/SheetLimits.h"
#include "exchange/XlsxMessages.h"
#include "exchange/XlsxRichText.h"
#include "exchange/XmlScanner.h"
#include "text/DateText.h"

#include <QDate>

#include <algorithm>
#include <cmath>
#include <optional>

using namespace Qt::StringLiterals;

namespace {

std::optional<QDate> serialDate(double serial, bool from1904)
{
    // Up to 9999-12-31; NaN fails every comparison.
    if (!(serial >= (from1904 ? 0.0 : 1.0) && serial < 2958466.0))
        return std::nullopt;
    const auto days = static_cast<qint64>(std::floor(serial));
    if (from1904)
        return QDate(1904, 1, 1).addDays(days);
    // Day 60 is 29 February 1900, a day that never was; the days before it are counted from
    // 31 December 1899, the ones after from 30 December.
    if (days == 60)
        return std::nullopt;
    return QDate(1899, 12, days < 60 ? 31 : 30).addDays(days);
}

// A whole number of up to 15 digits as written, without a sign or leading zeros: one that a
// double holds exactly and prints as it came.
std::optional<qint64> plainInteger(QStringView raw)
{
    if (raw.isEmpty() || raw.size() > 15 || (raw[0] == u'0' && raw.size() > 1))
        return std::nullopt;
    qint64 value = 0;
    for (const QChar c : raw) {
        if (c < u'0' || c > u'9')
            return std::nullopt;
        value = value * 10 + (c.unicode() - u'0');
    }
    return value;
}

double numberOf(const QString& raw)
{
    if (const auto whole = plainInteger(raw))
        return double(*whole);
    return raw.toDouble();
}

QString numberText(const QString& raw)
{
    if (plainInteger(raw))
        return raw;
    bool ok = false;
    const double value = raw.toDouble(&ok);
    return ok && std::isfinite(value) ? QString::number(value, 'g', 15) : raw;
}

// "BC12" → 54 (0-based); -1 when the reference has no column letters.
int columnOf(QStringView reference)
{
    int column = 0;
    qsizetype i = 0;
    for (; i < reference.size() && i < 3; ++i) {
        // Letters outside ASCII may upper-case into A-Z (ı to I), so only ASCII is done by hand.
        const char16_t raw = reference[i].unicode();
        const char16_t c = raw >= 0x80   ? reference[i].toUpper().unicode()
            : raw >= u'a' && raw <= u'z' ? char16_t(raw - u'a' + u'A')
                                         : raw;
        if (c < u'A' || c > u'Z')
            break;
        column = column * 26 + (c - u'A' + 1);
    }
    return i == 0 ? -1 : column - 1;
}

// The names here are a few letters, compared in place: a cell asks four times.
template<typename Reader>
bool named(const Reader& reader, QStringView want)
{
    const QStringView name = reader.name();
    return name.size() == want.size() && std::equal(name.begin(), name.end(), want.begin());
}

template<typename Reader>
class SheetParser
{
public:
    SheetParser(const QStringList& shared, const QList<bool>& dateStyles, bool from1904)
        : m_shared(shared)
        , m_dateStyles(dateStyles)
        , m_from1904(from1904)
    { }

    ImportedSheet parse(Reader& reader)
    {
        while (!reader.atEnd() && m_sheet.ok()) {
            if (reader.readNext() == Reader::StartElement && named(reader, u"row"))
                readRow(reader);
        }
        if (m_sheet.ok() && reader.hasError())
            return ImportedSheet::failed(XlsxMessages::damaged());
        return std::move(m_sheet);
    }

private:
    // The t attribute of a cell.
    enum class Type { Number, Shared, Text, Boolean, Error, Date };

    void fail(const QString& why) { m_sheet = ImportedSheet::failed(why); }

    void readRow(Reader& reader)
    {
        bool numbered = false;
        const int number = reader.attribute("r"_L1).toInt(&numbered);
        m_row = numbered ? number : m_row + 1;
        if (m_row < 1 || m_row > 1048576) {
            fail(XlsxMessages::damaged());
            return;
        }
        ImportedSheet::Row row {m_row, {}};
        row.cells.reserve(m_width);
        int nextColumn = 0;
        while (!reader.atEnd() && m_sheet.ok()) {
            const auto token = reader.readNext();
            if (token == Reader::EndElement && named(reader, u"row"))
                break;
            if (token != Reader::StartElement || !named(reader, u"c"))
                continue;
            const int given = columnOf(reader.attribute("r"_L1));
            const int column = given >= 0 ? given : nextColumn;
            nextColumn = column + 1;
            QString value = readCell(reader);
            if (value.isEmpty() || !m_sheet.ok())
                continue;
            if (column >= SheetLimits::MaxColumns) {
                fail(u"表格超过%1列，无法读取。"_s.arg(SheetLimits::MaxColumns));
                return;
            }
            if (row.cells.size() == column) {
                row.cells.append(std::move(value));
            } else {
                if (row.cells.size() < column)
                    row.cells.resize(column + 1);
                row.cells[column] = std::move(value);
            }
        }
        if (!m_sheet.ok() || row.cells.isEmpty())
            return;
        if (m_sheet.rows.size() >= SheetLimits::MaxRows) {
            fail(u"表格超过%1行，无法读取。请把它分成几个文件。"_s.arg(SheetLimits::MaxRows));
            return;
        }
        m_width = row.cells.size();
        m_sheet.rows.append(std::move(row));
    }

    // The shown text of a <c>; the reader is left on its end.
    QString readCell(Reader& reader)
    {
        const QStringView typeName = reader.attribute("t"_L1);
        const Type type = typeName == u"s"                   ? Type::Shared
            : typeName == u"inlineStr" || typeName == u"str" ? Type::Text
            : typeName == u"b"                               ? Type::Boolean
            : typeName == u"e"                               ? Type::Error
            : typeName == u"d"                               ? Type::Date
                                                             : Type::Number;
        bool styled = false;
        const int style = reader.attribute("s"_L1).toInt(&styled);
        QString value;
        bool inline_ = false;
        // A shared string's <v> is only ever its index.
        int index = -1;
        bool indexed = false;
        while (!reader.atEnd()) {
            const auto token = reader.readNext();
            if (token == Reader::EndElement && named(reader, u"c"))
                break;
            if (token != Reader::StartElement)
                continue;
            if (named(reader, u"v") && type == Type::Shared) {
                index = reader.readElementInt(&indexed);
            } else if (named(reader, u"v")) {
                value = reader.readElementText();
            } else if (named(reader, u"is")) {
                value = XlsxRichText::read(reader);
                inline_ = true;
            } else {
                reader.skipCurrentElement();
            }
        }
        if (inline_ || type == Type::Text)
            return XlsxRichText::unescaped(value);
        if (type == Type::Shared) {
            if (!indexed || index < 0 || index >= m_shared.size()) {
                fail(XlsxMessages::damaged());
                return {};
            }
            return m_shared.at(index);
        }
        if (type == Type::Boolean)
            return value.isEmpty() ? value : value == u"1" ? u"TRUE"_s : u"FALSE"_s;
        if (type == Type::Error)
            return value;
        if (type == Type::Date) {
            const QDate date = QDate::fromString(value.left(10), Qt::ISODate);
            return date.isValid() ? DateText::format(date) : value;
        }
        if (value.isEmpty())
            return value;
        if (styled && style >= 0 && style < m_dateStyles.size() && m_dateStyles.at(style)) {
            if (const auto date = serialDate(numberOf(value), m_from1904))
                return DateText::format(*date);
        }
        return numberText(value);
    }

    const QStringList& m_shared;
    const QList<bool>& m_dateStyles;
    const bool m_from1904;
    ImportedSheet m_sheet;
    int m_row = 0;
    qsizetype m_width = 0; // of the row before, to size the next one once
};

} // namespace

namespace XlsxSheet {

ImportedSheet read(const QByteArray& xml, const QStringList& shared, const QList<bool>& dateStyles, bool from1904)
{
    // The quick reader first; a part it does not take is read again the standard way.
    XmlScanner scanner(xml);
    ImportedSheet sheet = SheetParser<XmlScanner>(shared, dateStyles, from1904).parse(scanner);
    if (!scanner.hasError())
        return sheet;
    QtXmlCursor cursor(xml);
    return SheetParser<QtXmlCursor>(shared, dateStyles, from1904).parse(cursor);
}

} // namespace XlsxSheet

#include "exchange/XlsxReader.h"

#include "exchange/SheetLimits.h"
#include "exchange/ZipReader.h"
#include "text/DateText.h"

#include <QDate>
#include <QHash>
#include <QXmlStreamReader>

#include <cmath>
#include <optional>

using namespace Qt::StringLiterals;

namespace {

const QString NotAWorkbook = u"这个文件不是Excel工作簿（.xlsx），或者文件已损坏，无法读取。"_s;
const QString Damaged = u"Excel工作簿已损坏，无法读取其中的表格。"_s;
const QString NoSheet = u"Excel工作簿中找不到工作表，文件可能已损坏。"_s;

QString tooLarge()
{
    return u"Excel工作簿中的表格解压后超过%1MB，无法读取（文件可能已损坏）。"_s.arg(
        SheetLimits::MaxPartBytes / (1024 * 1024));
}

// The parts of the zip; nothing and no error when there is no such part.
class Package
{
public:
    explicit Package(const QByteArray& bytes)
        : m_zip(bytes)
    { }

    bool open() const { return m_zip.isOpen(); }

    std::optional<QByteArray> part(const QString& name, QString& error)
    {
        ZipReader::Status status = ZipReader::Status::Ok;
        auto bytes = m_zip.entry(name, SheetLimits::MaxPartBytes, &status);
        if (status == ZipReader::Status::Damaged)
            error = Damaged;
        else if (status == ZipReader::Status::TooLarge)
            error = tooLarge();
        return bytes;
    }

private:
    ZipReader m_zip;
};

// Text runs may carry characters the XML cannot, written as _xHHHH_.
QString unescaped(const QString& text)
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
// spreadsheets. The reader stands on the opening element and is left on its end.
QString richText(QXmlStreamReader& xml)
{
    const QString element = xml.name().toString();
    QString text;
    int phonetic = 0;
    while (!xml.atEnd()) {
        const auto token = xml.readNext();
        if (token == QXmlStreamReader::StartElement) {
            if (xml.name() == u"rPh")
                ++phonetic;
            else if (xml.name() == u"t" && phonetic == 0)
                text += xml.readElementText(QXmlStreamReader::IncludeChildElements);
        } else if (token == QXmlStreamReader::EndElement) {
            if (xml.name() == u"rPh")
                --phonetic;
            else if (xml.name() == element)
                break;
        }
    }
    return unescaped(text);
}

struct Relationship
{
    QString type;
    QString target;
};

QString resolved(const QString& baseDir, const QString& target)
{
    const QString path = target.startsWith(u'/') ? target.mid(1) : baseDir + target;
    QStringList parts;
    for (const QString& segment : path.split(u'/')) {
        if (segment == u"..") {
            if (!parts.isEmpty())
                parts.removeLast();
        } else if (!segment.isEmpty() && segment != u".") {
            parts << segment;
        }
    }
    return parts.join(u'/');
}

QString directoryOf(const QString& part)
{
    const qsizetype slash = part.lastIndexOf(u'/');
    return slash < 0 ? QString() : part.left(slash + 1);
}

QString relationshipsOf(const QString& part)
{
    return directoryOf(part) + u"_rels/"_s + part.mid(directoryOf(part).size()) + u".rels"_s;
}

// Id → relationship, targets resolved against the part's folder; external targets left out.
QHash<QString, Relationship> relationships(const QByteArray& xml, const QString& part)
{
    QHash<QString, Relationship> out;
    QXmlStreamReader reader(xml);
    while (!reader.atEnd()) {
        if (reader.readNext() != QXmlStreamReader::StartElement || reader.name() != u"Relationship")
            continue;
        const auto a = reader.attributes();
        if (a.value("TargetMode"_L1) == u"External")
            continue;
        out.insert(a.value("Id"_L1).toString(),
            {a.value("Type"_L1).toString(), resolved(directoryOf(part), a.value("Target"_L1).toString())});
    }
    return out;
}

QString targetOfType(const QHash<QString, Relationship>& rels, QStringView typeEnd)
{
    for (const Relationship& r : rels) {
        if (r.type.endsWith(typeEnd))
            return r.target;
    }
    return {};
}

// The built-in number formats that show a date (the Chinese set among them), not a bare time.
bool isBuiltInDate(int id)
{
    return (id >= 14 && id <= 17) || id == 22 || (id >= 27 && id <= 31) || id == 36 || (id >= 50 && id <= 54)
        || id == 57 || id == 58;
}

// A format code shows a date when, outside quoted text, escapes and [..] sections, it has a year
// or a day.
bool isDateCode(QStringView code)
{
    bool quoted = false;
    int bracket = 0;
    for (qsizetype i = 0; i < code.size(); ++i) {
        const QChar c = code[i];
        if (quoted) {
            quoted = c != u'"';
        } else if (c == u'"') {
            quoted = true;
        } else if (c == u'\\') {
            ++i;
        } else if (c == u'[') {
            ++bracket;
        } else if (c == u']') {
            bracket = std::max(0, bracket - 1);
        } else if (bracket == 0) {
            const QChar l = c.toLower();
            if (l == u'y' || l == u'd' || c == u'年' || c == u'日')
                return true;
        }
    }
    return false;
}

// For each cell style (the s attribute), whether it shows a date.
std::optional<QList<bool>> dateStyles(const QByteArray& xml)
{
    QHash<int, bool> customDate;
    QList<bool> styles;
    QXmlStreamReader reader(xml);
    bool inCellXfs = false;
    while (!reader.atEnd()) {
        const auto token = reader.readNext();
        if (token == QXmlStreamReader::StartElement) {
            if (reader.name() == u"numFmt") {
                const auto a = reader.attributes();
                customDate.insert(a.value("numFmtId"_L1).toInt(), isDateCode(a.value("formatCode"_L1)));
            } else if (reader.name() == u"cellXfs") {
                inCellXfs = true;
            } else if (inCellXfs && reader.name() == u"xf") {
                if (styles.size() >= 65536)
                    return std::nullopt;
                const int id = reader.attributes().value("numFmtId"_L1).toInt();
                styles.append(customDate.contains(id) ? customDate.value(id) : isBuiltInDate(id));
            }
        } else if (token == QXmlStreamReader::EndElement && reader.name() == u"cellXfs") {
            inCellXfs = false;
        }
    }
    if (reader.hasError())
        return std::nullopt;
    return styles;
}

std::optional<QStringList> sharedStrings(const QByteArray& xml)
{
    QStringList out;
    QXmlStreamReader reader(xml);
    while (!reader.atEnd()) {
        if (reader.readNext() == QXmlStreamReader::StartElement && reader.name() == u"si") {
            if (out.size() >= SheetLimits::MaxSharedStrings)
                return std::nullopt;
            out.append(richText(reader));
        }
    }
    if (reader.hasError())
        return std::nullopt;
    return out;
}

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

QString numberText(const QString& raw)
{
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
        const char16_t c = reference[i].toUpper().unicode();
        if (c < u'A' || c > u'Z')
            break;
        column = column * 26 + (c - u'A' + 1);
    }
    return i == 0 ? -1 : column - 1;
}

struct Workbook
{
    QString sheetPart;
    QString sharedStringsPart;
    QString stylesPart;
    bool from1904 = false;
};

class SheetParser
{
public:
    SheetParser(const QStringList& shared, const QList<bool>& dateStyles, bool from1904)
        : m_shared(shared)
        , m_dateStyles(dateStyles)
        , m_from1904(from1904)
    { }

    ImportedSheet parse(const QByteArray& xml)
    {
        QXmlStreamReader reader(xml);
        while (!reader.atEnd() && m_sheet.ok()) {
            if (reader.readNext() == QXmlStreamReader::StartElement && reader.name() == u"row")
                readRow(reader);
        }
        if (m_sheet.ok() && reader.hasError())
            return ImportedSheet::failed(Damaged);
        return std::move(m_sheet);
    }

private:
    void fail(const QString& why) { m_sheet = ImportedSheet::failed(why); }

    void readRow(QXmlStreamReader& reader)
    {
        bool numbered = false;
        const int number = reader.attributes().value("r"_L1).toInt(&numbered);
        m_row = numbered ? number : m_row + 1;
        if (m_row < 1 || m_row > 1048576) {
            fail(Damaged);
            return;
        }
        ImportedSheet::Row row {m_row, {}};
        int nextColumn = 0;
        while (!reader.atEnd() && m_sheet.ok()) {
            const auto token = reader.readNext();
            if (token == QXmlStreamReader::EndElement && reader.name() == u"row")
                break;
            if (token != QXmlStreamReader::StartElement || reader.name() != u"c")
                continue;
            const int given = columnOf(reader.attributes().value("r"_L1));
            const int column = given >= 0 ? given : nextColumn;
            nextColumn = column + 1;
            const QString value = readCell(reader);
            if (value.isEmpty() || !m_sheet.ok())
                continue;
            if (column >= SheetLimits::MaxColumns) {
                fail(u"表格超过%1列，无法读取。"_s.arg(SheetLimits::MaxColumns));
                return;
            }
            if (row.cells.size() <= column)
                row.cells.resize(column + 1);
            row.cells[column] = value;
        }
        if (!m_sheet.ok() || row.cells.isEmpty())
            return;
        if (m_sheet.rows.size() >= SheetLimits::MaxRows) {
            fail(u"表格超过%1行，无法读取。请把它分成几个文件。"_s.arg(SheetLimits::MaxRows));
            return;
        }
        m_sheet.rows.append(std::move(row));
    }

    // The shown text of a <c>; the reader is left on its end.
    QString readCell(QXmlStreamReader& reader)
    {
        const auto a = reader.attributes();
        const QString type = a.value("t"_L1).toString();
        bool styled = false;
        const int style = a.value("s"_L1).toInt(&styled);
        QString value;
        bool inline_ = false;
        while (!reader.atEnd()) {
            const auto token = reader.readNext();
            if (token == QXmlStreamReader::EndElement && reader.name() == u"c")
                break;
            if (token != QXmlStreamReader::StartElement)
                continue;
            if (reader.name() == u"v") {
                value = reader.readElementText(QXmlStreamReader::IncludeChildElements);
            } else if (reader.name() == u"is") {
                value = richText(reader);
                inline_ = true;
            } else {
                reader.skipCurrentElement();
            }
        }
        if (inline_ || type == u"inlineStr" || type == u"str")
            return unescaped(value);
        if (type == u"s") {
            bool ok = false;
            const int index = value.toInt(&ok);
            if (!ok || index < 0 || index >= m_shared.size()) {
                fail(Damaged);
                return {};
            }
            return m_shared.at(index);
        }
        if (type == u"b")
            return value.isEmpty() ? value : value == u"1" ? u"TRUE"_s : u"FALSE"_s;
        if (type == u"e")
            return value;
        if (type == u"d") {
            const QDate date = QDate::fromString(value.left(10), Qt::ISODate);
            return date.isValid() ? DateText::format(date) : value;
        }
        if (value.isEmpty())
            return value;
        if (styled && style >= 0 && style < m_dateStyles.size() && m_dateStyles.at(style)) {
            if (const auto date = serialDate(value.toDouble(), m_from1904))
                return DateText::format(*date);
        }
        return numberText(value);
    }

    const QStringList& m_shared;
    const QList<bool>& m_dateStyles;
    const bool m_from1904;
    ImportedSheet m_sheet;
    int m_row = 0;
};

// The workbook part through the package relationships, its first sheet that is not hidden (the
// first sheet when all are), and the parts that go with it.
std::optional<Workbook> findWorkbook(Package& package, QString& error)
{
    QString workbookPart = u"xl/workbook.xml"_s;
    if (const auto rels = package.part(u"_rels/.rels"_s, error)) {
        const QString found = targetOfType(relationships(*rels, QString()), u"/officeDocument");
        if (!found.isEmpty())
            workbookPart = found;
    }
    if (!error.isEmpty())
        return std::nullopt;
    const auto xml = package.part(workbookPart, error);
    if (!xml) {
        if (error.isEmpty())
            error = NotAWorkbook;
        return std::nullopt;
    }
    Workbook book;
    QString firstId;
    QString visibleId;
    QXmlStreamReader reader(*xml);
    while (!reader.atEnd()) {
        if (reader.readNext() != QXmlStreamReader::StartElement)
            continue;
        const auto a = reader.attributes();
        if (reader.name() == u"workbookPr") {
            const auto flag = a.value("date1904"_L1);
            book.from1904 = flag == u"1" || flag == u"true";
        } else if (reader.name() == u"sheet") {
            QString id;
            for (const QXmlStreamAttribute& attribute : a) {
                if (attribute.name() == u"id" && !attribute.namespaceUri().isEmpty())
                    id = attribute.value().toString();
            }
            if (firstId.isEmpty())
                firstId = id;
            if (visibleId.isEmpty() && a.value("state"_L1).isEmpty())
                visibleId = id;
        }
    }
    if (reader.hasError()) {
        error = Damaged;
        return std::nullopt;
    }
    const QString sheetId = visibleId.isEmpty() ? firstId : visibleId;
    QHash<QString, Relationship> rels;
    if (const auto relsXml = package.part(relationshipsOf(workbookPart), error))
        rels = relationships(*relsXml, workbookPart);
    if (!error.isEmpty())
        return std::nullopt;
    book.sheetPart = rels.value(sheetId).target;
    if (sheetId.isEmpty() || book.sheetPart.isEmpty()) {
        error = NoSheet;
        return std::nullopt;
    }
    book.sharedStringsPart = targetOfType(rels, u"/sharedStrings");
    book.stylesPart = targetOfType(rels, u"/styles");
    return book;
}

} // namespace

namespace XlsxReader {

ImportedSheet read(const QByteArray& bytes)
{
    Package package(bytes);
    if (!package.open())
        return ImportedSheet::failed(NotAWorkbook);
    QString error;
    const auto book = findWorkbook(package, error);
    if (!book)
        return ImportedSheet::failed(error);

    QStringList shared;
    const auto sharedXml = package.part(book->sharedStringsPart, error);
    if (sharedXml) {
        const auto strings = sharedStrings(*sharedXml);
        if (!strings)
            return ImportedSheet::failed(Damaged);
        shared = *strings;
    }
    QList<bool> dates;
    const auto stylesXml = error.isEmpty() ? package.part(book->stylesPart, error) : std::nullopt;
    if (stylesXml) {
        const auto styles = dateStyles(*stylesXml);
        if (!styles)
            return ImportedSheet::failed(Damaged);
        dates = *styles;
    }
    if (!error.isEmpty())
        return ImportedSheet::failed(error);
    const auto sheet = package.part(book->sheetPart, error);
    if (!sheet)
        return ImportedSheet::failed(error.isEmpty() ? NoSheet : error);
    return SheetParser(shared, dates, book->from1904).parse(*sheet);
}

} // namespace XlsxReader

#include "exchange/XlsxReader.h"

#include "exchange/XlsxMessages.h"
#include "exchange/XlsxPackage.h"
#include "exchange/XlsxSharedStrings.h"
#include "exchange/XlsxSheet.h"

#include <QHash>
#include <QXmlStreamReader>

#include <optional>

using namespace Qt::StringLiterals;

namespace {

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

struct Workbook
{
    QString sheetPart;
    QString sharedStringsPart;
    QString stylesPart;
    bool from1904 = false;
};

// The workbook part through the package relationships, its first sheet that is not hidden (the
// first sheet when all are), and the parts that go with it.
std::optional<Workbook> findWorkbook(XlsxPackage& package, QString& error)
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
            error = XlsxMessages::notAWorkbook();
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
        error = XlsxMessages::damaged();
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
        error = XlsxMessages::noSheet();
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
    XlsxPackage package(bytes);
    if (!package.open())
        return ImportedSheet::failed(XlsxMessages::notAWorkbook());
    QString error;
    const auto book = findWorkbook(package, error);
    if (!book)
        return ImportedSheet::failed(error);

    QStringList shared;
    const auto sharedXml = package.part(book->sharedStringsPart, error);
    if (sharedXml) {
        const auto strings = XlsxSharedStrings::read(*sharedXml);
        if (!strings)
            return ImportedSheet::failed(XlsxMessages::damaged());
        shared = *strings;
    }
    QList<bool> dates;
    const auto stylesXml = error.isEmpty() ? package.part(book->stylesPart, error) : std::nullopt;
    if (stylesXml) {
        const auto styles = dateStyles(*stylesXml);
        if (!styles)
            return ImportedSheet::failed(XlsxMessages::damaged());
        dates = *styles;
    }
    if (!error.isEmpty())
        return ImportedSheet::failed(error);
    const auto sheet = package.part(book->sheetPart, error);
    if (!sheet)
        return ImportedSheet::failed(error.isEmpty() ? XlsxMessages::noSheet() : error);
    return XlsxSheet::read(*sheet, shared, dates, book->from1904);
}

} // namespace XlsxReader

#include "XlsxCells.h"

#include "exchange/ZipReader.h"

#include <QHash>
#include <QXmlStreamReader>

#include <limits>

using namespace Qt::StringLiterals;

namespace {

std::optional<QByteArray> entry(ZipReader& zip, const QString& name)
{
    return zip.entry(name, std::numeric_limits<int>::max());
}

// The text of the element the reader stands on, every <t> below it joined (rich text has several).
QString joinedText(QXmlStreamReader& xml)
{
    QString text;
    const QString end = xml.name().toString();
    while (!xml.atEnd()) {
        xml.readNext();
        if (xml.isStartElement() && xml.name() == u"t")
            text += xml.readElementText();
        else if (xml.isEndElement() && xml.name() == end)
            break;
    }
    return text;
}

QStringList sharedStrings(const QByteArray& data)
{
    QStringList strings;
    QXmlStreamReader xml(data);
    while (!xml.atEnd()) {
        xml.readNext();
        if (xml.isStartElement() && xml.name() == u"si")
            strings << joinedText(xml);
    }
    return strings;
}

// The number format of each cell style, by the style's index.
QStringList styleFormats(const QByteArray& data)
{
    QHash<int, QString> codes {{0, u"General"_s}, {1, u"0"_s}, {2, u"0.00"_s}, {49, u"@"_s}};
    QStringList formats;
    QXmlStreamReader xml(data);
    bool inCellXfs = false;
    while (!xml.atEnd()) {
        xml.readNext();
        if (xml.isStartElement() && xml.name() == u"numFmt")
            codes.insert(xml.attributes().value(QLatin1String("numFmtId")).toInt(),
                xml.attributes().value(QLatin1String("formatCode")).toString());
        else if (xml.isStartElement() && xml.name() == u"cellXfs")
            inCellXfs = true;
        else if (xml.isEndElement() && xml.name() == u"cellXfs")
            inCellXfs = false;
        else if (inCellXfs && xml.isStartElement() && xml.name() == u"xf")
            formats << codes.value(xml.attributes().value(QLatin1String("numFmtId")).toInt(), u"?"_s);
    }
    return formats;
}

// "BC12" → row 11, column 54 (both from 0).
std::pair<int, int> cellPosition(QStringView ref)
{
    int column = 0;
    qsizetype i = 0;
    for (; i < ref.size() && ref[i].isLetter(); ++i)
        column = column * 26 + (ref[i].toUpper().unicode() - 'A' + 1);
    return {ref.mid(i).toInt() - 1, column - 1};
}

} // namespace

XlsxCells XlsxCells::read(const QByteArray& workbook)
{
    XlsxCells cells;
    ZipReader zip(workbook);
    if (!zip.isOpen()) {
        cells.error = u"not a zip"_s;
        return cells;
    }
    const auto sheet = entry(zip, u"xl/worksheets/sheet1.xml"_s);
    if (!sheet) {
        cells.error = u"no sheet1.xml"_s;
        return cells;
    }
    const QStringList strings = sharedStrings(entry(zip, u"xl/sharedStrings.xml"_s).value_or(QByteArray()));
    const QStringList formats = styleFormats(entry(zip, u"xl/styles.xml"_s).value_or(QByteArray()));

    QXmlStreamReader xml(*sheet);
    while (!xml.atEnd()) {
        xml.readNext();
        if (xml.isStartElement() && xml.name() == u"mergeCell") {
            cells.merges << xml.attributes().value(QLatin1String("ref")).toString();
            continue;
        }
        if (!xml.isStartElement() || xml.name() != u"c")
            continue;
        const auto [row, column] = cellPosition(xml.attributes().value(QLatin1String("r")));
        const QString type = xml.attributes().value(QLatin1String("t")).toString();
        Cell cell;
        cell.format = formats.value(xml.attributes().value(QLatin1String("s")).toInt(), u"General"_s);
        QString value;
        while (!xml.atEnd()) {
            xml.readNext();
            if (xml.isStartElement() && xml.name() == u"v")
                value = xml.readElementText();
            else if (xml.isStartElement() && xml.name() == u"is")
                value = joinedText(xml);
            else if (xml.isEndElement() && xml.name() == u"c")
                break;
        }
        if (type == u"s")
            cell.text = strings.value(value.toInt());
        else if (type.isEmpty() || type == u"n") {
            cell.text = value;
            cell.number = !value.isEmpty();
        } else
            cell.text = value; // str, inlineStr, b, e
        if (row < 0 || column < 0)
            continue;
        while (cells.rows.size() <= row)
            cells.rows.append(QList<Cell>());
        QList<Cell>& r = cells.rows[row];
        while (r.size() <= column)
            r.append(Cell());
        r[column] = cell;
    }
    if (xml.hasError())
        cells.error = xml.errorString();
    return cells;
}

QStringList XlsxCells::texts(int row) const
{
    QStringList out;
    for (const Cell& c : rows.value(row))
        out << c.text;
    while (!out.isEmpty() && out.last().isEmpty())
        out.removeLast();
    return out;
}

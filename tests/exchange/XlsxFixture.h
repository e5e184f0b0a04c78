#pragma once

#include <zip.h>

#include <QDate>
#include <QFile>
#include <QList>
#include <QStringList>
#include <QTemporaryFile>

// Spreadsheet files for the import tests, written part by part as spreadsheet programs write them.
// Header only: the window tests, the bench and the fuzz seeds use it too.
namespace XlsxFixture {

// A zip holding exactly these parts, deflated; empty when it could not be made.
inline QByteArray zip(const QList<std::pair<QString, QByteArray>>& parts)
{
    QTemporaryFile file;
    if (!file.open())
        return {};
    zipFile archive = zipOpen64(QFile::encodeName(file.fileName()).constData(), APPEND_STATUS_CREATE);
    if (!archive)
        return {};
    bool ok = true;
    for (const auto& [name, content] : parts) {
        const zip_fileinfo info {};
        ok = ok
            && zipOpenNewFileInZip64(archive, name.toUtf8().constData(), &info, nullptr, 0, nullptr, 0, nullptr,
                   Z_DEFLATED, Z_DEFAULT_COMPRESSION, 0)
                == ZIP_OK
            && zipWriteInFileInZip(archive, content.constData(), unsigned(content.size())) == ZIP_OK
            && zipCloseFileInZip(archive) == ZIP_OK;
    }
    ok = zipClose(archive, nullptr) == ZIP_OK && ok;
    return ok ? file.readAll() : QByteArray();
}

inline QByteArray escaped(const QString& text)
{
    return text.toHtmlEscaped().toUtf8();
}

inline QByteArray columnName(int column)
{
    QByteArray name;
    for (++column; column > 0; column = (column - 1) / 26)
        name.prepend(char('A' + (column - 1) % 26));
    return name;
}

// A workbook whose first sheet holds the rows from A1 on. A cell "=n:13900000000" is a number,
// "=d:2019-03-15" a number styled as a date (serial days, 1900 system); an empty cell is left out;
// every other cell is a shared string, or an inline one with inlineStrings.
inline QByteArray workbook(const QList<QStringList>& rows, bool inlineStrings = false)
{
    QStringList shared;
    QByteArray sheet = "<?xml version=\"1.0\" encoding=\"UTF-8\"?><worksheet "
                       "xmlns=\"http://schemas.openxmlformats.org/spreadsheetml/2006/main\"><sheetData>";
    for (int r = 0; r < rows.size(); ++r) {
        sheet += "<row r=\"" + QByteArray::number(r + 1) + "\">";
        for (int c = 0; c < rows[r].size(); ++c) {
            const QString& cell = rows[r][c];
            if (cell.isEmpty())
                continue;
            const QByteArray ref = "<c r=\"" + columnName(c) + QByteArray::number(r + 1) + '"';
            if (cell.startsWith(QStringLiteral("=n:"))) {
                sheet += ref + "><v>" + cell.mid(3).toUtf8() + "</v></c>";
            } else if (cell.startsWith(QStringLiteral("=d:"))) {
                const QDate d = QDate::fromString(cell.mid(3), Qt::ISODate);
                const qint64 serial
                    = d < QDate(1900, 3, 1) ? QDate(1899, 12, 31).daysTo(d) : QDate(1899, 12, 30).daysTo(d);
                sheet += ref + " s=\"1\"><v>" + QByteArray::number(serial) + "</v></c>";
            } else if (inlineStrings) {
                sheet += ref + " t=\"inlineStr\"><is><t>" + escaped(cell) + "</t></is></c>";
            } else {
                if (!shared.contains(cell))
                    shared << cell;
                sheet += ref + " t=\"s\"><v>" + QByteArray::number(shared.indexOf(cell)) + "</v></c>";
            }
        }
        sheet += "</row>";
    }
    sheet += "</sheetData></worksheet>";
    QByteArray strings = "<?xml version=\"1.0\" encoding=\"UTF-8\"?><sst "
                         "xmlns=\"http://schemas.openxmlformats.org/spreadsheetml/2006/main\">";
    for (const QString& s : std::as_const(shared))
        strings += "<si><t>" + escaped(s) + "</t></si>";
    strings += "</sst>";
    const QByteArray relationships = "http://schemas.openxmlformats.org/officeDocument/2006/relationships";
    return zip({{QStringLiteral("_rels/.rels"),
                    "<Relationships xmlns=\"http://schemas.openxmlformats.org/package/2006/relationships\">"
                    "<Relationship Id=\"rId1\" Type=\""
                        + relationships + "/officeDocument\" Target=\"xl/workbook.xml\"/></Relationships>"},
        {QStringLiteral("xl/workbook.xml"),
            "<workbook xmlns=\"http://schemas.openxmlformats.org/spreadsheetml/2006/main\" xmlns:r=\"" + relationships
                + "\"><sheets><sheet name=\"Sheet1\" sheetId=\"1\" r:id=\"rId1\"/></sheets></workbook>"},
        {QStringLiteral("xl/_rels/workbook.xml.rels"),
            "<Relationships xmlns=\"http://schemas.openxmlformats.org/package/2006/relationships\">"
            "<Relationship Id=\"rId1\" Type=\""
                + relationships + "/worksheet\" Target=\"worksheets/sheet1.xml\"/><Relationship Id=\"rId2\" Type=\""
                + relationships + "/styles\" Target=\"styles.xml\"/><Relationship Id=\"rId3\" Type=\"" + relationships
                + "/sharedStrings\" Target=\"sharedStrings.xml\"/></Relationships>"},
        {QStringLiteral("xl/styles.xml"),
            "<styleSheet xmlns=\"http://schemas.openxmlformats.org/spreadsheetml/2006/main\"><numFmts count=\"1\">"
            "<numFmt numFmtId=\"164\" formatCode=\"yyyy&quot;年&quot;m&quot;月&quot;d&quot;日&quot;\"/></numFmts>"
            "<cellStyleXfs count=\"1\"><xf numFmtId=\"0\"/></cellStyleXfs><cellXfs count=\"2\"><xf numFmtId=\"0\"/>"
            "<xf numFmtId=\"164\" applyNumberFormat=\"1\"/></cellXfs></styleSheet>"},
        {QStringLiteral("xl/sharedStrings.xml"), strings}, {QStringLiteral("xl/worksheets/sheet1.xml"), sheet}});
}

inline bool write(const QString& path, const QList<QStringList>& rows, bool inlineStrings = false)
{
    QFile file(path);
    const QByteArray bytes = workbook(rows, inlineStrings);
    return !bytes.isEmpty() && file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size();
}

} // namespace XlsxFixture

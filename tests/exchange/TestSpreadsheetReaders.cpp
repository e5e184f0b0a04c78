#include "XlsxFixture.h"

#include "exchange/SheetLimits.h"
#include "exchange/SpreadsheetReader.h"
#include "support/DataRows.h"
#include "support/TestRegistry.h"
#include "text/GbText.h"

#include <QStringEncoder>
#include <QTest>

using namespace Qt::StringLiterals;

namespace {

// "2:张三|男" per row: the row number as the spreadsheet program shows it, then the cells.
QString shown(const ImportedSheet& sheet)
{
    if (!sheet.ok())
        return u"error: "_s + sheet.error;
    QStringList lines;
    for (const ImportedSheet::Row& row : sheet.rows)
        lines << QString::number(row.number) + u':' + row.cells.join(u'|');
    return lines.join(u'\n');
}

QByteArray workbookXml(const QString& sheets)
{
    return (u"<?xml version=\"1.0\"?><workbook xmlns=\"http://schemas.openxmlformats.org/spreadsheetml/2006/main\" "_s
            u"xmlns:r=\"http://schemas.openxmlformats.org/officeDocument/2006/relationships\"><sheets>"_s
        + sheets + u"</sheets></workbook>"_s)
        .toUtf8();
}

// A workbook of one sheet part written by hand.
QByteArray handMade(const QByteArray& sheetXml, const QByteArray& sharedXml = {})
{
    const QByteArray rels = "<Relationships><Relationship Id=\"rId1\" "
                            "Type=\"http://schemas.openxmlformats.org/officeDocument/2006/relationships/worksheet\" "
                            "Target=\"worksheets/sheet1.xml\"/><Relationship Id=\"rId2\" "
                            "Type=\"http://schemas.openxmlformats.org/officeDocument/2006/relationships/"
                            "sharedStrings\" Target=\"/xl/sharedStrings.xml\"/></Relationships>";
    QList<std::pair<QString, QByteArray>> parts {
        {u"xl/workbook.xml"_s, workbookXml(u"<sheet name=\"S\" sheetId=\"1\" r:id=\"rId1\"/>"_s)},
        {u"xl/_rels/workbook.xml.rels"_s, rels}};
    if (!sheetXml.isEmpty())
        parts.append({u"xl/worksheets/sheet1.xml"_s, sheetXml});
    if (!sharedXml.isEmpty())
        parts.append({u"xl/sharedStrings.xml"_s, sharedXml});
    return XlsxFixture::zip(parts);
}

QByteArray sheetXml(const QByteArray& rows)
{
    return "<worksheet xmlns=\"http://schemas.openxmlformats.org/spreadsheetml/2006/main\"><sheetData>" + rows
        + "</sheetData></worksheet>";
}

// The bytes with a little-endian 32-bit number put at `at`.
QByteArray patched(QByteArray bytes, qsizetype at, quint32 value)
{
    for (int i = 0; i < 4; ++i)
        bytes[at + i] = char(value >> (8 * i));
    return bytes;
}

} // namespace

class TestSpreadsheetReaders : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void workbooks_data()
    {
        addColumns<QByteArray, QString>({"bytes", "expected"});
        const QList<QStringList> rows {{u"姓名"_s, u"出生日期"_s, u"联系电话"_s, u"分数"_s},
            {u"张𠀀三"_s, u"=d:2019-03-15"_s, u"=n:13900000000"_s, u"=n:98.5"_s}, {}, {u"李四"_s, u"=d:1900-01-01"_s}};
        const QString expected
            = u"1:姓名|出生日期|联系电话|分数\n2:张𠀀三|2019年3月15日|13900000000|98.5\n4:李四|1900年1月1日"_s;
        QTest::newRow("shared strings") << XlsxFixture::workbook(rows) << expected;
        QTest::newRow("inline strings") << XlsxFixture::workbook(rows, true) << expected;
        QTest::newRow("phonetic runs and escapes") << handMade(
            sheetXml("<row r=\"3\"><c r=\"B3\" t=\"s\"><v>0</v></c><c t=\"str\"><v>a_x000D_b</v></c></row>"),
            "<sst><si><r><t>张</t></r><r><t xml:space=\"preserve\">三 </t></r><rPh><t>zhang</t></rPh></si></sst>")
                                                   << u"3:|张三 |a\rb"_s;
    }
    void workbooks()
    {
        QFETCH(QByteArray, bytes);
        QFETCH(QString, expected);
        QCOMPARE(shown(SpreadsheetReader::readBytes(bytes, u"学生.xlsx"_s)), expected);
    }

    // Whatever is wrong with the file, a message that says so and no rows.
    void damagedWorkbooks_data()
    {
        addColumns<QByteArray, QString>({"bytes", "message"});
        const QByteArray good = XlsxFixture::workbook({{u"姓名"_s}, {u"张三"_s}});
        const QString notWorkbook = u"这个文件不是Excel工作簿（.xlsx），或者文件已损坏，无法读取。"_s;
        const QString damaged = u"Excel工作簿已损坏，无法读取其中的表格。"_s;
        const QString noSheet = u"Excel工作簿中找不到工作表，文件可能已损坏。"_s;
        QTest::newRow("not a zip") << u"姓名,性别"_s.toUtf8() << notWorkbook;
        QTest::newRow("truncated") << good.left(good.size() * 2 / 3) << notWorkbook;
        QTest::newRow("a zip of something else") << XlsxFixture::zip({{u"readme.txt"_s, "hello"}}) << notWorkbook;
        QTest::newRow("no sheet in the workbook")
            << XlsxFixture::zip({{u"xl/workbook.xml"_s, workbookXml({})}}) << noSheet;
        QTest::newRow("sheet part missing") << handMade({}) << noSheet;
        QTest::newRow("sheet cut off") << handMade(
            sheetXml("<row><c t=\"inlineStr\"><is><t>a</t></is></c></row>").left(80))
                                       << damaged;
        QTest::newRow("shared string out of range")
            << handMade(sheetXml("<row><c t=\"s\"><v>7</v></c></row>"), "<sst><si><t>a</t></si></sst>") << damaged;
        QTest::newRow("column past the limit") << handMade(sheetXml("<row><c r=\"EZ1\" t=\"str\"><v>a</v></c></row>"))
                                               << u"表格超过%1列，无法读取。"_s.arg(SheetLimits::MaxColumns);
        // Some 70 MB of blanks that pack into a few hundred kilobytes.
        QTest::newRow("zip bomb") << handMade(sheetXml(QByteArray(SheetLimits::MaxPartBytes + 1024, ' ')))
                                  << u"Excel工作簿中的表格解压后超过64MB，无法读取（文件可能已损坏）。"_s;
        // The zip's own offsets and sums, wrong: its directory (22 bytes from the end, the offset
        // 16 into it), where the sheet's entry begins (42 into its directory record) and its data.
        const qsizetype sheetRecord = good.lastIndexOf("xl/worksheets/sheet1.xml") - 46;
        const qsizetype sheetData = good.indexOf("xl/worksheets/sheet1.xml") + 24;
        QTest::newRow("directory past the end") << patched(good, good.size() - 22 + 16, 0x7FFFFFF0) << notWorkbook;
        QTest::newRow("entry past the end") << patched(good, sheetRecord + 42, 0x7FFFFFF0) << damaged;
        QTest::newRow("data altered") << patched(good, sheetData + 20, 0x5A5A5A5A) << damaged;
        // The inflated size its directory record gives (24 into it), short of the data and past it.
        QTest::newRow("sheet longer than it says") << patched(good, sheetRecord + 24, 10) << damaged;
        QTest::newRow("sheet shorter than it says") << patched(good, sheetRecord + 24, 0x7FFFFFF0) << damaged;
        QTest::newRow("old binary workbook") << QByteArray("\xD0\xCF\x11\xE0\xA1\xB1\x1A\xE1",
            8) << u"不能读取旧版Excel文件（.xls）。请在Excel中另存为“Excel工作簿（.xlsx）”或“CSV”后再导入。"_s;
    }
    void damagedWorkbooks()
    {
        QFETCH(QByteArray, bytes);
        QFETCH(QString, message);
        const ImportedSheet sheet = SpreadsheetReader::readBytes(bytes, u"学生.xlsx"_s);
        QCOMPARE(sheet.error, message);
        QVERIFY(sheet.rows.isEmpty());
    }

    void csv_data()
    {
        addColumns<QByteArray, QString>({"bytes", "expected"});
        QTest::newRow("quotes, commas and line breaks")
            << u"姓名,家庭住址\r\n\"王\"\"小\"\"明\",\"幸福路1号,3单元\r\n502室\"\r\n李四,\"\"\r\n"_s.toUtf8()
            << u"1:姓名|家庭住址\n2:王\"小\"明|幸福路1号,3单元\r\n502室\n3:李四"_s;
        QTest::newRow("byte-order mark, blank lines, no final break")
            << ("\xEF\xBB\xBF" + u"姓名\n\n,\n张三"_s.toUtf8()) << u"1:姓名\n4:张三"_s;
        QTest::newRow("GB18030") << GbText::toBytes(u"姓名,籍贯\r\n欧阳𠀀,浙江\r\n"_s)
                                 << u"1:姓名|籍贯\n2:欧阳𠀀|浙江"_s;
        QTest::newRow("UTF-16 with tabs")
            << ("\xFF\xFE" + QStringEncoder(QStringConverter::Utf16LE).encode(u"姓名\t性别\r\n张三\t男\r\n"_s))
            << u"1:姓名|性别\n2:张三|男"_s;
        QTest::newRow("quote left open") << u"姓名\n\"张三,男\n"_s.toUtf8() << u"1:姓名\n2:张三,男\n"_s;
        QTest::newRow("too many rows") << QByteArray("a\n").repeated(SheetLimits::MaxRows
            + 1) << u"error: 表格超过%1行，无法读取。请把它分成几个文件。"_s.arg(SheetLimits::MaxRows);
        QTest::newRow("too many columns") << (QByteArray(",").repeated(SheetLimits::MaxColumns) + "a")
                                          << u"error: 表格超过%1列，无法读取。"_s.arg(SheetLimits::MaxColumns);
        QTest::newRow("nothing") << QByteArray("\n,,\n") << u"error: 文件中没有数据。"_s;
    }
    void csv()
    {
        QFETCH(QByteArray, bytes);
        QFETCH(QString, expected);
        QCOMPARE(shown(SpreadsheetReader::readBytes(bytes, u"学生.csv"_s)), expected);
    }
};

XIAOWU_TEST(TestSpreadsheetReaders)
#include "TestSpreadsheetReaders.moc"

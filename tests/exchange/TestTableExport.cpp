#include "exchange/CsvTableWriter.h"
#include "exchange/ExportCells.h"
#include "exchange/TableExport.h"
#include "exchange/XlsxTableWriter.h"
#include "support/DataRows.h"
#include "support/FakeServices.h"
#include "support/TestRegistry.h"
#include "support/XlsxCells.h"
#include "workspace/PageTable.h"

#include <QFile>
#include <QTest>

using namespace Qt::StringLiterals;

using Kind = PageTable::Kind;

namespace {

PageTable pageTable(const QString& title, const QString& statistics, const QStringList& captions,
    const QList<Kind>& kinds, const QList<QStringList>& rows = {})
{
    PageTable table;
    table.title = title;
    table.statistics = statistics;
    table.captions = captions;
    table.kinds = kinds;
    table.rows = rows;
    return table;
}

// Cells as the export should type them: "#85" is the number 85 that the page shows as "85",
// anything else a text. The texts the page shows.
QList<QStringList> marked(const QList<QStringList>& cells)
{
    QList<QStringList> shown;
    for (const QStringList& row : cells) {
        shown << QStringList();
        for (const QString& cell : row)
            shown.last() << (cell.startsWith(u'#') ? cell.mid(1) : cell);
    }
    return shown;
}

// RFC 4180 read back, independent of the writer: records of fields, quotes doubled inside quotes.
QList<QStringList> parseCsv(const QByteArray& bytes)
{
    const QString text = QString::fromUtf8(bytes);
    QList<QStringList> records;
    QStringList record;
    QString field;
    bool quoted = false;
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar c = text[i];
        if (quoted) {
            if (c == u'"' && i + 1 < text.size() && text[i + 1] == u'"')
                field += text[++i];
            else if (c == u'"')
                quoted = false;
            else
                field += c;
        } else if (c == u'"') {
            quoted = true;
        } else if (c == u',') {
            record << std::exchange(field, QString());
        } else if (c == u'\r' || c == u'\n') {
            // Spreadsheet programs end a record at any line break outside quotes.
            if (c == u'\r' && i + 1 < text.size() && text[i + 1] == u'\n')
                ++i;
            record << std::exchange(field, QString());
            records << std::exchange(record, QStringList());
        } else {
            field += c;
        }
    }
    return records;
}

} // namespace

class TestTableExport : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void workbookHoldsWhatThePageShows_data()
    {
        addColumns<PageTable, QList<QStringList>>({"table", "cells"});
        const auto row = [](const char* name, PageTable table, const QList<QStringList>& cells) {
            table.rows = marked(cells);
            QTest::newRow(name) << table << cells;
        };
        row("roster",
            pageTable(u"在校学生列表"_s, u"共2人  男1人  女1人"_s, {u"学号"_s, u"姓名"_s, u"出生日期"_s, u"联系电话"_s},
                {Kind::Number, Kind::Text, Kind::Text, Kind::Text}),
            {{u"#20260001"_s, u"张三"_s, u"2014年9月1日"_s, u"13800000000"_s},
                {u"#20260002"_s, u"O'Brien, \"Li\"\n二行"_s, u""_s, u"0571-1234"_s}});
        // Marks as numbers, anything else as typed; a title a sheet name cannot hold.
        row("score sheet",
            pageTable(u"育才[小学]/2026:期中?表"_s, QString(), {u"学号"_s, u"姓名"_s, u"语文"_s, u"数学"_s, u"平均"_s},
                {Kind::Number, Kind::Text, Kind::Number, Kind::Number, Kind::Number}),
            {{u"#1"_s, u"甲"_s, u"#85"_s, u"缺考"_s, u"#85.50"_s},
                {u"0012"_s, u"乙"_s, u"1e3"_s, u"#-3"_s, u"12345678901234567"_s},
                {u"# 90 "_s, u"丙"_s, u"８５"_s, u"inf"_s, u".5"_s}});
        PageTable wages = pageTable(u"工资表一"_s, QString(), {u"姓名"_s, u"基本工资"_s, u"实发工资"_s},
            {Kind::Text, Kind::Money, Kind::Money});
        wages.note = u"2026年9月"_s;
        row("wage sheet", wages, {{u"王老师"_s, u"#3200.50"_s, u"#3000"_s}, {u"合计："_s, u"#3200.50"_s, u""_s}});
        row("no rows", pageTable(u"转退学生列表"_s, QString(), {u"学号"_s}, {Kind::Number}), {});
    }

    void workbookHoldsWhatThePageShows()
    {
        QFETCH(PageTable, table);
        QFETCH(QList<QStringList>, cells);
        QString error;
        const std::optional<QByteArray> bytes = XlsxTableWriter::bytes(table, &error);
        QVERIFY2(bytes, qPrintable(error));
        const XlsxCells read = XlsxCells::read(*bytes);
        QVERIFY2(read.error.isEmpty(), qPrintable(read.error));

        const QStringList head = ExportCells::headLines(table);
        for (int i = 0; i < head.size(); ++i)
            QCOMPARE(read.texts(i), QStringList {head[i]});
        if (table.captions.size() > 1)
            QVERIFY(read.merges.contains(u"A1:"_s + QChar(char16_t(u'A' + table.captions.size() - 1)) + u'1'));
        const int first = int(head.size()) + 1;
        QCOMPARE(read.texts(first - 1), table.captions);
        QCOMPARE(read.rows.size(), first + cells.size());
        for (int r = 0; r < cells.size(); ++r) {
            for (int c = 0; c < cells[r].size(); ++c) {
                const XlsxCells::Cell cell = read.rows[first + r].value(c);
                const QString& expected = cells[r][c];
                const QByteArray where = QByteArray::number(r) + ',' + QByteArray::number(c);
                QVERIFY2(cell.number == expected.startsWith(u'#'), where.constData());
                if (!cell.number) {
                    QCOMPARE(cell.text, expected);
                    continue;
                }
                QCOMPARE(cell.text.toDouble(), expected.mid(1).toDouble());
                // Amounts always with two decimals; other numbers with the decimals they showed.
                const qsizetype point = expected.indexOf(u'.');
                const int decimals = table.kinds[c] == Kind::Money ? 2
                    : point < 0                                    ? 0
                                                                   : int(expected.size() - point - 1);
                QCOMPARE(cell.format, decimals == 0 ? u"General"_s : u"0."_s + QString(decimals, u'0'));
            }
        }
    }

    void controlCharactersLeaveTheWorkbookReadable()
    {
        const PageTable table = pageTable(u"名单"_s, QString(), {u"姓名"_s}, {Kind::Text}, {{u"张\x01三\x1f"_s}});
        const XlsxCells read = XlsxCells::read(XlsxTableWriter::bytes(table).value_or(QByteArray()));
        QVERIFY2(read.error.isEmpty(), qPrintable(read.error));
        QCOMPARE(read.texts(2), QStringList {u"张三"_s});
    }

    void csvKeepsEveryCharacterOfAName_data()
    {
        QTest::addColumn<QString>("name");
        QTest::newRow("quote") << u"王\"小\"明"_s;
        QTest::newRow("comma") << u"Li, Lei"_s;
        QTest::newRow("line break") << u"第一行\n第二行"_s;
        QTest::newRow("all, with CRLF") << u"\"甲\", 乙\r\n丙"_s;
        QTest::newRow("blanks") << u"  张三 "_s;
        QTest::newRow("empty") << QString();
    }

    void csvKeepsEveryCharacterOfAName()
    {
        QFETCH(QString, name);
        PageTable table = pageTable(u"在校学生列表"_s, u"共1人"_s, {u"学号"_s, u"姓名"_s, u"金额"_s},
            {Kind::Number, Kind::Text, Kind::Money}, {{u"101"_s, name, u"12.50"_s}});
        table.note = u"2026年9月"_s;
        const QByteArray bytes = CsvTableWriter::bytes(table);
        QVERIFY(bytes.startsWith("\xEF\xBB\xBF"));
        QVERIFY(bytes.endsWith("12.50\r\n"));
        QCOMPARE(parseCsv(bytes.mid(3)),
            (QList<QStringList> {{table.title}, {table.statistics}, {table.note}, table.captions, table.rows[0]}));
    }

    void failedWriteKeepsTheOldFile_data()
    {
        addColumns<QString, bool>({"name", "diskFull"});
        QTest::newRow("xlsx, disk full") << u"名单.xlsx"_s << true;
        QTest::newRow("csv, disk full") << u"名单.csv"_s << true;
        QTest::newRow("xlsx, folder is a file") << u"old.bin/名单.xlsx"_s << false;
        QTest::newRow("csv, folder missing") << u"无此文件夹/名单.csv"_s << false;
    }

    void failedWriteKeepsTheOldFile()
    {
        QFETCH(QString, name);
        QFETCH(bool, diskFull);
        FakeServices desk;
        const QString old = desk.dir.filePath(u"old.bin"_s);
        const QString path = desk.dir.filePath(name);
        const QByteArray before = "what was there";
        for (const QString& p : {old, path}) {
            QFile file(p);
            if (file.open(QIODevice::WriteOnly))
                file.write(before);
        }
        desk.fileOps.failWrites = diskFull;
        const PageTable table = pageTable(u"名单"_s, QString(), {u"姓名"_s}, {Kind::Text}, {{u"张三"_s}});
        const QString error = TableExport::save(table, path, desk.fileOps);
        QVERIFY(error.startsWith(u"无法写入文件：\r\n"_s));
        QCOMPARE(error.endsWith(u"原有的文件没有改动。"_s), diskFull);
        QCOMPARE(FakeServices::read(old), before);
        if (diskFull)
            QCOMPARE(FakeServices::read(path), before);
        desk.fileOps.failWrites = false;
        if (diskFull)
            QVERIFY(TableExport::save(table, path, desk.fileOps).isEmpty());
    }

    void saveDialogNamesTheFileAfterTheTitle()
    {
        FakeServices desk;
        const PageTable table
            = pageTable(u"育才小学/3年级2班 成绩表"_s, QString(), {u"姓名"_s}, {Kind::Text}, {{u"张三"_s}});

        // Cancelled: nothing written, nothing said.
        QVERIFY(TableExport::run(desk.services, table).isEmpty());
        QCOMPARE(desk.fileChooser.lastFilter, u"Excel 工作簿 (*.xlsx);;CSV 文件 (*.csv)"_s);
        QVERIFY(desk.prompt.boxes().isEmpty());
        QCOMPARE(TableExport::suggestedName(table.title), u"育才小学3年级2班 成绩表.xlsx"_s);

        // A name typed without a suffix becomes a workbook; a .csv stays one.
        desk.fileChooser.next = desk.dir.filePath(u"成绩"_s);
        QCOMPARE(TableExport::run(desk.services, table), desk.dir.filePath(u"成绩.xlsx"_s));
        QVERIFY(XlsxCells::read(FakeServices::read(desk.dir.filePath(u"成绩.xlsx"_s))).error.isEmpty());
        QCOMPARE(desk.prompt.boxes().last().icon, Prompt::Icon::Information);
        desk.fileChooser.next = desk.dir.filePath(u"成绩.CSV"_s);
        QCOMPARE(TableExport::run(desk.services, table), desk.dir.filePath(u"成绩.CSV"_s));
        QVERIFY(FakeServices::read(desk.dir.filePath(u"成绩.CSV"_s)).startsWith("\xEF\xBB\xBF"));

        // The added suffix names a file the dialog did not ask about: asked here, kept on "否".
        desk.prompt.clear();
        desk.prompt.answerNext(Prompt::Answer::No);
        desk.fileChooser.next = desk.dir.filePath(u"成绩"_s);
        const int writes = desk.fileOps.attempts;
        QVERIFY(TableExport::run(desk.services, table).isEmpty());
        QCOMPARE(desk.prompt.boxes().size(), 1);
        QCOMPARE(desk.prompt.boxes().first().buttons, Prompt::Buttons::YesNo);
        QCOMPARE(desk.fileOps.attempts, writes);

        // A failure is told as one, with the reason.
        desk.prompt.clear();
        desk.fileOps.failWrites = true;
        desk.fileChooser.next = desk.dir.filePath(u"成绩.csv"_s);
        QVERIFY(TableExport::run(desk.services, table).isEmpty());
        QCOMPARE(desk.prompt.boxes().size(), 1);
        QCOMPARE(desk.prompt.boxes().first().icon, Prompt::Icon::Error);
        QCOMPARE(desk.prompt.boxes().first().title, u"导出失败"_s);
    }
};

XIAOWU_TEST(TestTableExport)
#include "TestTableExport.moc"

#include "sheet/SheetTable.h"
#include "support/TestRegistry.h"

#include <QSignalSpy>
#include <QTest>

using namespace Qt::StringLiterals;

namespace {

// Row texts joined by "|" and rows by "/", for compact comparisons.
QString dump(const SheetTable& t)
{
    QStringList rows;
    for (int r = 1; r <= t.rowCount(); ++r) {
        QStringList cells;
        for (int c = 1; c <= t.columnCount(); ++c)
            cells.append(t.text(r, c));
        rows.append(cells.join(u'|'));
    }
    return rows.join(u'/');
}

void number(SheetTable& t)
{
    for (int r = 1; r <= t.rowCount(); ++r) {
        for (int c = 1; c <= t.columnCount(); ++c)
            t.setText(r, c, QString::number(r) + QString::number(c));
    }
}

} // namespace

class TestSheetTable : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void rowsAndColumnsMoveTheirCells()
    {
        SheetTable t;
        t.reset(2, 2);
        number(t);
        t.setRowHeight(2, 99);
        t.insertRows(2, 1);
        QCOMPARE(dump(t), u"11|12/|/21|22"_s);
        QCOMPARE(t.rowHeight(3), 99);
        QCOMPARE(t.rowHeight(2), SheetTable::DefaultRowHeight);
        t.insertColumns(1, 1);
        QCOMPARE(dump(t), u"|11|12/||/|21|22"_s);
        t.insertColumns(4, 2); // at the end
        QCOMPARE(t.columnCount(), 5);
        t.deleteColumns(4, 9); // cut to the table
        t.deleteRows(2, 1);
        QCOMPARE(dump(t), u"|11|12/|21|22"_s);
        t.deleteColumns(1, 1);
        QCOMPARE(dump(t), u"11|12/21|22"_s);
        t.appendRows(1);
        QCOMPARE(dump(t), u"11|12/21|22/|"_s);
        // Nonsense positions change nothing.
        t.insertRows(9, 1);
        t.deleteRows(0, 1);
        t.setText(0, 1, u"x"_s);
        t.setText(1, 3, u"x"_s);
        QCOMPARE(dump(t), u"11|12/21|22/|"_s);
        QCOMPARE(t.text(7, 7), QString());
        t.reset(0, 0);
        QCOMPARE(t.rowCount(), 0);
        QCOMPARE(t.cell(1, 1).fontName, u"宋体"_s);
    }

    void scoreSheetHeaderIsBuiltFromNothing()
    {
        // reset to 0 x 0, one row, then 12 columns inserted.
        SheetTable t;
        t.reset(0, 0);
        t.appendRows(1);
        t.insertColumns(1, 12);
        QCOMPARE(t.rowCount(), 1);
        QCOMPARE(t.columnCount(), 12);
        t.setText(1, 12, u"科目10"_s);
        QCOMPARE(t.text(1, 12), u"科目10"_s);
    }

    void rangesAreCutToTheTable()
    {
        SheetTable t;
        t.reset(3, 3);
        t.setReadOnly({2, 2, 10, 10}, true);
        t.setAlignment({0, 0, 2, 2}, SheetAlignment::BottomRight);
        QVERIFY(t.cell(3, 3).isReadOnly());
        QVERIFY(!t.cell(1, 3).isReadOnly());
        QCOMPARE(t.cell(1, 1).alignment(), SheetAlignment::BottomRight);
        QCOMPARE(t.cell(2, 2).alignment(), SheetAlignment::MiddleLeft);
        t.setBackground({1, 1, 0, 5}, 0xECECEC);
        QCOMPARE(t.cell(1, 1).background, SheetColour::None);
    }

    void mergedBlocks()
    {
        SheetTable t;
        t.reset(4, 4);
        t.merge({2, 2, 2, 3});
        QCOMPARE(t.mergedRange(3, 4), (SheetRange {2, 2, 2, 3}));
        QCOMPARE(t.mergedRange(2, 2), (SheetRange {2, 2, 2, 3}));
        QCOMPARE(t.mergedRange(1, 1), (SheetRange {1, 1, 1, 1}));
        QCOMPARE(t.cell(2, 2).mergeAcross(), SheetMergeMark::First);
        QCOMPARE(t.cell(3, 3).mergeAcross(), SheetMergeMark::Inner);
        QCOMPARE(t.cell(3, 4).mergeDown(), SheetMergeMark::Last);
        // A new block overlapping an old one dissolves the old one whole.
        t.merge({1, 1, 2, 2});
        QCOMPARE(t.mergedRange(1, 1), (SheetRange {1, 1, 2, 2}));
        QCOMPARE(t.mergedRange(3, 4), (SheetRange {3, 4, 1, 1}));
        t.unmerge({1, 1, 4, 4});
        QCOMPARE(t.mergedRange(2, 2), (SheetRange {2, 2, 1, 1}));
        // Marks damaged by a deleted row stop at what still fits together.
        t.merge({1, 1, 3, 1});
        t.deleteRows(1, 1);
        QCOMPARE(t.mergedRange(1, 1), (SheetRange {1, 1, 2, 1}));
        t.deleteRows(2, 1);
        QCOMPARE(t.mergedRange(1, 1), (SheetRange {1, 1, 1, 1}));
    }

    void appendingAnotherTableAddsColumns()
    {
        SheetTable report;
        report.reset(2, 10);
        report.setText(1, 1, u"标题"_s);
        SheetTable sheet;
        sheet.reset(2, 12);
        number(sheet);
        sheet.setRowHeight(2, 70);
        sheet.setReadOnly({2, 1, 1, 2}, true);
        sheet.setBackground({2, 1, 1, 12}, 0xECECEC);
        report.appendTable(sheet);
        QCOMPARE(report.rowCount(), 4);
        QCOMPARE(report.columnCount(), 12);
        QCOMPARE(report.text(1, 1), u"标题"_s);
        QCOMPARE(report.text(4, 12), u"212"_s);
        QCOMPARE(report.rowHeight(4), 70);
        QVERIFY(report.cell(4, 2).isReadOnly());
        QCOMPARE(report.cell(4, 12).background, 0xECECECu);
        QCOMPARE(report.text(1, 11), QString());

        // A narrower table leaves the extra columns empty; appending itself doubles it.
        SheetTable narrow;
        narrow.reset(1, 1);
        narrow.setText(1, 1, u"x"_s);
        report.appendTable(narrow);
        QCOMPARE(report.rowCount(), 5);
        QCOMPARE(report.columnCount(), 12);
        QCOMPARE(report.text(5, 1), u"x"_s);
        narrow.appendTable(narrow);
        QCOMPARE(dump(narrow), u"x/x"_s);
    }

    void picturesAndTexts()
    {
        SheetTable t;
        t.reset(1, 1);
        t.setPicture(1, 1, QByteArray("GIF89a"));
        QVERIFY(t.cell(1, 1).isPicture());
        QCOMPARE(t.text(1, 1), QString());
        t.setText(1, 1, u"无照片"_s);
        QVERIFY(!t.cell(1, 1).isPicture());
        QVERIFY(t.picture(1, 1).isEmpty());
    }

    void commitTellsTheGrids()
    {
        SheetTable t;
        QSignalSpy spy(&t, &SheetTable::committed);
        t.reset(1, 1);
        t.setText(1, 1, u"a"_s);
        QCOMPARE(spy.count(), 0);
        t.commit();
        QCOMPARE(spy.count(), 1);
    }
};

XIAOWU_TEST(TestSheetTable)
#include "TestSheetTable.moc"

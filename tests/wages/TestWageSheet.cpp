#include "sheet/SheetTable.h"
#include "support/DataRows.h"
#include "support/TestRegistry.h"
#include "wages/Money.h"
#include "wages/WageSheet.h"

#include <QTest>

using namespace Qt::StringLiterals;

namespace {

// Header, `staff` empty rows, the total row.
void blankSheet(SheetTable& t, int staff)
{
    t.reset(staff + 2, 10);
    t.setText(1, 1, u"姓名"_s);
    t.setText(staff + 2, 1, u"合计："_s);
}

} // namespace

class TestWageSheet : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void typedAmounts_data()
    {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("shown"); // the cell after the edit
        QTest::newRow("whole") << u"100"_s << u"100.00"_s;
        QTest::newRow("half a cent up") << u"2.675"_s << u"2.68"_s;
        QTest::newRow("just under half") << u"1.0049999"_s << u"1.00"_s;
        QTest::newRow("number then word") << u" 12.5元"_s << u"12.50"_s;
        QTest::newRow("exponent") << u"1.5e3"_s << u"1500.00"_s;
        QTest::newRow("tiny but above zero") << u"0.00000011"_s << u"0.00"_s;
        QTest::newRow("largest") << u"999999999999.99"_s << u"999999999999.99"_s;
        QTest::newRow("negative") << u"-5"_s << QString();
        QTest::newRow("zero") << u"0"_s << QString();
        QTest::newRow("the threshold itself") << u"0.0000001"_s << QString();
        QTest::newRow("word") << u"abc"_s << QString();
        QTest::newRow("nan") << u"nan"_s << QString();
        QTest::newRow("inf") << u"inf"_s << QString();
        QTest::newRow("1e400") << u"1e400"_s << QString();
        QTest::newRow("1e-400") << u"1e-400"_s << QString();
        QTest::newRow("huge") << u"99999999999999999999999"_s << QString();
        QTest::newRow("rounds beyond the largest") << u"999999999999.995"_s << QString();
    }
    void typedAmounts()
    {
        QFETCH(QString, typed);
        QFETCH(QString, shown);
        SheetTable t;
        blankSheet(t, 2);
        WageSheet sheet(t);
        t.setText(2, 2, u"1000.00"_s);
        t.setText(3, 3, u"10.00"_s);
        t.setText(2, 3, typed);
        sheet.cellEdited(2, 3);
        QCOMPARE(t.text(2, 3), shown);
        const qint64 cell = Money::centsOf(shown);
        QCOMPARE(t.text(2, 9), Money::format(100000 + cell));
        QCOMPARE(t.text(4, 3), Money::format(1000 + cell));
        QCOMPARE(t.text(4, 9), Money::format(100000 + cell)); // row 3 has no net pay yet
    }

    void sumsAreExactToTheCent_data()
    {
        addColumns<int, QString, QString>({"rows", "amount", "total"});
        QTest::newRow("300 × 1234.56") << 300 << u"1234.56"_s << u"370368.00"_s;
        QTest::newRow("above 2^17") << 3 << u"100000.01"_s << u"300000.03"_s;
        QTest::newRow("many small") << 1000 << u"0.10"_s << u"100.00"_s;
        QTest::newRow("forged file: held at the end of 64 bits")
            << 20 << u"9999999999999999.99"_s << u"92233720368547758.07"_s;
    }
    void sumsAreExactToTheCent()
    {
        QFETCH(int, rows);
        QFETCH(QString, amount);
        QFETCH(QString, total);
        SheetTable t;
        blankSheet(t, rows);
        WageSheet sheet(t);
        for (int r = 2; r <= rows + 1; ++r)
            t.setText(r, 2, amount);
        sheet.cellEdited(rows + 1, 2);
        QCOMPARE(t.text(rows + 2, 2), total);
        sheet.recomputeTotals();
        QCOMPARE(t.text(rows + 2, 2), total);
    }

    void netPayNeverShowsMinusZero()
    {
        SheetTable t;
        blankSheet(t, 1);
        WageSheet sheet(t);
        t.setText(2, 2, u"0.30"_s);
        t.setText(2, 7, u"0.10"_s);
        t.setText(2, 8, u"0.20"_s);
        sheet.cellEdited(2, 8);
        QCOMPARE(t.text(2, 9), u"0.00"_s);
        t.setText(2, 8, u"0.25"_s);
        sheet.cellEdited(2, 8);
        QCOMPARE(t.text(2, 9), u"-0.05"_s);
        QCOMPARE(t.text(3, 9), u"-0.05"_s); // a negative net pay still counts in the total
    }

    void namesAreNotAmounts()
    {
        SheetTable t;
        blankSheet(t, 1);
        WageSheet sheet(t);
        t.setText(2, 1, u"-5"_s);
        sheet.cellEdited(2, 1);
        QCOMPARE(t.text(2, 1), u"-5"_s);
        QVERIFY(t.text(2, 9).isEmpty() && t.text(3, 2).isEmpty());
    }

    void cursorStaysOffTheTotalRowAndComputedColumns()
    {
        SheetTable t;
        blankSheet(t, 3);
        WageSheet sheet(t);
        QCOMPARE(sheet.cursorCell(3, 10), std::make_pair(3, 8));
        QCOMPARE(sheet.cursorCell(5, 9), std::make_pair(4, 8));
        QCOMPARE(sheet.cursorCell(5, 2), std::make_pair(4, 2));
        sheet.highlight(3);
        sheet.highlight(5);
        QCOMPARE(t.cell(3, 4).background, WageSheet::White);
        QCOMPARE(t.cell(5, 4).background, SheetCell().background);
        QCOMPARE(sheet.highlightedRow(), 0);
    }

    void insertedRowsLookLikeTheProgramsOwn()
    {
        SheetTable t;
        blankSheet(t, 2);
        t.setBorders({1, 1, 4, 10}, AllBorders);
        WageSheet sheet(t);
        sheet.present(300);
        sheet.highlight(3);
        const int row = sheet.insertRow(3);
        QCOMPARE(row, 3);
        QCOMPARE(t.rowCount(), 5);
        QCOMPARE(sheet.highlightedRow(), 4); // the old cursor row moved down with its grey
        sheet.highlight(row);
        QCOMPARE(t.cell(4, 1).background, WageSheet::White);
        QCOMPARE(t.cell(3, 5).background, WageSheet::Highlight);
        for (int c = 1; c <= 10; ++c) {
            const SheetCell& cell = t.cell(3, c);
            QCOMPARE(cell.isReadOnly(), c >= 9);
            QCOMPARE(cell.textColour, c == 7 || c == 8 ? 128u : 0u);
            QCOMPARE(cell.alignment(), c == 1 ? SheetAlignment::Centre : SheetAlignment::MiddleRight);
            QCOMPARE(cell.borders(), quint8(AllBorders));
        }
    }

    void deletingRecomputesEveryTotal()
    {
        SheetTable t;
        blankSheet(t, 3);
        WageSheet sheet(t);
        for (int r = 2; r <= 4; ++r) {
            t.setText(r, 2, u"100.00"_s);
            t.setText(r, 7, u"1.50"_s);
            sheet.cellEdited(r, 7);
            sheet.cellEdited(r, 2);
        }
        QCOMPARE(t.text(5, 9), u"295.50"_s);
        sheet.highlight(4);
        sheet.deleteRow(4);
        QCOMPARE(t.rowCount(), 4);
        QCOMPARE(sheet.highlightedRow(), 0);
        QCOMPARE(t.text(4, 2), u"200.00"_s);
        QCOMPARE(t.text(4, 7), u"3.00"_s);
        QCOMPARE(t.text(4, 9), u"197.00"_s);
        sheet.deleteRow(4); // the total row stays
        QCOMPARE(t.rowCount(), 4);
    }

    void titlesAndPayMonth()
    {
        QCOMPARE(WageSheet::defaultTitle(u"实验小学"_s, 3), u"实验小学教员工资表(表三)"_s);
        QCOMPARE(WageSheet::payMonth(2011, 3), u"2011年3月份"_s);
    }
};

XIAOWU_TEST(TestWageSheet)
#include "TestWageSheet.moc"

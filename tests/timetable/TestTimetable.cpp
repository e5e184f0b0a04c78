#include "classes/ClassBook.h"
#include "sheet/PrintLayout.h"
#include "sheet/SheetTable.h"
#include "store/DatabaseKind.h"
#include "store/DbConnection.h"
#include "support/TempProgramDir.h"
#include "support/TestRegistry.h"
#include "timetable/TimetableSheet.h"
#include "timetable/TimetableSlot.h"
#include "timetable/TimetableStore.h"

#include <QTest>

#include <memory>

using namespace Qt::StringLiterals;

class TestTimetable : public QObject
{
    Q_OBJECT

private:
    std::unique_ptr<TempProgramDir> m_dir;
    std::unique_ptr<DbConnection> m_db;

    QString stored(const QString& className, const QString& column)
    {
        auto row = m_db->query(u"select "_s + column + u" from 班级表 where 所在班级=?"_s, {className});
        return row && !row->pastLast() ? row->text(1) : u"<none>"_s;
    }

private Q_SLOTS:
    void init()
    {
        m_dir = std::make_unique<TempProgramDir>();
        m_db = std::make_unique<DbConnection>();
        QVERIFY(m_db->openSchool(DatabaseKind::Student, m_dir->databasePath(DatabaseKind::Student)));
        QCOMPARE(ClassBook(*m_db).add(u"一年级1班"_s, u"李老师"_s, u"通用"_s), ClassBook::AddResult::Added);
    }

    void cleanup()
    {
        m_db.reset();
        m_dir.reset();
    }

    void slotMapping_data()
    {
        QTest::addColumn<int>("day");
        QTest::addColumn<int>("period");
        QTest::addColumn<QString>("column"); // empty: refused
        QTest::addColumn<int>("row");
        QTest::addColumn<int>("sheetColumn");
        QTest::newRow("Monday 1") << 1 << 1 << u"星期11"_s << 3 << 3;
        QTest::newRow("Wednesday 6") << 3 << 6 << u"星期36"_s << 8 << 5;
        QTest::newRow("Friday 8") << 5 << 8 << u"星期58"_s << 10 << 7;
        QTest::newRow("day 0") << 0 << 1 << QString() << 0 << 0;
        QTest::newRow("day 6") << 6 << 1 << QString() << 0 << 0;
        QTest::newRow("period 0") << 1 << 0 << QString() << 0 << 0;
        QTest::newRow("period 9") << 1 << 9 << QString() << 0 << 0;
    }
    void slotMapping()
    {
        QFETCH(int, day);
        QFETCH(int, period);
        QFETCH(QString, column);
        const auto slot = TimetableSlot::of(day, period);
        QCOMPARE(slot.has_value(), !column.isEmpty());
        if (!slot)
            return;
        QCOMPARE(slot->column(), column);
        QFETCH(int, row);
        QFETCH(int, sheetColumn);
        QCOMPARE(slot->sheetRow(), row);
        QCOMPARE(slot->sheetColumn(), sheetColumn);
        QCOMPARE(TimetableSlot::at(slot->index()), *slot);
    }

    void allFortyCellsRoundTrip()
    {
        TimetableStore store(*m_db);
        for (int i = 0; i < TimetableSlot::Count; ++i)
            QVERIFY(store.store(u"一年级1班"_s, TimetableSlot::at(i), u"科%1"_s.arg(i)));
        const auto t = store.read(u"一年级1班"_s);
        QVERIFY(t);
        QCOMPARE(t->headTeacher, u"李老师"_s);
        QCOMPARE(t->subjects.size(), 10);
        for (int i = 0; i < TimetableSlot::Count; ++i) {
            QCOMPARE(t->cells.value(i), u"科%1"_s.arg(i));
            QCOMPARE(stored(u"一年级1班"_s, TimetableSlot::at(i).column()), u"科%1"_s.arg(i));
        }
        QVERIFY(!store.read(u"没有的班"_s));
    }

    void storeRules_data()
    {
        QTest::addColumn<QString>("className");
        QTest::addColumn<QString>("subject");
        QTest::addColumn<bool>("stored");
        QTest::newRow("ten characters") << u"一年级1班"_s << u"一二三四五六七八九十"_s << true;
        QTest::newRow("eleven characters") << u"一年级1班"_s << u"一二三四五六七八九十壹"_s << false;
        QTest::newRow("quote") << u"一年级1班"_s << u"O'Brien"_s << true;
        QTest::newRow("sql text") << u"一年级1班"_s << u"';drop--"_s << true;
        QTest::newRow("class gone") << u"没有的班"_s << u"语文"_s << false;
    }
    void storeRules()
    {
        QFETCH(QString, className);
        QFETCH(QString, subject);
        QFETCH(bool, stored);
        TimetableStore store(*m_db);
        const TimetableSlot slot = *TimetableSlot::of(3, 6);
        QVERIFY(store.store(u"一年级1班"_s, slot, u"数学"_s));
        QCOMPARE(store.store(className, slot, subject), stored);
        QCOMPARE(this->stored(u"一年级1班"_s, u"星期36"_s), stored ? subject : u"数学"_s);
    }

    void templateSurvivesSerialiseAndLoad()
    {
        SheetTable sheet;
        QVERIFY(sheet.load(TimetableSheet::templateBytes()));
        QCOMPARE(sheet.rowCount(), 10);
        QCOMPARE(sheet.columnCount(), 7);
        QCOMPARE(sheet.text(1, 1), u"电子学校课程表"_s);
        QCOMPARE(sheet.mergedRange(1, 3), (SheetRange {1, 1, 1, 7}));
        QCOMPARE(sheet.mergedRange(5, 1), (SheetRange {3, 1, 4, 1}));
        QCOMPARE(sheet.text(7, 1), u"下午"_s);
        QCOMPARE(sheet.text(10, 2), u"第八节课"_s);
        QCOMPARE(sheet.text(2, 5), u"星期三"_s);
        QCOMPARE(sheet.cell(1, 1).borders(), quint8(BottomBorder));
        QCOMPARE(sheet.cell(1, 1).fontHeight, qint16(63));
        QVERIFY(sheet.cell(1, 1).isBold());
        QCOMPARE(sheet.cell(5, 4).borders(), quint8(AllBorders));
        QCOMPARE(sheet.cell(5, 4).fontHeight, qint16(42));
        QCOMPARE(sheet.cell(9, 4).fontHeight, qint16(40));
        QVERIFY(sheet.cell(5, 2).isReadOnly());
        QVERIFY(!sheet.cell(5, 4).isReadOnly());
        QCOMPARE(sheet.rowHeight(1), 150);
        QCOMPARE(sheet.columnWidth(2), 300);
        QCOMPARE(sheet.pageSetup().marginTop, 230);
        QCOMPARE(sheet.pageSetup().orientation, PageSetup::Portrait);

        SheetTable again;
        QVERIFY(again.load(sheet.serialise()));
        QCOMPARE(again.data().cells, sheet.data().cells);
        QCOMPARE(again.pageSetup(), sheet.pageSetup());
        QCOMPARE(again.serialise(), TimetableSheet::templateBytes());
    }

    // Six classes, one of them unreadable by the time it prints: skipped and named, the others
    // stacked three to a page.
    void printAllStacksThreeToAPage()
    {
        ClassBook book(*m_db);
        QStringList classes {u"一年级1班"_s};
        for (int i = 2; i <= 6; ++i) {
            classes.append(u"一年级%1班"_s.arg(i));
            QCOMPARE(book.add(classes.last(), u"老师%1"_s.arg(i), u"通用"_s), ClassBook::AddResult::Added);
        }
        TimetableStore store(*m_db);
        QVERIFY(store.store(u"一年级4班"_s, *TimetableSlot::of(3, 6), u"音乐"_s));
        SheetTable scratch;
        QVERIFY(scratch.load(TimetableSheet::templateBytes()));
        SheetTable print;
        QVERIFY(TimetableSheet::composeAll(print, scratch, store, u"希望小学"_s, classes).isEmpty());

        QCOMPARE(print.rowCount(), 72);
        QCOMPARE(print.text(37, 1), u"希望小学一年级4班课程表"_s);
        QCOMPARE(print.text(38, 1), u"班主任：老师4"_s);
        QCOMPARE(print.text(37 + 7, 5), u"音乐"_s);
        QCOMPARE(print.text(49, 1), u"希望小学一年级5班课程表"_s);
        QCOMPARE(print.columnWidth(2), 300);
        QCOMPARE(print.pageSetup().rowsPerPage, 36);
        QCOMPARE(print.pageSetup().pageNumberPosition, PageSetup::BottomRight);
        QCOMPARE(print.pageSetup().zoom, PageSetup::FitWidth);
        const PrintLayout layout = PrintLayout::of(print);
        QCOMPARE(layout.pages.size(), 2);
        QCOMPARE(layout.pages[0].firstRow, 1);
        QCOMPARE(layout.pages[1].firstRow, 37);
        QCOMPARE(layout.pages[1].lastRow, 72);

        classes.insert(2, u"已删除的班"_s);
        QCOMPARE(
            TimetableSheet::composeAll(print, scratch, store, u"希望小学"_s, classes), QStringList {u"已删除的班"_s});
        QCOMPARE(print.rowCount(), 72);
    }
};

XIAOWU_TEST(TestTimetable)
#include "TestTimetable.moc"

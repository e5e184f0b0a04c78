#include "sheet/QueryTable.h"
#include "store/DbConnection.h"
#include "support/DataRows.h"
#include "support/TempProgramDir.h"
#include "support/TestRegistry.h"

#include <QTest>

using namespace Qt::StringLiterals;

namespace {

const QString MidTerm = u"select 学号,姓名,期中1,期中2,期中3,期中4,期中5,期中6,期中7,期中8,期中9,期中10 from 学籍表 "
                        u"where 所在班级='高中1年级10班'order by 姓名"_s;

bool openStudents(DbConnection& db, const TempProgramDir& dir)
{
    return db.openSchool(DatabaseKind::Student, dir.databasePath(DatabaseKind::Student));
}

bool addPupil(DbConnection& db, int number, const QString& name, const QString& className, const QVariant& mark)
{
    return db.execute(
        u"insert into 学籍表 (学号,姓名,所在班级,期中1) values (?,?,?,?)"_s, {number, name, className, mark});
}

QVariant stored(DbConnection& db, const QString& column, int number)
{
    auto rows = db.query(u"select "_s + column + u" from 学籍表 where 学号=?"_s, {number});
    return rows && !rows->pastLast() ? rows->value(1) : QVariant(u"<no row>"_s);
}

} // namespace

class TestQueryTable : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void init()
    {
        m_dir = std::make_unique<TempProgramDir>();
        QVERIFY(openStudents(m_db, *m_dir));
        QVERIFY(addPupil(m_db, 7, u"张三"_s, u"高中1年级10班"_s, 88));
        QVERIFY(addPupil(m_db, 3, u"阿明"_s, u"高中1年级10班"_s, QVariant()));
        QVERIFY(addPupil(m_db, 9, u"李四"_s, u"初中1年级1班"_s, 60));
    }

    void cleanup()
    {
        m_db.close();
        m_dir.reset();
    }

    void rowsFollowTheQuery()
    {
        QueryTable q(m_db);
        QVERIFY(q.setQuery(MidTerm));
        QCOMPARE(q.rowCount(), 2);
        QCOMPARE(q.columnCount(), 12);
        QCOMPARE(q.columnName(3), u"期中1"_s);
        // Pinyin order: 阿明 before 张三.
        QCOMPARE(q.text(1, 2), u"阿明"_s);
        QCOMPARE(q.text(1, 3), QString());
        QCOMPARE(q.text(2, 1), u"7"_s);
        QCOMPARE(q.text(2, 3), u"88"_s);
        QCOMPARE(q.sheet().rowCount(), 2);
        QCOMPARE(q.sheet().text(2, 2), u"张三"_s);

        QVERIFY(!q.setQuery(u"select nothing from 没有的表"_s));
        QCOMPARE(q.rowCount(), 0);
        QVERIFY(!q.lastError().isEmpty());
    }

    void rowsLandInTheCallersSheetBelowItsHeader()
    {
        SheetTable shown;
        shown.reset(1, 12);
        shown.setText(1, 2, u"姓名"_s);
        SheetCell fixed;
        fixed.setFlag(SheetCell::ReadOnlyBit, true);
        QueryTable q(m_db);
        q.showIn(shown, 2, {fixed, fixed});
        for (int round = 0; round < 2; ++round) { // a reload replaces the rows, not the header
            QVERIFY(q.setQuery(MidTerm));
            QCOMPARE(shown.rowCount(), 3);
            QCOMPARE(shown.text(1, 2), u"姓名"_s);
            QCOMPARE(shown.text(3, 2), u"张三"_s);
            QVERIFY(shown.cell(3, 2).isReadOnly() && !shown.cell(3, 3).isReadOnly());
            QCOMPARE(&q.sheet(), &shown);
        }
        // What the user typed is in the sheet before the table is told; a refusal puts it back.
        shown.setText(3, 3, u"abc"_s);
        QCOMPARE(q.valueText(2, 3), u"88"_s);
        q.setValue(2, 3, u"优秀"_s);
        QVERIFY(!q.commit());
        QCOMPARE(shown.text(3, 3), u"88"_s);
        QVERIFY(!q.setQuery(u"select nothing from 没有的表"_s));
        QCOMPARE(shown.rowCount(), 1);
    }

    void committedEditIsStoredAtOnceAndSurvivesReopening()
    {
        QueryTable q(m_db);
        QVERIFY(q.setQuery(MidTerm));
        q.setText(2, 3, u"95"_s); // 张三, 期中1, as the user typed it
        QCOMPARE(stored(m_db, u"期中1"_s, 7), QVariant(qint64(88))); // not before the commit
        QVERIFY2(q.commit(), qPrintable(q.lastError()));
        QCOMPARE(stored(m_db, u"期中1"_s, 7), QVariant(qint64(95)));
        QCOMPARE(stored(m_db, u"期中1"_s, 9), QVariant(qint64(60))); // nobody else's row

        m_db.close();
        DbConnection again;
        QVERIFY(openStudents(again, *m_dir));
        QCOMPARE(stored(again, u"期中1"_s, 7), QVariant(qint64(95)));
        QueryTable reloaded(again);
        QVERIFY(reloaded.setQuery(MidTerm));
        QCOMPARE(reloaded.text(2, 3), u"95"_s);
    }

    void clearingASubjectStoresNull()
    {
        QueryTable q(m_db);
        QVERIFY(q.setQuery(MidTerm));
        q.setValue(1, 3, QVariant());
        q.setValue(2, 3, QVariant());
        QVERIFY(q.commit());
        QVERIFY(!stored(m_db, u"期中1"_s, 7).isValid());
        QCOMPARE(q.text(2, 3), QString());
    }

    void refusedValueLeavesTheDatabaseAsItWas_data()
    {
        QTest::addColumn<QVariant>("value");
        QTest::newRow("a word in a mark") << QVariant(u"优秀"_s);
        QTest::newRow("beyond 16 bits") << QVariant(40000);
        QTest::newRow("a decimal") << QVariant(u"95.5"_s);
    }

    void refusedValueLeavesTheDatabaseAsItWas()
    {
        QFETCH(QVariant, value);
        QueryTable q(m_db);
        QVERIFY(q.setQuery(MidTerm));
        q.setValue(1, 4, 70); // fine on its own, but goes down with the refused one
        q.setValue(2, 3, value);
        QVERIFY(!q.commit());
        QCOMPARE(q.lastCommitError().row, 2);
        QCOMPARE(q.lastCommitError().column, 3);
        QVERIFY(!q.lastError().isEmpty());
        QCOMPARE(stored(m_db, u"期中1"_s, 7), QVariant(qint64(88)));
        QVERIFY(!stored(m_db, u"期中2"_s, 3).isValid());
        QCOMPARE(q.text(2, 3), u"88"_s);
        QCOMPARE(q.text(1, 4), QString());
        QVERIFY(!q.hasPendingChanges());
        QVERIFY(!m_db.inTransaction());
    }

    // 阿明 leaves 3 for 张三: an edit that still used a row's old key would land on the other pupil.
    void editsFollowAChangedKey_data()
    {
        addSwitchRows("commitEach", {{"one commit", false}, {"a commit per edit", true}});
    }

    void editsFollowAChangedKey()
    {
        QFETCH(bool, commitEach);
        QueryTable q(m_db);
        QVERIFY(q.setQuery(MidTerm));
        const struct
        {
            int row, column;
            QString text;
        } edits[] = {{1, 1, u"20"_s}, {2, 1, u"3"_s}, {1, 3, u"66"_s}, {2, 3, u"77"_s}};
        for (const auto& e : edits) {
            q.setText(e.row, e.column, e.text);
            if (commitEach)
                QVERIFY2(q.commit(), qPrintable(q.lastError()));
        }
        QVERIFY2(q.commit(), qPrintable(q.lastError()));
        QCOMPARE(stored(m_db, u"姓名"_s, 20).toString(), u"阿明"_s);
        QCOMPARE(stored(m_db, u"期中1"_s, 20), QVariant(qint64(66)));
        QCOMPARE(stored(m_db, u"姓名"_s, 3).toString(), u"张三"_s);
        QCOMPARE(stored(m_db, u"期中1"_s, 3), QVariant(qint64(77)));
        QCOMPARE(stored(m_db, u"姓名"_s, 7).toString(), u"<no row>"_s);
    }

    void aValueIsBoundNotPasted()
    {
        QueryTable q(m_db, u"学籍表"_s);
        QVERIFY(q.setQuery(u"select 学号,姓名 from 学籍表 where 学号=7"_s));
        q.setText(1, 2, u"O'Brien; drop table"_s);
        QVERIFY(q.commit());
        QCOMPARE(stored(m_db, u"姓名"_s, 7).toString(), u"O'Brien; drop table"_s);
    }

    void rowThatIsGoneIsReported()
    {
        QueryTable q(m_db);
        QVERIFY(q.setQuery(MidTerm));
        QVERIFY(m_db.execute(u"delete from 学籍表 where 学号=7"_s));
        q.setText(2, 3, u"50"_s);
        QVERIFY(!q.commit());
        QVERIFY(q.lastError().contains(u"7"_s));
    }

    void onlyColumnsOfTheTableAreWritten()
    {
        QueryTable q(m_db);
        QVERIFY(q.setQuery(u"select 学号, 期中1+1 as 加分 from 学籍表 where 学号=7"_s));
        q.setText(1, 2, u"1"_s);
        QVERIFY(!q.commit());
        QCOMPARE(stored(m_db, u"期中1"_s, 7), QVariant(qint64(88)));
    }

private:
    std::unique_ptr<TempProgramDir> m_dir;
    DbConnection m_db;
};

XIAOWU_TEST(TestQueryTable)
#include "TestQueryTable.moc"

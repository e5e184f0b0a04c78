#include "StoreFixture.h"

#include "store/DatabaseTemplate.h"
#include "store/Schema.h"
#include "store/Transaction.h"
#include "support/TestRegistry.h"

#include <QFile>
#include <QFileInfo>
#include <QTest>

#include <sqlite3.h>

using namespace Qt::StringLiterals;

class TestDbConnection : public QObject
{
    Q_OBJECT

    static int count(DbConnection& db, const QString& table)
    {
        auto rows = db.query(u"select count(*) as n from "_s + table);
        return rows ? static_cast<int>(rows->number(u"n")) : -1;
    }

private Q_SLOTS:
    void opensOnlyOurFilesWithTheirPassword()
    {
        TempProgramDir dir;
        const QString students = dir.databasePath(DatabaseKind::Student);
        DbConnection db;
        QVERIFY(!db.open(students, {}, u"wrong"_s));
        QVERIFY(!db.isOpen());
        QCOMPARE(db.openFailure(), DbConnection::OpenFailure::WrongPassword);
        QVERIFY(!db.open(students, {}, DatabaseKinds::password(DatabaseKind::Teacher)));
        // No password is a wrong one too, not a way past the check.
        QVERIFY(!db.open(students, {}, QString()));
        QCOMPARE(db.openFailure(), DbConnection::OpenFailure::WrongPassword);

        const QString missing = dir.filePath(u"data/none.xsk"_s);
        QVERIFY(!db.open(missing, {}, DatabaseKinds::password(DatabaseKind::Student)));
        QVERIFY2(!QFile::exists(missing), "opening must not create a file");
        QCOMPARE(db.openFailure(), DbConnection::OpenFailure::Missing);

        const QString text = dir.filePath(u"data/text.xsk"_s);
        QFile junk(text);
        QVERIFY(junk.open(QIODevice::WriteOnly));
        junk.write(QByteArray(8192, 'x'));
        junk.close();
        QVERIFY(!db.open(text, {}, DatabaseKinds::password(DatabaseKind::Student)));
        QCOMPARE(db.openFailure(), DbConnection::OpenFailure::NotOurs);

        // A real SQLite file that is not one of ours.
        const QString foreign = dir.filePath(u"data/foreign.xsk"_s);
        sqlite3* raw = nullptr;
        QCOMPARE(sqlite3_open(QFile::encodeName(foreign).constData(), &raw), SQLITE_OK);
        QCOMPARE(sqlite3_exec(raw, "create table t(x)", nullptr, nullptr, nullptr), SQLITE_OK);
        sqlite3_close(raw);
        QVERIFY(!db.open(foreign, {}, DatabaseKinds::password(DatabaseKind::Student)));
        QCOMPARE(db.openFailure(), DbConnection::OpenFailure::NotOurs);

        // A file another program holds locked is not taken for a damaged one.
        sqlite3* holder = nullptr;
        QCOMPARE(sqlite3_open(QFile::encodeName(students).constData(), &holder), SQLITE_OK);
        QCOMPARE(sqlite3_exec(holder, "BEGIN EXCLUSIVE", nullptr, nullptr, nullptr), SQLITE_OK);
        QVERIFY(!db.open(students, {}, DatabaseKinds::password(DatabaseKind::Student)));
        QCOMPARE(db.openFailure(), DbConnection::OpenFailure::Unreadable);
        sqlite3_exec(holder, "ROLLBACK", nullptr, nullptr, nullptr);
        sqlite3_close(holder);

        QVERIFY2(db.open(students, {}, DatabaseKinds::password(DatabaseKind::Student)), qPrintable(db.lastError()));
        db.close();
        db.close();
        QVERIFY(!db.isOpen());
        QVERIFY(!db.query(u"select 1"_s));
    }

    void templatesHoldTheirSeedRows()
    {
        StoreFixture f;
        QVERIFY(f.open());
        QCOMPARE(count(f.students, u"记号表"_s), 1);
        QCOMPARE(count(f.teachers, u"记号表"_s), 1);
        QCOMPARE(count(f.admins, u"用户表"_s), 0);
        for (const char16_t* table : {u"学籍表", u"毕业表", u"转退表", u"班级表", u"毕业时间表"})
            QCOMPARE(count(f.students, QString::fromUtf16(table)), 0);
        auto counter = f.students.query(u"select 学号 from 记号表 where ID=1"_s);
        QVERIFY(counter && !counter->pastLast());
        QCOMPARE(counter->number(u"学号"), 0);
        QVERIFY(!counter->isNull(u"学号"));
    }

    void schemaMatchesTheTableLists()
    {
        StoreFixture f;
        QVERIFY(f.open());
        for (DatabaseKind kind : {DatabaseKind::Student, DatabaseKind::Teacher, DatabaseKind::Admin}) {
            for (const Schema::Table& table : Schema::tables(kind)) {
                auto rows = f.db(kind).query(u"select * from "_s + table.name);
                QVERIFY(rows);
                QCOMPARE(rows->columnCount(), table.columns.size());
                for (int i = 0; i < table.columns.size(); ++i)
                    QCOMPARE(rows->columnName(i + 1), table.columns[i].name);
            }
        }
        QCOMPARE(Schema::table(DatabaseKind::Student, u"学籍表")->columns.size(), 45);
        QCOMPARE(Schema::table(DatabaseKind::Student, u"班级表")->columns.size(), 53);
        QCOMPARE(Schema::table(DatabaseKind::Teacher, u"调离表")->columns.size(), 22);
        QCOMPARE(DatabaseTemplate::bytes(DatabaseKind::Admin).left(16), QByteArray("SQLite format 3\0", 16));
    }

    void oldEngineTypingIsEnforced()
    {
        StoreFixture f;
        QVERIFY(f.open());
        auto& db = f.students;
        QVERIFY(db.execute(pupilInsert(), pupilValues(1, u"张三"_s, u"1年级1班"_s)));
        auto set = [&db](const QString& column, const QVariant& value) {
            return db.execute(u"update 学籍表 set "_s + column + u"=? where 学号=1"_s, {value});
        };
        QVERIFY(set(u"姓名"_s, QString(20, u'名')));
        QVERIFY(!set(u"姓名"_s, QString(21, u'名')));
        QVERIFY(set(u"期中1"_s, 32767));
        QVERIFY(set(u"期中1"_s, -32768));
        QVERIFY(!set(u"期中1"_s, 32768));
        QVERIFY(!set(u"期末1"_s, u"abc"_s));
        QVERIFY(!set(u"期末1"_s, 85.5));
        QVERIFY(set(u"期末1"_s, u"85"_s)); // a numeric text becomes the number, as the old engine took it
        QVERIFY(set(u"期末1"_s, QVariant()));
        QVERIFY(!db.execute(u"update 学籍表 set 学号=? where 学号=1"_s, {qint64(1) << 31}));
        // Admin passwords are ten characters at most; the statement fails rather than cutting them.
        QVERIFY(!f.admins.execute(u"insert into 用户表 values (?,?,?)"_s, {u"甲"_s, QString(11, u'1'), u"1111"_s}));
        QCOMPARE(count(f.admins, u"用户表"_s), 0);

        auto rows = db.query(u"select 期末1,期中1 from 学籍表 where 学号=1"_s);
        QVERIFY(rows);
        QVERIFY(rows->isNull(u"期末1"));
        QCOMPARE(rows->number(u"期中1"), -32768);
        QVERIFY(!rows->isNull(u"期中1"));
    }

    void movedPupilKeepsEveryValue()
    {
        StoreFixture f;
        QVERIFY(f.open());
        auto& db = f.students;
        const QVariantList original = pupilValues(42, u"𠮷祥"_s, u"6年级1班"_s);
        QVERIFY(db.execute(pupilInsert(), original));
        {
            Transaction move(db);
            QVERIFY(db.execute(u"insert into 转退表 select * from 学籍表 where 学号=42"_s));
            QVERIFY(db.execute(u"delete * from 学籍表 where 学号=42"_s));
            QVERIFY(move.commit());
        }
        QCOMPARE(count(db, u"学籍表"_s), 0);
        auto rows = db.query(u"select * from 转退表 where 学号=42"_s);
        QVERIFY(rows && !rows->pastLast());
        QCOMPARE(rows->columnCount(), 45);
        for (int i = 0; i < 45; ++i) {
            const QVariant& want = original[i];
            const QVariant got = rows->value(i + 1);
            if (!want.isValid())
                QVERIFY2(!got.isValid(), qPrintable(rows->columnName(i + 1)));
            else if (want.metaType().id() == QMetaType::QByteArray)
                QCOMPARE(got.toByteArray(), want.toByteArray());
            else
                QCOMPARE(got.toString(), want.toString());
        }
        rows->next();
        QVERIFY(rows->pastLast());
    }

    void failedMoveLeavesNothingHalfDone()
    {
        StoreFixture f;
        QVERIFY(f.open());
        auto& db = f.students;
        QVERIFY(db.execute(pupilInsert(), pupilValues(5, u"甲"_s, u"1年级1班"_s)));
        QVERIFY(db.execute(pupilInsert(), pupilValues(6, u"乙"_s, u"1年级1班"_s)));
        QVERIFY(db.execute(pupilInsert(u"转退表"_s), pupilValues(5, u"甲"_s, u"1年级1班"_s)));
        {
            Transaction move(db);
            QVERIFY(db.execute(u"delete * from 学籍表 where 学号=6"_s));
            // The leavers already hold number 5: the copy fails and everything since the start is undone.
            QVERIFY(!db.execute(u"insert into 转退表 select * from 学籍表 where 所在班级=?"_s, {u"1年级1班"_s}));
        }
        QVERIFY(!db.inTransaction());
        QCOMPARE(count(db, u"学籍表"_s), 2);
        QCOMPARE(count(db, u"转退表"_s), 1);
    }

    // Statements run again are kept compiled: none may hold a lock, keep old values or outlive a
    // change of its table.
    void keptStatementsLeaveNoTrace()
    {
        StoreFixture f;
        QVERIFY(f.open());
        auto& db = f.students;
        DbConnection other;
        QVERIFY(
            other.open(f.dir.databasePath(DatabaseKind::Student), {}, DatabaseKinds::password(DatabaseKind::Student)));
        const auto otherCanWrite = [&other] {
            return other.beginTransaction() && other.execute(u"delete from 学籍表 where 学号=99"_s) && other.commit();
        };
        QVERIFY(db.execute(pupilInsert(), pupilValues(1, u"甲"_s, u"1年级1班"_s)));
        QVERIFY(otherCanWrite());
        QVERIFY(!db.execute(pupilInsert(), pupilValues(1, u"甲"_s, u"1年级1班"_s))); // the number is taken
        QVERIFY(otherCanWrite());
        QVERIFY(!db.execute(pupilInsert(), {1})); // too few values: refused, nothing left bound
        QVERIFY(db.execute(pupilInsert(), pupilValues(2, u"乙"_s, u"1年级1班"_s)));
        QCOMPARE(count(db, u"学籍表"_s), 2);

        QVERIFY(db.execute(u"create table 草稿 (a)"_s));
        QVERIFY(db.execute(u"insert into 草稿 values (?)"_s, {1}));
        QVERIFY(db.execute(u"drop table 草稿"_s));
        QVERIFY(db.execute(u"create table 草稿 (a, b)"_s));
        QVERIFY(!db.execute(u"insert into 草稿 values (?)"_s, {1})); // compiled for the old table
        QVERIFY(db.execute(u"insert into 草稿 values (?,?)"_s, {1, 2}));

        db.close();
        QVERIFY(db.open(f.dir.databasePath(DatabaseKind::Student), {}, DatabaseKinds::password(DatabaseKind::Student)));
        QVERIFY(db.execute(pupilInsert(), pupilValues(3, u"丙"_s, u"1年级1班"_s)));
        QCOMPARE(count(db, u"学籍表"_s), 3);
    }

    // Queries keep their statements too: a result still being read owns its statement, one kept
    // from before a change of the table reads the table as it is now, and a result that outlives
    // its file never hands its statement to the next file.
    void keptQueriesStayWithTheirRows()
    {
        StoreFixture f;
        QVERIFY(f.open());
        auto& db = f.students;
        const QString path = f.dir.databasePath(DatabaseKind::Student);
        const QString copy = QFileInfo(path).absolutePath() + u"/copy.xsk"_s;
        QVERIFY(QFile::copy(path, copy));
        for (int n = 1; n <= 3; ++n)
            QVERIFY(db.execute(pupilInsert(), pupilValues(n, u"甲"_s, u"1年级1班"_s)));
        const QString numbers = u"select 学号 from 学籍表 order by 学号"_s;
        const auto read = [&db](const QString& sql) {
            QList<qint64> all;
            auto rows = db.query(sql);
            if (!rows)
                return QList<qint64>({-1});
            for (rows->first(); !rows->pastLast(); rows->next())
                all.append(rows->number(1));
            return all;
        };

        QList<qint64> outer;
        auto rows = db.query(numbers);
        QVERIFY(rows);
        for (rows->first(); !rows->pastLast() && outer.size() < 9; rows->next()) {
            outer.append(rows->number(1));
            QCOMPARE(read(numbers), QList<qint64>({1, 2, 3}));
        }
        QCOMPARE(outer, QList<qint64>({1, 2, 3}));
        rows.reset();
        QCOMPARE(read(numbers), QList<qint64>({1, 2, 3}));

        QVERIFY(db.execute(u"create table 草稿 (a)"_s));
        QVERIFY(db.execute(u"insert into 草稿 values (1)"_s));
        const QString all = u"select * from 草稿"_s;
        QCOMPARE(db.query(all)->columnCount(), 1);
        DbConnection other;
        QVERIFY(other.open(path, {}, DatabaseKinds::password(DatabaseKind::Student)));
        QVERIFY(other.execute(u"alter table 草稿 add column b default 7"_s));
        rows = db.query(all);
        QVERIFY(rows);
        QCOMPARE(rows->columnCount(), 2);
        QCOMPARE(rows->number(u"b"), 7);
        rows.reset();
        QVERIFY(db.execute(u"alter table 草稿 rename column b to c"_s));
        QCOMPARE(db.query(all)->columnName(2), u"c"_s);

        rows = db.query(numbers);
        db.close();
        QCOMPARE(rows->number(1), 1); // the file stays readable for rows still open
        QVERIFY(db.open(copy, {}, DatabaseKinds::password(DatabaseKind::Student)));
        rows.reset();
        QCOMPARE(read(numbers), QList<qint64>());
    }

    void namesSortByPinyin()
    {
        StoreFixture f;
        QVERIFY(f.open());
        auto& db = f.students;
        int n = 0;
        for (const char16_t* name : {u"张三", u"王五", u"阿明", u"李四"})
            QVERIFY(db.execute(pupilInsert(), pupilValues(++n, QString::fromUtf16(name), u"1年级1班"_s)));
        QStringList names;
        auto rows = db.query(u"select 姓名 from 学籍表 where 所在班级=?order by 姓名"_s, {u"1年级1班"_s});
        QVERIFY(rows);
        for (rows->first(); !rows->pastLast(); rows->next())
            names << rows->text(1);
        QCOMPARE(names, (QStringList {u"阿明"_s, u"李四"_s, u"王五"_s, u"张三"_s}));
        // Equality stays exact: a key the collator finds equivalent is still another key.
        QVERIFY(db.execute(classInsert(), classValues(u"1年级1班"_s, u"甲"_s)));
        QVERIFY(db.execute(classInsert(), classValues(u"１年级1班"_s, u"乙"_s)));
        QVERIFY(!db.execute(classInsert(), classValues(u"1年级1班"_s, u"丙"_s)));
    }

    void hostileTextsAreStoredVerbatim()
    {
        StoreFixture f;
        QVERIFY(f.open());
        auto& db = f.students;
        const QString hostile = u"O'Brien\"; drop table 学籍表; --"_s;
        QVariantList values = pupilValues(7, hostile.left(20), u"3'班"_s);
        QVERIFY(db.execute(pupilInsert(), values));
        auto rows = db.query(u"select 姓名,家长A单位 from 学籍表 where 所在班级=?"_s, {u"3'班"_s});
        QVERIFY(rows && !rows->pastLast());
        QCOMPARE(rows->text(u"姓名"), hostile.left(20));
        QCOMPARE(rows->text(u"家长A单位"), u"张记'老字号'"_s);
        // A second statement smuggled in behind a semicolon is refused, not run.
        QVERIFY(!db.execute(u"update 学籍表 set 姓名='x' where 学号=7; delete from 学籍表"_s));
        QCOMPARE(count(db, u"学籍表"_s), 1);
        QVERIFY(!db.execute(u"select ?"_s, {1, 2}));
    }

    // Texts are stored as the bytes QString::toUtf8() gives, whether run once or bound to a query
    // whose rows are read later, and the same kept statement carries nothing from one row into the next.
    void textsAreStoredAsTheirUtf8_data()
    {
        QTest::addColumn<QString>("text");
        QTest::newRow("ascii") << u"Zhang San 12"_s;
        QTest::newRow("han") << u"王小明 幸福路3号"_s;
        QTest::newRow("latin") << u"Lü Ωmega"_s;
        QTest::newRow("pair") << u"𠀀𩸽x"_s;
        QTest::newRow("lone high at end") << (u"a"_s + QChar(0xd800));
        QTest::newRow("lone low") << (QChar(0xdc00) + u"b"_s);
        QTest::newRow("high then letter") << (QChar(0xd83d) + u"c"_s);
        QTest::newRow("empty") << u""_s;
        QTest::newRow("null") << QString();
    }

    void textsAreStoredAsTheirUtf8()
    {
        QFETCH(QString, text);
        StoreFixture f;
        QVERIFY(f.open());
        auto& db = f.students;
        QVERIFY(db.execute(u"create table 草稿 (n, a, b)"_s));
        const QString longer = u"长长的一段文字，比后面那行长得多"_s.repeated(4);
        QVERIFY(db.execute(u"insert into 草稿 values (?,?,?)"_s, {1, longer, QByteArray("\xb0\xa1")}));
        QVERIFY(db.execute(u"insert into 草稿 values (?,?,?)"_s, {2, text, QByteArray("")}));
        auto rows = db.query(u"select typeof(a) as t, cast(a as blob) as a, b, typeof(b) as tb from 草稿 order by n"_s);
        QVERIFY(rows && !rows->pastLast());
        QCOMPARE(rows->bytes(u"a"), longer.toUtf8());
        QCOMPARE(rows->bytes(u"b"), QByteArray("\xb0\xa1"));
        rows->next();
        QCOMPARE(rows->text(u"t"), u"text"_s);
        QCOMPARE(rows->bytes(u"a"), text.toUtf8());
        QCOMPARE(rows->text(u"tb"), u"blob"_s);
        rows.reset();
        auto found = db.query(u"select n from 草稿 where a=?"_s, {text});
        QVERIFY(found && !found->pastLast());
        QCOMPARE(found->number(u"n"), 2);
    }

    void readingAbsentValues()
    {
        StoreFixture f;
        QVERIFY(f.open());
        auto& db = f.students;
        QVERIFY(db.execute(u"insert into 评语表 (库别,类别,内容,范例) values (?,?,?,?)"_s,
            {u"测试库"_s, u"分类1"_s, u"条目"_s, QVariant()}));
        QVERIFY(db.execute(u"insert into 评语表 (库别,类别,内容,范例) values (?,?,?,?)"_s,
            {u"测试库"_s, u"优等生评语范例"_s, u""_s, QByteArray("\xC4\xE3\xBA\xC3")}));
        // The new row's own key, not a guess from its texts.
        const qint64 model = db.lastInsertId();
        QVERIFY(model > 0);
        QVERIFY(!db.execute(u"insert into 评语表 (编号,库别) values (?,?)"_s, {model, u"测试库"_s}));
        QCOMPARE(db.lastInsertId(), model);
        auto rows = db.query(u"select * from 评语表 where 库别=? order by 编号 desc"_s, {u"测试库"_s});
        QVERIFY(rows && !rows->pastLast());
        QCOMPARE(rows->number(u"编号"), model);
        QCOMPARE(rows->text(u"内容"), QString());
        QCOMPARE(rows->text(u"范例"), u"你好"_s);
        QCOMPARE(rows->bytes(u"范例"), QByteArray("\xC4\xE3\xBA\xC3"));
        rows->next();
        QCOMPARE(rows->bytes(u"范例"), QByteArray());
        QCOMPARE(rows->text(u"内容"), u"条目"_s);
        QCOMPARE(rows->bytes(u"内容"), QByteArray("\xCC\xF5\xC4\xBF"));
        QCOMPARE(rows->text(u"没有这一列"), QString());
        QCOMPARE(rows->number(u"没有这一列"), 0);
        QCOMPARE(rows->text(99), QString());
        // Twice: the second lookup starts from the guess the first one left behind.
        QCOMPARE(rows->text(u"库别"), u"测试库"_s);
        QCOMPARE(rows->text(u"库别"), u"测试库"_s);
        QCOMPARE(rows->number(u"编号"), rows->number(1));
        rows->next();
        QVERIFY(rows->pastLast());
        QCOMPARE(rows->text(u"内容"), QString());
        rows->first();
        QVERIFY(!rows->pastLast());
        QCOMPARE(rows->text(u"范例"), u"你好"_s);
        QVERIFY(!db.query(u"select * from 没有的表"_s));
        QVERIFY(!db.lastError().isEmpty());
    }

    void connectionText()
    {
        TempProgramDir dir;
        DbConnection db;
        const QString path = dir.databasePath(DatabaseKind::Student);
        QVERIFY(db.open(path, {}, DatabaseKinds::password(DatabaseKind::Student)));
        QCOMPARE(db.connectionText(),
            u"ODBC;DBQ="_s + path + u";DefaultDir="_s + dir.path() + u"/data"_s
                + u";Driver={Microsoft Access Driver (*.mdb)};FIL=MS Access;PWD=5318640-mvp;"_s);
    }
};

XIAOWU_TEST(TestDbConnection)
#include "TestDbConnection.moc"

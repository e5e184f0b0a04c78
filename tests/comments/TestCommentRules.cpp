#include "ScriptedRandom.h"

#include "comments/CommentComposer.h"
#include "comments/CommentKinds.h"
#include "comments/CommentLibrary.h"
#include "comments/CommentStore.h"
#include "students/StudentsFixture.h"
#include "support/DataRows.h"
#include "support/TestRegistry.h"

#include <QTest>

using namespace Qt::StringLiterals;

class TestCommentRules : public QObject
{
    Q_OBJECT

    static QByteArray storedBytes(DbConnection& db, const QString& sql, const QVariantList& values)
    {
        auto rows = db.query(sql, values);
        return rows && !rows->pastLast() ? rows->bytes(1) : QByteArray("<none>");
    }

private Q_SLOTS:
    void composing()
    {
        QCOMPARE(CommentComposer::append({}, u"甲。"_s), u"    甲。"_s);
        QCOMPARE(CommentComposer::append(u"    甲。"_s, u"乙。"_s), u"    甲。乙。"_s);
        QList<int> walk;
        for (int c = 1; c <= 7; ++c)
            walk << CommentComposer::nextCategory(c);
        QCOMPARE(walk, (QList<int> {2, 3, 4, 5, 6, 7, 1}));
        const QDate day(2009, 7, 3);
        QCOMPARE(CommentComposer::addToOverall({}, u"    好。"_s, day), u"2009年7月3日录入的评语：\n\n    好。"_s);
        QCOMPARE(CommentComposer::addToOverall(u"旧的。"_s, u"    好。"_s, day),
            u"旧的。\n\n2009年7月3日录入的评语：\n\n    好。"_s);
    }

    void drawingSkipsEmptyCategories()
    {
        QList<QStringList> categories;
        for (int c = 1; c <= 7; ++c)
            categories << (c == 3 ? QStringList() : QStringList {u"%1a"_s.arg(c), u"%1b"_s.arg(c), u"%1c"_s.arg(c)});
        // k = 1 + r mod count: 0 picks the first, 4 the second, 5 the third.
        ScriptedRandom random({0, 4, 5, 2, 3, 7});
        const QStringList picked = CommentComposer::draw(categories, random);
        QCOMPARE(picked, (QStringList {u"1a"_s, u"2b"_s, u"4c"_s, u"5c"_s, u"6a"_s, u"7b"_s}));
        QCOMPARE(random.reseeds, 1);
    }

    void entryLimits_data()
    {
        addColumns<QString, bool>({"text", "fits"});
        QTest::newRow("empty") << QString() << false;
        QTest::newRow("100 ASCII") << QString(100, u'a') << true;
        QTest::newRow("101 ASCII") << QString(101, u'a') << false;
        QTest::newRow("50 Chinese") << QString(50, u'好') << true;
        QTest::newRow("51 Chinese") << QString(51, u'好') << false;
        QTest::newRow("98 ASCII + 1 Chinese") << QString(98, u'a') + u'好' << true;
        QTest::newRow("99 ASCII + 1 Chinese") << QString(99, u'a') + u'好' << false;
    }

    void entryLimits()
    {
        QFETCH(QString, text);
        QFETCH(bool, fits);
        QCOMPARE(CommentLibrary::entryTextFits(text), fits);
        StudentsFixture f;
        CommentLibrary library(f.db);
        const auto number = library.addEntry(u"小学评语库"_s, u"分类1"_s);
        QVERIFY(number);
        QCOMPARE(library.setEntryText(*number, text), fits);
        auto rows = f.db.query(u"select 内容 from 评语表 where 编号=?"_s, {*number});
        QCOMPARE(rows->text(1), fits ? text : CommentKinds::entryPlaceholder());
    }

    void libraryEditsTouchTheirOwnRow()
    {
        StudentsFixture f;
        CommentLibrary library(f.db);
        const auto first = library.addEntry(u"小学评语库"_s, u"分类3"_s);
        const auto second = library.addEntry(u"小学评语库"_s, u"分类3"_s);
        QVERIFY(first && second && *first != *second);
        const QString quoted = u"他说'好'; drop table 评语表"_s;
        QVERIFY(library.setEntryText(*second, quoted));
        const auto entries = library.entries(u"小学评语库"_s, u"分类3"_s);
        QVERIFY(entries);
        QCOMPARE(entries->at(entries->size() - 2).编号, *first);
        QCOMPARE(entries->at(entries->size() - 2).text, CommentKinds::entryPlaceholder());
        QCOMPARE(entries->last().text, quoted);
        // A row gone meanwhile changes nothing, and that is a failure.
        QVERIFY(library.removeEntry(*first));
        QVERIFY(!library.removeEntry(*first));
        QVERIFY(!library.setEntryText(*first, u"x"_s));

        const auto model = library.addModel(u"中学评语库"_s, u"后进生评语范例"_s, u" 　 第一行\n第二行　 "_s);
        QVERIFY(model);
        QCOMPARE(storedBytes(f.db, u"select 范例 from 评语表 where 编号=?"_s, {*model}),
            GbText::toBytes(u"第一行\r\n第二行"_s));
        QCOMPARE(*library.model(*model), u"第一行\n第二行"_s);
        QCOMPARE(library.models(u"中学评语库"_s, u"后进生评语范例"_s)->last().编号, *model);
        QVERIFY(!library.removeModel(*model, u"小学评语库"_s)); // another library's key
        QVERIFY(library.setModelText(*model, {}));
        QCOMPARE(storedBytes(f.db, u"select 范例 from 评语表 where 编号=?"_s, {*model}), QByteArray(""));
        QVERIFY(library.removeModel(*model, u"中学评语库"_s));
        QVERIFY(!library.setModelText(*model, u"x"_s));
        QVERIFY(!library.model(*model));
        // The list shows 70 bytes of a model, whole characters only.
        QCOMPARE(CommentLibrary::modelItemText(QString(69, u'a') + u"好的"_s), QString(69, u'a'));
    }

    // A number once given is never given again, even after its row (the highest) is deleted and
    // the program restarted; a file from before the mark row starts above its rows.
    void numbersAreNeverReused()
    {
        StudentsFixture f;
        const auto highest = [&f] {
            auto rows = f.db.query(u"select max(编号) from 评语表"_s);
            return rows->number(1);
        };
        const qint64 seeded = highest();
        CommentLibrary library(f.db);
        const auto entry = library.addEntry(u"小学评语库"_s, u"分类1"_s);
        QCOMPARE(entry, seeded + 1);
        QVERIFY(library.removeEntry(*entry));
        const auto model = CommentLibrary(f.db).addModel(u"中学评语库"_s, u"优等生评语范例"_s, u"好"_s);
        QCOMPARE(model, seeded + 2);
        QVERIFY(library.removeModel(*model, u"中学评语库"_s));
        QCOMPARE(library.addEntry(u"小学评语库"_s, u"分类2"_s), seeded + 3);
        // The mark row gone (an older file): the rows alone give the next number.
        QVERIFY(f.db.execute(u"delete from 记号表 where ID=2"_s));
        QCOMPARE(library.addEntry(u"小学评语库"_s, u"分类2"_s), seeded + 4);
        auto counter = f.db.query(u"select 学号 from 记号表 where ID=1"_s);
        QCOMPARE(counter->number(1), 0); // the pupils' counter is left alone
    }

    void pupilCommentsAreStoredAsTyped()
    {
        StudentsFixture f;
        QVERIFY(f.addClass(u"1年级1班"_s, u"周老师"_s));
        QVERIFY(f.addPupil(StudentsFixture::pupil(1, u"张伟"_s, u"1年级1班"_s)));
        QVERIFY(f.addPupil(StudentsFixture::pupil(2, u"张伟"_s, u"1年级1班"_s)));
        QVERIFY(f.addPupil(StudentsFixture::pupil(3, u"阿明"_s, u"1年级1班"_s)));
        CommentStore store(f.db);
        const auto pupils = store.pupils(u"1年级1班"_s);
        QVERIFY(pupils);
        QCOMPARE(pupils->size(), 3);
        QCOMPARE(pupils->first().姓名, u"阿明"_s);
        QCOMPARE(store.comments(1)->term, u"你是一个懂事的孩子。\n继续努力！"_s);

        const CommentStore::Comments typed {u"    他说'好'。\n𠀾字也在。"_s, QString()};
        QVERIFY(store.save(2, typed));
        const QString select = u"select 本学期评语 from 学籍表 where 学号=?"_s;
        QCOMPARE(storedBytes(f.db, select, {2}), GbText::toBytes(u"    他说'好'。\r\n𠀾字也在。"_s));
        QCOMPARE(storedBytes(f.db, u"select 综合评语 from 学籍表 where 学号=?"_s, {2}), QByteArray(""));
        QCOMPARE(storedBytes(f.db, select, {1}), GbText::toBytes(u"你是一个懂事的孩子。\r\n继续努力！"_s));
        QCOMPARE(store.comments(2)->term, typed.term);

        QVERIFY(f.db.execute(u"delete from 学籍表 where 学号=3"_s));
        QVERIFY(!store.save(3, typed));
        QVERIFY(!store.lastError().isEmpty());
        QVERIFY(!store.comments(3));
    }
};

XIAOWU_TEST(TestCommentRules)
#include "TestCommentRules.moc"

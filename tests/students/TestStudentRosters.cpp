#include "StudentsFixture.h"

#include "students/StudentRosters.h"
#include "support/DataRows.h"
#include "support/TestRegistry.h"

#include <QTest>

using namespace Qt::StringLiterals;

using Search = StudentRosters::Search;

class TestStudentRosters : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void searchesMatchTheTypedTextLiterallyAtTheStart_data()
    {
        addColumns<int, QString, QString, QStringList>({"search", "field", "value", "found"});
        const int school = int(Search::School);
        QTest::newRow("prefix only") << school << u"姓名"_s << u"王"_s << QStringList {u"王五"_s, u"王小明"_s};
        QTest::newRow("quote") << school << u"姓名"_s << u"O'"_s << QStringList {u"O'Neil"_s};
        QTest::newRow("injection") << school << u"姓名"_s << u"'or'1'='1"_s << QStringList {};
        QTest::newRow("percent") << school << u"姓名"_s << u"%"_s << QStringList {u"%百分"_s};
        QTest::newRow("underscore") << school << u"姓名"_s << u"_"_s << QStringList {u"_下划"_s};
        QTest::newRow("number") << school << u"学号"_s << u"10"_s << QStringList {u"王小明"_s};
        QTest::newRow("in class") << int(Search::InClass) << u"姓名"_s << u"王"_s << QStringList {u"王五"_s};
        QTest::newRow("leavers") << int(Search::Leavers) << u"民族"_s << u"回"_s << QStringList {u"马离"_s};
        QTest::newRow("graduation") << int(Search::Graduation) << u"姓名"_s << u"赵"_s << QStringList {u"赵毕"_s};
        QTest::newRow("all graduates") << int(Search::AllGraduates) << u"姓名"_s << u"赵"_s
                                       << QStringList {u"赵毕"_s, u"赵早"_s};
        QTest::newRow("no such field") << school << u"1=1 or 姓名"_s << u"王"_s << QStringList {};
    }

    void searchesMatchTheTypedTextLiterallyAtTheStart()
    {
        QFETCH(int, search);
        QFETCH(QString, field);
        QFETCH(QString, value);
        StudentsFixture f;
        const QString c1 = u"1年级1班"_s;
        const QString c2 = u"2年级1班"_s;
        int number = 0;
        for (const QString& name : {u"王五"_s, u"小王"_s, u"O'Neil"_s, u"%百分"_s, u"_下划"_s, u"百%"_s})
            QVERIFY(f.addPupil(f.pupil(++number, name, c1)));
        QVERIFY(f.addPupil(f.pupil(10, u"王小明"_s, c2)));
        StudentRecord leaver = f.pupil(20, u"马离"_s, c1);
        leaver.民族 = u"回族"_s;
        QVERIFY(f.addPupil(leaver, u"转退表"_s));
        StudentRecord graduate = f.pupil(30, u"赵毕"_s, c1);
        graduate.离校时间 = u"2005年7月1日"_s;
        QVERIFY(f.addPupil(graduate, u"毕业表"_s));
        graduate = f.pupil(31, u"赵早"_s, c1);
        graduate.离校时间 = u"2004年7月1日"_s;
        QVERIFY(f.addPupil(graduate, u"毕业表"_s));

        const QString selector = Search(search) == Search::Graduation ? u"2005年7月1日"_s : c1;
        const auto rows = StudentRosters(f.db).search(Search(search), field, value, selector);
        QStringList names;
        for (const QStringList& row : rows.value_or(StudentRosters::Rows {}))
            names << row[1];
        names.sort();
        QFETCH(QStringList, found);
        found.sort();
        QCOMPARE(names, found);
    }

    void titlesAndCountsTakeTheYearOfTheDate()
    {
        QCOMPARE(StudentRosters::searchTitle(Search::Graduation, u"实验小学"_s, u"2005年7月1日"_s),
            u"实验小学2005年毕业的部分学生花名册"_s);
        QCOMPARE(StudentRosters::searchResult(Search::Graduation, u"05年7月1日"_s, 3, 1, 2),
            u"\r\n\r\n  搜索结果：在05年毕业生中搜索到3个符合条件的学生资料 其中男生1人 女生2人  "_s);
        QCOMPARE(StudentRosters::enrolledCounts(30, 16, 14), u"本班共有30人 其中男生16人 女生14人"_s);
    }
};

XIAOWU_TEST(TestStudentRosters)
#include "TestStudentRosters.moc"

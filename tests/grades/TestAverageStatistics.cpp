// The class averages of one exam, checked against marks put into a fresh students database.
#include "students/StudentsFixture.h"

#include "grades/AverageStatistics.h"
#include "records/ReportSort.h"
#include "support/DataRows.h"
#include "support/TestRegistry.h"

#include <QRandomGenerator>
#include <QTest>

#include <cmath>

using namespace Qt::StringLiterals;

using Marks = QList<std::optional<int>>;
Q_DECLARE_METATYPE(Marks)

namespace {

const QString Class1 = u"1年级1班"_s;

// Pupils of one class with these marks in slot 2 of the mid-term, numbered from `first`.
void addSlot2(StudentsFixture& d, const QString& klass, const Marks& marks, int first = 1)
{
    for (int i = 0; i < marks.size(); ++i) {
        StudentRecord r = StudentsFixture::pupil(first + i, u"学生"_s + QString::number(first + i), klass);
        r.期中[1] = marks[i];
        QVERIFY(d.addPupil(r));
    }
}

} // namespace

class TestAverageStatistics : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void slotAverage_data()
    {
        QTest::addColumn<Marks>("marks");
        QTest::addColumn<QString>("shown"); // column 4, slot 2

        QTest::newRow("0 and no mark left out, 85.5 rounds up") << Marks {80, 91, 0, std::nullopt} << u"86"_s;
        QTest::newRow("below half") << Marks {1, 1, 2} << u"1"_s;
        QTest::newRow("exactly half") << Marks {1, 2} << u"2"_s;
        QTest::newRow("negative left out") << Marks {-40, 90} << u"90"_s;
        QTest::newRow("only 0") << Marks {0, 0} << QString();
        QTest::newRow("no marks") << Marks {std::nullopt} << QString();
        QTest::newRow("top marks") << Marks {32767, 32766} << u"32767"_s;
    }

    void slotAverage()
    {
        QFETCH(Marks, marks);
        QFETCH(QString, shown);
        StudentsFixture d;
        QVERIFY(d.addClass(Class1, u"周老师"_s));
        addSlot2(d, Class1, marks);
        const auto rows = AverageStatistics(d.db).compute(ScoreSheetRules::Exam::MidTerm, {Class1});
        QVERIFY(rows);
        QCOMPARE(rows->size(), 1);
        const QStringList texts = rows->first().texts();
        QCOMPARE(texts.size(), 12);
        QCOMPARE(texts[3], shown);
        QCOMPARE(texts[1], shown.isEmpty() ? u"0"_s : shown);
    }

    void classesInSelectorOrderWithTheirOwnExam()
    {
        StudentsFixture d;
        const QString empty = u"1年级2班"_s;
        const QString unlisted = u"已撤销班"_s;
        for (const QString& c : {Class1, empty})
            QVERIFY(d.addClass(c, u"周老师"_s));
        StudentRecord a = StudentsFixture::pupil(1, u"张三"_s, Class1);
        a.期中 = {50, 60};
        a.期末[0] = 70;
        a.期末[9] = 99;
        QVERIFY(d.addPupil(a));
        StudentRecord b = StudentsFixture::pupil(2, u"李四"_s, Class1);
        b.期末[0] = 75;
        QVERIFY(d.addPupil(b));
        // Marks of a class no longer set up belong to no row; a graduate's marks are not counted.
        QVERIFY(d.addPupil(StudentsFixture::pupil(3, u"王五"_s, unlisted)));
        StudentRecord g = StudentsFixture::pupil(4, u"赵六"_s, Class1);
        g.期末[0] = 1;
        QVERIFY(d.addPupil(g, u"毕业表"_s));

        AverageStatistics statistics(d.db);
        const auto mid = statistics.compute(ScoreSheetRules::Exam::MidTerm, {empty, Class1});
        QVERIFY(mid);
        QCOMPARE(mid->at(0).texts(), (QStringList {empty, u"0"_s} + QStringList(10)));
        QCOMPARE(mid->at(1).texts(), (QStringList {Class1, u"110"_s, u"50"_s, u"60"_s} + QStringList(8)));
        const auto fin = statistics.compute(ScoreSheetRules::Exam::Final, {Class1});
        QVERIFY(fin);
        QCOMPARE(
            fin->at(0).texts(), (QStringList {Class1, u"172"_s, u"73"_s} + QStringList(8) + QStringList {u"99"_s}));

        QCOMPARE(AverageStatistics::title(u"希望小学"_s, ScoreSheetRules::Exam::MidTerm),
            u"希望小学期中考试各班级各科平均成绩表"_s);
        QCOMPARE(AverageStatistics::title(u"希望小学"_s, ScoreSheetRules::Exam::Final),
            u"希望小学期末考试各班级各科平均成绩表"_s);
    }

    // What the one grouped query must equal: a statement per class and slot, its average
    // read as a number and rounded half up.
    void groupedEqualsOneStatementPerSlot()
    {
        StudentsFixture d;
        QRandomGenerator random(20261209);
        QStringList classes;
        for (int c = 1; c <= 12; ++c) {
            classes << u"%1年级%2班"_s.arg(c / 4 + 1).arg(c);
            QVERIFY(d.addClass(classes.last(), u"老师"_s));
        }
        QVERIFY(d.db.beginTransaction());
        for (int n = 1; n <= 400; ++n) {
            // The last class keeps no pupils.
            StudentRecord r = StudentsFixture::pupil(n, u"学生"_s, classes[random.bounded(11)]);
            for (auto* marks : {&r.期中, &r.期末}) {
                for (auto& m : *marks) {
                    const int roll = random.bounded(10);
                    m = roll == 0 ? std::nullopt
                                  : std::optional<int>(roll == 1 ? -random.bounded(5) : random.bounded(101));
                }
            }
            QVERIFY(d.addPupil(r));
        }
        QVERIFY(d.db.commit());

        for (const auto exam : {ScoreSheetRules::Exam::MidTerm, ScoreSheetRules::Exam::Final}) {
            const QString e = ScoreSheetRules::columnStem(exam);
            const auto rows = AverageStatistics(d.db).compute(exam, classes);
            QVERIFY(rows);
            for (int c = 0; c < classes.size(); ++c) {
                QStringList expected {classes[c]};
                int total = 0;
                for (int k = 1; k <= 10; ++k) {
                    const QString m = e + QString::number(k);
                    auto avg = d.db.query(
                        u"SELECT Avg("_s + m + u") AS 平均成绩 FROM 学籍表 WHERE 所在班级=? and "_s + m + u">0"_s,
                        {classes[c]});
                    QVERIFY(avg);
                    const int value = int(std::floor(avg->value(u"平均成绩").toDouble() + 0.5));
                    expected << (value ? QString::number(value) : QString());
                    total += value;
                }
                expected.insert(1, QString::number(total));
                QCOMPARE(rows->at(c).texts(), expected);
            }
        }
    }

    void servedByTheMarksIndex()
    {
        SKIP_ON_SERVER("SQLite's query plan");
        StudentsFixture d;
        auto plan
            = d.db.query(u"explain query plan "_s + AverageStatistics::groupedQuery(ScoreSheetRules::Exam::Final));
        QVERIFY(plan);
        QString details;
        for (; !plan->pastLast(); plan->next())
            details += plan->text(u"detail") + u'\n';
        QVERIFY2(details.contains(u"COVERING INDEX 学籍表_成绩"_s), qPrintable(details));
        QVERIFY2(!details.contains(u"TEMP B-TREE"_s), qPrintable(details));
    }

    void roundsHalfAwayFromZero_data()
    {
        addColumns<qint64, qint64, int>({"sum", "count", "mean"});
        QTest::newRow("85.5") << qint64(171) << qint64(2) << 86;
        QTest::newRow("85.49..") << qint64(8549) << qint64(100) << 85;
        QTest::newRow("whole") << qint64(90) << qint64(1) << 90;
        QTest::newRow("-2.5") << qint64(-5) << qint64(2) << -3;
        QTest::newRow("-2.4") << qint64(-12) << qint64(5) << -2;
        QTest::newRow("large school") << qint64(32767) * 100000 - 50000 << qint64(100000) << 32767;
    }

    void roundsHalfAwayFromZero()
    {
        QFETCH(qint64, sum);
        QFETCH(qint64, count);
        QFETCH(int, mean);
        QCOMPARE(AverageStatistics::roundedMean(sum, count), mean);
    }

    // Averages sort as numbers, an empty cell as 0, equal keys in their loaded order.
    void averageColumnsSortAsNumbers()
    {
        const QStringList texts {u"99"_s, u"100"_s, QString(), u"5"_s, u"0"_s};
        QCOMPARE(ReportSort::order(texts, SortAs::BlankAsZero, Qt::AscendingOrder), (QList<int> {2, 4, 3, 0, 1}));
        QCOMPARE(ReportSort::order(texts, SortAs::BlankAsZero, Qt::DescendingOrder), (QList<int> {1, 0, 3, 4, 2}));
    }
};

XIAOWU_TEST(TestAverageStatistics)
#include "TestAverageStatistics.moc"

// The exam analysis of a random school, checked against figures counted here from the raw rows.
#include "students/StudentsFixture.h"

#include "analysis/ExamAnalysis.h"
#include "settings/AppSettings.h"
#include "support/DataRows.h"
#include "support/TestRegistry.h"

#include <QRandomGenerator>
#include <QTest>

#include <cmath>

using namespace Qt::StringLiterals;

using Ranks = QList<std::optional<int>>;
Q_DECLARE_METATYPE(Ranks)
Q_DECLARE_METATYPE(ExamAnalysis::Exam)

namespace {

const QStringList Subjects {
    u"语文"_s, u"数学"_s, u"英语"_s, u"科学"_s, u"品德"_s, u"音乐"_s, u"美术"_s, u"体育"_s, {}, {}};

struct RawPupil
{
    qint64 number;
    QString klass;
    std::array<QList<QVariant>, 2> marks; // as stored: NULL, 0, below 0 or a mark
};

// A grade of four classes and a class of the next grade, whose pupils must not count.
struct School
{
    StudentsFixture d;
    QList<ExamAnalysis::ClassInfo> grade;
    QList<RawPupil> rows;

    explicit School(quint32 seed)
    {
        QRandomGenerator random(seed);
        for (int c = 1; c <= 4; ++c)
            grade.append({u"初中1年级%1班"_s.arg(c), Subjects});
        for (const auto& info : grade)
            d.addClass(info.name, u"老师"_s, Subjects);
        d.addClass(u"初中2年级1班"_s, u"老师"_s, Subjects);
        d.db.beginTransaction();
        for (int n = 1; n <= 160; ++n) {
            // The last class of the grade stays empty now and then.
            const int c = int(random.bounded(n % 7 == 0 ? 5 : 3 + seed % 2));
            const QString klass = c < 4 ? grade[c].name : u"初中2年级1班"_s;
            StudentRecord r = StudentsFixture::pupil(n, u"学生"_s + QString::number(n), klass);
            RawPupil raw {n, klass, {}};
            for (int e = 0; e < 2; ++e) {
                auto& marks = e == 0 ? r.期中 : r.期末;
                for (auto& m : marks) {
                    const int roll = int(random.bounded(12));
                    // Few distinct marks, so equal totals and equal marks happen.
                    m = roll == 0   ? std::nullopt
                        : roll == 1 ? std::optional<int>(0)
                        : roll == 2 ? std::optional<int>(-3)
                                    : std::optional<int>(40 + 5 * int(random.bounded(23)));
                    raw.marks[size_t(e)].append(m ? QVariant(*m) : QVariant());
                }
            }
            d.addPupil(r);
            rows.append(raw);
        }
        d.db.commit();
    }
};

int fullOf(const AnalysisLines& lines, int key)
{
    if (key != ExamAnalysis::Total)
        return lines.fullMark(Subjects[key - 1]);
    int sum = 0;
    for (const QString& s : Subjects)
        sum += s.isEmpty() ? 0 : lines.fullMark(s);
    return sum;
}

// The value a pupil is counted with: a mark above 0, or the sum of those; nothing without one.
std::optional<int> valueOf(const RawPupil& p, int exam, int key)
{
    int sum = 0;
    int marks = 0;
    for (int slot = 1; slot <= 10; ++slot) {
        if (key != ExamAnalysis::Total && slot != key)
            continue;
        const int m = p.marks[size_t(exam)][slot - 1].toInt();
        if (m > 0) {
            sum += m;
            ++marks;
        }
    }
    return marks ? std::optional<int>(sum) : std::nullopt;
}

int rankAmong(int value, const QList<int>& values)
{
    return int(std::count_if(values.cbegin(), values.cend(), [value](int v) { return v > value; })) + 1;
}

QString rate(int part, int whole)
{
    return whole ? QString::number(std::floor(1000.0 * part / whole + 0.5) / 10, 'f', 1) + u'%' : QString();
}

} // namespace

class TestExamAnalysis : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void randomSchool_data()
    {
        addColumns<quint32, ExamAnalysis::Exam, int, int, int, QString>(
            {"seed", "exam", "key", "pass", "excellent", "fullMarks"});

        QTest::newRow("期中 语文") << 1u << ExamAnalysis::Exam::MidTerm << 1 << 60 << 85 << QString();
        QTest::newRow("期末 数学 of 150") << 2u << ExamAnalysis::Exam::Final << 2 << 60 << 85 << u"数学:150"_s;
        QTest::newRow("期末 英语 of 120, lines 70/90")
            << 3u << ExamAnalysis::Exam::Final << 3 << 70 << 90 << u"英语:120;数学:150"_s;
        QTest::newRow("期中 总分") << 4u << ExamAnalysis::Exam::MidTerm << 0 << 60 << 85 << u"数学:150"_s;
        QTest::newRow("期末 总分") << 5u << ExamAnalysis::Exam::Final << 0 << 50 << 80 << QString();
        QTest::newRow("unnamed slot 9") << 6u << ExamAnalysis::Exam::Final << 9 << 60 << 85 << QString();
    }

    void randomSchool()
    {
        QFETCH(quint32, seed);
        QFETCH(ExamAnalysis::Exam, exam);
        QFETCH(int, key);
        QFETCH(int, pass);
        QFETCH(int, excellent);
        QFETCH(QString, fullMarks);
        School school(seed);
        AnalysisLines lines;
        lines.pass = pass;
        lines.excellent = excellent;
        lines.fullMarks = AnalysisLines::parseFullMarks(fullMarks);
        ExamAnalysis analysis(school.d.db);
        analysis.setLines(lines);
        QVERIFY(analysis.load(school.grade));
        const int e = exam == ExamAnalysis::Exam::MidTerm ? 0 : 1;
        const int full = fullOf(lines, key);

        // Per class, then the grade: counted straight from the rows.
        const QList<ExamAnalysis::Summary> summaries = analysis.classSummaries(exam, key);
        QCOMPARE(summaries.size(), school.grade.size() + 1);
        for (int c = 0; c <= school.grade.size(); ++c) {
            QList<int> values;
            std::array<int, 5> bands {};
            for (const RawPupil& p : std::as_const(school.rows)) {
                const bool inGrade = p.klass.startsWith(u"初中1"_s);
                if (!inGrade || (c < school.grade.size() && p.klass != school.grade[c].name))
                    continue;
                if (const auto v = valueOf(p, e, key)) {
                    values << *v;
                    const double share = 100.0 * *v / full;
                    ++bands[share < 60 ? 0 : share < 70 ? 1 : share < 80 ? 2 : share < 90 ? 3 : 4];
                }
            }
            const int n = int(values.size());
            const auto countFrom = [&](int percent) {
                const int line = int(std::ceil(full * percent / 100.0 - 1e-9));
                return int(std::count_if(values.cbegin(), values.cend(), [line](int v) { return v >= line; }));
            };
            QStringList expected {c < school.grade.size() ? school.grade[c].name : u"全年级"_s, QString::number(n)};
            if (n) {
                const double mean = std::accumulate(values.cbegin(), values.cend(), 0.0) / n;
                expected << QString::number(int(std::floor(mean + 0.5)))
                         << QString::number(*std::max_element(values.cbegin(), values.cend()))
                         << QString::number(*std::min_element(values.cbegin(), values.cend()));
            } else {
                expected << QString() << QString() << QString();
            }
            expected << QString::number(countFrom(pass)) << rate(countFrom(pass), n)
                     << QString::number(countFrom(excellent)) << rate(countFrom(excellent), n);
            QCOMPARE(summaries[c].texts(), expected);
            QCOMPARE(summaries[c].bands, bands);
        }

        // Ranks: one more than the number of better values, among the class or the grade.
        QList<int> gradeValues;
        QHash<QString, std::array<QList<int>, 2>> classValues;
        for (const RawPupil& p : std::as_const(school.rows)) {
            if (!p.klass.startsWith(u"初中1"_s))
                continue;
            if (const auto v = valueOf(p, e, key))
                gradeValues << *v;
            for (int x = 0; x < 2; ++x) {
                if (const auto v = valueOf(p, x, key))
                    classValues[p.klass][size_t(x)] << *v;
            }
        }
        const QList<ExamAnalysis::PupilResult> ranking = analysis.ranking(exam, key);
        QCOMPARE(ranking.size(),
            gradeValues.size() + std::count_if(school.rows.cbegin(), school.rows.cend(), [&](const RawPupil& p) {
                return p.klass.startsWith(u"初中1"_s) && !valueOf(p, e, key);
            }));
        int previous = 0;
        for (const ExamAnalysis::PupilResult& r : ranking) {
            const RawPupil& p = school.rows[r.pupil->number - 1];
            const auto v = valueOf(p, e, key);
            QCOMPARE(r.value, v);
            if (!v) {
                QVERIFY(!r.classRank && !r.gradeRank && !r.change);
                previous = INT_MAX;
                continue;
            }
            QVERIFY(*r.gradeRank >= previous); // best first, unranked last
            previous = *r.gradeRank;
            QCOMPARE(*r.gradeRank, rankAmong(*v, gradeValues));
            QCOMPARE(*r.classRank, rankAmong(*v, classValues[p.klass][size_t(e)]));
            const auto mid = valueOf(p, 0, key);
            const auto fin = valueOf(p, 1, key);
            if (mid && fin)
                QCOMPARE(r.change, rankAmong(*mid, classValues[p.klass][0]) - rankAmong(*fin, classValues[p.klass][1]));
            else
                QVERIFY(!r.change);
        }
    }

    void ranksShareAndSkip_data()
    {
        addColumns<Ranks, Ranks>({"values", "ranks"});
        QTest::newRow("1 2 2 4") << Ranks {90, 80, 80, 70} << Ranks {1, 2, 2, 4};
        QTest::newRow("any order, no mark unranked")
            << Ranks {70, std::nullopt, 90, 90, 10} << Ranks {3, std::nullopt, 1, 1, 4};
        QTest::newRow("all equal") << Ranks {5, 5, 5} << Ranks {1, 1, 1};
        QTest::newRow("totals far apart") << Ranks {32767 * 10, 1, 1, 90000} << Ranks {1, 3, 3, 2};
        QTest::newRow("none") << Ranks {} << Ranks {};
    }

    void ranksShareAndSkip()
    {
        QFETCH(Ranks, values);
        QFETCH(Ranks, ranks);
        QCOMPARE(AnalysisRules::competitionRanks(values), ranks);
    }

    void linesAndBandsOnTheFullMark()
    {
        QCOMPARE(AnalysisRules::bandCaptions(100),
            (QStringList {u"60分以下"_s, u"60-69"_s, u"70-79"_s, u"80-89"_s, u"90-100"_s}));
        QCOMPARE(AnalysisRules::bandCaptions(150),
            (QStringList {u"90分以下"_s, u"90-104"_s, u"105-119"_s, u"120-134"_s, u"135-150"_s}));
        QCOMPARE(AnalysisRules::lineMark(150, 85), 128);
        QVERIFY(!AnalysisRules::reaches(127, 150, 85));
        QVERIFY(AnalysisRules::reaches(128, 150, 85));
        QCOMPARE(AnalysisRules::band(104, 150), 1);
        QCOMPARE(AnalysisRules::band(160, 150), 4);
        QCOMPARE(AnalysisRules::rateText(2, 3), u"66.7%"_s);
        QCOMPARE(AnalysisRules::rateText(1, 8), u"12.5%"_s);
        QCOMPARE(AnalysisRules::rateText(0, 0), QString());
    }

    // The lines live in config.ini; what another tool wrote there falls back to the defaults.
    void linesKeptInTheSettingsFile_data()
    {
        QTest::addColumn<QString>("stored"); // PassLine, ExcellentLine, FullMarks
        addColumns<int, int, QString>({"pass", "excellent", "fullMarks"});
        QTest::newRow("missing") << QString() << 60 << 85 << QString();
        QTest::newRow("own") << u"50|80|数学:150;英语:120"_s << 50 << 80 << u"数学:150;英语:120"_s;
        QTest::newRow("excellent below pass") << u"90|80|"_s << 60 << 85 << QString();
        QTest::newRow("not numbers, bad pairs") << u"abc|101|数学:x;:120;英语:120"_s << 60 << 85 << u"英语:120"_s;
    }

    void linesKeptInTheSettingsFile()
    {
        QFETCH(QString, stored);
        QFETCH(int, pass);
        QFETCH(int, excellent);
        QFETCH(QString, fullMarks);
        TempProgramDir dir;
        AppSettings settings(dir.filePath(u"config.ini"_s));
        if (!stored.isEmpty()) {
            const QStringList parts = stored.split(u'|');
            QVERIFY(settings.setValue(u"Analysis"_s, u"PassLine"_s, parts[0]));
            QVERIFY(settings.setValue(u"Analysis"_s, u"ExcellentLine"_s, parts[1]));
            QVERIFY(settings.setValue(u"Analysis"_s, u"FullMarks"_s, parts[2]));
        }
        AnalysisLines lines = AnalysisLines::read(settings);
        QCOMPARE(lines.pass, pass);
        QCOMPARE(lines.excellent, excellent);
        QCOMPARE(AnalysisLines::fullMarksText(lines.fullMarks), fullMarks);
        lines.fullMarks.insert(u"物理"_s, 110);
        QVERIFY(lines.write(settings));
        const AnalysisLines again = AnalysisLines::read(settings);
        QCOMPARE(again.fullMark(u"物理"_s), 110);
        QCOMPARE(again.fullMark(u"体育"_s), 100);
        QCOMPARE(again.pass, pass);
    }

    void oneStatementOverTheMarksIndex()
    {
        SKIP_ON_SERVER("SQLite's query plan");
        StudentsFixture d;
        auto plan = d.db.query(u"explain query plan "_s + ExamAnalysis::query(20), QVariantList(20, u"x"_s));
        QVERIFY(plan);
        QString details;
        for (; !plan->pastLast(); plan->next())
            details += plan->text(u"detail") + u'\n';
        QVERIFY2(details.contains(u"COVERING INDEX 学籍表_成绩"_s), qPrintable(details));

        QCOMPARE(ExamAnalysis::gradeOf(u"初中1年级10班"_s), u"初中1"_s);
        QCOMPARE(ExamAnalysis::gradeCaption(u"初中1"_s), u"初中1年级"_s);
        QCOMPARE(ExamAnalysis::gradeOf(u"1年级2班"_s), u"1年级"_s);
        QCOMPARE(ExamAnalysis::gradeOf(u"兴趣班"_s), QString());
    }
};

XIAOWU_TEST(TestExamAnalysis)
#include "TestExamAnalysis.moc"

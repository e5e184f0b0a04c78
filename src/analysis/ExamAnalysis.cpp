#include "analysis/ExamAnalysis.h"

#include "grades/AverageStatistics.h"
#include "promotion/Promotion.h"
#include "store/DbConnection.h"

#include <QHash>
#include <QVariantList>

#include <algorithm>

using namespace Qt::StringLiterals;

namespace {

int examIndex(ExamAnalysis::Exam exam)
{
    return exam == ExamAnalysis::Exam::MidTerm ? 0 : 1;
}

} // namespace

std::optional<int> ExamAnalysis::Summary::average() const
{
    if (count <= 0)
        return std::nullopt;
    return AverageStatistics::roundedMean(sum, count);
}

QStringList ExamAnalysis::Summary::texts() const
{
    if (count <= 0)
        return {label, u"0"_s, {}, {}, {}, u"0"_s, {}, u"0"_s, {}};
    return {label, QString::number(count), QString::number(*average()), QString::number(highest),
        QString::number(lowest), QString::number(passed), AnalysisRules::rateText(passed, count),
        QString::number(excellent), AnalysisRules::rateText(excellent, count)};
}

QStringList ExamAnalysis::Summary::captions(const QString& labelCaption)
{
    return {labelCaption, u"人数"_s, u"平均分"_s, u"最高分"_s, u"最低分"_s, u"及格人数"_s, u"及格率"_s, u"优秀人数"_s,
        u"优秀率"_s};
}

ExamAnalysis::ExamAnalysis(DbConnection& db)
    : m_db(db)
{ }

std::optional<QList<ExamAnalysis::ClassInfo>> ExamAnalysis::readClasses()
{
    QString sql = u"select 所在班级"_s;
    for (int slot = 1; slot <= SubjectCount; ++slot)
        sql += u",科目"_s + QString::number(slot);
    auto set = m_db.query(sql + u" from 班级表 order by rowid"_s);
    if (!set) {
        m_lastError = m_db.lastError();
        return std::nullopt;
    }
    QList<ClassInfo> classes;
    for (; !set->pastLast(); set->next()) {
        ClassInfo info {set->text(1), {}};
        for (int slot = 1; slot <= SubjectCount; ++slot)
            info.subjects << set->text(1 + slot);
        classes.append(info);
    }
    if (set->failed()) {
        m_lastError = m_db.lastError();
        return std::nullopt;
    }
    return classes;
}

QString ExamAnalysis::gradeOf(const QString& className)
{
    return Promotion::gradeOf(className);
}

QString ExamAnalysis::gradeCaption(const QString& grade)
{
    if (!grade.isEmpty() && grade.back().isDigit())
        return grade + u"年级"_s;
    if (grade.startsWith(u"幼儿园"_s))
        return grade + u"班"_s;
    return grade;
}

QString ExamAnalysis::query(int count)
{
    QString sql = u"select 所在班级,学号"_s;
    for (const Exam exam : {Exam::MidTerm, Exam::Final}) {
        for (int slot = 1; slot <= SubjectCount; ++slot)
            sql += u',' + ScoreSheetRules::columnStem(exam) + QString::number(slot);
    }
    QStringList marks(qMax(count, 1), u"?"_s);
    return sql + u",姓名 from 学籍表 where 所在班级 in ("_s + marks.join(u',') + u')';
}

bool ExamAnalysis::load(const QList<ClassInfo>& classes)
{
    m_classes = classes;
    m_pupils.clear();
    QHash<QString, int> indexOf;
    QVariantList names;
    for (int i = 0; i < classes.size(); ++i) {
        if (!indexOf.contains(classes[i].name)) {
            indexOf.insert(classes[i].name, i);
            names << classes[i].name;
        }
    }
    if (names.isEmpty())
        return true;
    auto set = m_db.query(query(int(names.size())), names);
    if (!set) {
        m_lastError = m_db.lastError();
        return false;
    }
    constexpr int FirstMark = 3;
    constexpr int NameColumn = FirstMark + 2 * SubjectCount;
    QString lastClass;
    int lastIndex = 0;
    m_pupils.reserve(64 * names.size());
    for (; !set->pastLast(); set->next()) {
        Pupil p;
        // Rows come by class: the class name is looked up once a class.
        const QString klass = set->text(1);
        if (klass != lastClass) {
            lastClass = klass;
            lastIndex = indexOf.value(klass);
        }
        p.classIndex = lastIndex;
        p.number = set->number(2);
        for (int e = 0; e < 2; ++e) {
            for (int slot = 0; slot < SubjectCount; ++slot) {
                const qint64 mark = set->number(FirstMark + e * SubjectCount + slot);
                p.marks[size_t(e)][size_t(slot)] = mark > 0 ? qint16(mark) : qint16(0);
            }
        }
        p.name = set->text(NameColumn);
        m_pupils.append(std::move(p));
    }
    if (set->failed()) {
        m_lastError = m_db.lastError();
        m_pupils.clear();
        return false;
    }
    std::sort(m_pupils.begin(), m_pupils.end(), [](const Pupil& a, const Pupil& b) {
        return a.classIndex != b.classIndex ? a.classIndex < b.classIndex : a.number < b.number;
    });
    return true;
}

QString ExamAnalysis::keyCaption(int key) const
{
    if (key == Total)
        return u"总分"_s;
    const QString subject = m_classes.isEmpty() ? QString() : m_classes.first().subjects.value(key - 1);
    return subject.isEmpty() ? u"科目"_s + QString::number(key) : subject;
}

int ExamAnalysis::fullMark(int classIndex, int key) const
{
    if (classIndex < 0 || classIndex >= m_classes.size())
        return AnalysisLines::DefaultFullMark;
    const QStringList& subjects = m_classes[classIndex].subjects;
    if (key != Total)
        return m_lines.fullMark(subjects.value(key - 1));
    // The total is out of the full marks of the subjects the class has; unnamed slots count 100.
    int sum = 0;
    for (int slot = 0; slot < SubjectCount; ++slot) {
        if (!subjects.value(slot).isEmpty())
            sum += m_lines.fullMark(subjects[slot]);
    }
    return sum > 0 ? sum : SubjectCount * AnalysisLines::DefaultFullMark;
}

std::optional<int> ExamAnalysis::value(const Pupil& pupil, Exam exam, int key)
{
    const auto& marks = pupil.marks[size_t(examIndex(exam))];
    if (key != Total) {
        const int mark = marks[size_t(key - 1)];
        return mark > 0 ? std::optional<int>(mark) : std::nullopt;
    }
    int sum = 0;
    bool any = false;
    for (const qint16 mark : marks) {
        sum += mark;
        any = any || mark > 0;
    }
    return any ? std::optional<int>(sum) : std::nullopt;
}

void ExamAnalysis::count(Summary& s, int mark, int fullMark) const
{
    s.highest = s.count ? qMax(s.highest, mark) : mark;
    s.lowest = s.count ? qMin(s.lowest, mark) : mark;
    ++s.count;
    s.sum += mark;
    s.passed += AnalysisRules::reaches(mark, fullMark, m_lines.pass) ? 1 : 0;
    s.excellent += AnalysisRules::reaches(mark, fullMark, m_lines.excellent) ? 1 : 0;
    ++s.bands[size_t(AnalysisRules::band(mark, fullMark))];
}

QList<ExamAnalysis::Summary> ExamAnalysis::classSummaries(Exam exam, int key) const
{
    // One pass over the pupils into their classes; the grade is the classes together.
    QList<Summary> out;
    out.reserve(m_classes.size() + 1);
    for (int c = 0; c < m_classes.size(); ++c)
        out.append(Summary {m_classes[c].name, fullMark(c, key)});
    for (const Pupil& p : m_pupils) {
        if (const std::optional<int> v = value(p, exam, key)) {
            Summary& s = out[p.classIndex];
            count(s, *v, s.fullMark);
        }
    }
    Summary grade {u"全年级"_s, out.isEmpty() ? AnalysisLines::DefaultFullMark : out.first().fullMark};
    for (const Summary& s : std::as_const(out)) {
        if (s.count == 0)
            continue;
        grade.highest = grade.count ? qMax(grade.highest, s.highest) : s.highest;
        grade.lowest = grade.count ? qMin(grade.lowest, s.lowest) : s.lowest;
        grade.count += s.count;
        grade.sum += s.sum;
        grade.passed += s.passed;
        grade.excellent += s.excellent;
        for (size_t b = 0; b < grade.bands.size(); ++b)
            grade.bands[b] += s.bands[b];
    }
    out.append(grade);
    return out;
}

QList<ExamAnalysis::Summary> ExamAnalysis::subjectSummaries(int classIndex, Exam exam) const
{
    QList<Summary> out;
    if (classIndex < 0 || classIndex >= m_classes.size())
        return out;
    std::array<Summary, SubjectCount + 1> all; // slots 1..10, then the total
    for (int key = 0; key <= SubjectCount; ++key) {
        const int k = key < SubjectCount ? key + 1 : Total;
        const QString subject = m_classes[classIndex].subjects.value(key);
        all[size_t(key)] = Summary {k == Total ? u"总分"_s
                : subject.isEmpty()            ? u"科目"_s + QString::number(k)
                                               : subject,
            fullMark(classIndex, k)};
    }
    for (const Pupil& p : m_pupils) {
        if (p.classIndex != classIndex)
            continue;
        for (int key = 0; key <= SubjectCount; ++key) {
            Summary& s = all[size_t(key)];
            if (const std::optional<int> v = value(p, exam, key < SubjectCount ? key + 1 : Total))
                count(s, *v, s.fullMark);
        }
    }
    for (int key = 0; key <= SubjectCount; ++key) {
        // An unnamed slot without marks is not a subject of the class.
        if (key == SubjectCount || !m_classes[classIndex].subjects.value(key).isEmpty() || all[size_t(key)].count > 0)
            out.append(all[size_t(key)]);
    }
    return out;
}

QList<ExamAnalysis::PupilResult> ExamAnalysis::ranking(Exam exam, int key, int classIndex) const
{
    const qsizetype n = m_pupils.size();
    QList<std::optional<int>> shown(n), mid(n), fin(n);
    for (qsizetype i = 0; i < n; ++i) {
        mid[i] = value(m_pupils[i], Exam::MidTerm, key);
        fin[i] = value(m_pupils[i], Exam::Final, key);
        shown[i] = exam == Exam::MidTerm ? mid[i] : fin[i];
    }

    QList<int> classOf(n);
    for (qsizetype i = 0; i < n; ++i)
        classOf[i] = m_pupils[i].classIndex;
    const int classCount = int(m_classes.size());
    const QList<std::optional<int>> midRank = AnalysisRules::competitionRanks(mid, classOf, classCount);
    const QList<std::optional<int>> finRank = AnalysisRules::competitionRanks(fin, classOf, classCount);
    // Pupils are kept by class and 学号, so the grade order lists equal values that way.
    const std::vector<int> order = AnalysisRules::descendingOrder(shown);
    const QList<std::optional<int>> gradeRank = AnalysisRules::ranksAlong(order, shown, {}, 1);

    QList<PupilResult> out;
    out.reserve(n);
    const auto add = [&](qsizetype i) {
        if (classIndex >= 0 && m_pupils[i].classIndex != classIndex)
            return;
        PupilResult r;
        r.pupil = &m_pupils[i];
        r.value = shown[i];
        r.classRank = exam == Exam::MidTerm ? midRank[i] : finRank[i];
        r.gradeRank = gradeRank[i];
        if (midRank[i] && finRank[i])
            r.change = *midRank[i] - *finRank[i];
        out.append(r);
    };
    for (const int i : order)
        add(i);
    for (qsizetype i = 0; i < n; ++i) {
        if (!shown[i])
            add(i);
    }
    return out;
}

QString ExamAnalysis::examCaption(Exam exam)
{
    return ScoreSheetRules::columnStem(exam) + u"考试"_s;
}

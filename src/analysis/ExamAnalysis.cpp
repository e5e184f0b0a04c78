#include "analysis/ExamAnalysis.h"

#include "grades/AverageStatistics.h"
#include "promotion/Promotion.h"
#include "store/DbConnection.h"

#include <QHash>
#include <QVariantList>

#include <algorithm>
#include <climits>

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
    auto set = m_db.query(sql + u" from 班级表"_s);
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

ExamAnalysis::Summary ExamAnalysis::summarise(
    const QString& label, const QList<int>& classIndexes, Exam exam, int key) const
{
    Summary s;
    s.label = label;
    s.fullMark = classIndexes.isEmpty() ? AnalysisLines::DefaultFullMark : fullMark(classIndexes.first(), key);
    QList<int> fullOf(m_classes.size(), 0);
    for (const int c : classIndexes)
        fullOf[c] = fullMark(c, key);
    for (const Pupil& p : m_pupils) {
        const int full = fullOf.value(p.classIndex);
        if (full <= 0)
            continue;
        const std::optional<int> v = value(p, exam, key);
        if (!v)
            continue;
        s.highest = s.count ? qMax(s.highest, *v) : *v;
        s.lowest = s.count ? qMin(s.lowest, *v) : *v;
        ++s.count;
        s.sum += *v;
        s.passed += AnalysisRules::reaches(*v, full, m_lines.pass) ? 1 : 0;
        s.excellent += AnalysisRules::reaches(*v, full, m_lines.excellent) ? 1 : 0;
        ++s.bands[size_t(AnalysisRules::band(*v, full))];
    }
    return s;
}

QList<ExamAnalysis::Summary> ExamAnalysis::classSummaries(Exam exam, int key) const
{
    QList<Summary> out;
    QList<int> all;
    for (int c = 0; c < m_classes.size(); ++c) {
        out.append(summarise(m_classes[c].name, {c}, exam, key));
        all.append(c);
    }
    out.append(summarise(u"全年级"_s, all, exam, key));
    return out;
}

QList<ExamAnalysis::Summary> ExamAnalysis::subjectSummaries(int classIndex, Exam exam) const
{
    QList<Summary> out;
    if (classIndex < 0 || classIndex >= m_classes.size())
        return out;
    for (int key = 1; key <= SubjectCount; ++key) {
        QString subject = m_classes[classIndex].subjects.value(key - 1);
        Summary s = summarise(subject.isEmpty() ? u"科目"_s + QString::number(key) : subject, {classIndex}, exam, key);
        // An unnamed slot without marks is not a subject of the class.
        if (!subject.isEmpty() || s.count > 0)
            out.append(s);
    }
    out.append(summarise(u"总分"_s, {classIndex}, exam, Total));
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

    // Class ranks of both exams, one class at a time.
    QList<QList<qsizetype>> members(m_classes.size());
    for (qsizetype i = 0; i < n; ++i)
        members[m_pupils[i].classIndex].append(i);
    QList<std::optional<int>> midRank(n), finRank(n);
    for (const QList<qsizetype>& member : std::as_const(members)) {
        QList<std::optional<int>> m, f;
        m.reserve(member.size());
        f.reserve(member.size());
        for (const qsizetype i : member) {
            m.append(mid[i]);
            f.append(fin[i]);
        }
        const QList<std::optional<int>> mr = AnalysisRules::competitionRanks(m);
        const QList<std::optional<int>> fr = AnalysisRules::competitionRanks(f);
        for (qsizetype k = 0; k < member.size(); ++k) {
            midRank[member[k]] = mr[k];
            finRank[member[k]] = fr[k];
        }
    }
    const QList<std::optional<int>> gradeRank = AnalysisRules::competitionRanks(shown);

    QList<PupilResult> out;
    out.reserve(n);
    for (qsizetype i = 0; i < n; ++i) {
        if (classIndex >= 0 && m_pupils[i].classIndex != classIndex)
            continue;
        PupilResult r;
        r.pupil = &m_pupils[i];
        r.value = shown[i];
        r.classRank = exam == Exam::MidTerm ? midRank[i] : finRank[i];
        r.gradeRank = gradeRank[i];
        if (midRank[i] && finRank[i])
            r.change = *midRank[i] - *finRank[i];
        out.append(r);
    }
    std::stable_sort(out.begin(), out.end(), [](const PupilResult& a, const PupilResult& b) {
        const int ra = a.gradeRank.value_or(INT_MAX);
        const int rb = b.gradeRank.value_or(INT_MAX);
        if (ra != rb)
            return ra < rb;
        if (a.pupil->classIndex != b.pupil->classIndex)
            return a.pupil->classIndex < b.pupil->classIndex;
        return a.pupil->number < b.pupil->number;
    });
    return out;
}

QString ExamAnalysis::examCaption(Exam exam)
{
    return ScoreSheetRules::columnStem(exam) + u"考试"_s;
}

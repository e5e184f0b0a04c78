#include "grades/AverageStatistics.h"

#include "store/DbConnection.h"

#include <QHash>

using namespace Qt::StringLiterals;

QStringList AverageStatistics::ClassRow::texts() const
{
    QStringList out {className, QString::number(total)};
    for (const std::optional<int>& average : averages)
        out << (average ? QString::number(*average) : QString());
    return out;
}

AverageStatistics::AverageStatistics(DbConnection& db)
    : m_db(db)
{ }

int AverageStatistics::roundedMean(qint64 sum, qint64 count)
{
    Q_ASSERT(count > 0);
    const qint64 magnitude = (2 * (sum < 0 ? -sum : sum) + count) / (2 * count);
    return static_cast<int>(sum < 0 ? -magnitude : magnitude);
}

QString AverageStatistics::title(const QString& schoolName, ScoreSheetRules::Exam exam)
{
    return schoolName + ScoreSheetRules::columnStem(exam) + u"考试各班级各科平均成绩表"_s;
}

QString AverageStatistics::groupedQuery(ScoreSheetRules::Exam exam)
{
    const QString stem = ScoreSheetRules::columnStem(exam);
    QString sql = u"select 所在班级"_s;
    for (int slot = 1; slot <= SubjectCount; ++slot) {
        const QString mark = stem + QString::number(slot);
        sql += u",sum(case when %1>0 then %1 end),count(case when %1>0 then 1 end)"_s.arg(mark);
    }
    return sql + u" from 学籍表 group by 所在班级"_s;
}

std::optional<QList<AverageStatistics::ClassRow>> AverageStatistics::compute(
    ScoreSheetRules::Exam exam, const QStringList& classNames)
{
    QList<ClassRow> rows;
    rows.reserve(classNames.size());
    QHash<QString, qsizetype> rowOf;
    for (const QString& name : classNames) {
        if (!rowOf.contains(name))
            rowOf.insert(name, rows.size());
        rows.append(ClassRow {name, {}, 0});
    }

    auto set = m_db.query(groupedQuery(exam));
    if (!set) {
        m_lastError = m_db.lastError();
        return std::nullopt;
    }
    for (; !set->pastLast(); set->next()) {
        // Pupils of a class that is no longer set up have no row to go to.
        const auto found = rowOf.constFind(set->text(1));
        if (found == rowOf.cend())
            continue;
        ClassRow& row = rows[*found];
        for (int slot = 0; slot < SubjectCount; ++slot) {
            const qint64 count = set->number(3 + 2 * slot);
            if (count <= 0)
                continue;
            const int average = roundedMean(set->number(2 + 2 * slot), count);
            row.averages[static_cast<size_t>(slot)] = average;
            row.total += average;
        }
    }
    if (set->failed()) {
        m_lastError = m_db.lastError();
        return std::nullopt;
    }
    // A class named twice in the selector shows its averages twice.
    for (ClassRow& row : rows) {
        const ClassRow& first = rows[rowOf.value(row.className)];
        if (&first != &row)
            row = ClassRow {row.className, first.averages, first.total};
    }
    return rows;
}

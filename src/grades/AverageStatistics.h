#pragma once

#include "grades/ScoreSheetRules.h"

#include <QList>
#include <QString>
#include <QStringList>

#include <array>
#include <optional>

class DbConnection;

// The school-wide table of class averages for one exam: per class and subject slot the mean of
// the marks above 0, rounded half up, and the sum of those rounded means. Marks are summed and
// counted as integers by one grouped query over the marks index and divided here, so 85.5 is
// exactly 85.5 and never a float that happens to sit just below it.
class AverageStatistics
{
public:
    static constexpr int SubjectCount = ScoreSheetRules::SubjectCount;

    struct ClassRow
    {
        QString className;
        std::array<std::optional<int>, SubjectCount> averages {}; // nothing: no mark above 0
        int total = 0;

        // The list's columns 1..12: class, total, the ten averages (empty where there is none).
        QStringList texts() const;
    };

    explicit AverageStatistics(DbConnection& db);

    // count > 0: sum / count rounded half away from zero, in integers.
    static int roundedMean(qint64 sum, qint64 count);
    // "希望小学期中考试各班级各科平均成绩表".
    static QString title(const QString& schoolName, ScoreSheetRules::Exam exam);
    // Per class, sum and count of the marks above 0 of each slot: 所在班级, then sum1, count1 ..
    // sum10, count10. Served by the covering index of the class and its marks.
    static QString groupedQuery(ScoreSheetRules::Exam exam);

    // One row per class of classNames, in that order; a class without pupils or marks has a row
    // with no averages and a total of 0. Nothing when the database refuses the query.
    std::optional<QList<ClassRow>> compute(ScoreSheetRules::Exam exam, const QStringList& classNames);
    QString lastError() const { return m_lastError; }

private:
    DbConnection& m_db;
    QString m_lastError;
};

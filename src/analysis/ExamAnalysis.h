#pragma once

#include "analysis/AnalysisLines.h"
#include "analysis/AnalysisRules.h"
#include "grades/ScoreSheetRules.h"

#include <QList>
#include <QString>
#include <QStringList>

#include <array>
#include <optional>

class DbConnection;

// The analysis of one exam for a grade: per class and subject the count, average, highest and
// lowest mark, pass and excellence rates and bands; per pupil the total, the ranks in the class and
// in the grade and the change of the class rank from 期中 to 期末.
//
// Marks are counted as the class averages count them: a blank or a mark of 0 (or below) is no
// mark. It is left out of every count, average, band and rate, adds nothing to a total, and a
// pupil without any mark in what is ranked gets no rank. A class average is that of the
// statistics page, to the digit.
//
// load() reads the pupils of the grade's classes, both exams at once, with one statement over the
// marks index; everything else is counted from those rows.
class ExamAnalysis
{
public:
    using Exam = ScoreSheetRules::Exam;
    static constexpr int SubjectCount = ScoreSheetRules::SubjectCount;
    // What is analysed: subject slot 1..10, or the total.
    static constexpr int Total = 0;

    struct ClassInfo
    {
        QString name;
        QStringList subjects; // 科目1 .. 科目10
    };

    struct Pupil
    {
        qint64 number = 0;
        QString name;
        int classIndex = 0; // into classes()
        // Per exam (期中, 期末) and slot; 0 for a blank or a mark of 0 or below.
        std::array<std::array<qint16, SubjectCount>, 2> marks {};
    };

    // The marks of one group (a class, the grade, a subject) in what is analysed.
    struct Summary
    {
        QString label; // the class, "全年级", or the subject
        int fullMark = AnalysisLines::DefaultFullMark;
        int count = 0; // pupils with a mark
        qint64 sum = 0;
        int highest = 0;
        int lowest = 0;
        int passed = 0;
        int excellent = 0;
        std::array<int, AnalysisRules::BandCount> bands {};

        std::optional<int> average() const;
        // The columns of the statistics table: label, 人数, 平均分, 最高分, 最低分, 及格人数,
        // 及格率, 优秀人数, 优秀率 (empty figures where there is no mark).
        QStringList texts() const;
        static QStringList captions(const QString& labelCaption);
    };

    struct PupilResult
    {
        const Pupil* pupil = nullptr;
        std::optional<int> value; // the mark or total in the exam analysed
        std::optional<int> classRank;
        std::optional<int> gradeRank;
        std::optional<int> change; // class rank at 期中 minus that at 期末: above 0 moved up
    };

    explicit ExamAnalysis(DbConnection& db);

    // 所在班级 and 科目1..科目10 of every class, in table order; nothing when it cannot be read.
    std::optional<QList<ClassInfo>> readClasses();
    // The grade of a class as the promotion ladder reads its name ("初中1" …); empty off the ladder.
    static QString gradeOf(const QString& className);
    // "初中1年级": the grade as the window lists it.
    static QString gradeCaption(const QString& grade);
    // The pupils of `count` classes, bound as parameters, both exams.
    static QString query(int count);

    // Reads the pupils of these classes; false (nothing loaded) when the database refuses.
    bool load(const QList<ClassInfo>& classes);
    void setLines(const AnalysisLines& lines) { m_lines = lines; }
    const AnalysisLines& lines() const { return m_lines; }
    const QList<ClassInfo>& classes() const { return m_classes; }
    const QList<Pupil>& pupils() const { return m_pupils; }
    QString lastError() const { return m_lastError; }

    // The subject caption of a slot (that of the first class), "总分" for the total.
    QString keyCaption(int key) const;
    int fullMark(int classIndex, int key) const;
    // The pupil's mark in the slot, or the sum of the marks of the ten slots; nothing without one.
    static std::optional<int> value(const Pupil& pupil, Exam exam, int key);

    // One summary per class in load order, then the whole grade ("全年级").
    QList<Summary> classSummaries(Exam exam, int key) const;
    // One class: its ten slots (those with a subject name or with marks), then 总分.
    QList<Summary> subjectSummaries(int classIndex, Exam exam) const;
    // Every pupil of the grade (classIndex < 0) or of one class, best first: by grade rank, then
    // class order and 学号; pupils without a mark last.
    QList<PupilResult> ranking(Exam exam, int key, int classIndex = -1) const;

    static QString examCaption(Exam exam); // "期中考试", "期末考试"

private:
    // Adds one mark (or total) on that full mark to the summary.
    void count(Summary& s, int mark, int fullMark) const;

    DbConnection& m_db;
    AnalysisLines m_lines;
    QList<ClassInfo> m_classes;
    QList<Pupil> m_pupils;
    QString m_lastError;
};

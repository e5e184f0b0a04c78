#pragma once

#include <QHash>
#include <QString>

class AppSettings;

// The pass and excellence lines of the exam analysis, in percent of a subject's full mark, and the
// full mark of every subject that is not marked out of 100 (数学 out of 150 …). Kept in the
// settings file, section [Analysis]: PassLine=60, ExcellentLine=85, FullMarks=数学:150;英语:120.
struct AnalysisLines
{
    static constexpr int DefaultPass = 60;
    static constexpr int DefaultExcellent = 85;
    static constexpr int DefaultFullMark = 100;
    static constexpr int MaxFullMark = 1000;

    int pass = DefaultPass;
    int excellent = DefaultExcellent;
    QHash<QString, int> fullMarks; // subject name → full mark; a subject not named here has 100

    // The full mark of a subject slot by its name.
    int fullMark(const QString& subject) const { return fullMarks.value(subject, DefaultFullMark); }

    // What the file holds; a missing or unreadable value is its default, a line outside 1..100 or an
    // excellence line below the pass line falls back to both defaults.
    static AnalysisLines read(const AppSettings& settings);
    // False when the file could not be written.
    bool write(AppSettings& settings) const;

    static QHash<QString, int> parseFullMarks(const QString& text);
    // Names sorted, subjects with 100 left out; a name holding ':' or ';' cannot be kept.
    static QString fullMarksText(const QHash<QString, int>& marks);
};

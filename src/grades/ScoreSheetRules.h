#pragma once

#include "sheet/SheetCell.h"

#include <QList>
#include <QString>
#include <QStringList>

#include <memory>
#include <optional>

class DbConnection;
class QueryTable;
class SheetTable;

// The score sheet's SQL and rules: which statement loads a class for an exam in which order, what
// the header, title and selector lists read, how a typed mark is stored and how a subject is
// cleared. It holds 成绩数据源, the queried rows whose cells write back into 学籍表; the page shows
// them and asks the user.
//
// Columns are those of the sheet: 1 学号, 2 姓名, 3..12 the marks of subject slots 1..10. Rows are
// the query's, 1..rowCount().
class ScoreSheetRules
{
public:
    enum class Exam { MidTerm, Final };

    static constexpr int ColumnCount = 12;
    static constexpr int FirstMarkColumn = 3;
    static constexpr int SubjectCount = 10;

    // The outcome of storing one typed mark.
    struct MarkWrite
    {
        enum class Outcome {
            Stored, // the mark (or no mark) is in the pupil's record
            Refused, // not a mark; nothing written
            PupilGone, // the pupil is no longer enrolled; nothing written
            Failed, // the database refused; nothing written
        };
        Outcome outcome = Outcome::Failed;
        QString shown; // what the cell shows now: the stored mark (the new one, or the old one again)
        QString error; // the database's reason when it failed
    };

    explicit ScoreSheetRules(DbConnection& db);
    ~ScoreSheetRules();

    // "期中" or "期末": the stem of the exam's mark columns.
    static QString columnStem(Exam exam);
    // "期中考试成绩" or "期末考试成绩": the items of 考试时间组合框, in this order.
    static QStringList examItems();
    // "正向", "反向": the items of 排序方向组合框.
    static QStringList directionItems();
    // The loading statement, the class name bound as its one parameter. sortIndex is the 0-based
    // item of the sort list (0 学号, 1 姓名, 2..11 subject slots 1..10), reverse the "反向" item.
    // Ascending on the number and the name, but highest mark first on a subject.
    static QString query(Exam exam, int sortIndex, bool reverse);
    // Row 1 of the sheet: 学号, 姓名 and the ten subjects as stored (an unset slot is empty).
    static QStringList header(const QStringList& subjects);
    // The clear list: the subjects of the header, each followed by "成绩".
    static QStringList clearItems(const QStringList& header);
    static QString title(const QString& schoolName, const QString& className, const QString& examItem);

    // 科目1 .. 科目10 of the class; ten empty texts when the class is not there or cannot be read.
    QStringList subjects(const QString& className) const;

    // Loads the rows straight into `sheet` from row `firstRow` on, each cell with the attributes of
    // its column's entry of `cells` (see QueryTable::showIn); also after release().
    void showIn(SheetTable& sheet, int firstRow, const QList<SheetCell>& cells);
    // Runs the loading statement; false (rows empty) when the database refuses it.
    bool load(const QString& className, Exam exam, int sortIndex, bool reverse);
    // Forgets the loaded rows, as on the way back to the home page.
    void release();
    int rowCount() const;
    // The queried rows as a table of texts, rows 1..rowCount(), columns 1..12.
    const QueryTable& rows() const { return *m_rows; }
    QString lastError() const { return m_lastError; }

    // Stores the typed text as the mark at (row, column) of the loaded rows: the one conversion of
    // MarkText, then an update of that pupil's record. Only the ten mark columns are written.
    MarkWrite writeMark(int row, int column, const QString& typed);
    // Empties subject slot 1..10 of the shown exam for every loaded pupil, in one transaction;
    // false with nothing changed when any of it fails.
    bool clearSubject(int slot);

private:
    bool isEnrolled(const QVariant& number);

    DbConnection& m_db;
    std::unique_ptr<QueryTable> m_rows;
    SheetTable* m_sheet = nullptr;
    int m_firstRow = 1;
    QList<SheetCell> m_cells;
    QString m_lastError;
};

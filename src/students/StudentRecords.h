#pragma once

#include "records/NameRoll.h"
#include "students/StudentRecord.h"
#include "students/StudentViewKind.h"

#include <QList>
#include <QString>
#include <QStringList>

#include <optional>

class DbConnection;

// The pupils' SQL and the rules around it, for the student view and the student editor.
class StudentRecords
{
public:
    struct NameEntry
    {
        qint64 学号 = 0;
        QString 姓名;
        QString 性别;
    };

    using NameList = NameRoll<NameEntry>;

    // What the number box offers: the first pupil ever may take any number, afterwards the number
    // after the counter and after every number the three pupil tables hold, and it cannot be
    // changed. Numbers are never issued twice, also not after the counter was reset.
    struct NumberOffer
    {
        bool typedFreely = false;
        qint64 number = 1;
    };

    explicit StudentRecords(DbConnection& db)
        : m_db(db)
    { }

    // 毕业时间表, the last stored date first.
    QStringList graduationDatesNewestFirst();
    // 毕业时间表 in table order.
    QStringList graduationDates();

    // The names of one file ordered by 姓名: a class (enrolled), a graduation date (graduates),
    // or all leavers (the selector is ignored). Nothing when the query fails, also part-way.
    std::optional<NameList> names(StudentViewKind kind, const QString& selector);
    // The enrolled pupils of a class, as the editor lists them.
    std::optional<NameList> classNames(const QString& className) { return names(StudentViewKind::Enrolled, className); }

    std::optional<StudentRecord> record(StudentViewKind kind, qint64 number);

    // The last number issued, from 记号表; nothing when it cannot be read.
    std::optional<double> counter();
    // The largest 学号 of 学籍表, 毕业表 and 转退表, 0 when they are empty; nothing on a failure.
    std::optional<qint64> largestNumber();
    // The offer for the next pupil; nothing when the counter or the tables cannot be read.
    std::optional<NumberOffer> nextNumber();
    static NumberOffer offerFor(double counter, qint64 largestNumber = 0);

    // Inserts an enrolled pupil (no marks, not left) and advances the counter to its number, both
    // or neither. False leaves the database as it was; lastError() says why.
    bool insert(const StudentRecord& pupil);
    // Inserts the pupil under the next number, taken inside the insert's transaction with the
    // counter row locked, so seats adding at the same moment never share a number. The pupil's
    // 学号 is set to the number taken; false leaves the database and the 学号 as they were.
    bool insertNext(StudentRecord& pupil);
    // The two steps of insert() for a caller that holds its own transaction around many pupils.
    bool insertRow(const StudentRecord& pupil);
    bool advanceCounter(qint64 number);
    // Rewrites the personal fields, photo and comments of the pupil with this number; marks and
    // the leaving columns stay.
    bool update(const StudentRecord& pupil);
    // The same, refused when the stored row no longer holds what loaded held: another seat saved
    // the pupil since it was loaded. Neither edit is lost then: the other's stays stored, this one
    // stays on screen (conflicted() is true).
    bool update(const StudentRecord& pupil, const StudentRecord& loaded);
    bool conflicted() const { return m_conflicted; }
    static QString conflictMessage();
    QString lastError() const { return m_lastError; }

    // The counts line of the student view.
    static QString countsLine(StudentViewKind kind, int total, int male, int female);
    // The counts line of the editor.
    static QString editorCountsLine(const QString& className, int total, int male, int female);
    // Numbers never begin with 0: true when the typed text should be warned about.
    static bool numberStartsWithZero(const QString& text) { return text.size() >= 2 && text.startsWith(u'0'); }

private:
    DbConnection& m_db;
    QString m_lastError;
    bool m_conflicted = false;
};

#pragma once

#include "records/NameRoll.h"
#include "teachers/TeacherRecord.h"
#include "teachers/TeacherViewKind.h"

#include <QList>
#include <QString>

#include <optional>

class DbConnection;

// The teachers' SQL and the rules around it, for the teacher view and the teacher editor.
class TeacherRecords
{
public:
    struct NameEntry
    {
        qint64 编号 = 0;
        QString 姓名;
        QString 性别;
    };
    using NameList = NameRoll<NameEntry>;

    explicit TeacherRecords(DbConnection& db)
        : m_db(db)
    { }

    // One staff file ordered by 姓名; nothing when the query fails, also part-way.
    std::optional<NameList> names(TeacherViewKind kind);
    std::optional<TeacherRecord> record(TeacherViewKind kind, qint64 number);

    // The number for the next teacher: after the counter 教员编号 and after every number the three
    // staff files hold, so a number is never handed out twice. Nothing when they cannot be read.
    std::optional<qint64> nextNumber();
    // Inserts a teacher in service and advances the counter to its number, both or neither.
    bool insert(const TeacherRecord& teacher);
    // Inserts the teacher under the next number, taken with the counter row locked inside the
    // insert's transaction; sets 编号 to it. False leaves the database and 编号 as they were.
    bool insertNext(TeacherRecord& teacher);
    // Rewrites the texts, photo and long texts of the teacher in service with this number; the
    // leaving columns stay. False when no such teacher is there.
    bool update(const TeacherRecord& teacher);
    // The same, refused when the stored row no longer holds what loaded held: another seat saved
    // the teacher since it was loaded. The other's edit stays stored, this one on screen
    // (conflicted() is true).
    bool update(const TeacherRecord& teacher, const TeacherRecord& loaded);
    bool conflicted() const { return m_conflicted; }
    QString lastError() const { return m_lastError; }

    // Empty optional texts are stored as "-".
    static TeacherRecord withDashes(TeacherRecord teacher);
    // "目前本校在职教员有12人，其中男5人，女7人。" and the like.
    static QString countsLine(const QString& prefix, int total, int male, int female);

private:
    bool insertRow(const TeacherRecord& teacher, qint64 number);

    DbConnection& m_db;
    QString m_lastError;
    bool m_conflicted = false;
};

#include "students/StudentStatus.h"

#include "records/OneRow.h"
#include "records/RowMove.h"
#include "store/DbConnection.h"

using namespace Qt::StringLiterals;

namespace {

const QString NoPupil = u"no pupil with this number"_s;

} // namespace

bool StudentStatus::leave(qint64 number, const QString& date, const QString& reason)
{
    const RowMove move {u"学籍表"_s, u"转退表"_s, u"学号"_s, u"离校时间=?,离校原因=?"_s, {date, reason}};
    return move.run(m_db, number, &m_lastError);
}

bool StudentStatus::reenrol(StudentViewKind from, qint64 number, const QString& className)
{
    if (from == StudentViewKind::Enrolled)
        return false;
    const RowMove move {
        StudentViewKinds::table(from), u"学籍表"_s, u"学号"_s, u"所在班级=?,离校时间='-'"_s, {className}};
    return move.run(m_db, number, &m_lastError);
}

bool StudentStatus::changeClass(qint64 number, const QString& className)
{
    return OneRow::change(
        m_db, u"update 学籍表 set 所在班级=? where 学号=?"_s, {className, number}, NoPupil, &m_lastError);
}

bool StudentStatus::remove(StudentViewKind from, qint64 number)
{
    return OneRow::change(
        m_db, u"delete from "_s + StudentViewKinds::table(from) + u" where 学号=?"_s, {number}, NoPupil, &m_lastError);
}

#include "teachers/TeacherStatus.h"

#include "records/OneRow.h"
#include "records/RowMove.h"
#include "store/DbConnection.h"

using namespace Qt::StringLiterals;

bool TeacherStatus::leave(TeacherViewKind to, qint64 number, const QString& date, const QString& reason)
{
    if (to == TeacherViewKind::InService)
        return false;
    const RowMove move {
        u"教员表"_s, TeacherViewKinds::table(to), u"编号"_s, u"离校时间=?,离校原因=?"_s, {date, reason}};
    return move.run(m_db, number, &m_lastError);
}

bool TeacherStatus::restore(TeacherViewKind from, qint64 number)
{
    // Only a former teacher comes back: from service there is nothing to restore.
    if (from == TeacherViewKind::InService)
        return false;
    const RowMove move {TeacherViewKinds::table(from), u"教员表"_s, u"编号"_s, {}, {}};
    return move.run(m_db, number, &m_lastError);
}

bool TeacherStatus::remove(TeacherViewKind from, qint64 number)
{
    return OneRow::change(m_db, u"delete from "_s + TeacherViewKinds::table(from) + u" where 编号=?"_s, {number},
        u"no teacher with this number"_s, &m_lastError);
}

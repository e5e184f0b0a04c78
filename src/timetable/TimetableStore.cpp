#include "timetable/TimetableStore.h"

#include "store/DbConnection.h"

using namespace Qt::StringLiterals;

namespace {
constexpr int SubjectSlots = 10;
}

TimetableStore::TimetableStore(DbConnection& db)
    : m_db(db)
{ }

std::optional<ClassTimetable> TimetableStore::read(const QString& className) const
{
    const auto rows = m_db.query(u"select * from 班级表 where 所在班级=?"_s, {className});
    if (!rows || rows->pastLast())
        return std::nullopt;
    ClassTimetable t;
    t.headTeacher = rows->text(u"班主任");
    for (int s = 1; s <= SubjectSlots; ++s)
        t.subjects.append(rows->text(u"科目"_s + QString::number(s)));
    for (int i = 0; i < TimetableSlot::Count; ++i)
        t.cells.append(rows->text(TimetableSlot::at(i).column()));
    if (rows->failed())
        return std::nullopt;
    return t;
}

bool TimetableStore::store(const QString& className, const TimetableSlot& slot, const QString& subject)
{
    if (subject.toUcs4().size() > SubjectLength)
        return false;
    // The column name comes from TimetableSlot alone; the values are bound.
    return m_db.execute(u"update 班级表 set "_s + slot.column() + u"=? where 所在班级=?"_s, {subject, className})
        && m_db.changes() > 0;
}

#include "classes/ClassBook.h"

#include "store/DbConnection.h"
#include "store/Transaction.h"

using namespace Qt::StringLiterals;

namespace {

const int TimetableCells = 40;

QString subjectAssignments()
{
    QStringList parts;
    for (int i = 1; i <= ClassBook::SubjectCount; ++i)
        parts.append(u"科目%1=?"_s.arg(i));
    return parts.join(u',');
}

// The subject columns alone: a class's row also holds its timetable, which a header never needs.
const QString& subjectsQuery()
{
    static const QString sql = [] {
        QStringList columns;
        for (int i = 1; i <= ClassBook::SubjectCount; ++i)
            columns.append(u"科目%1"_s.arg(i));
        return u"select "_s + columns.join(u',') + u" from 班级表 where 所在班级=?"_s;
    }();
    return sql;
}

QVariantList subjectValues(const QStringList& subjects)
{
    QVariantList values;
    for (int i = 0; i < ClassBook::SubjectCount; ++i)
        values.append(i < subjects.size() ? subjects.at(i) : QString());
    return values;
}

} // namespace

ClassBook::ClassBook(DbConnection& db)
    : m_db(db)
{ }

std::optional<QList<ClassEntry>> ClassBook::list() const
{
    auto rows = m_db.query(u"select 所在班级,班主任 from 班级表 order by rowid"_s);
    if (!rows)
        return std::nullopt;
    QList<ClassEntry> classes;
    for (rows->first(); !rows->pastLast(); rows->next())
        classes.append({rows->text(u"所在班级"), rows->text(u"班主任")});
    if (rows->failed())
        return std::nullopt;
    return classes;
}

ClassBook::AddResult ClassBook::add(const QString& name, const QString& headTeacher, const QString& category)
{
    {
        auto rows = m_db.query(u"select count(*) as 重复 from 班级表 where 所在班级=?"_s, {name});
        if (!rows)
            return AddResult::Failed;
        rows->first();
        if (rows->number(u"重复") > 0)
            return AddResult::Duplicate;
    }

    QVariantList values {name, headTeacher};
    for (int i = 0; i < TimetableCells; ++i)
        values.append(QString());
    values.append(category);
    for (int i = 0; i < SubjectCount; ++i)
        values.append(QString());
    QStringList markers;
    for (qsizetype i = 0; i < values.size(); ++i)
        markers.append(u"?"_s);
    const QString sql = u"insert into 班级表 values ("_s + markers.join(u',') + u")"_s;
    return m_db.execute(sql, values) ? AddResult::Added : AddResult::Failed;
}

bool ClassBook::remove(const QString& name)
{
    // Locked whole on a shared server, so no seat adds a pupil to the class as it goes.
    Transaction transaction(m_db);
    if (!transaction.isActive() || !transaction.lockTables({u"记号表"_s, u"班级表"_s, u"学籍表"_s}))
        return false;
    if (!m_db.execute(u"delete from 班级表 where 所在班级=?"_s, {name}))
        return false;
    if (!m_db.execute(u"delete from 学籍表 where 所在班级=?"_s, {name}))
        return false;
    {
        auto rows = m_db.query(u"select count(*) as 班级数 from 班级表"_s);
        if (!rows)
            return false;
        rows->first();
        if (rows->number(u"班级数") == 0 && !m_db.execute(u"update 记号表 set 学号 ='0'where ID=1"_s))
            return false;
    }
    return transaction.commit();
}

bool ClassBook::setHeadTeacher(const QString& className, const QString& headTeacher)
{
    return m_db.execute(u"update 班级表 set 班主任 = ? where 所在班级=?"_s, {headTeacher, className});
}

std::optional<QStringList> ClassBook::subjects(const QString& className) const
{
    auto rows = m_db.query(subjectsQuery(), {className});
    if (!rows)
        return std::nullopt;
    rows->first();
    QStringList subjects;
    for (int i = 1; i <= SubjectCount; ++i)
        subjects.append(rows->text(i));
    return subjects;
}

bool ClassBook::saveSubjects(const QString& className, const QStringList& subjects)
{
    QVariantList values = subjectValues(subjects);
    values.append(className);
    return m_db.execute(u"update 班级表 set "_s + subjectAssignments() + u" where 所在班级=?"_s, values);
}

bool ClassBook::saveSubjectsToAll(const QStringList& subjects)
{
    return m_db.execute(u"update 班级表 set "_s + subjectAssignments(), subjectValues(subjects));
}

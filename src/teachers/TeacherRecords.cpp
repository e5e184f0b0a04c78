#include "teachers/TeacherRecords.h"

#include "records/NumberCounter.h"
#include "records/OneRow.h"
#include "store/DbConnection.h"
#include "store/Transaction.h"
#include "teachers/TeacherFields.h"
#include "text/GbText.h"

using namespace Qt::StringLiterals;

namespace {

TeacherRecord readRecord(const RecordSet& rows)
{
    TeacherRecord r;
    r.编号 = rows.number(u"编号");
    TextFields::read(rows, r, TeacherFields);
    r.照片 = rows.bytes(u"照片");
    r.个人简历 = GbText::fromBytes(rows.bytes(u"个人简历"));
    r.其他资料 = GbText::fromBytes(rows.bytes(u"其他资料"));
    r.离校时间 = rows.text(u"离校时间");
    r.离校原因 = rows.text(u"离校原因");
    return r;
}

QVariantList values(const TeacherRecord& t)
{
    QVariantList out = TextFields::values(t, TeacherFields);
    out << t.照片 << GbText::toBytes(t.个人简历) << GbText::toBytes(t.其他资料);
    return out;
}

QString assignments()
{
    return TextFields::assignments(TeacherFields) + u",照片=?,个人简历=?,其他资料=?"_s;
}

} // namespace

std::optional<TeacherRecords::NameList> TeacherRecords::names(TeacherViewKind kind)
{
    auto rows = m_db.query(u"select 编号,姓名,性别 from "_s + TeacherViewKinds::table(kind) + u" order by 姓名"_s);
    auto out = rows ? NameList::read(*rows) : std::nullopt;
    if (!out)
        m_lastError = m_db.lastError();
    return out;
}

std::optional<TeacherRecord> TeacherRecords::record(TeacherViewKind kind, qint64 number)
{
    auto rows = m_db.query(u"select * from "_s + TeacherViewKinds::table(kind) + u" where 编号=?"_s, {number});
    if (!rows || rows->pastLast())
        return std::nullopt;
    return readRecord(*rows);
}

std::optional<qint64> TeacherRecords::nextNumber()
{
    auto rows
        = m_db.query(u"select max(n) as 最大 from (select 教员编号 as n from 记号表 where ID=1 union all "_s
                     u"select 编号 from 教员表 union all select 编号 from 退休表 union all select 编号 from 调离表)"_s);
    if (!rows || rows->pastLast())
        return std::nullopt;
    // A counter row that is missing is a damaged file, not a fresh one.
    auto counter = m_db.query(u"select 教员编号 from 记号表 where ID=1"_s);
    if (!counter || counter->pastLast())
        return std::nullopt;
    return std::max<qint64>(rows->number(1), 0) + 1;
}

bool TeacherRecords::insert(const TeacherRecord& teacher)
{
    return NumberCounter::insertCounted(
        m_db, [&] { return insertRow(teacher, teacher.编号); }, u"教员编号"_s, teacher.编号, &m_lastError);
}

bool TeacherRecords::insertNext(TeacherRecord& teacher)
{
    const auto number = NumberCounter::insertNext(
        m_db, u"教员编号"_s, [this] { return nextNumber(); }, [&](qint64 taken) { return insertRow(teacher, taken); },
        &m_lastError);
    if (!number)
        return false;
    teacher.编号 = *number;
    return true;
}

bool TeacherRecords::insertRow(const TeacherRecord& teacher, qint64 number)
{
    QVariantList v {number};
    v += values(teacher);
    if (m_db.execute(u"insert into 教员表 values (?,?,?,?,?,?,?,?,?,?,?,?,?,?,?,?,?,?,?,?,'-','-')"_s, v))
        return true;
    m_lastError = m_db.lastError();
    return false;
}

bool TeacherRecords::update(const TeacherRecord& teacher)
{
    static const QString sql = u"update 教员表 set "_s + assignments() + u" where 编号=?"_s;
    return OneRow::change(
        m_db, sql, values(teacher) + QVariantList {teacher.编号}, u"no teacher with this number"_s, &m_lastError);
}

bool TeacherRecords::update(const TeacherRecord& teacher, const TeacherRecord& loaded)
{
    const auto stored = [&]() -> std::optional<QVariantList> {
        const auto now = record(TeacherViewKind::InService, teacher.编号);
        return now ? std::optional<QVariantList>(values(*now)) : std::nullopt;
    };
    const OneRow::Guarded saved = OneRow::changeUnlessChanged(
        m_db, u"select 编号 from 教员表 where 编号=? for update"_s, teacher.编号, stored, values(loaded),
        [&] { return update(teacher); }, &m_lastError);
    m_conflicted = saved == OneRow::Guarded::Changed;
    return saved == OneRow::Guarded::Saved;
}

TeacherRecord TeacherRecords::withDashes(TeacherRecord t)
{
    for (QString* s : {&t.政治面貌, &t.职称, &t.职务或岗位, &t.身份证号, &t.手机号码, &t.家庭住址, &t.住宅电话, &t.籍贯,
             &t.户籍所在地, &t.个人简历, &t.其他资料}) {
        if (s->isEmpty())
            *s = u"-"_s;
    }
    return t;
}

QString TeacherRecords::countsLine(const QString& prefix, int total, int male, int female)
{
    return prefix + QString::number(total) + u"人，其中男"_s + QString::number(male) + u"人，女"_s
        + QString::number(female) + u"人。"_s;
}

#include "teachers/TeacherRosters.h"

#include "records/PrefixSearch.h"
#include "records/ReportRows.h"
#include "store/DbConnection.h"

using namespace Qt::StringLiterals;

namespace {

QString columns(TeacherViewKind kind)
{
    const QString date = kind == TeacherViewKind::InService ? u"调入本校时间"_s : u"离校时间"_s;
    return u"select 编号,姓名,性别,民族,学历,职称,职务或岗位,参加工作时间,"_s + date + u",住宅电话 from "_s
        + TeacherViewKinds::table(kind);
}

} // namespace

std::optional<TeacherRosters::Rows> TeacherRosters::roster(TeacherViewKind kind)
{
    return ReportRows::read(m_db, columns(kind) + u" order by 姓名"_s, {});
}

std::optional<TeacherRosters::Rows> TeacherRosters::search(
    TeacherViewKind kind, const QString& field, const QString& value)
{
    const QString pattern = PrefixSearch::likeValue(value);
    // 联系电话 is no column: a teacher is reached by either of the two phones.
    if (field == u"联系电话" && searchFields(kind).contains(field)) {
        return ReportRows::read(m_db,
            columns(kind) + u" where 住宅电话 like ? escape '\\' or 手机号码 like ? escape '\\' order by 姓名"_s,
            {pattern, pattern});
    }
    const auto condition = PrefixSearch::condition(searchFields(kind), field);
    if (!condition)
        return std::nullopt;
    return ReportRows::read(m_db, columns(kind) + u" where "_s + *condition + u" order by 姓名"_s, {pattern});
}

QStringList TeacherRosters::searchFields(TeacherViewKind kind)
{
    return {u"姓名"_s, u"学历"_s, u"职称"_s, u"职务或岗位"_s, u"政治面貌"_s, u"出生日期"_s, u"参加工作时间"_s,
        kind == TeacherViewKind::InService ? u"调入本校时间"_s : u"离校时间"_s, u"联系电话"_s};
}

QString TeacherRosters::dateHeader(TeacherViewKind kind)
{
    return TeacherViewKinds::pick(kind, u"调入本校时间", u"退休时间", u"调离时间");
}

QString TeacherRosters::countsLine(TeacherViewKind kind, int male, int female)
{
    return TeacherViewKinds::pick(kind, u"本校在职教员有", u"自本校退休的教员有", u"已调离本校的教员有")
        + QString::number(male + female) + u"人 其中男"_s + QString::number(male) + u"人 女"_s + QString::number(female)
        + u"人"_s;
}

QString TeacherRosters::title(TeacherViewKind kind, const QString& school, bool empty)
{
    if (empty)
        return TeacherViewKinds::pick(
            kind, u"目前本校没有在职教员数据", u"目前本校没有退休教员数据", u"目前本校没有调离教员数据");
    return school + TeacherViewKinds::pick(kind, u"在职教员花名册", u"退休教员花名册", u"调离教员花名册");
}

QString TeacherRosters::searchTitle(TeacherViewKind kind, const QString& school)
{
    return school + TeacherViewKinds::pick(kind, u"部分在职教员花名册", u"部分退休教员花名册", u"部分调离教员花名册");
}

QString TeacherRosters::stateText(TeacherViewKind kind)
{
    return TeacherViewKinds::pick(
        kind, u"    当前状态：在职教员列表", u"    当前状态：退休教员列表", u"    当前状态：调离教员列表");
}

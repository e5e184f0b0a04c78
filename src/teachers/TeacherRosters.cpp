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
    return QString::fromUtf16(TeacherViewKinds::facts(kind).rosterDateHeader);
}

QString TeacherRosters::countsLine(TeacherViewKind kind, int male, int female)
{
    return QString::fromUtf16(TeacherViewKinds::facts(kind).rosterCountsPrefix) + QString::number(male + female)
        + u"人 其中男"_s + QString::number(male) + u"人 女"_s + QString::number(female) + u"人"_s;
}

QString TeacherRosters::title(TeacherViewKind kind, const QString& school, bool empty)
{
    const TeacherViewFacts& file = TeacherViewKinds::facts(kind);
    if (empty)
        return QString::fromUtf16(file.rosterEmptyTitle);
    return school + QString::fromUtf16(file.rosterTitle);
}

QString TeacherRosters::searchTitle(TeacherViewKind kind, const QString& school)
{
    return school + QString::fromUtf16(TeacherViewKinds::facts(kind).rosterSearchTitle);
}

QString TeacherRosters::stateText(TeacherViewKind kind)
{
    return QString::fromUtf16(TeacherViewKinds::facts(kind).rosterState);
}

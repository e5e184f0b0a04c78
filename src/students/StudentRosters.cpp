#include "students/StudentRosters.h"

#include "records/PrefixSearch.h"
#include "records/ReportRows.h"
#include "store/DbConnection.h"
#include "students/StudentCardTexts.h"

using namespace Qt::StringLiterals;

namespace {

const QString EnrolledColumns = u"select 学号,姓名,性别,民族,所在班级,班内职务,出生日期,入学日期,联系电话 from "_s;
const QString ArchivedColumns = u"select 学号,姓名,性别,民族,所在班级,班内职务,出生日期,离校时间,联系电话 from "_s;

QString counts(int male, int female)
{
    return u"人 其中男生"_s + QString::number(male) + u"人 女生"_s + QString::number(female) + u"人"_s;
}

} // namespace

std::optional<StudentRosters::Rows> StudentRosters::enrolled(const QString& className)
{
    return ReportRows::read(m_db, EnrolledColumns + u"学籍表 where 所在班级=? order by 姓名"_s, {className});
}

std::optional<StudentRosters::Rows> StudentRosters::graduates(const QString& date)
{
    return ReportRows::read(m_db, ArchivedColumns + u"毕业表 where 离校时间=? order by 姓名"_s, {date});
}

std::optional<StudentRosters::Rows> StudentRosters::leavers()
{
    return ReportRows::read(m_db, ArchivedColumns + u"转退表 order by 姓名"_s, {});
}

std::optional<StudentRosters::Rows> StudentRosters::search(
    Search search, const QString& field, const QString& value, const QString& selector)
{
    const bool enrolledSearch = search == Search::InClass || search == Search::School;
    const auto condition
        = PrefixSearch::condition(enrolledSearch ? enrolledSearchFields() : archivedSearchFields(), field);
    if (!condition)
        return std::nullopt;
    const QString pattern = PrefixSearch::likeValue(value);
    switch (search) {
    case Search::InClass:
        return ReportRows::read(m_db,
            EnrolledColumns + u"学籍表 where 所在班级=? and "_s + *condition + u" order by 姓名"_s,
            {selector, pattern});
    case Search::School:
        return ReportRows::read(
            m_db, EnrolledColumns + u"学籍表 where "_s + *condition + u" order by 姓名"_s, {pattern});
    case Search::Leavers:
        return ReportRows::read(
            m_db, ArchivedColumns + u"转退表 where "_s + *condition + u" order by 姓名"_s, {pattern});
    case Search::Graduation:
        return ReportRows::read(m_db,
            ArchivedColumns + u"毕业表 where 离校时间=? and "_s + *condition + u" order by 姓名"_s,
            {selector, pattern});
    case Search::AllGraduates:
        return ReportRows::read(
            m_db, ArchivedColumns + u"毕业表 where "_s + *condition + u" order by 姓名"_s, {pattern});
    }
    return std::nullopt;
}

QStringList StudentRosters::enrolledSearchFields()
{
    return {u"姓名"_s, u"学号"_s, u"民族"_s, u"所在班级"_s, u"班内职务"_s, u"入学日期"_s, u"出生日期"_s};
}

QStringList StudentRosters::archivedSearchFields()
{
    return {u"姓名"_s, u"学号"_s, u"民族"_s, u"班内职务"_s, u"入学日期"_s, u"出生日期"_s};
}

QString StudentRosters::enrolledCounts(int total, int male, int female)
{
    return u"本班共有"_s + QString::number(total) + counts(male, female);
}

QString StudentRosters::graduateCounts(int total, int male, int female)
{
    return u"本年度毕业生"_s + QString::number(total) + counts(male, female);
}

QString StudentRosters::leaverCounts(int total, int male, int female)
{
    return u"本校因转学、退学等原因离校的共有"_s + QString::number(total) + counts(male, female);
}

QString StudentRosters::searchResult(Search search, const QString& selector, int total, int male, int female)
{
    QString where;
    switch (search) {
    case Search::InClass:
        where = u"在"_s + selector;
        break;
    case Search::School:
        where = u"在全校"_s;
        break;
    case Search::Leavers:
        break;
    case Search::Graduation:
        where = u"在"_s + StudentCardTexts::graduationYear(selector) + u"毕业生中"_s;
        break;
    case Search::AllGraduates:
        where = u"在历届毕业生中"_s;
        break;
    }
    return u"\r\n\r\n  搜索结果："_s + where + u"搜索到"_s + QString::number(total) + u"个符合条件的学生资料 其中男生"_s
        + QString::number(male) + u"人 女生"_s + QString::number(female) + u"人  "_s;
}

QString StudentRosters::searchTitle(Search search, const QString& school, const QString& selector)
{
    switch (search) {
    case Search::InClass:
        return school + selector + u"部分学生花名册"_s;
    case Search::School:
        return school + u"部分学生花名册"_s;
    case Search::Leavers:
        return school + u"部分转退学生花名册"_s;
    case Search::Graduation:
        return school + StudentCardTexts::graduationYear(selector) + u"毕业的部分学生花名册"_s;
    case Search::AllGraduates:
        break;
    }
    return school + u"部分毕业生花名册"_s;
}

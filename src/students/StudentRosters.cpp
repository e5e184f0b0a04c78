#include "students/StudentRosters.h"

#include "records/PrefixSearch.h"
#include "records/ReportRows.h"
#include "store/DbConnection.h"
#include "store/KindTable.h"
#include "students/StudentCardTexts.h"

using namespace Qt::StringLiterals;

namespace {

const QString EnrolledColumns = u"select 学号,姓名,性别,民族,所在班级,班内职务,出生日期,入学日期,联系电话 from "_s;
const QString ArchivedColumns = u"select 学号,姓名,性别,民族,所在班级,班内职务,出生日期,离校时间,联系电话 from "_s;

QString counts(int male, int female)
{
    return u"人 其中男生"_s + QString::number(male) + u"人 女生"_s + QString::number(female) + u"人"_s;
}

// How a search shows its selector in the result and the title: not at all, as chosen (a class), or
// as the year of a graduation date. A search that shows it also binds it in its query.
enum class Selector { None, AsIs, Year };

// The five searches, one row each: what they read and how they name what they found.
struct SearchFacts
{
    StudentRosters::Search kind;
    bool enrolled;
    const char16_t* from; // the table and the selector's condition, up to the field's condition
    Selector selector;
    const char16_t* wherePrefix; // the result: prefix + selector + suffix
    const char16_t* whereSuffix;
    const char16_t* titleSuffix; // the title: school + selector + suffix
};

constexpr SearchFacts Searches[] = {
    {StudentRosters::Search::InClass, true, u"学籍表 where 所在班级=? and ", Selector::AsIs, u"在", u"",
        u"部分学生花名册"},
    {StudentRosters::Search::School, true, u"学籍表 where ", Selector::None, u"在全校", u"", u"部分学生花名册"},
    {StudentRosters::Search::Leavers, false, u"转退表 where ", Selector::None, u"", u"", u"部分转退学生花名册"},
    {StudentRosters::Search::Graduation, false, u"毕业表 where 离校时间=? and ", Selector::Year, u"在", u"毕业生中",
        u"毕业的部分学生花名册"},
    {StudentRosters::Search::AllGraduates, false, u"毕业表 where ", Selector::None, u"在历届毕业生中", u"",
        u"部分毕业生花名册"},
};

const SearchFacts& facts(StudentRosters::Search search)
{
    return KindTable::row(Searches, search);
}

QString shown(const SearchFacts& row, const QString& selector)
{
    switch (row.selector) {
    case Selector::AsIs:
        return selector;
    case Selector::Year:
        return StudentCardTexts::graduationYear(selector);
    case Selector::None:
        break;
    }
    return {};
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
    const SearchFacts& row = facts(search);
    const auto condition
        = PrefixSearch::condition(row.enrolled ? enrolledSearchFields() : archivedSearchFields(), field);
    if (!condition)
        return std::nullopt;
    const QString pattern = PrefixSearch::likeValue(value);
    const QString sql = (row.enrolled ? EnrolledColumns : ArchivedColumns) + QString::fromUtf16(row.from) + *condition
        + u" order by 姓名"_s;
    return ReportRows::read(
        m_db, sql, row.selector == Selector::None ? QVariantList {pattern} : QVariantList {selector, pattern});
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
    const SearchFacts& row = facts(search);
    const QString where
        = QString::fromUtf16(row.wherePrefix) + shown(row, selector) + QString::fromUtf16(row.whereSuffix);
    return u"\r\n\r\n  搜索结果："_s + where + u"搜索到"_s + QString::number(total) + u"个符合条件的学生资料 其中男生"_s
        + QString::number(male) + u"人 女生"_s + QString::number(female) + u"人  "_s;
}

QString StudentRosters::searchTitle(Search search, const QString& school, const QString& selector)
{
    const SearchFacts& row = facts(search);
    return school + shown(row, selector) + QString::fromUtf16(row.titleSuffix);
}

#include "students/RosterColumns.h"

using namespace Qt::StringLiterals;

namespace RosterColumns {

QList<ReportColumn> enrolled()
{
    return {{u"学号"_s, 72, SortAs::Number}, {u"姓名"_s, 62, SortAs::Name}, {u"性别"_s, 50, SortAs::Text},
        {u"民族"_s, 70, SortAs::Text}, {u"所在班级"_s, 110, SortAs::Text}, {u"班内职务"_s, 90, SortAs::Text},
        {u"出生日期"_s, 103, SortAs::Date}, {u"入学日期"_s, 103, SortAs::Date}, {u"联系电话"_s, 100, SortAs::Number}};
}

QList<ReportColumn> archived()
{
    return {{u"学号"_s, 72, SortAs::Number}, {u"姓名"_s, 65, SortAs::Name}, {u"性别"_s, 50, SortAs::Text},
        {u"民族"_s, 62, SortAs::Text}, {u"所在班级"_s, 95, SortAs::Text}, {u"班内职务"_s, 85, SortAs::Text},
        {u"出生日期"_s, 110, SortAs::Date}, {u"离校时间"_s, 110, SortAs::Date}, {u"联系电话"_s, 110, SortAs::Number}};
}

} // namespace RosterColumns

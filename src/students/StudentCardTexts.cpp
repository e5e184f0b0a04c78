#include "students/StudentCardTexts.h"

#include "text/GbText.h"

using namespace Qt::StringLiterals;

namespace StudentCardTexts {

QString emptyTitle(StudentViewKind kind, const QString& school, const QString& selector)
{
    switch (kind) {
    case StudentViewKind::Enrolled:
        return school + selector + u"目前没有学生资料"_s;
    case StudentViewKind::Graduate:
        return u"没有"_s + selector + u"毕业的学生资料"_s;
    case StudentViewKind::Leaver:
        break;
    }
    return u"本校目前没有因转学、退学等原因离校的学生资料"_s;
}

QString recordTitle(
    StudentViewKind kind, const QString& school, const QString& selector, const QString& className, const QString& name)
{
    switch (kind) {
    case StudentViewKind::Enrolled:
        return school + className + name + u"同学的资料"_s;
    case StudentViewKind::Graduate:
        return school + graduationYear(selector) + u"毕业生"_s + name + u"同学的资料"_s;
    case StudentViewKind::Leaver:
        break;
    }
    return school + className + name + u"同学的资料(已离校)"_s;
}

QString graduationYear(const QString& date)
{
    // Up to and including the first 年: a malformed date never gives half a character or a month.
    const qsizetype year = date.indexOf(u'年');
    return year < 0 ? date : date.left(year + 1);
}

QString combinedComment(const QString& termComment, const QString& overall)
{
    return u"\r\n本学期评语：\r\n\r\n"_s + termComment + u"\r\n\r\n综合评价：\r\n\r\n"_s + overall;
}

QString mark(std::optional<int> value)
{
    if (!value || *value == 0)
        return {};
    return QString::number(*value);
}

QString leaveLink(const QString& name)
{
    return name + u"同学已离开本校(点击查看详细)"_s;
}

QString leaveNote(const QString& name, const QString& date, const QString& reason)
{
    return u"    "_s + name + u"同学已于"_s + date + u"离开本校\r\n\r\n    离开本校的原因是："_s + reason;
}

QStringList genericSubjects()
{
    QStringList out;
    for (int i = 1; i <= 10; ++i)
        out << u"第%1科"_s.arg(i);
    return out;
}

} // namespace StudentCardTexts

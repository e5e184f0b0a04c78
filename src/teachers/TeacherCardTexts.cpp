#include "teachers/TeacherCardTexts.h"

using namespace Qt::StringLiterals;

namespace TeacherCardTexts {

namespace {

QString fact(TeacherViewKind kind, const char16_t* TeacherViewFacts::*field)
{
    return QString::fromUtf16(TeacherViewKinds::facts(kind).*field);
}

} // namespace

QString title(TeacherViewKind kind, const QString& school, const QString& name)
{
    return school + name + fact(kind, &TeacherViewFacts::cardTitle);
}

QString emptyTitle(TeacherViewKind kind, const QString& school)
{
    return school + fact(kind, &TeacherViewFacts::cardEmptyTitle);
}

QString countsPrefix(TeacherViewKind kind)
{
    return fact(kind, &TeacherViewFacts::cardCountsPrefix);
}

QString stateText(TeacherViewKind kind)
{
    return fact(kind, &TeacherViewFacts::cardState);
}

QString hint(TeacherViewKind kind)
{
    return fact(kind, &TeacherViewFacts::cardHint);
}

QString combinedText(const QString& resume, const QString& other)
{
    return u"个人简历\r\n\r\n"_s + resume + u"\r\n\r\n其它资料\r\n\r\n"_s + other;
}

QString leaveLink(TeacherViewKind kind, const QString& name)
{
    if (kind == TeacherViewKind::InService)
        return {};
    return name + fact(kind, &TeacherViewFacts::leaveLink);
}

QString leaveNote(TeacherViewKind kind, const QString& name, const QString& date, const QString& reason)
{
    if (kind == TeacherViewKind::InService)
        return {};
    return u"    "_s + name + u"同志已于"_s + date + fact(kind, &TeacherViewFacts::leaveNote) + reason;
}

} // namespace TeacherCardTexts

#include "teachers/TeacherViewKind.h"

using namespace Qt::StringLiterals;

namespace TeacherViewKinds {

QString pick(TeacherViewKind kind, const char16_t* inService, const char16_t* retired, const char16_t* movedAway)
{
    switch (kind) {
    case TeacherViewKind::InService:
        return QString::fromUtf16(inService);
    case TeacherViewKind::Retired:
        return QString::fromUtf16(retired);
    case TeacherViewKind::MovedAway:
        break;
    }
    return QString::fromUtf16(movedAway);
}

QString text(TeacherViewKind kind)
{
    return pick(kind, u"在职教员", u"退休教员", u"调离教员");
}

std::optional<TeacherViewKind> fromText(const QString& text)
{
    for (TeacherViewKind kind : {TeacherViewKind::InService, TeacherViewKind::Retired, TeacherViewKind::MovedAway}) {
        if (TeacherViewKinds::text(kind) == text)
            return kind;
    }
    return std::nullopt;
}

QString table(TeacherViewKind kind)
{
    return pick(kind, u"教员表", u"退休表", u"调离表");
}

} // namespace TeacherViewKinds

#include "teachers/TeacherViewKind.h"

using namespace Qt::StringLiterals;

namespace TeacherViewKinds {

QString text(TeacherViewKind kind)
{
    switch (kind) {
    case TeacherViewKind::InService:
        return u"在职教员"_s;
    case TeacherViewKind::Retired:
        return u"退休教员"_s;
    case TeacherViewKind::MovedAway:
        break;
    }
    return u"调离教员"_s;
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
    switch (kind) {
    case TeacherViewKind::InService:
        return u"教员表"_s;
    case TeacherViewKind::Retired:
        return u"退休表"_s;
    case TeacherViewKind::MovedAway:
        break;
    }
    return u"调离表"_s;
}

} // namespace TeacherViewKinds

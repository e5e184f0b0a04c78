#include "teachers/TeacherCardTexts.h"

using namespace Qt::StringLiterals;

namespace TeacherCardTexts {

QString title(TeacherViewKind kind, const QString& school, const QString& name)
{
    switch (kind) {
    case TeacherViewKind::InService:
        return school + name + u"同志的资料"_s;
    case TeacherViewKind::Retired:
        return school + name + u"同志的资料(已退休)"_s;
    case TeacherViewKind::MovedAway:
        break;
    }
    return school + name + u"同志的资料(已调离)"_s;
}

QString emptyTitle(TeacherViewKind kind, const QString& school)
{
    switch (kind) {
    case TeacherViewKind::InService:
        return school + u"目前没有在职教员的资料"_s;
    case TeacherViewKind::Retired:
        return school + u"目前没有退休教员的资料"_s;
    case TeacherViewKind::MovedAway:
        break;
    }
    return school + u"目前没有调离本校的教员资料"_s;
}

QString countsPrefix(TeacherViewKind kind)
{
    switch (kind) {
    case TeacherViewKind::InService:
        return u"目前本校在职教员有"_s;
    case TeacherViewKind::Retired:
        return u"目前自本校退休的教员有"_s;
    case TeacherViewKind::MovedAway:
        break;
    }
    return u"目前调离本校的教员有"_s;
}

QString stateText(TeacherViewKind kind)
{
    switch (kind) {
    case TeacherViewKind::InService:
        return u"    当前状态：查看在职教员资料"_s;
    case TeacherViewKind::Retired:
        return u"    当前状态：查看退休教员资料"_s;
    case TeacherViewKind::MovedAway:
        break;
    }
    return u"当前状态：查看调离本校的教员资料"_s;
}

QString hint(TeacherViewKind kind)
{
    switch (kind) {
    case TeacherViewKind::InService:
        return u"    提示： 右击姓名列表可弹出操作菜单，双击照片查看可放大的照片。"_s;
    case TeacherViewKind::Retired:
        return u"    提示： 双击照片查看可放大的照片。退休教员的资料不能被修改。"_s;
    case TeacherViewKind::MovedAway:
        break;
    }
    return u"    提示： 双击照片查看可放大的照片。调离教员的资料不能被修改。"_s;
}

QString combinedText(const QString& resume, const QString& other)
{
    return u"个人简历\r\n\r\n"_s + resume + u"\r\n\r\n其它资料\r\n\r\n"_s + other;
}

QString leaveLink(TeacherViewKind kind, const QString& name)
{
    switch (kind) {
    case TeacherViewKind::InService:
        return {};
    case TeacherViewKind::Retired:
        return name + u"同志已经自本校退休(点击查看详细)"_s;
    case TeacherViewKind::MovedAway:
        break;
    }
    return name + u"同志已经调离本校(点击查看详细)"_s;
}

QString leaveNote(TeacherViewKind kind, const QString& name, const QString& date, const QString& reason)
{
    switch (kind) {
    case TeacherViewKind::InService:
        return {};
    case TeacherViewKind::Retired:
        return u"    "_s + name + u"同志已于"_s + date + u"自本校退休\r\n\r\n    有关本次退休的说明："_s + reason;
    case TeacherViewKind::MovedAway:
        break;
    }
    return u"    "_s + name + u"同志已于"_s + date + u"调离本校\r\n\r\n    调离本校的原因是："_s + reason;
}

} // namespace TeacherCardTexts

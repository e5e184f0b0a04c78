#include "teachers/TeacherCardTexts.h"

using namespace Qt::StringLiterals;

namespace TeacherCardTexts {

using TeacherViewKinds::pick;

QString title(TeacherViewKind kind, const QString& school, const QString& name)
{
    return school + name + pick(kind, u"同志的资料", u"同志的资料(已退休)", u"同志的资料(已调离)");
}

QString emptyTitle(TeacherViewKind kind, const QString& school)
{
    return school + pick(kind, u"目前没有在职教员的资料", u"目前没有退休教员的资料", u"目前没有调离本校的教员资料");
}

QString countsPrefix(TeacherViewKind kind)
{
    return pick(kind, u"目前本校在职教员有", u"目前自本校退休的教员有", u"目前调离本校的教员有");
}

QString stateText(TeacherViewKind kind)
{
    return pick(kind, u"    当前状态：查看在职教员资料", u"    当前状态：查看退休教员资料",
        u"当前状态：查看调离本校的教员资料");
}

QString hint(TeacherViewKind kind)
{
    return pick(kind, u"    提示： 右击姓名列表可弹出操作菜单，双击照片查看可放大的照片。",
        u"    提示： 双击照片查看可放大的照片。退休教员的资料不能被修改。",
        u"    提示： 双击照片查看可放大的照片。调离教员的资料不能被修改。");
}

QString combinedText(const QString& resume, const QString& other)
{
    return u"个人简历\r\n\r\n"_s + resume + u"\r\n\r\n其它资料\r\n\r\n"_s + other;
}

QString leaveLink(TeacherViewKind kind, const QString& name)
{
    if (kind == TeacherViewKind::InService)
        return {};
    return name + pick(kind, u"", u"同志已经自本校退休(点击查看详细)", u"同志已经调离本校(点击查看详细)");
}

QString leaveNote(TeacherViewKind kind, const QString& name, const QString& date, const QString& reason)
{
    if (kind == TeacherViewKind::InService)
        return {};
    return u"    "_s + name + u"同志已于"_s + date
        + pick(kind, u"", u"自本校退休\r\n\r\n    有关本次退休的说明：", u"调离本校\r\n\r\n    调离本校的原因是：")
        + reason;
}

} // namespace TeacherCardTexts

#include "teachers/TeacherViewKind.h"

#include "store/KindTable.h"

namespace {

constexpr TeacherViewFacts Files[] = {
    {TeacherViewKind::InService, u"在职教员", u"教员表", u"调入本校时间", u"本校在职教员有",
        u"目前本校没有在职教员数据", u"在职教员花名册", u"部分在职教员花名册", u"    当前状态：在职教员列表",
        u"同志的资料", u"目前没有在职教员的资料", u"目前本校在职教员有", u"    当前状态：查看在职教员资料",
        u"    提示： 右击姓名列表可弹出操作菜单，双击照片查看可放大的照片。", u"", u""},
    {TeacherViewKind::Retired, u"退休教员", u"退休表", u"退休时间", u"自本校退休的教员有", u"目前本校没有退休教员数据",
        u"退休教员花名册", u"部分退休教员花名册", u"    当前状态：退休教员列表", u"同志的资料(已退休)",
        u"目前没有退休教员的资料", u"目前自本校退休的教员有", u"    当前状态：查看退休教员资料",
        u"    提示： 双击照片查看可放大的照片。退休教员的资料不能被修改。", u"同志已经自本校退休(点击查看详细)",
        u"自本校退休\r\n\r\n    有关本次退休的说明："},
    {TeacherViewKind::MovedAway, u"调离教员", u"调离表", u"调离时间", u"已调离本校的教员有",
        u"目前本校没有调离教员数据", u"调离教员花名册", u"部分调离教员花名册", u"    当前状态：调离教员列表",
        u"同志的资料(已调离)", u"目前没有调离本校的教员资料", u"目前调离本校的教员有",
        u"当前状态：查看调离本校的教员资料", u"    提示： 双击照片查看可放大的照片。调离教员的资料不能被修改。",
        u"同志已经调离本校(点击查看详细)", u"调离本校\r\n\r\n    调离本校的原因是："},
};

} // namespace

namespace TeacherViewKinds {

const TeacherViewFacts& facts(TeacherViewKind kind)
{
    return KindTable::row(Files, kind);
}

QString text(TeacherViewKind kind)
{
    return QString::fromUtf16(facts(kind).text);
}

std::optional<TeacherViewKind> fromText(const QString& text)
{
    return KindTable::byText(Files, text);
}

QString table(TeacherViewKind kind)
{
    return QString::fromUtf16(facts(kind).table);
}

} // namespace TeacherViewKinds

#include "access/CommandRights.h"

#include <QHash>

using namespace Qt::StringLiterals;

namespace CommandRights {

namespace {

const QHash<QString, Requirement>& table()
{
    static const QHash<QString, Requirement> t = [] {
        QHash<QString, Requirement> made;
        const auto add = [&made](Requirement r, std::initializer_list<const char16_t*> commands) {
            for (const char16_t* c : commands)
                made.insert(QString::fromUtf16(c), r);
        };
        add(Requirement::Students,
            {u"查看学生资料", u"添加学生资料", u"修改学生资料", u"调整学生班级", u"学生转学退学", u"在校学生列表",
                u"毕业学生列表", u"转退学生列表", u"毕业学生资料", u"转退学生资料", u"期中成绩录入", u"期末成绩录入",
                u"成绩分析", u"智能评语录入", u"导入学生资料"});
        add(Requirement::Teachers,
            {u"查看教员档案", u"添加教员档案", u"修改教员档案", u"教员退休操作", u"教员调离操作", u"在职教员列表",
                u"退休教员列表", u"调离教员列表", u"退休教员档案", u"调离教员档案"});
        add(Requirement::Wages, {u"打开工资表一", u"打开工资表二", u"打开工资表三", u"打开工资表四", u"打开工资表五"});
        add(Requirement::System,
            {u"校务设置", u"管理员设置", u"通用班级毕业升级", u"自设班级毕业升级", u"系统数据维护"});
        add(Requirement::Super,
            {u"系统数据初始化", u"删除学生资料", u"删除教员档案", u"删除学生", u"离校学生复学", u"删除教员",
                u"恢复教员资料"});
        return made;
    }();
    return t;
}

} // namespace

Requirement requirementOf(QStringView command)
{
    return table().value(command.toString(), Requirement::None);
}

} // namespace CommandRights

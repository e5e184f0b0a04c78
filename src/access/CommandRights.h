#pragma once

#include "access/Requirement.h"

#include <QString>

// The rights each guarded command needs, looked up by the command's menu text ("查看学生资料").
// Commands not in the table are not checked.
namespace CommandRights {

Requirement requirementOf(QStringView command);

// The message of a refused command.
inline QString refusal()
{
    return QStringLiteral(u"  抱歉！您没有当前的操作权限！  ");
}

} // namespace CommandRights

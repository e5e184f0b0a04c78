#pragma once

#include "records/TextField.h"
#include "students/StudentRecord.h"

#include <QString>

#include <array>

// The nineteen personal and guardian texts of a pupil, in the order of the columns that follow
// 学号. Reading, writing, the editor's controls and the card's labels all go by this one table.
using StudentField = TextField<StudentRecord>;

inline constexpr std::array<StudentField, 19> StudentFields {{
    {u"姓名", &StudentRecord::姓名},
    {u"性别", &StudentRecord::性别},
    {u"民族", &StudentRecord::民族},
    {u"出生日期", &StudentRecord::出生日期},
    {u"入学日期", &StudentRecord::入学日期},
    {u"所在班级", &StudentRecord::所在班级},
    {u"班内职务", &StudentRecord::班内职务},
    {u"家庭住址", &StudentRecord::家庭住址},
    {u"联系电话", &StudentRecord::联系电话},
    {u"户籍所在地", &StudentRecord::户籍所在地},
    {u"籍贯", &StudentRecord::籍贯},
    {u"家长A", &StudentRecord::家长A},
    {u"家长A姓名", &StudentRecord::家长A姓名},
    {u"家长A单位", &StudentRecord::家长A单位},
    {u"家长A电话", &StudentRecord::家长A电话},
    {u"家长B", &StudentRecord::家长B},
    {u"家长B姓名", &StudentRecord::家长B姓名},
    {u"家长B单位", &StudentRecord::家长B单位},
    {u"家长B电话", &StudentRecord::家长B电话},
}};

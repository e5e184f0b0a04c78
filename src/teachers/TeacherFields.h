#pragma once

#include "records/TextField.h"
#include "teachers/TeacherRecord.h"

#include <array>

// The sixteen texts of a teacher after 编号, in column order. Reading, writing, the editor's
// controls and the card's labels go by this one table.
using TeacherField = TextField<TeacherRecord>;

inline constexpr std::array<TeacherField, 16> TeacherFields {{
    {u"姓名", &TeacherRecord::姓名},
    {u"性别", &TeacherRecord::性别},
    {u"民族", &TeacherRecord::民族},
    {u"出生日期", &TeacherRecord::出生日期},
    {u"学历", &TeacherRecord::学历},
    {u"政治面貌", &TeacherRecord::政治面貌},
    {u"参加工作时间", &TeacherRecord::参加工作时间},
    {u"调入本校时间", &TeacherRecord::调入本校时间},
    {u"职称", &TeacherRecord::职称},
    {u"职务或岗位", &TeacherRecord::职务或岗位},
    {u"身份证号", &TeacherRecord::身份证号},
    {u"手机号码", &TeacherRecord::手机号码},
    {u"家庭住址", &TeacherRecord::家庭住址},
    {u"住宅电话", &TeacherRecord::住宅电话},
    {u"籍贯", &TeacherRecord::籍贯},
    {u"户籍所在地", &TeacherRecord::户籍所在地},
}};

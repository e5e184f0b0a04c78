#include "students/StudentViewKind.h"

const StudentViewFacts StudentViewFiles[] = {
    {StudentViewKind::Enrolled, u"在校学生", u"学籍表",
        u"select [学号],[姓名],[性别] from [学籍表] where [所在班级]=? order by [姓名]",
        u"    当前状态：查看在校学生资料", u"本班共有", u"人"},
    {StudentViewKind::Graduate, u"毕业学生", u"毕业表",
        u"select 学号,姓名,性别 from 毕业表 where 离校时间=? order by 姓名", u"    当前状态：查看毕业学生资料", u"共有",
        u"人毕业"},
    {StudentViewKind::Leaver, u"离校学生", u"转退表", u"select 学号,姓名,性别 from 转退表 order by 姓名",
        u"    当前状态：查看离校学生资料", u"共有", u"人离校"},
};

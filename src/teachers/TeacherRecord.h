#pragma once

#include <QByteArray>
#include <QString>

// One row of 教员表, 退休表 or 调离表, all 22 columns. The résumé and the other information are the
// texts of their stored GB18030 bytes, line breaks as stored ("\r\n").
struct TeacherRecord
{
    qint64 编号 = 0;
    QString 姓名;
    QString 性别;
    QString 民族;
    QString 出生日期;
    QString 学历;
    QString 政治面貌;
    QString 参加工作时间;
    QString 调入本校时间;
    QString 职称;
    QString 职务或岗位;
    QString 身份证号;
    QString 手机号码;
    QString 家庭住址;
    QString 住宅电话;
    QString 籍贯;
    QString 户籍所在地;
    QByteArray 照片;
    QString 个人简历;
    QString 其他资料;
    QString 离校时间 = QStringLiteral(u"-");
    QString 离校原因 = QStringLiteral(u"-");
};

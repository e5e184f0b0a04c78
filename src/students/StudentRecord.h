#pragma once

#include <QByteArray>
#include <QString>

#include <array>
#include <optional>

// One row of 学籍表, 毕业表 or 转退表, all 45 columns. The comments are the texts of their
// stored GB18030 bytes, line breaks as stored ("\r\n").
struct StudentRecord
{
    qint64 学号 = 0;
    QString 姓名;
    QString 性别;
    QString 民族;
    QString 出生日期;
    QString 入学日期;
    QString 所在班级;
    QString 班内职务;
    QString 家庭住址;
    QString 联系电话;
    QString 户籍所在地;
    QString 籍贯;
    QString 家长A;
    QString 家长A姓名;
    QString 家长A单位;
    QString 家长A电话;
    QString 家长B;
    QString 家长B姓名;
    QString 家长B单位;
    QString 家长B电话;
    QByteArray 照片;
    QString 本学期评语;
    QString 综合评语;
    // Index 0 is subject slot 1; no value means no mark entered.
    std::array<std::optional<int>, 10> 期中 {};
    std::array<std::optional<int>, 10> 期末 {};
    QString 离校时间 = QStringLiteral(u"-");
    QString 离校原因 = QStringLiteral(u"-");
};

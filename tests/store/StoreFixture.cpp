#include "StoreFixture.h"

#include "text/GbText.h"

using namespace Qt::StringLiterals;

QVariantList pupilValues(qint64 number, const QString& name, const QString& klass)
{
    QVariantList v {number, name, u"男"_s, u"汉族"_s, u"2015年3月8日"_s, u"2021年9月1日"_s, klass, u"班长"_s,
        u"幸福路12号"_s, u"0571-88886666"_s, u"杭州市"_s, u"浙江绍兴"_s, u"父亲"_s, u"李建国"_s, u"张记'老字号'"_s,
        u"13900000000"_s, u"母亲"_s, u"王芳"_s, u"第一医院"_s, u"13800000000"_s};
    QByteArray photo("\xFF\xD8\xFF\xE0JFIF", 8);
    photo.append(QByteArray(5000, '\x7F'));
    v << photo << GbText::toBytes(u"本学期表现很好。\r\n"_s) << GbText::toBytes(u"综合评语"_s);
    for (int i = 0; i < 20; ++i)
        v << QVariant(i % 3 == 0 ? QVariant() : QVariant(60 + i));
    v << u"-"_s << u"-"_s;
    return v;
}

QString pupilInsert(const QString& table)
{
    QStringList marks;
    for (int i = 0; i < 45; ++i)
        marks << u"?"_s;
    return u"insert into "_s + table + u" values ( "_s + marks.join(u',') + u" )"_s;
}

QVariantList classValues(const QString& name, const QString& headTeacher)
{
    QVariantList v {name, headTeacher};
    for (int i = 0; i < 40; ++i)
        v << u""_s;
    v << u"通用"_s;
    for (int i = 1; i <= 10; ++i)
        v << u"科目"_s + QString::number(i);
    return v;
}

QString classInsert()
{
    QStringList marks;
    for (int i = 0; i < 53; ++i)
        marks << u"?"_s;
    return u"insert into 班级表 values ("_s + marks.join(u',') + u")"_s;
}

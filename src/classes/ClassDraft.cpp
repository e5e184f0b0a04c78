#include "classes/ClassDraft.h"

#include "text/GbText.h"

using namespace Qt::StringLiterals;

ClassDraft::Refusal ClassDraft::refusal() const
{
    if (!custom && GbText::removeBlanks(number).isEmpty())
        return Refusal::NoClassNumber;
    if (custom && GbText::removeBlanks(customName).isEmpty())
        return Refusal::NoCustomName;
    if (headTeacher.isEmpty())
        return Refusal::NoHeadTeacher;
    return Refusal::None;
}

QString ClassDraft::name() const
{
    return custom ? customName : grade + number;
}

QString ClassDraft::category() const
{
    return custom ? u"自设"_s : u"通用"_s;
}

QStringList ClassDraft::grades()
{
    return {u"1年级"_s, u"2年级"_s, u"3年级"_s, u"4年级"_s, u"5年级"_s, u"6年级"_s, u"初中1年级"_s, u"初中2年级"_s,
        u"初中3年级"_s, u"高中1年级"_s, u"高中2年级"_s, u"高中3年级"_s};
}

QStringList ClassDraft::classNumbers()
{
    QStringList numbers;
    for (int i = 1; i <= 15; ++i)
        numbers.append(QString::number(i) + u"班"_s);
    return numbers;
}

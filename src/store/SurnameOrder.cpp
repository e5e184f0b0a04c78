#include "store/SurnameOrder.h"

#include <QHash>
#include <QSet>

using namespace Qt::StringLiterals;

namespace SurnameOrder {

// Surnames whose reading differs from the character's most common one, each with a stand-in of that
// reading (checked against 《现代汉语词典》 and the 百家姓 readings).
const QHash<QString, QString>& readings()
{
    static const QHash<QString, QString> table {
        {u"曾"_s, u"增"_s}, // zēng
        {u"单"_s, u"善"_s}, // shàn
        {u"仇"_s, u"求"_s}, // qiú
        {u"解"_s, u"谢"_s}, // xiè
        {u"朴"_s, u"瓢"_s}, // piáo
        {u"区"_s, u"欧"_s}, // ōu
        {u"查"_s, u"渣"_s}, // zhā
        {u"盖"_s, u"葛"_s}, // gě
        {u"缪"_s, u"妙"_s}, // miào
        {u"覃"_s, u"秦"_s}, // qín
        {u"翟"_s, u"宅"_s}, // zhái
        {u"召"_s, u"邵"_s}, // shào
        {u"种"_s, u"虫"_s}, // chóng
        {u"乐"_s, u"岳"_s}, // yuè
        {u"员"_s, u"运"_s}, // yùn
        {u"华"_s, u"化"_s}, // huà
        {u"过"_s, u"锅"_s}, // guō
        {u"句"_s, u"勾"_s}, // gōu
        {u"秘"_s, u"必"_s}, // bì
        {u"繁"_s, u"婆"_s}, // pó
        {u"折"_s, u"舌"_s}, // shé
        {u"隗"_s, u"伟"_s}, // wěi
        {u"黑"_s, u"贺"_s}, // hè
        {u"能"_s, u"耐"_s}, // nài
        // Compound surnames read otherwise; the others keep their ordinary reading.
        {u"尉迟"_s, u"玉迟"_s}, // yùchí
        {u"万俟"_s, u"莫其"_s}, // mòqí
        {u"单于"_s, u"蝉于"_s}, // chányú
    };
    return table;
}

const QStringList& compounds()
{
    static const QStringList list {u"欧阳"_s, u"司马"_s, u"诸葛"_s, u"上官"_s, u"东方"_s, u"皇甫"_s, u"尉迟"_s,
        u"公孙"_s, u"令狐"_s, u"慕容"_s, u"司徒"_s, u"夏侯"_s, u"万俟"_s, u"单于"_s, u"长孙"_s, u"宇文"_s, u"轩辕"_s,
        u"闻人"_s, u"澹台"_s, u"公冶"_s, u"太史"_s, u"申屠"_s, u"端木"_s, u"呼延"_s, u"南宫"_s, u"西门"_s, u"独孤"_s,
        u"钟离"_s, u"赫连"_s};
    return list;
}

namespace {

// The first characters of every surname above and of every compound: any other name sorts as it is,
// which spares the collation most of its work (it runs for every comparison of a sort).
const QSet<char16_t>& starts()
{
    static const QSet<char16_t> set = [] {
        QSet<char16_t> made;
        for (auto it = readings().cbegin(); it != readings().cend(); ++it)
            made.insert(it.key().at(0).unicode());
        for (const QString& compound : compounds())
            made.insert(compound.at(0).unicode());
        return made;
    }();
    return set;
}

} // namespace

QString sortText(const QString& name)
{
    if (name.isEmpty() || !starts().contains(name.at(0).unicode()))
        return name;
    const QString two = name.left(2);
    const qsizetype surname = name.size() > 2 && compounds().contains(two) ? 2 : 1;
    const auto reading = readings().constFind(name.left(surname));
    if (reading == readings().constEnd())
        return name;
    return *reading + name.mid(surname);
}

} // namespace SurnameOrder

#include "students/StudentEntryLists.h"

using namespace Qt::StringLiterals;

namespace StudentEntryLists {

const QStringList& nationalities()
{
    static const QStringList list
        = u"汉族 回族 满族 苗族 藏族 壮族 傣族 彝族 瑶族 白族 佤族 侗族 黎族 畲族 京族 怒族 羌族 "
          u"土族 水族 蒙古族 朝鲜族 景颇族 高山族 赫哲族 土家族 布依族 哈尼族 拉祜族 纳西族 傈僳族 "
          u"独龙族 布朗族 基诺族 门巴族 德昂族 阿昌族 普米族 珞巴族 仡佬族 东乡族 撒拉族 保安族 "
          u"毛南族 裕固族 锡伯族 仫佬族 维吾尔族 俄罗斯族 塔塔尔族 哈萨克族 塔吉克族 乌孜别克 "
          u"达斡尔族 鄂温克族 鄂伦春族 少数民族"_s.split(u' ');
    return list;
}

const QStringList& classDuties()
{
    static const QStringList list = u"学生 班长 副班长 组长 副组长 学习委员 生活委员 语文课代表 数学课代表 英语课代表 "
                                    u"自然课代表 音乐课代表 美术课代表 体育课代表 代数课代表 几何课代表 物理课代表 "
                                    u"化学课代表 微机课代表 生物课代表 地理课代表 政治课代表 学生会主席"_s.split(u' ');
    return list;
}

const QStringList& guardianRelations()
{
    static const QStringList list
        = u"父亲 母亲 爷爷 奶奶 姥爷 姥姥 叔叔 婶婶 舅舅 舅妈 哥哥 嫂子 姐姐 姐夫"_s.split(u' ');
    return list;
}

} // namespace StudentEntryLists

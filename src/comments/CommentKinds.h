#pragma once

#include <QString>
#include <QStringList>

// The names 评语表 sorts its rows by: two libraries, seven entry categories ("分类1".."分类7")
// and three kinds of model comment.
namespace CommentKinds {

inline constexpr int CategoryCount = 7;
// A library entry fits one line of the printed card.
inline constexpr int EntryMaxBytes = 100;
// What the model list shows of a model.
inline constexpr int ModelItemBytes = 70;

inline QString categoryName(int category)
{
    return QStringLiteral(u"分类") + QString::number(category);
}

inline QStringList categoryCaptions()
{
    return {QStringLiteral(u"总体印象"), QStringLiteral(u"学习情况"), QStringLiteral(u"课业方面"),
        QStringLiteral(u"班务工作"), QStringLiteral(u"团结友爱"), QStringLiteral(u"文体特长"),
        QStringLiteral(u"鼓励希望")};
}

inline QStringList libraries()
{
    return {QStringLiteral(u"小学评语库"), QStringLiteral(u"中学评语库")};
}

inline QStringList modelKinds()
{
    return {QStringLiteral(u"优等生评语范例"), QStringLiteral(u"中等生评语范例"), QStringLiteral(u"后进生评语范例")};
}

inline QString entryPlaceholder()
{
    return QStringLiteral(u"------新评语词条的内容(最多100个字符或50个汉字)------");
}

} // namespace CommentKinds

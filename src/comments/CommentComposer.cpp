#include "comments/CommentComposer.h"

#include "comments/CommentKinds.h"
#include "comments/RandomSource.h"
#include "text/DateText.h"

using namespace Qt::StringLiterals;

namespace CommentComposer {

namespace {
const QString Indent = u"    "_s;
}

QString append(const QString& comment, const QString& sentence)
{
    return comment.isEmpty() ? Indent + sentence : comment + sentence;
}

int nextCategory(int category)
{
    return category >= CommentKinds::CategoryCount ? 1 : category + 1;
}

QStringList draw(const QList<QStringList>& categories, RandomSource& random)
{
    random.reseed();
    QStringList picked;
    for (const QStringList& sentences : categories) {
        if (sentences.isEmpty())
            continue;
        const auto count = static_cast<quint32>(sentences.size());
        picked << sentences.at(static_cast<qsizetype>(random.next() % count));
    }
    return picked;
}

QString addToOverall(const QString& overall, const QString& termComment, QDate today)
{
    const QString heading = DateText::format(today) + u"录入的评语：\n\n"_s;
    return overall.isEmpty() ? heading + termComment : overall + u"\n\n"_s + heading + termComment;
}

QString modelShown(const QString& model)
{
    return Indent + model;
}

} // namespace CommentComposer

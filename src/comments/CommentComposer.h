#pragma once

#include <QDate>
#include <QList>
#include <QString>
#include <QStringList>

class RandomSource;

// How a term comment grows out of library sentences, and how it joins the overall evaluation.
// Texts are as the edit boxes hold them ("\n" line breaks).
namespace CommentComposer {

// The first sentence of a comment is indented by four blanks; later ones follow directly.
QString append(const QString& comment, const QString& sentence);
// The category after this one in automatic mode: 1..7, then 1 again.
int nextCategory(int category);
// One sentence drawn from each non-empty category, in category order: index 1 + r mod count.
QStringList draw(const QList<QStringList>& categories, RandomSource& random);
// The overall evaluation with the term comment added under a dated heading.
QString addToOverall(const QString& overall, const QString& termComment, QDate today);
// What the preview and an inserted model show: the model indented by four blanks.
QString modelShown(const QString& model);

} // namespace CommentComposer

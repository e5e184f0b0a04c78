#pragma once

#include <QString>

class QPlainTextEdit;

// The term comment fits a printed card: at most so many lines as the box shows them, wrapped
// lines included.
namespace TermCommentLimit {

inline constexpr int MaxLines = 14;

// Lines the box would show for this text at its current width.
int shownLines(const QPlainTextEdit& box, const QString& text);
// The text cut back from its end, two stored bytes at a time (a line break is stored as "\r\n"),
// until the box shows at most maxLines lines; the text itself when it fits.
QString cut(const QPlainTextEdit& box, const QString& text, int maxLines = MaxLines);

} // namespace TermCommentLimit

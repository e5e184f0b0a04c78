#pragma once

#include <QString>

class QPlainTextEdit;

// A long text box (a pupil's term comment, a teacher's résumé) fits its printed card: at most so
// many lines as the box shows them, wrapped lines included.
namespace LongTextLimit {

inline constexpr int TermCommentLines = 14;
inline constexpr int ResumeLines = 19;

// Lines the box would show for this text at its current width.
int shownLines(const QPlainTextEdit& box, const QString& text);
// The text cut back from its end, two stored bytes at a time (a line break is stored as "\r\n"),
// until the box shows at most maxLines lines; the text itself when it fits.
QString cut(const QPlainTextEdit& box, const QString& text, int maxLines);

} // namespace LongTextLimit

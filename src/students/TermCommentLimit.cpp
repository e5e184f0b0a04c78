#include "students/TermCommentLimit.h"

#include "students/StudentCardTexts.h"
#include "text/GbText.h"

#include <QPlainTextEdit>
#include <QTextLayout>

namespace TermCommentLimit {

int shownLines(const QPlainTextEdit& box, const QString& text)
{
    const qreal width = box.viewport()->width() - 2 * box.document()->documentMargin();
    int lines = 0;
    for (const QString& paragraph : text.split(u'\n')) {
        // A box not laid out yet has no width to wrap at: count paragraphs only.
        if (paragraph.isEmpty() || width < 20) {
            ++lines;
            continue;
        }
        QTextLayout layout(paragraph, box.font());
        layout.beginLayout();
        for (QTextLine line = layout.createLine(); line.isValid(); line = layout.createLine()) {
            line.setLineWidth(width);
            ++lines;
        }
        layout.endLayout();
    }
    return lines;
}

QString cut(const QPlainTextEdit& box, const QString& text, int maxLines)
{
    QString stored = StudentCardTexts::forStorage(text);
    while (!stored.isEmpty() && shownLines(box, StudentCardTexts::forDisplay(stored)) > maxLines)
        stored = GbText::chopBytes(stored, 2);
    return StudentCardTexts::forDisplay(stored);
}

} // namespace TermCommentLimit

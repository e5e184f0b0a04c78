#include "records/LongTextLimit.h"

#include "text/GbText.h"
#include "text/LineBreaks.h"

#include <QPlainTextEdit>
#include <QTextLayout>

namespace LongTextLimit {

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
    QString stored = LineBreaks::forStorage(text);
    while (!stored.isEmpty() && shownLines(box, LineBreaks::forDisplay(stored)) > maxLines)
        stored = GbText::chopBytes(stored, 2);
    return LineBreaks::forDisplay(stored);
}

} // namespace LongTextLimit

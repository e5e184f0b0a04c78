#include "records/GrowthLineLimit.h"

#include "records/LongTextLimit.h"

#include <QPlainTextEdit>

GrowthLineLimit::GrowthLineLimit(QPlainTextEdit& box, int maxLines, std::function<void()> warn)
    : QObject(&box)
    , m_box(box)
    , m_maxLines(maxLines)
    , m_warn(std::move(warn))
{
    connect(&box, &QPlainTextEdit::textChanged, this, &GrowthLineLimit::typed);
}

void GrowthLineLimit::load(const QString& text)
{
    show(text);
}

QString GrowthLineLimit::insert(const QString& text, bool extends)
{
    settle(text, extends);
    return m_accepted;
}

void GrowthLineLimit::typed()
{
    if (!m_busy)
        settle(m_box.toPlainText(), true);
}

void GrowthLineLimit::settle(const QString& candidate, bool extends)
{
    const int lines = LongTextLimit::shownLines(m_box, candidate);
    const int before = LongTextLimit::shownLines(m_box, m_accepted);
    if (lines <= m_maxLines || (extends && lines <= before)) {
        if (m_box.toPlainText() != candidate)
            show(candidate);
        m_accepted = candidate;
        return;
    }
    // Past the limit: an addition to a stored over-long text is refused as a whole, anything
    // else is cut back to the limit.
    show(extends && before > m_maxLines ? m_accepted : LongTextLimit::cut(m_box, candidate, m_maxLines));
    m_warn();
    m_box.setFocus();
    m_box.moveCursor(QTextCursor::End);
}

void GrowthLineLimit::show(const QString& text)
{
    m_busy = true;
    m_box.setPlainText(text);
    m_box.moveCursor(QTextCursor::End);
    m_accepted = text;
    m_busy = false;
}

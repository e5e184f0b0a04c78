#pragma once

#include <QObject>
#include <QString>

#include <functional>

class QPlainTextEdit;

// Keeps a comment box within its printed lines while the teacher writes, without ever cutting
// what was stored: a stored comment that wraps to more lines at this width or font is shown
// whole, and only what is added to it is refused. Typing and insertions past the limit are cut
// back from the end, whole characters at a time, and the warning is shown.
class GrowthLineLimit : public QObject
{
    Q_OBJECT

public:
    GrowthLineLimit(QPlainTextEdit& box, int maxLines, std::function<void()> warn);

    // Shows a text as stored, however many lines it takes.
    void load(const QString& text);
    // Puts the text in as the program composes it: appended to what is there (extends) or in
    // its place. Returns what the box holds afterwards.
    QString insert(const QString& text, bool extends);

private:
    void typed();
    void settle(const QString& candidate, bool extends);
    void show(const QString& text);

    QPlainTextEdit& m_box;
    int m_maxLines;
    std::function<void()> m_warn;
    QString m_accepted;
    bool m_busy = false;
};

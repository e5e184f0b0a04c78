#include "records/WholeTextTip.h"

#include <QEvent>
#include <QHelpEvent>
#include <QLineEdit>
#include <QToolTip>

WholeTextTip::WholeTextTip(QLineEdit* edit)
    : QObject(edit)
{
    edit->installEventFilter(this);
}

void WholeTextTip::attach(QLineEdit* edit)
{
    if (!edit->findChild<WholeTextTip*>(QString(), Qt::FindDirectChildrenOnly))
        new WholeTextTip(edit);
}

bool WholeTextTip::eventFilter(QObject* watched, QEvent* event)
{
    auto* edit = qobject_cast<QLineEdit*>(watched);
    if (!edit || event->type() != QEvent::ToolTip || !edit->toolTip().isEmpty())
        return false;
    // The frame and Qt's margins beside the text take about a dozen pixels.
    const QString text = edit->displayText();
    if (edit->fontMetrics().horizontalAdvance(text) > edit->width() - 12)
        QToolTip::showText(static_cast<QHelpEvent*>(event)->globalPos(), text, edit);
    else
        QToolTip::hideText();
    return true;
}

#include "records/FocusChain.h"

#include <QAbstractSpinBox>
#include <QComboBox>
#include <QKeyEvent>
#include <QLineEdit>

void FocusChain::link(QWidget* from, std::function<QWidget*()> next, bool enterMoves)
{
    m_steps.insert(from, {next, enterMoves});
    from->installEventFilter(this);
    // An editable combo box types into its own line edit, which sees the keys first.
    if (auto* combo = qobject_cast<QComboBox*>(from); combo && combo->lineEdit()) {
        m_steps.insert(combo->lineEdit(), {next, enterMoves});
        combo->lineEdit()->installEventFilter(this);
    }
}

void FocusChain::focusAndSelect(QWidget* target)
{
    if (!target)
        return;
    target->setFocus(Qt::TabFocusReason);
    if (auto* edit = qobject_cast<QLineEdit*>(target))
        edit->selectAll();
    else if (auto* combo = qobject_cast<QComboBox*>(target); combo && combo->lineEdit())
        combo->lineEdit()->selectAll();
    else if (auto* spin = qobject_cast<QAbstractSpinBox*>(target))
        spin->selectAll();
}

bool FocusChain::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() != QEvent::KeyPress)
        return false;
    const auto* key = static_cast<QKeyEvent*>(event);
    if (key->modifiers() & ~Qt::KeypadModifier)
        return false;
    const auto step = m_steps.constFind(watched);
    if (step == m_steps.constEnd())
        return false;
    const bool enter = key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter;
    if (key->key() != Qt::Key_Tab && !(enter && step->enterMoves))
        return false;
    focusAndSelect(step->next());
    return true;
}

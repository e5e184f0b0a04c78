#pragma once

#include <QApplication>
#include <QEvent>
#include <QLabel>
#include <QSize>

// A card's box whose size its layout fixes alone (fixed height, width ignored): its size hints
// never measure the text, so a new pupil's texts are not laid out once more for a relayout that
// cannot move anything.
template<class Label>
class SteadyLabel : public Label
{
public:
    using Label::Label;

    QSize sizeHint() const override
    {
        // Only a fixed height stands in for the text's; any other box measures as a label does.
        if (this->minimumHeight() != this->maximumHeight())
            return Label::sizeHint();
        return {0, this->minimumHeight()};
    }
    QSize minimumSizeHint() const override
    {
        if (this->minimumHeight() != this->maximumHeight())
            return Label::minimumSizeHint();
        return sizeHint();
    }

    // Selectable by mouse as soon as the pointer comes over the box. A selectable QLabel keeps a
    // text document that every new text is laid out in again, so the other boxes go without one.
    void selectableUnderPointer()
    {
        m_selectable = true;
        m_idleFlags = this->textInteractionFlags();
    }

protected:
    bool event(QEvent* event) override
    {
        if (m_selectable && event->type() == QEvent::Enter)
            this->setTextInteractionFlags(Qt::TextSelectableByMouse);
        // After the label's own handling: leaving the focus clears its selection.
        const bool handled = Label::event(event);
        if (m_selectable && (event->type() == QEvent::Leave || event->type() == QEvent::FocusOut))
            stopSelectingIfIdle();
        return handled;
    }

private:
    void stopSelectingIfIdle()
    {
        // Kept for what the box can still do without the pointer: Ctrl+A and Ctrl+C while it has
        // the focus, a copy of its selection from a menu that took the pointer.
        if (this->underMouse() || this->hasSelectedText() || this->hasFocus() || QApplication::activePopupWidget())
            return;
        this->setTextInteractionFlags(m_idleFlags);
    }

    bool m_selectable = false;
    Qt::TextInteractionFlags m_idleFlags;
};

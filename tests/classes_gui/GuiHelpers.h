#pragma once

#include <QApplication>
#include <QInputMethodEvent>
#include <QTimer>
#include <QWidget>

#include <functional>

// Text as an input method commits it: how Chinese reaches an edit box, byte limits included.
inline void commitText(QWidget* widget, const QString& text)
{
    QInputMethodEvent event;
    event.setCommitString(text);
    QApplication::sendEvent(widget, &event);
}

// Runs once the next modal window is up (it is still open when this returns).
inline void whenModal(std::function<void(QWidget*)> handle)
{
    QTimer::singleShot(0, [handle] { handle(QApplication::activeModalWidget()); });
}

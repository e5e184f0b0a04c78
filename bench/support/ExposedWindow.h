#pragma once

#include <QApplication>
#include <QCoreApplication>
#include <QDeadlineTimer>
#include <QWidget>
#include <QWindow>

// Shows `widget`'s window and runs the event loop until the platform has exposed it. Before that a
// repaint() paints nothing, so a bench timing "the first paint" with repaint() needs this first.
inline bool waitForExposed(QWidget& widget, int timeoutMs = 5000)
{
    QWidget* window = widget.window();
    window->show();
    const QDeadlineTimer deadline(timeoutMs);
    while (!(window->windowHandle() && window->windowHandle()->isExposed()) && !deadline.hasExpired())
        QCoreApplication::processEvents(QEventLoop::AllEvents, 5);
    QCoreApplication::processEvents();
    return window->windowHandle() && window->windowHandle()->isExposed();
}

// The window under test made the active one, as the clerk's window is: selection, focus frames
// and the text cursor paint as they do for the clerk.
inline void activate(QWidget* window)
{
    window->activateWindow();
    const QDeadlineTimer deadline(5000);
    while (QApplication::activeWindow() != window && !deadline.hasExpired())
        QCoreApplication::processEvents(QEventLoop::AllEvents, 5);
}

// A bare widget put into `top` where `ours` stands in its window, with its font.
inline void placeLike(QWidget* top, QWidget* bare, QWidget* ours)
{
    bare->setParent(top);
    bare->setGeometry(QRect(ours->mapTo(ours->window(), QPoint(0, 0)), ours->size()));
    bare->setFont(ours->font());
}

#pragma once

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

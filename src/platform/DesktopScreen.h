#pragma once

#include "platform/Screen.h"

#include <QPointer>
#include <QWindow>

// The screen of the given window, or the primary screen while there is none.
class DesktopScreen : public Screen
{
public:
    explicit DesktopScreen(QWindow* window = nullptr)
        : m_window(window)
    { }
    void setWindow(QWindow* window) { m_window = window; }
    QSize size() const override;

private:
    QPointer<QWindow> m_window;
};

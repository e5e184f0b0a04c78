#pragma once

#include <QSize>

// The size of the screen the main window is on, in pixels.
class Screen
{
public:
    virtual ~Screen() = default;
    virtual QSize size() const = 0;
    int width() const { return size().width(); }
    int height() const { return size().height(); }
};

#include "platform/DesktopScreen.h"

#include <QGuiApplication>
#include <QScreen>

QSize DesktopScreen::size() const
{
    QScreen* screen = m_window ? m_window->screen() : nullptr;
    if (!screen)
        screen = QGuiApplication::primaryScreen();
    return screen ? screen->size() : QSize();
}

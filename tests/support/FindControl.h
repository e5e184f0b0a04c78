#pragma once

#include <QObject>
#include <QString>

// A window's control by its object name; a test that asks for a control the window lacks stops
// at once instead of crashing on a null pointer later.
template<typename T>
T* findControl(const QObject* window, const QString& name)
{
    T* found = window->findChild<T*>(name);
    if (!found)
        qFatal("no control %s", qPrintable(name));
    return found;
}

#pragma once

#include "support/FindControl.h"

#include <QObject>
#include <QString>

#include <memory>

// The base of a test class whose tests each open one window over a host of their own (a
// Workbench, or a folder's bench). Not a Q_OBJECT, since a template cannot be one; the test class
// is, and its slots run as usual.
template<typename Host, typename Window>
class WindowTest : public QObject
{
protected:
    std::unique_ptr<Host> m_host;
    std::unique_ptr<Window> m_window;

    template<typename T>
    T* control(const QString& name)
    {
        return findControl<T>(m_window.get(), name);
    }

    Host& newHost()
    {
        m_host = std::make_unique<Host>();
        return *m_host;
    }
    // The window first: it holds references into its host.
    void closeAll()
    {
        m_window.reset();
        m_host.reset();
    }
};

#pragma once

#include "ClassesBench.h"

#include "support/FindControl.h"

#include <QObject>

#include <memory>

// The base of a test class whose tests each open one of the class windows over a fresh bench.
// Not a Q_OBJECT (a template cannot be one); the test class is, and its slots run as usual.
template<typename Window>
class ClassesWindowTest : public QObject
{
protected:
    std::unique_ptr<ClassesBench> m_host;
    std::unique_ptr<Window> m_window;

    template<typename T>
    T* control(const QString& name)
    {
        return findControl<T>(m_window.get(), name);
    }

    // The window on the bench's workspace, wired to put the focus on the grade grid as Features does.
    Window& makeWindow()
    {
        m_window = std::make_unique<Window>(m_host->ws, nullptr);
        m_window->focusGradeGrid = m_host->focusGradeGrid;
        return *m_window;
    }

    void newBench() { m_host = std::make_unique<ClassesBench>(); }
    // The window first: it holds references into the bench.
    void closeAll()
    {
        m_window.reset();
        m_host.reset();
    }
};

#pragma once

#include "ClassesBench.h"

#include "support/WindowTest.h"

// A test of one of the class windows, each test over a fresh bench.
template<typename Window>
class ClassesWindowTest : public WindowTest<ClassesBench, Window>
{
protected:
    // The window on the bench's workspace, wired to put the focus on the grade grid as Features does.
    Window& makeWindow()
    {
        this->m_window = std::make_unique<Window>(this->m_host->ws, nullptr);
        this->m_window->focusGradeGrid = this->m_host->focusGradeGrid;
        return *this->m_window;
    }
};

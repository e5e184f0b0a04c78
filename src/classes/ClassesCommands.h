#pragma once

#include <functional>

struct Workspace;

// Bodies of the main window's commands of this feature; the rights are checked before they run.
namespace ClassesCommands {

// 校务设置: the school settings window, modal over the main window.
// focusGradeGrid gives the focus back to the score grid when the window closes over it.
void schoolSettings(Workspace& ws, const std::function<void()>& focusGradeGrid);

} // namespace ClassesCommands

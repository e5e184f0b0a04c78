#pragma once

class ClassesHost;

// Bodies of the main window's commands of this feature; the rights are checked before they run.
namespace ClassesCommands {

// 校务设置: the school settings window, modal over the main window.
void schoolSettings(ClassesHost& host);

} // namespace ClassesCommands

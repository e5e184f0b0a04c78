#include "classes/ClassesCommands.h"

#include "classes/SchoolSettingsWindow.h"
#include "workspace/Shell.h"
#include "workspace/Workspace.h"

void ClassesCommands::schoolSettings(Workspace& ws, const std::function<void()>& focusGradeGrid)
{
    SchoolSettingsWindow window(ws, ws.shell.ownerWindow());
    window.focusGradeGrid = focusGradeGrid;
    window.exec();
}

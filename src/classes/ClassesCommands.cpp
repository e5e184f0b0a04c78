#include "classes/ClassesCommands.h"

#include "app/Shell.h"
#include "app/Workspace.h"
#include "classes/SchoolSettingsWindow.h"

void ClassesCommands::schoolSettings(Workspace& ws, const std::function<void()>& focusGradeGrid)
{
    SchoolSettingsWindow window(ws, ws.shell.ownerWindow());
    window.focusGradeGrid = focusGradeGrid;
    window.exec();
}

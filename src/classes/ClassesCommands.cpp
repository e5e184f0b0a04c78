#include "classes/ClassesCommands.h"

#include "classes/ClassesHost.h"
#include "classes/SchoolSettingsWindow.h"

void ClassesCommands::schoolSettings(ClassesHost& host)
{
    SchoolSettingsWindow window(host, host.window());
    window.exec();
}

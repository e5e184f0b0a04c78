#pragma once

#include "support/FakeServices.h"

#include "access/RightsString.h"
#include "app/MainWindow.h"
#include "app/Startup.h"

// The program as main() starts it on a temp program directory, its desktop faked. Header only:
// gui tests and the picture makers alone include it.
struct StartedProgram
{
    FakeServices f;
    Startup startup {f.services, f.paths};

    MainWindow& main() { return *startup.mainWindow(); }
    // Started, with a super administrator (校长) logged in.
    bool startAsHead()
    {
        if (!startup.start())
            return false;
        main().setSession({QStringLiteral(u"校长"), RightsString::super()});
        return true;
    }
};

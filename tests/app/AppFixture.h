#pragma once

#include "platform/AppPaths.h"
#include "platform/DiskFileOps.h"
#include "platform/PlatformServices.h"
#include "support/FakeDesktop.h"
#include "support/FakePrompt.h"
#include "support/TempProgramDir.h"

// A program directory with fresh databases and the desktop replaced by test doubles.
struct AppFixture
{
    TempProgramDir dir;
    FakePrompt prompt;
    FakeFileChooser fileChooser;
    FixedClock clock;
    FixedScreen screen;
    FakeMusicPlayer music;
    FakeLauncher launcher;
    DiskFileOps fileOps;
    PlatformServices services {prompt, fileChooser, clock, screen, music, launcher, fileOps};
    AppPaths paths {dir.path()};
};

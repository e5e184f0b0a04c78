#pragma once

#include "support/Workbench.h"

#include <functional>

// The workspace the school, class and subject windows get, with a named school whose name is
// also in the settings file.
struct ClassesBench
{
    Workbench bench;
    DbConnection& db = bench.studentDb;
    FakePrompt& prompt = bench.desk.prompt;
    ProgramState& state = bench.state;
    FakeShell& shell = bench.shell;
    Workspace& ws = bench.ws;
    int gradeGridFocused = 0;
    std::function<void()> focusGradeGrid = [this] { ++gradeGridFocused; };

    ClassesBench()
    {
        bench.settings.setSchoolName(QStringLiteral(u"育才小学"));
        state.setSchoolName(QStringLiteral(u"育才小学"));
    }
};

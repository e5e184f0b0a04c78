#pragma once

#include "students/StudentsFixture.h"
#include "support/Workbench.h"

#include "students/StudentPages.h"

// A student window's workspace over a students database with the fixture's helpers, and the
// pages the editor asks about.
struct StudentsBench
{
    StudentsFixture data;
    Workbench bench {data.db};
    FakePrompt& prompt = bench.desk.prompt;
    FakeFileChooser& chooser = bench.desk.fileChooser;
    ProgramState& state = bench.state;
    FakeShell& shell = bench.shell;
    Workspace& ws = bench.ws;

    QString viewClass;
    QString roster;
    std::optional<StudentPick> pick;
    StudentPages pages()
    {
        return {[this] { return viewClass; }, [this] { return roster; }, [this] { return pick; }};
    }

    StudentsBench()
    {
        state.setSchoolName(QStringLiteral(u"实验小学"));
        state.setSession({QStringLiteral(u"校长"), RightsString(QStringLiteral(u"1111"))});
    }
};

#pragma once

#include "support/FakeServices.h"
#include "support/FakeShell.h"

#include "settings/AppSettings.h"
#include "store/DatabaseKind.h"
#include "store/DbConnection.h"
#include "workspace/ProgramState.h"
#include "workspace/Workspace.h"

// What Features hands a feature, on a temp program directory with fresh databases, the real state
// object and settings file, the desktop and the main window faked. Header only: gui tests alone
// include it.
struct Workbench
{
    // The students database of the program directory, open.
    Workbench()
        : studentDb(ownStudentDb)
    {
        open(ownStudentDb, DatabaseKind::Student);
        open(teacherDb, DatabaseKind::Teacher);
    }
    // A students database the test has opened itself (with its own fixture helpers).
    explicit Workbench(DbConnection& students)
        : studentDb(students)
    {
        open(teacherDb, DatabaseKind::Teacher);
    }
    Workbench(const Workbench&) = delete;
    Workbench& operator=(const Workbench&) = delete;

    void open(DbConnection& db, DatabaseKind kind) { db.openSchool(kind, desk.dir.databasePath(kind)); }

    FakeServices desk;
    DbConnection ownStudentDb;
    DbConnection& studentDb;
    DbConnection teacherDb;
    DbConnection adminDb;
    AppSettings settings {desk.paths.settingsFile(), desk.fileOps};
    ProgramState state;
    FakeShell shell;
    Workspace ws {desk.services, desk.paths, studentDb, teacherDb, adminDb, settings, state, shell};
};

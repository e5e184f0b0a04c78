#pragma once

#include "students/StudentsFixture.h"
#include "support/StartedProgram.h"

#include "store/DatabaseKind.h"

// The started program with the students fixture's helpers on its own students database. Header
// only: gui tests alone include it.
struct StartedSchool : StartedProgram
{
    StudentsFixture data;

    bool start() { return startup.start() && data.db.openSchool(DatabaseKind::Student, main().studentDb().path()); }
};

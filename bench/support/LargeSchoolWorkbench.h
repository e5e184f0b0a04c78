#pragma once

#include "school/LargeSchool.h"
#include "support/Workbench.h"

#include "store/DatabaseKind.h"

// What Features hands a page, over the large school's students database. The desktop and the main
// window are the tests' doubles: not part of what is measured.
inline Workbench& largeSchoolWorkbench()
{
    static Workbench bench(LargeSchool::database(DatabaseKind::Student));
    [[maybe_unused]] static const bool named = (bench.state.setSchoolName(QStringLiteral(u"阳光实验学校")), true);
    return bench;
}

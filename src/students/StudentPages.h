#pragma once

#include "students/StudentPick.h"

#include <QString>

#include <functional>
#include <optional>

// What the student editor asks of the pages that show pupils; Features wires it to them.
struct StudentPages
{
    // The class on show in the student view (page 1) and the enrolled roster (page 3); empty when none.
    std::function<QString()> studentViewClass;
    std::function<QString()> rosterClass;
    // The pupil modify mode opens on: the student view's record or the roster's row; none otherwise.
    std::function<std::optional<StudentPick>()> pickedPupil;
};

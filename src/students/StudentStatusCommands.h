#pragma once

#include "students/StudentPick.h"
#include "students/StudentViewKind.h"
#include "workspace/Page.h"

#include <optional>

class ArchivedRosterPage;
class EnrolledRosterPage;
class StudentViewPage;
struct Workspace;

// 学生转学退学, 调整学生班级, 离校学生复学, 删除学生资料 and 删除学生 on the pupil selected on the page
// on show: the student view (page 1), the graduate/leaver roster (page 2) or the class roster
// (page 3). Each page acts on the table it lists. The rights are checked before these run.
class StudentStatusCommands
{
public:
    StudentStatusCommands(
        Workspace& ws, StudentViewPage& view, EnrolledRosterPage& enrolled, ArchivedRosterPage& archived);

    void leave();
    void changeClass();
    void reenrol();
    void deleteRecord(); // 删除学生资料
    void deleteArchived(); // 删除学生

private:
    struct Target
    {
        Page page;
        StudentViewKind table;
        StudentPick pupil;
    };
    // The enrolled pupil for leave and change class, after the messages when there is none.
    std::optional<Target> enrolledTarget();
    // The selected pupil of page 1 or 2, and the table its list holds.
    std::optional<Target> archivedTarget();
    void removeFromList(Page page);
    void confirmAndRemove(const Target& target, const QString& question);

    Workspace& m_ws;
    StudentViewPage& m_view;
    EnrolledRosterPage& m_enrolled;
    ArchivedRosterPage& m_archived;
};

#pragma once

#include "teachers/TeacherViewKind.h"
#include "workspace/Page.h"

#include <QString>

#include <optional>

class TeacherRosterPage;
class TeacherViewPage;
struct Workspace;

// 教员退休操作, 教员调离操作, 恢复教员资料, 删除教员档案 and 删除教员 on the teacher selected on the page
// on show: the teacher view (page 5) or the staff roster (page 6). Each page acts on the file it
// lists and takes number and name from its one selected entry. The rights are checked before.
class TeacherStatusCommands
{
public:
    TeacherStatusCommands(Workspace& ws, TeacherViewPage& view, TeacherRosterPage& roster);

    // to: Retired (教员退休操作) or MovedAway (教员调离操作).
    void leave(TeacherViewKind to);
    void restore();
    void deleteRecord(); // 删除教员档案
    void deleteFormer(); // 删除教员

private:
    struct Target
    {
        Page page;
        TeacherViewKind file;
        qint64 number = 0;
        QString name;
    };
    std::optional<Target> selected() const;
    void removeFromList(const Target& target);
    void confirmAndRemove(const Target& target, const QString& question);

    Workspace& m_ws;
    TeacherViewPage& m_view;
    TeacherRosterPage& m_roster;
};

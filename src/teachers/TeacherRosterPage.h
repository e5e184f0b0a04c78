#pragma once

#include "records/RosterPage.h"
#include "teachers/TeacherViewKind.h"

#include <functional>
#include <optional>

class QComboBox;
class QLabel;
class QPushButton;

// Page 6: the roster of one staff file and its search.
class TeacherRosterPage : public RosterPage
{
    Q_OBJECT

public:
    TeacherRosterPage(Workspace& ws, PageFrame& frame, QWidget* parent = nullptr);

    // 在职教员列表, 退休教员列表 and 调离教员列表 after the rights check.
    void show(TeacherViewKind kind);
    void search();

    TeacherViewKind kind() const { return m_kind; }
    // The selected teacher's number and name.
    std::optional<std::pair<qint64, QString>> selectedTeacher() const;
    void removeSelectedRow();

    // A double click: the teacher on page 5, by number.
    std::function<void(TeacherViewKind kind, qint64 number)> openTeacher;

    QLabel* 教员列表统计标签;
    QWidget* 搜索教员底座;
    QComboBox* 搜索教员组合框;
    QLineEdit* 搜索教员编辑框;
    QPushButton* 搜索教员钮;
    ReportList* 教员列表框;

private:
    TeacherViewKind m_kind = TeacherViewKind::InService;
};

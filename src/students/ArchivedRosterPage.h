#pragma once

#include "records/RosterPage.h"
#include "students/StudentRosters.h"
#include "students/StudentViewKind.h"

#include <functional>

class QComboBox;
class QLabel;
class QPushButton;

// Page 2: the graduates of one graduation date or every pupil who left, and their searches.
class ArchivedRosterPage : public RosterPage
{
    Q_OBJECT

public:
    ArchivedRosterPage(Workspace& ws, PageFrame& frame, QWidget* parent = nullptr);

    // 毕业学生列表 and 转退学生列表 after the rights check.
    void showGraduates();
    void showLeavers();
    // 搜索离校 (本届搜索 or 开始搜索) and 历届搜索.
    void searchShown();
    void searchAllGraduates();

    StudentViewKind kind() const { return m_kind; }

    // A double click: the pupil on the student view, found by number.
    std::function<void(StudentViewKind kind, qint64 number, const QString& graduationDate)> openPupil;

    QComboBox* 毕业日期组合框;
    QLabel* 毕业统计标签;
    QLabel* 离校统计标签;
    QWidget* 搜索离校底座;
    QComboBox* 搜索离校生组合框;
    QLineEdit* 搜索离校生编辑框;
    QPushButton* 搜索离校;
    QPushButton* 历届搜索;
    ReportList* 毕业离校列表框;

private:
    void loadDate();
    void search(StudentRosters::Search kind);
    void fill(const std::optional<StudentRosters::Rows>& rows);
    QString statistics() const override;
    void showFor(StudentViewKind kind);

    StudentViewKind m_kind = StudentViewKind::Graduate;
};

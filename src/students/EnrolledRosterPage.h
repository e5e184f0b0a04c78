#pragma once

#include "records/RosterPage.h"
#include "students/StudentPick.h"
#include "students/StudentRosters.h"

#include <functional>
#include <optional>

class QComboBox;
class QLabel;
class QPushButton;

// Page 3: the roster of one class, its search in the class or the whole school.
class EnrolledRosterPage : public RosterPage
{
    Q_OBJECT

public:
    EnrolledRosterPage(Workspace& ws, PageFrame& frame, QWidget* parent = nullptr);

    // 在校学生列表 after the rights check.
    void showRoster();
    void searchInClass();
    void searchSchool();
    // The class on show read again, after pupils were added to it from elsewhere.
    void reload() { loadClass(); }

    // The class on show and the selected pupil, for the editor and the status commands.
    QString rosterClass() const;
    std::optional<StudentPick> currentPick() const;

    // A double click: the pupil on the student view.
    std::function<void(const QString& className, qint64 number)> openPupil;

    QComboBox* 在校生列表班级组合框;
    QLabel* 在校生统计标签;
    QWidget* 搜索在校生底座;
    QComboBox* 搜索在校生组合框;
    QLineEdit* 搜索在校生编辑框;
    QPushButton* 班内搜索;
    QPushButton* 全校搜索;
    ReportList* 在校生列表框;

private:
    void loadClass();
    void search(StudentRosters::Search kind);
    void fill(const std::optional<StudentRosters::Rows>& rows);
    QString statistics() const override;
};

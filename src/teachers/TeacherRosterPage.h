#pragma once

#include "teachers/TeacherViewKind.h"
#include "workspace/ItemViewNavigation.h"
#include "workspace/PageView.h"

#include <QWidget>

#include <functional>
#include <optional>

class PageFrame;
class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;
class ReportList;
struct Workspace;

// Page 6: the roster of one staff file and its search.
class TeacherRosterPage : public QWidget, public PageView
{
    Q_OBJECT

public:
    TeacherRosterPage(Workspace& ws, PageFrame& frame, QWidget* parent = nullptr);

    // 在职教员列表, 退休教员列表 and 调离教员列表 after the rights check.
    void show(TeacherViewKind kind);
    void search();

    TeacherViewKind kind() const { return m_kind; }
    bool isSearchResult() const { return m_searchResult; }
    // The selected teacher's number and name.
    std::optional<std::pair<qint64, QString>> selectedTeacher() const;
    void removeSelectedRow();

    RecordNavigation* navigation() override { return &m_navigation; }
    std::optional<PageTable> pageTable() const override;
    ReportBuild buildReport(SheetTable& sheet, const QDate& today) override;

    // A double click: the teacher on page 5, by number.
    std::function<void(TeacherViewKind kind, qint64 number)> openTeacher;

    QLabel* 教员列表统计标签;
    QWidget* 搜索教员底座;
    QComboBox* 搜索教员组合框;
    QLineEdit* 搜索教员编辑框;
    QPushButton* 搜索教员钮;
    ReportList* 教员列表框;

private:
    Workspace& m_ws;
    PageFrame& m_frame;
    ItemViewNavigation m_navigation;
    TeacherViewKind m_kind = TeacherViewKind::InService;
    bool m_searchResult = false;
};

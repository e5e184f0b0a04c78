#pragma once

#include "teachers/TeacherViewKind.h"
#include "workspace/ItemViewNavigation.h"
#include "workspace/PageView.h"

#include <QWidget>

#include <array>
#include <functional>
#include <optional>

class PageFrame;
class PhotoBox;
class QLabel;
class NameListView;
class QListWidget;
class QPlainTextEdit;
class QPushButton;
struct Workspace;

// Page 5: the names of one staff file and the record card of the selected teacher. Read-only;
// every display is rebuilt from the database.
class TeacherViewPage : public QWidget, public PageView
{
    Q_OBJECT

public:
    TeacherViewPage(Workspace& ws, PageFrame& frame, QWidget* parent = nullptr);

    // 查看教员档案, 退休教员档案 and 调离教员档案 after the rights check.
    void show(TeacherViewKind kind);
    // A roster row: the page on that teacher of the file, found by number.
    void openOnTeacher(TeacherViewKind kind, qint64 number);

    void loadNames();
    void showSelected();
    void clearRecord();

    TeacherViewKind listedKind() const { return m_listedKind; }
    // The selected teacher's number and name; nothing when the list is empty.
    std::optional<std::pair<qint64, QString>> selectedTeacher() const;
    // After the teacher left the list's table: the first name is selected and shown, or the empty page.
    void removeSelectedTeacher();
    QString leaveNote() const { return m_leaveNote; }

    RecordNavigation* navigation() override { return &m_navigation; }
    // The teacher card of what the page shows.
    ReportBuild buildReport(SheetTable& sheet, const QDate& today) override;

    // The photo zoom and the leave note; Features opens their windows.
    std::function<void(const QByteArray& photo)> zoomPhoto;
    std::function<void(const QString& note)> showLeaveNote;

    NameListView* 查看教员列表框;
    QLabel* 查看教员统计标签;
    QLabel* 教员姓名;
    QLabel* 教员性别;
    QLabel* 教员民族;
    QLabel* 教员出生日期;
    QLabel* 教员学历;
    QLabel* 教员政治面貌;
    QLabel* 教员参加工作时间;
    QLabel* 教员调入本校时间;
    QLabel* 教员职称;
    QLabel* 教员职务;
    QLabel* 教员身份证;
    QLabel* 教员手机号;
    QLabel* 教员家庭住址;
    QLabel* 教员住宅电话;
    QLabel* 教员籍贯;
    QLabel* 教员户籍;
    PhotoBox* 教员照片;
    QPlainTextEdit* 教员简历与资料编辑框;
    QPushButton* 教员当前去向;

private:
    // The value labels in the order of TeacherFields.
    std::array<QLabel*, 16> valueLabels() const;
    void selectRow(int row);
    void enter(TeacherViewKind kind);

    Workspace& m_ws;
    PageFrame& m_frame;
    ItemViewNavigation m_navigation;
    TeacherViewKind m_listedKind = TeacherViewKind::InService;
    QString m_leaveNote;
    QString m_resume; // 评语与简历 of the old main window
    int m_male = 0;
    int m_female = 0;
};

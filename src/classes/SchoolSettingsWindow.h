#pragma once

#include <QDialog>

#include <functional>

struct Workspace;
class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QTabWidget;
class QTreeWidget;

// 系统设置: the school's name and its classes with their head teachers; the subjects from here.
class SchoolSettingsWindow : public QDialog
{
    Q_OBJECT

public:
    SchoolSettingsWindow(Workspace& ws, QWidget* parent);

    // Handed on to the subjects window.
    std::function<void()> focusGradeGrid;

    // Set when the class list changed under a main-window page that shows it; closing then
    // sends the main window back to its home page.
    bool changeFlag() const { return m_changed; }

    void done(int result) override;

    QLabel* 标签1;
    QTreeWidget* 班级名列表框;
    QLabel* 学校名标签;
    QLineEdit* 学校名编辑框;
    QTabWidget* 选择夹1;
    QComboBox* 选择年级组合框;
    QComboBox* 选择班组合框;
    QLineEdit* 自设班名编辑框;
    QComboBox* 班主任组合框;
    QPushButton* 添加学校按钮;
    QPushButton* 添加班级按钮;
    QPushButton* 修改班主任按钮;
    QPushButton* 删除班级按钮;
    QPushButton* 课程设置按钮;
    QPushButton* 退出设置按钮;

private:
    void buildControls();
    void loadClasses();
    void appendRow(const QString& name, const QString& headTeacher);
    void rowSelected();
    int selectedRow() const;
    void renameSchool();
    void addClass();
    void deleteClass();
    void changeHeadTeacher();
    void openSubjects();
    // The class list shows on these pages; the subjects only on some of them.
    void flagChangeOnClassPages();

    Workspace& m_ws;
    bool m_changed = false;
};

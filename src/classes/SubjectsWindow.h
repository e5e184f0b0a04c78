#pragma once

#include <QDialog>

#include <functional>

#include <array>

struct Workspace;
class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;

// 设置修改本校的课程科目: the ten subject names of one class, or of every class at once.
class SubjectsWindow : public QDialog
{
    Q_OBJECT

public:
    SubjectsWindow(Workspace& ws, QWidget* parent);

    // Called on closing over the score sheet page, which takes the focus back.
    std::function<void()> focusGradeGrid;

    // Loads the classes; without any it says so and the window is not to be shown. Also refreshes
    // the main window's hidden head-teacher list.
    bool load();

    void done(int result) override;

    QLabel* 标签1;
    QComboBox* 科目班级名组合框;
    QCheckBox* 选择框1;
    std::array<QLineEdit*, 10> 科目编辑框 {};
    QPushButton* 保存按钮;
    QPushButton* 退出按钮;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void showClass();
    void loadSubjects();
    void allClassesToggled(bool all);
    void save();
    QString heading() const;

    Workspace& m_ws;
};

#pragma once

#include <QDialog>

class DateBox;
class QCheckBox;
class QLabel;
class QListWidget;
class QPushButton;
class QStackedWidget;
class QTreeWidget;
class QTreeWidgetItem;
struct Workspace;

// 自设班级毕业升级: tick the custom classes that graduate, name the ones that move up, then run.
class GraduationWizard : public QDialog
{
    Q_OBJECT

public:
    GraduationWizard(Workspace& ws, QWidget* parent = nullptr);

    // Fills page 1 from the custom classes; false (after its message) when there is nothing to show.
    bool load();

    QLabel* 标签1;
    DateBox* 毕业日期框;
    QCheckBox* 备份选择框;
    QPushButton* 取消钮;
    QStackedWidget* 页面;
    QListWidget* 选择毕业班列表框;
    QPushButton* 下一步钮0;
    QTreeWidget* 选择升级班列表框;
    QPushButton* 上一步钮1;
    QPushButton* 下一步钮1;
    QTreeWidget* 毕业班级列表;
    QTreeWidget* 升级班级列表;
    QPushButton* 上一步钮2;
    QPushButton* 开始执行钮;

private:
    void showPage2();
    void showPage3();
    void renameRow(QTreeWidgetItem* item);
    void start();

    Workspace& m_ws;
};

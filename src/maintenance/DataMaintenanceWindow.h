#pragma once

#include <QDialog>

#include <array>
#include <functional>

struct Workspace;
class QCheckBox;
class QGroupBox;
class QPlainTextEdit;
class QProgressBar;
class QPushButton;
class QTabWidget;

// 系统数据维护: choose the data files, back them up or restore them and watch the log.
class DataMaintenanceWindow : public QDialog
{
    Q_OBJECT

public:
    // endProgram ends the program when a restored database cannot be opened again.
    DataMaintenanceWindow(Workspace& ws, std::function<void()> endProgram, QWidget* parent = nullptr);

    void backup();
    void restore();
    // The ticked parts, in the order students, teachers, administrators, wage tables 1..5.
    QList<int> tickedParts() const;
    // 工资表1 .. 工资表5
    std::array<QCheckBox*, 5> wageBoxes() const { return {工资表1, 工资表2, 工资表3, 工资表4, 工资表5}; }

    QTabWidget* 选择夹1;
    QGroupBox* 分组框2;
    QCheckBox* 备份或还原学生数据;
    QCheckBox* 备份或还原教员数据;
    QCheckBox* 备份或还原管理员数据;
    QCheckBox* 备份或还原全部工资表;
    QGroupBox* 分组框1;
    QCheckBox* 工资表1;
    QCheckBox* 工资表2;
    QCheckBox* 工资表3;
    QCheckBox* 工资表4;
    QCheckBox* 工资表5;
    QPushButton* 备份系统数据按钮;
    QPushButton* 还原系统数据按钮;
    QPlainTextEdit* 显示编辑框;
    // How far a backup has come; shown while one runs.
    QProgressBar* 备份进度条;
    QPushButton* 返回按钮;
    QPushButton* 退出数据维护按钮;

protected:
    void closeEvent(QCloseEvent* event) override;
    void reject() override;

private:
    void followAllWages(bool all);
    void startRun();
    void appendLog(const QString& text);
    void showProgress(int percent);
    void setButtonsEnabled(bool enabled);
    bool busy() const;

    Workspace& m_ws;
    std::function<void()> m_endProgram;
};

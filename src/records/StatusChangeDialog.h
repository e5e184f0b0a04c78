#pragma once

#include <QDate>
#include <QDialog>

#include <functional>

class DateBox;
class QCheckBox;
class QComboBox;
class QLabel;
class QPushButton;
class QTabWidget;

// StatusChangeMode: which page the dialog opens on.
enum class StatusChangeMode { Leave = 0, ChangeClass = 1, Graduation = 2, RetireOrTransfer = 3, Reenrol = 4 };

// The confirmation of a change of status: a pupil leaving, changing class or coming back, a year's
// promotion, a teacher retiring or moving away. It shows the page of its mode and asks; what the
// confirm button does is the caller's, who also says whether the dialog then closes.
class StatusChangeDialog : public QDialog
{
    Q_OBJECT

public:
    enum class TeacherChange { Retire, Transfer };

    StatusChangeDialog(StatusChangeMode mode, QDate today, QWidget* parent = nullptr,
        TeacherChange teacherChange = TeacherChange::Retire);

    StatusChangeMode mode() const { return m_mode; }
    // The question line of the mode's page.
    void setQuestion(const QString& text);
    QString question() const;
    // Runs on the page's confirm button; true closes the dialog (accepted), false keeps it open.
    std::function<bool()> onConfirm;

    QLabel* 标签1;
    QTabWidget* 选择夹1;
    QPushButton* 取消钮;
    // 离校
    QLabel* 离校标签;
    DateBox* 离校日期框;
    QComboBox* 离校原因组合框;
    QPushButton* 离校确定钮;
    // 调班
    QLabel* 标签5;
    QComboBox* 调整班名组合框;
    QPushButton* 调整确定钮;
    // 毕业升级
    QLabel* 毕业标签;
    DateBox* 毕业日期框;
    QCheckBox* 备份选择框;
    QPushButton* 毕业确定钮;
    // 退休
    QLabel* 退休标签;
    QLabel* 标签11;
    DateBox* 退休日期框;
    QLabel* 标签2;
    QComboBox* 退休调离组合框;
    QPushButton* 退休确定钮;
    // 恢复
    QLabel* 复学标签;
    QComboBox* 复学班级组合框;
    QPushButton* 复学确定钮;

private:
    QLabel* questionLabel() const;
    void confirm();

    StatusChangeMode m_mode;
};

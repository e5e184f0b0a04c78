#pragma once

#include <QDialog>

class Prompt;
class QLabel;
class QLineEdit;
class QPushButton;

// 升级班级: the new name of one custom class of the wizard.
class ClassRenameDialog : public QDialog
{
    Q_OBJECT

public:
    ClassRenameDialog(const QString& oldName, Prompt& prompt, QWidget* parent = nullptr);

    // The accepted name with every blank removed.
    QString newName() const { return m_newName; }

    QLabel* 升级前班名标签;
    QLineEdit* 升级后班名编辑框;
    QPushButton* 确定按钮;
    QPushButton* 取消按钮;

private:
    void confirm();

    Prompt& m_prompt;
    QString m_oldName;
    QString m_newName;
};

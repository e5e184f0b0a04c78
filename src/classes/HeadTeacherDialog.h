#pragma once

#include <QDialog>

class ClassBook;
class Prompt;
class QLabel;
class QLineEdit;
class QPushButton;

// 修改班主任姓名: a new head teacher for one class, stored when confirmed.
class HeadTeacherDialog : public QDialog
{
    Q_OBJECT

public:
    HeadTeacherDialog(
        ClassBook& classes, Prompt& prompt, const QString& className, const QString& headTeacher, QWidget* parent);

    // The name stored, once the dialog was accepted.
    QString headTeacher() const;

    QLabel* 标签1;
    QLineEdit* 编辑框1;
    QPushButton* 按钮1;
    QPushButton* 按钮2;

private:
    void confirm();

    ClassBook& m_classes;
    Prompt& m_prompt;
    QString m_className;
};

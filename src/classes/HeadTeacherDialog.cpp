#include "classes/HeadTeacherDialog.h"

#include "classes/ClassBook.h"
#include "classes/GbByteValidator.h"
#include "platform/Prompt.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

using namespace Qt::StringLiterals;

HeadTeacherDialog::HeadTeacherDialog(
    ClassBook& classes, Prompt& prompt, const QString& className, const QString& headTeacher, QWidget* parent)
    : QDialog(parent)
    , m_classes(classes)
    , m_prompt(prompt)
    , m_className(className)
{
    setWindowTitle(u"修改班主任姓名"_s);

    标签1 = new QLabel(u"修改"_s + className + u"的班主任姓名"_s, this);
    标签1->setObjectName(u"标签1"_s);
    auto* nameLabel = new QLabel(u"班主任姓名："_s, this);
    编辑框1 = new QLineEdit(this);
    编辑框1->setObjectName(u"编辑框1"_s);
    编辑框1->setValidator(new GbByteValidator(14, 编辑框1));
    nameLabel->setBuddy(编辑框1);
    按钮1 = new QPushButton(u"确 定"_s, this);
    按钮1->setObjectName(u"按钮1"_s);
    按钮1->setDefault(true);
    按钮2 = new QPushButton(u"取 消"_s, this);
    按钮2->setObjectName(u"按钮2"_s);

    auto* layout = new QGridLayout(this);
    layout->addWidget(标签1, 0, 0, 1, 2);
    layout->addWidget(nameLabel, 1, 0);
    layout->addWidget(编辑框1, 1, 1);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(按钮1);
    buttons->addWidget(按钮2);
    layout->addLayout(buttons, 2, 0, 1, 2);

    编辑框1->setText(headTeacher);
    编辑框1->selectAll();
    编辑框1->setFocus();
    resize(360, 110);

    connect(按钮1, &QPushButton::clicked, this, &HeadTeacherDialog::confirm);
    connect(按钮2, &QPushButton::clicked, this, &QDialog::reject);
}

QString HeadTeacherDialog::headTeacher() const
{
    return 编辑框1->text();
}

void HeadTeacherDialog::confirm()
{
    const QString name = 编辑框1->text();
    if (name.isEmpty()) {
        m_prompt.show(u"请输入班主任的姓名"_s);
        return;
    }
    if (!m_classes.setHeadTeacher(m_className, name)) {
        m_prompt.show(u"修改记录失败！"_s, u"提示信息"_s, Prompt::Icon::Error);
        return;
    }
    accept();
}

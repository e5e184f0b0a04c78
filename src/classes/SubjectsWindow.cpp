#include "classes/SubjectsWindow.h"

#include "classes/ClassBook.h"
#include "classes/ClassSelector.h"
#include "classes/GbByteValidator.h"
#include "platform/PlatformServices.h"
#include "platform/Prompt.h"
#include "workspace/HeadingFont.h"
#include "workspace/ProgramState.h"
#include "workspace/Shell.h"
#include "workspace/Workspace.h"

#include <QCheckBox>
#include <QComboBox>
#include <QEvent>
#include <QFont>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTimer>
#include <QVBoxLayout>

using namespace Qt::StringLiterals;

SubjectsWindow::SubjectsWindow(Workspace& ws, QWidget* parent)
    : QDialog(parent)
    , m_ws(ws)
{
    setWindowTitle(u"设置修改本校的课程科目"_s);

    标签1 = new QLabel(this);
    标签1->setObjectName(u"标签1"_s);
    setHeadingFont(标签1, 1.2);
    标签1->setAlignment(Qt::AlignCenter);

    auto* classLabel = new QLabel(u"请选择班级"_s, this);
    科目班级名组合框 = new QComboBox(this);
    科目班级名组合框->setObjectName(u"科目班级名组合框"_s);
    科目班级名组合框->setMinimumContentsLength(10);
    classLabel->setBuddy(科目班级名组合框);
    选择框1 = new QCheckBox(u"所有班级使用统一的课程科目"_s, this);
    选择框1->setObjectName(u"选择框1"_s);

    auto* boxes = new QGridLayout;
    for (int i = 0; i < ClassBook::SubjectCount; ++i) {
        auto* box = new QLineEdit(this);
        box->setObjectName(u"科目编辑框%1"_s.arg(i + 1));
        box->setValidator(new GbByteValidator(6, box));
        box->setMinimumWidth(70);
        if (i > 0)
            box->installEventFilter(this);
        科目编辑框[i] = box;
        boxes->addWidget(box, i / 5, i % 5);
    }

    保存按钮 = new QPushButton(u"保 存"_s, this);
    保存按钮->setObjectName(u"保存按钮"_s);
    退出按钮 = new QPushButton(u"退 出"_s, this);
    退出按钮->setObjectName(u"退出按钮"_s);

    auto* help = new QVBoxLayout;
    help->setSpacing(2);
    for (const QString& text :
        {u"如果您是首次使用本系统："_s,
            u"    1、请先勾选“所有班级使用统一的课程科目”然后输入本校大部分班级使用的课程科目，按“保存”钮保存数据。"_s,
            u"    2、取消勾选“所有班级使用统一的课程科目”然后根据需要选择修改的班级修改课程数据并按“保存”钮保存数据。"_s}) {
        help->addWidget(new QLabel(text, this));
    }

    auto* classRow = new QHBoxLayout;
    classRow->addWidget(classLabel);
    classRow->addWidget(科目班级名组合框, 1);
    classRow->addSpacing(16);
    classRow->addWidget(选择框1);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(保存按钮);
    buttons->addWidget(退出按钮);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(标签1);
    layout->addLayout(classRow);
    layout->addLayout(boxes);
    layout->addLayout(buttons);
    layout->addLayout(help);
    // The help lines are long; the window is as wide as they are rather than wrapping them.
    resize(qMax(620, sizeHint().width()), 235);

    connect(保存按钮, &QPushButton::clicked, this, &SubjectsWindow::save);
    connect(退出按钮, &QPushButton::clicked, this, &QDialog::close);
    connect(选择框1, &QCheckBox::toggled, this, &SubjectsWindow::allClassesToggled);
}

bool SubjectsWindow::load()
{
    if (!ClassSelector::load(*科目班级名组合框, m_ws.state.headTeachers(), m_ws.studentDb)) {
        m_ws.services.prompt.show(u"目前没有班级数据，请先进行系统设置!"_s, u"提示"_s);
        return false;
    }
    loadSubjects();
    选择框1->setChecked(false);
    科目班级名组合框->setEnabled(true);
    标签1->setText(heading());
    connect(科目班级名组合框, &QComboBox::currentIndexChanged, this, &SubjectsWindow::showClass);
    return true;
}

void SubjectsWindow::done(int result)
{
    if (m_ws.shell.currentPage() == Page::ScoreSheet && focusGradeGrid)
        focusGradeGrid();
    QDialog::done(result);
}

bool SubjectsWindow::eventFilter(QObject* watched, QEvent* event)
{
    // Selected after the focus change settles, or a mouse click would place the cursor over it.
    if (event->type() == QEvent::FocusIn) {
        if (auto* box = qobject_cast<QLineEdit*>(watched))
            QTimer::singleShot(0, box, &QLineEdit::selectAll);
    }
    return QDialog::eventFilter(watched, event);
}

void SubjectsWindow::showClass()
{
    标签1->setText(heading());
    loadSubjects();
}

void SubjectsWindow::loadSubjects()
{
    const auto subjects = ClassBook(m_ws.studentDb).subjects(科目班级名组合框->currentText());
    if (subjects) {
        for (int i = 0; i < ClassBook::SubjectCount; ++i)
            科目编辑框[i]->setText(subjects->value(i));
    }
    科目编辑框[0]->setFocus();
    科目编辑框[0]->selectAll();
}

void SubjectsWindow::allClassesToggled(bool all)
{
    科目班级名组合框->setEnabled(!all);
    标签1->setText(all ? u"设置修改本校所有班级的课程科目"_s : heading());
}

void SubjectsWindow::save()
{
    QStringList subjects;
    for (QLineEdit* box : 科目编辑框)
        subjects.append(box->text());
    ClassBook classes(m_ws.studentDb);
    Prompt& prompt = m_ws.services.prompt;
    if (选择框1->isChecked()) {
        if (classes.saveSubjectsToAll(subjects))
            prompt.show(u"当前的课程科目已保存到本校所有班级中！"_s);
        else
            prompt.show(u"设置修改科目失败！"_s, u"错误"_s);
        return;
    }
    const QString className = 科目班级名组合框->currentText();
    if (classes.saveSubjects(className, subjects))
        prompt.show(className + u"的课程科目数据已保存！"_s);
    else
        prompt.show(u"设置修改科目失败！"_s, u"错误"_s);
}

QString SubjectsWindow::heading() const
{
    return u"设置修改"_s + 科目班级名组合框->currentText() + u"的课程科目"_s;
}

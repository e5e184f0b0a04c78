#include "classes/SchoolSettingsWindow.h"

#include "classes/ClassBook.h"
#include "classes/ClassDraft.h"
#include "classes/GbByteValidator.h"
#include "classes/HeadTeacherDialog.h"
#include "classes/SubjectsWindow.h"
#include "platform/PlatformServices.h"
#include "platform/Prompt.h"
#include "settings/AppSettings.h"
#include "workspace/HeadingFont.h"
#include "workspace/ProgramState.h"
#include "workspace/Shell.h"
#include "workspace/Workspace.h"

#include <QComboBox>
#include <QFont>
#include <QFormLayout>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTabWidget>
#include <QTreeWidget>
#include <QVBoxLayout>

using namespace Qt::StringLiterals;

namespace {

QLabel* helpLabel(const QString& text, QWidget* parent)
{
    auto* label = new QLabel(text, parent);
    label->setWordWrap(true);
    label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    return label;
}

QPushButton* button(const QString& name, const QString& caption, QWidget* parent)
{
    auto* b = new QPushButton(caption, parent);
    b->setObjectName(name);
    b->setAutoDefault(false);
    b->setMinimumWidth(b->sizeHint().width() + 16);
    return b;
}

} // namespace

SchoolSettingsWindow::SchoolSettingsWindow(Workspace& ws, QWidget* parent)
    : QDialog(parent)
    , m_ws(ws)
{
    setWindowTitle(u"系统设置"_s);
    buildControls();

    选择夹1->setCurrentIndex(0);
    学校名标签->setText(m_ws.state.schoolName());
    学校名编辑框->setText(m_ws.state.schoolName());
    loadClasses();
    m_changed = false;

    connect(班级名列表框, &QTreeWidget::itemSelectionChanged, this, &SchoolSettingsWindow::rowSelected);
    connect(添加学校按钮, &QPushButton::clicked, this, &SchoolSettingsWindow::renameSchool);
    connect(添加班级按钮, &QPushButton::clicked, this, &SchoolSettingsWindow::addClass);
    connect(删除班级按钮, &QPushButton::clicked, this, &SchoolSettingsWindow::deleteClass);
    connect(修改班主任按钮, &QPushButton::clicked, this, &SchoolSettingsWindow::changeHeadTeacher);
    connect(课程设置按钮, &QPushButton::clicked, this, &SchoolSettingsWindow::openSubjects);
    connect(退出设置按钮, &QPushButton::clicked, this, &QDialog::close);
}

void SchoolSettingsWindow::buildControls()
{
    标签1 = new QLabel(u"教务管理系统设置"_s, this);
    标签1->setObjectName(u"标签1"_s);
    setHeadingFont(标签1, 1.4);
    标签1->setAlignment(Qt::AlignCenter);

    学校名标签 = new QLabel(this);
    学校名标签->setObjectName(u"学校名标签"_s);
    班级名列表框 = new QTreeWidget(this);
    班级名列表框->setObjectName(u"班级名列表框"_s);
    班级名列表框->setHeaderLabels({u"班级名称"_s, u"班主任"_s});
    班级名列表框->setRootIsDecorated(false);
    班级名列表框->setUniformRowHeights(true);
    班级名列表框->setSelectionMode(QAbstractItemView::SingleSelection);
    班级名列表框->header()->setSectionsMovable(false);
    班级名列表框->setColumnWidth(0, 130);
    班级名列表框->setMinimumWidth(240);

    学校名编辑框 = new QLineEdit(this);
    学校名编辑框->setObjectName(u"学校名编辑框"_s);
    学校名编辑框->setValidator(new GbByteValidator(24, 学校名编辑框));

    选择夹1 = new QTabWidget(this);
    选择夹1->setObjectName(u"选择夹1"_s);
    auto* standardPage = new QWidget;
    选择年级组合框 = new QComboBox(standardPage);
    选择年级组合框->setObjectName(u"选择年级组合框"_s);
    选择年级组合框->addItems(ClassDraft::grades());
    选择班组合框 = new QComboBox(standardPage);
    选择班组合框->setObjectName(u"选择班组合框"_s);
    选择班组合框->setEditable(true);
    选择班组合框->setInsertPolicy(QComboBox::NoInsert);
    选择班组合框->addItems(ClassDraft::classNumbers());
    选择班组合框->setValidator(new GbByteValidator(6, 选择班组合框));
    auto* standardLayout = new QHBoxLayout(standardPage);
    standardLayout->addWidget(选择年级组合框, 3);
    standardLayout->addWidget(选择班组合框, 2);
    选择夹1->addTab(standardPage, u"通用班级名称"_s);

    auto* customPage = new QWidget;
    自设班名编辑框 = new QLineEdit(customPage);
    自设班名编辑框->setObjectName(u"自设班名编辑框"_s);
    自设班名编辑框->setValidator(new GbByteValidator(15, 自设班名编辑框));
    auto* customLayout = new QFormLayout(customPage);
    customLayout->addRow(u"班级名称："_s, 自设班名编辑框);
    选择夹1->addTab(customPage, u"自设班级名称"_s);

    // Editable so a new head teacher can be typed; never inserts, so its items stay parallel to the rows.
    班主任组合框 = new QComboBox(this);
    班主任组合框->setObjectName(u"班主任组合框"_s);
    班主任组合框->setEditable(true);
    班主任组合框->setInsertPolicy(QComboBox::NoInsert);

    添加学校按钮 = button(u"添加学校按钮"_s, u"←  修改校名"_s, this);
    添加班级按钮 = button(u"添加班级按钮"_s, u"←  添加班级"_s, this);
    修改班主任按钮 = button(u"修改班主任按钮"_s, u"○修改班主任"_s, this);
    删除班级按钮 = button(u"删除班级按钮"_s, u"×　删除班级"_s, this);
    课程设置按钮 = button(u"课程设置按钮"_s, u"※  课程设置"_s, this);
    退出设置按钮 = button(u"退出设置按钮"_s, u"↓  退出设置"_s, this);

    auto* listColumn = new QVBoxLayout;
    listColumn->addWidget(学校名标签);
    listColumn->addWidget(班级名列表框, 1);

    auto* buttonColumn = new QVBoxLayout;
    for (QPushButton* b : {添加学校按钮, 添加班级按钮, 修改班主任按钮, 删除班级按钮, 课程设置按钮, 退出设置按钮})
        buttonColumn->addWidget(b);
    buttonColumn->addStretch();

    auto* schoolRow = new QHBoxLayout;
    schoolRow->addWidget(new QLabel(u"学校名称："_s, this));
    schoolRow->addWidget(学校名编辑框, 1);
    auto* teacherRow = new QHBoxLayout;
    teacherRow->addWidget(new QLabel(u"本班班主任："_s, this));
    teacherRow->addWidget(班主任组合框, 1);

    auto* inputColumn = new QVBoxLayout;
    inputColumn->addLayout(schoolRow);
    inputColumn->addWidget(helpLabel(u"输入学校名称后按“添加学校”按钮。"_s, this));
    inputColumn->addWidget(选择夹1);
    inputColumn->addLayout(teacherRow);
    inputColumn->addWidget(helpLabel(
        u"选择要添加的班级并输入班主任姓名后按下添加班级按钮即可添加一个班级，如此循环将本校的所有班级资料全部添加到列表中。"_s,
        this));
    inputColumn->addWidget(helpLabel(u"按“课程设置”按钮设置本校课程科目"_s, this));
    inputColumn->addStretch();

    auto* body = new QHBoxLayout;
    body->addLayout(listColumn, 5);
    body->addLayout(buttonColumn);
    body->addLayout(inputColumn, 6);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(标签1);
    layout->addLayout(body, 1);
    resize(760, 310);
}

void SchoolSettingsWindow::loadClasses()
{
    班级名列表框->clear();
    班主任组合框->clear();
    const auto classes = ClassBook(m_ws.studentDb).list();
    if (!classes) {
        m_ws.services.prompt.show(u"班级数据载入失败！"_s, u"错误"_s, Prompt::Icon::Error);
        return;
    }
    for (const ClassEntry& c : *classes)
        appendRow(c.name, c.headTeacher);
    if (班级名列表框->topLevelItemCount() > 0) {
        班级名列表框->setCurrentItem(班级名列表框->topLevelItem(0));
        班主任组合框->setCurrentIndex(0);
    }
}

void SchoolSettingsWindow::appendRow(const QString& name, const QString& headTeacher)
{
    new QTreeWidgetItem(班级名列表框, {name, headTeacher});
    班主任组合框->addItem(headTeacher);
}

void SchoolSettingsWindow::rowSelected()
{
    const int row = selectedRow();
    if (row >= 0)
        班主任组合框->setCurrentIndex(row);
}

int SchoolSettingsWindow::selectedRow() const
{
    const QList<QTreeWidgetItem*> selected = 班级名列表框->selectedItems();
    return selected.isEmpty() ? -1 : 班级名列表框->indexOfTopLevelItem(selected.first());
}

void SchoolSettingsWindow::renameSchool()
{
    const QString name = 学校名编辑框->text();
    if (!m_ws.settings.setSchoolName(name)) {
        m_ws.services.prompt.show(m_ws.settings.failure(u"保存学校名称失败！"_s), u"错误"_s, Prompt::Icon::Error);
        return;
    }
    m_ws.state.setSchoolName(name);
    学校名标签->setText(name);
}

void SchoolSettingsWindow::addClass()
{
    ClassDraft draft;
    draft.custom = 选择夹1->currentIndex() == 1;
    draft.grade = 选择年级组合框->currentText();
    draft.number = 选择班组合框->currentText();
    draft.customName = 自设班名编辑框->text();
    draft.headTeacher = 班主任组合框->currentText();

    Prompt& prompt = m_ws.services.prompt;
    switch (draft.refusal()) {
    case ClassDraft::Refusal::NoClassNumber:
        prompt.show(u"请选择或输入通用班级名称！"_s, u"提示"_s);
        return;
    case ClassDraft::Refusal::NoCustomName:
        prompt.show(u"请输入自设的班级名称！"_s, u"提示"_s);
        return;
    case ClassDraft::Refusal::NoHeadTeacher:
        prompt.show(u"请输入班主任的姓名"_s, u"提示"_s);
        return;
    case ClassDraft::Refusal::None:
        break;
    }

    const QString name = draft.name();
    switch (ClassBook(m_ws.studentDb).add(name, draft.headTeacher, draft.category())) {
    case ClassBook::AddResult::Duplicate:
        prompt.show(name + u"已经存在！"_s);
        return;
    case ClassBook::AddResult::Failed:
        prompt.show(u"添加班级数据失败！"_s, u"提示信息"_s, Prompt::Icon::Error);
        return;
    case ClassBook::AddResult::Added:
        break;
    }

    appendRow(name, draft.headTeacher);
    QTreeWidgetItem* row = 班级名列表框->topLevelItem(班级名列表框->topLevelItemCount() - 1);
    班级名列表框->setCurrentItem(row);
    班主任组合框->setCurrentIndex(班主任组合框->count() - 1);
    班级名列表框->scrollToItem(row);
    flagChangeOnClassPages();
}

void SchoolSettingsWindow::deleteClass()
{
    Prompt& prompt = m_ws.services.prompt;
    const int row = selectedRow();
    if (row < 0) {
        prompt.show(u"请在列表中选择要删除的班级"_s);
        return;
    }
    const QString name = 班级名列表框->topLevelItem(row)->text(0);
    if (prompt.show(u"您确定要删除"_s + name + u"的全部学生资料吗？"_s, u"询问"_s, Prompt::Icon::Warning,
            Prompt::Buttons::OkCancel)
        != Prompt::Answer::Ok)
        return;
    if (!ClassBook(m_ws.studentDb).remove(name)) {
        prompt.show(u"删除班级数据失败！"_s, u"提示信息"_s, Prompt::Icon::Error);
        return;
    }
    // The head teacher of the row goes with it, whatever the combo box was last set to.
    delete 班级名列表框->takeTopLevelItem(row);
    班主任组合框->removeItem(row);
    rowSelected();
    flagChangeOnClassPages();
}

void SchoolSettingsWindow::changeHeadTeacher()
{
    const int row = selectedRow();
    const QString name = row >= 0 ? 班级名列表框->topLevelItem(row)->text(0) : QString();
    if (name.isEmpty()) {
        m_ws.services.prompt.show(u"  请选择要修改班主任姓名的班级！  "_s);
        return;
    }
    ClassBook classes(m_ws.studentDb);
    HeadTeacherDialog dialog(classes, m_ws.services.prompt, name, 班级名列表框->topLevelItem(row)->text(1), this);
    if (dialog.exec() != QDialog::Accepted)
        return;
    班级名列表框->topLevelItem(row)->setText(1, dialog.headTeacher());
    班主任组合框->setItemText(row, dialog.headTeacher());
}

void SchoolSettingsWindow::openSubjects()
{
    const Page page = m_ws.shell.currentPage();
    if (page == Page::StudentView || page == Page::ScoreSheet || page == Page::AverageScores)
        m_changed = true;
    班级名列表框->setFocus();
    SubjectsWindow subjects(m_ws, this);
    subjects.focusGradeGrid = focusGradeGrid;
    if (subjects.load())
        subjects.exec();
}

void SchoolSettingsWindow::flagChangeOnClassPages()
{
    const Page page = m_ws.shell.currentPage();
    if (page == Page::StudentView || page == Page::EnrolledRoster || page == Page::ScoreSheet
        || page == Page::AverageScores)
        m_changed = true;
}

void SchoolSettingsWindow::done(int result)
{
    if (m_changed)
        m_ws.shell.showHomePage();
    QDialog::done(result);
}

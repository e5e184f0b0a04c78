#include "students/EnrolledRosterPage.h"

#include "classes/ClassSelector.h"
#include "platform/PlatformServices.h"
#include "platform/Prompt.h"
#include "records/ReportList.h"
#include "records/SearchBar.h"
#include "students/RosterColumns.h"
#include "workspace/PageFrame.h"
#include "workspace/ProgramState.h"
#include "workspace/Shell.h"
#include "workspace/Workspace.h"

#include <QComboBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSignalBlocker>

using namespace Qt::StringLiterals;

EnrolledRosterPage::EnrolledRosterPage(Workspace& ws, PageFrame& frame, QWidget* parent)
    : RosterPage(ws, frame, TableReports::Roster::Pupils, parent)
{
    在校生列表班级组合框 = new QComboBox;
    在校生列表班级组合框->setObjectName(u"在校生列表班级组合框"_s);
    在校生列表班级组合框->setMinimumContentsLength(10);
    在校生统计标签 = new QLabel;
    在校生统计标签->setObjectName(u"在校生统计标签"_s);
    SearchBar bar = SearchBar::make(u"搜索在校生"_s, StudentRosters::enrolledSearchFields());
    搜索在校生底座 = bar.base;
    搜索在校生组合框 = bar.field;
    搜索在校生编辑框 = bar.value;
    班内搜索 = bar.addButton(u"班内搜索"_s);
    全校搜索 = bar.addButton(u"全校搜索"_s);
    if (QHBoxLayout* barLayout = frame.barLayout()) {
        barLayout->addWidget(在校生列表班级组合框);
        barLayout->addWidget(在校生统计标签, 1);
        barLayout->addWidget(搜索在校生底座);
    }

    在校生列表框 = addList(u"在校生列表框"_s, RosterColumns::enrolled());

    connect(在校生列表班级组合框, &QComboBox::currentIndexChanged, this, [this](int index) {
        if (index < 0)
            return;
        m_ws.state.headTeachers().setCurrentIndex(index);
        在校生列表框->setFocus();
        loadClass();
    });
    connect(班内搜索, &QPushButton::clicked, this, &EnrolledRosterPage::searchInClass);
    connect(全校搜索, &QPushButton::clicked, this, &EnrolledRosterPage::searchSchool);
    connect(在校生列表框, &ReportList::rowOpened, this, [this](int row) {
        if (openPupil)
            openPupil(在校生列表框->text(row, RosterColumns::Class),
                在校生列表框->text(row, RosterColumns::Number).toLongLong());
    });
    popUpMenu([] { return u"班务管理"_s; });
}

void EnrolledRosterPage::showRoster()
{
    bool anyClass = false;
    {
        // One load for the command, after the selector is filled.
        const QSignalBlocker quiet(在校生列表班级组合框);
        anyClass = ClassSelector::load(*在校生列表班级组合框, m_ws.state.headTeachers(), m_ws.studentDb);
    }
    if (!anyClass) {
        m_ws.services.prompt.show(u"目前没有班级数据，请先进行校务设置！"_s, u"提示"_s);
        m_ws.shell.runCommand(u"校务设置");
        return;
    }
    loadClass();
    m_ws.shell.openPage(Page::EnrolledRoster);
    m_ws.state.setStatusHint(u"    提示： 双击选择项可查看详细资料，右击选择项可弹出操作菜单！"_s);
}

void EnrolledRosterPage::loadClass()
{
    m_searchResult = false;
    const QString klass = 在校生列表班级组合框->currentText();
    m_frame.setTitle(m_ws.state.schoolName() + klass + u"学生花名册"_s);
    fill(StudentRosters(m_ws.studentDb).enrolled(klass));
    const SexCount& counts = 在校生列表框->counts();
    在校生统计标签->setText(StudentRosters::enrolledCounts(counts.total(), counts.male, counts.female));
    m_ws.state.setStatusState(u"    当前状态：在校学生列表"_s);
}

void EnrolledRosterPage::fill(const std::optional<StudentRosters::Rows>& rows)
{
    在校生列表框->fill(rows.value_or(StudentRosters::Rows {}), StudentRosters::SexColumn, m_ws.shell.progressBar());
    // An empty list after a failed read must not pass for a class without pupils.
    if (!rows)
        m_ws.services.prompt.show(u"载入学生资料数据失败！"_s, u"错误"_s, Prompt::Icon::Error);
}

void EnrolledRosterPage::searchInClass()
{
    search(StudentRosters::Search::InClass);
}

void EnrolledRosterPage::searchSchool()
{
    search(StudentRosters::Search::School);
}

void EnrolledRosterPage::search(StudentRosters::Search kind)
{
    const QString klass = 在校生列表班级组合框->currentText();
    RosterPage::search({搜索在校生编辑框,
        [this, kind, klass](const QString& value) {
            return StudentRosters(m_ws.studentDb).search(kind, 搜索在校生组合框->currentText(), value, klass);
        },
        StudentRosters::SexColumn, 2, StudentRosters::searchTitle(kind, m_ws.state.schoolName(), klass),
        u"    当前状态：搜索学生资料"_s,
        [kind, klass](const SexCount& counts) {
            return StudentRosters::searchResult(kind, klass, counts.total(), counts.male, counts.female);
        }});
}

QString EnrolledRosterPage::rosterClass() const
{
    return 在校生列表班级组合框->currentText();
}

std::optional<StudentPick> EnrolledRosterPage::currentPick() const
{
    const ReportList* list = 在校生列表框;
    if (list->currentRow() < 0)
        return std::nullopt;
    return StudentPick {list->currentText(RosterColumns::Class), list->currentText(RosterColumns::Number).toLongLong(),
        list->currentText(RosterColumns::Name)};
}

QString EnrolledRosterPage::statistics() const
{
    return 在校生统计标签->text();
}

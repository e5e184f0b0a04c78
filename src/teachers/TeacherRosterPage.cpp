#include "teachers/TeacherRosterPage.h"

#include "platform/PlatformServices.h"
#include "platform/Prompt.h"
#include "records/ReportList.h"
#include "records/SearchBar.h"
#include "teachers/TeacherRosters.h"
#include "workspace/PageFrame.h"
#include "workspace/ProgramState.h"
#include "workspace/Shell.h"
#include "workspace/Workspace.h"

#include <QApplication>
#include <QComboBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSignalBlocker>

using namespace Qt::StringLiterals;

namespace {

QList<ReportColumn> columns()
{
    return {{u"姓名"_s, 70, SortAs::Name}, {u"性别"_s, 50, SortAs::Text}, {u"民族"_s, 62, SortAs::Text},
        {u"学历"_s, 62, SortAs::Text}, {u"职称"_s, 80, SortAs::Text}, {u"职务或岗位"_s, 100, SortAs::Text},
        {u"参加工作时间"_s, 110, SortAs::Date}, {u"调入本校时间"_s, 110, SortAs::Date},
        {u"住宅电话"_s, 110, SortAs::Number}};
}

} // namespace

TeacherRosterPage::TeacherRosterPage(Workspace& ws, PageFrame& frame, QWidget* parent)
    : RosterPage(ws, frame, TableReports::Roster::Staff, parent)
{
    教员列表统计标签 = new QLabel;
    教员列表统计标签->setObjectName(u"教员列表统计标签"_s);
    SearchBar bar = SearchBar::make(u"搜索教员"_s, TeacherRosters::searchFields(TeacherViewKind::InService));
    bar.layout->insertWidget(2, new QLabel(u"为"_s));
    搜索教员底座 = bar.base;
    搜索教员组合框 = bar.field;
    搜索教员编辑框 = bar.value;
    搜索教员钮 = bar.addButton(u"开始搜索"_s, u"搜索教员钮"_s);
    if (QHBoxLayout* barLayout = frame.barLayout()) {
        barLayout->addWidget(教员列表统计标签, 1);
        barLayout->addWidget(搜索教员底座);
    }
    教员列表框 = addList(u"教员列表框"_s, columns(), true);

    connect(搜索教员钮, &QPushButton::clicked, this, &TeacherRosterPage::search);
    connect(教员列表框, &ReportList::rowOpened, this, [this](int row) {
        if (openTeacher)
            openTeacher(m_kind, 教员列表框->text(row, 0).toLongLong());
    });
    popUpMenu([this] { return m_kind == TeacherViewKind::InService ? u"教员管理"_s : u"教离"_s; });
}

void TeacherRosterPage::show(TeacherViewKind kind)
{
    m_kind = kind;
    m_searchResult = false;
    m_ws.state.setCurrentViewKind(TeacherViewKinds::text(kind));
    教员列表框->setColumnTitle(8, TeacherRosters::dateHeader(kind));
    {
        // The search follows the file: 调入本校时间 in service, 离校时间 for former teachers.
        const QSignalBlocker quiet(搜索教员组合框);
        搜索教员组合框->setItemText(7, TeacherRosters::searchFields(kind).at(7));
    }
    QApplication::setOverrideCursor(Qt::WaitCursor);
    const auto rows = TeacherRosters(m_ws.teacherDb).roster(kind);
    教员列表框->fill(rows.value_or(TeacherRosters::Rows {}), TeacherRosters::SexColumn, m_ws.shell.progressBar(), 1);
    QApplication::restoreOverrideCursor();
    const SexCount& counts = 教员列表框->counts();
    教员列表统计标签->setText(TeacherRosters::countsLine(kind, counts.male, counts.female));
    m_frame.setTitle(TeacherRosters::title(kind, m_ws.state.schoolName(), counts.total() == 0));
    m_ws.state.setStatusState(TeacherRosters::stateText(kind));
    m_ws.state.setStatusHint(u"    提示： 双击选择项可查看详细资料，右击选择项可弹出操作菜单！"_s);
    m_ws.shell.openPage(Page::TeacherRoster);
    教员列表框->setFocus();
    // An empty roster after a failed read must not pass for a school without teachers.
    if (!rows)
        m_ws.services.prompt.show(u"载入教员姓名数据失败！"_s);
}

void TeacherRosterPage::search()
{
    RosterPage::search({搜索教员编辑框,
        [this](const QString& value) {
            return TeacherRosters(m_ws.teacherDb).search(m_kind, 搜索教员组合框->currentText(), value);
        },
        TeacherRosters::SexColumn, 1, TeacherRosters::searchTitle(m_kind, m_ws.state.schoolName()),
        u"    当前状态：搜索教员资料"_s,
        [](const SexCount& counts) {
            return u"\r\n\r\n  搜索结果：在全校搜索到"_s + QString::number(counts.total())
                + u"个符合条件的教员资料 其中男"_s + QString::number(counts.male) + u"人 女"_s
                + QString::number(counts.female) + u"人  "_s;
        }});
}

std::optional<std::pair<qint64, QString>> TeacherRosterPage::selectedTeacher() const
{
    if (教员列表框->currentRow() < 0)
        return std::nullopt;
    return std::pair {教员列表框->currentText(0).toLongLong(), 教员列表框->currentText(1)};
}

void TeacherRosterPage::removeSelectedRow()
{
    教员列表框->removeCurrentRow();
}

#include "students/ArchivedRosterPage.h"

#include "platform/PlatformServices.h"
#include "platform/Prompt.h"
#include "records/ReportList.h"
#include "records/SearchBar.h"
#include "students/RosterColumns.h"
#include "students/StudentCardTexts.h"
#include "students/StudentRecords.h"
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

ArchivedRosterPage::ArchivedRosterPage(Workspace& ws, PageFrame& frame, QWidget* parent)
    : RosterPage(ws, frame, TableReports::Roster::Pupils, parent)
{
    毕业日期组合框 = new QComboBox;
    毕业日期组合框->setObjectName(u"毕业日期组合框"_s);
    毕业日期组合框->setMinimumContentsLength(10);
    毕业统计标签 = new QLabel;
    毕业统计标签->setObjectName(u"毕业统计标签"_s);
    离校统计标签 = new QLabel;
    离校统计标签->setObjectName(u"离校统计标签"_s);
    离校统计标签->hide();
    SearchBar bar = SearchBar::make(u"搜索离校生"_s, StudentRosters::archivedSearchFields());
    bar.base->setObjectName(u"搜索离校底座"_s);
    搜索离校底座 = bar.base;
    搜索离校生组合框 = bar.field;
    搜索离校生编辑框 = bar.value;
    搜索离校 = bar.addButton(u"本届搜索"_s, u"搜索离校"_s);
    历届搜索 = bar.addButton(u"历届搜索"_s);
    if (QHBoxLayout* barLayout = frame.barLayout()) {
        barLayout->addWidget(毕业日期组合框);
        barLayout->addWidget(毕业统计标签, 1);
        barLayout->addWidget(离校统计标签, 1);
        barLayout->addWidget(搜索离校底座);
    }

    毕业离校列表框 = addList(u"毕业离校列表框"_s, RosterColumns::archived());

    connect(毕业日期组合框, &QComboBox::currentIndexChanged, this, [this](int index) {
        if (index < 0)
            return;
        毕业离校列表框->setFocus();
        loadDate();
    });
    connect(搜索离校, &QPushButton::clicked, this, &ArchivedRosterPage::searchShown);
    connect(历届搜索, &QPushButton::clicked, this, &ArchivedRosterPage::searchAllGraduates);
    connect(毕业离校列表框, &ReportList::rowOpened, this, [this](int row) {
        if (openPupil)
            openPupil(m_kind, 毕业离校列表框->text(row, RosterColumns::Number).toLongLong(),
                毕业离校列表框->text(row, RosterColumns::LeaveDate));
    });
    popUpMenu([] { return u"学离"_s; });
}

void ArchivedRosterPage::showGraduates()
{
    const QStringList dates = StudentRecords(m_ws.studentDb).graduationDatesNewestFirst();
    if (dates.isEmpty()) {
        m_ws.services.prompt.show(u"目前没有毕业生数据！"_s);
        return;
    }
    {
        const QSignalBlocker quiet(毕业日期组合框);
        毕业日期组合框->clear();
        毕业日期组合框->addItems(dates);
        毕业日期组合框->setCurrentIndex(0);
    }
    showFor(StudentViewKind::Graduate);
    m_ws.shell.openPage(Page::LeaverRoster);
    loadDate();
}

void ArchivedRosterPage::loadDate()
{
    m_searchResult = false;
    const QString date = 毕业日期组合框->currentText();
    const QString year = StudentCardTexts::graduationYear(date);
    m_frame.setTitle(m_ws.state.schoolName() + year + u"毕业学生花名册"_s);
    fill(StudentRosters(m_ws.studentDb).graduates(date));
    m_ws.state.setStatusState(u"    当前状态：毕业学生列表"_s);
    const SexCount& counts = 毕业离校列表框->counts();
    毕业统计标签->setText(StudentRosters::graduateCounts(counts.total(), counts.male, counts.female));
    if (counts.total() == 0)
        m_ws.services.prompt.show(year + u"没有毕业生数据！"_s);
}

void ArchivedRosterPage::showLeavers()
{
    // Asked before the page changes: with nobody there, page 2 stays as it was.
    const auto rows = StudentRosters(m_ws.studentDb).leavers();
    if (rows && rows->isEmpty()) {
        m_ws.services.prompt.show(u"目前本校没有因转学、退学等原因离校的学生数据！"_s);
        return;
    }
    showFor(StudentViewKind::Leaver);
    m_searchResult = false;
    fill(rows);
    const SexCount& counts = 毕业离校列表框->counts();
    离校统计标签->setText(StudentRosters::leaverCounts(counts.total(), counts.male, counts.female));
    m_frame.setTitle(m_ws.state.schoolName() + u"因转学、退学等原因离校的学生花名册"_s);
    m_ws.state.setStatusState(u"    当前状态：转退学生列表"_s);
    m_ws.shell.openPage(Page::LeaverRoster);
}

void ArchivedRosterPage::showFor(StudentViewKind kind)
{
    m_kind = kind;
    m_ws.state.setCurrentViewKind(StudentViewKinds::text(kind));
    const bool graduates = kind == StudentViewKind::Graduate;
    历届搜索->setVisible(graduates);
    搜索离校->setText(graduates ? u"本届搜索"_s : u"开始搜索"_s);
    毕业日期组合框->setVisible(graduates);
    毕业统计标签->setVisible(graduates);
    离校统计标签->setVisible(!graduates);
    毕业离校列表框->setColumnTitle(RosterColumns::LeaveDate, u"离校时间"_s);
}

void ArchivedRosterPage::fill(const std::optional<StudentRosters::Rows>& rows)
{
    QApplication::setOverrideCursor(Qt::WaitCursor);
    毕业离校列表框->fill(rows.value_or(StudentRosters::Rows {}), StudentRosters::SexColumn, m_ws.shell.progressBar());
    QApplication::restoreOverrideCursor();
    // An empty list after a failed read must not pass for nobody having left.
    if (!rows)
        m_ws.services.prompt.show(u"载入学生资料数据失败！"_s, u"错误"_s, Prompt::Icon::Error);
}

void ArchivedRosterPage::searchShown()
{
    search(m_kind == StudentViewKind::Leaver ? StudentRosters::Search::Leavers : StudentRosters::Search::Graduation);
}

void ArchivedRosterPage::searchAllGraduates()
{
    search(StudentRosters::Search::AllGraduates);
}

void ArchivedRosterPage::search(StudentRosters::Search kind)
{
    const QString date = 毕业日期组合框->currentText();
    RosterPage::search({搜索离校生编辑框,
        [this, kind, date](const QString& value) {
            return StudentRosters(m_ws.studentDb).search(kind, 搜索离校生组合框->currentText(), value, date);
        },
        StudentRosters::SexColumn, 2, StudentRosters::searchTitle(kind, m_ws.state.schoolName(), date), {},
        [kind, date](const SexCount& counts) {
            return StudentRosters::searchResult(kind, date, counts.total(), counts.male, counts.female);
        }});
}

QString ArchivedRosterPage::statistics() const
{
    return (m_kind == StudentViewKind::Graduate ? 毕业统计标签 : 离校统计标签)->text();
}

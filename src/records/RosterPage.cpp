#include "records/RosterPage.h"

#include "platform/PlatformServices.h"
#include "platform/Prompt.h"
#include "records/PrefixSearch.h"
#include "records/ReportList.h"
#include "workspace/PageFrame.h"
#include "workspace/ProgramState.h"
#include "workspace/Shell.h"
#include "workspace/Workspace.h"

#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QVBoxLayout>

using namespace Qt::StringLiterals;

RosterPage::RosterPage(Workspace& ws, PageFrame& frame, TableReports::Roster report, QWidget* parent)
    : QWidget(parent)
    , m_ws(ws)
    , m_frame(frame)
    , m_navigation(nullptr)
    , m_report(report)
{ }

ReportList* RosterPage::addList(const QString& name, const QList<ReportColumn>& columns, bool keyInColumnZero)
{
    m_list = new ReportList(name, this);
    if (keyInColumnZero)
        m_list->setKeyInColumnZero(true);
    m_list->setColumns(columns);
    m_navigation = ItemViewNavigation(m_list);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(m_list);
    return m_list;
}

void RosterPage::popUpMenu(std::function<QString()> menuName)
{
    m_list->setContextMenuPolicy(Qt::CustomContextMenu);
    connect(m_list, &QWidget::customContextMenuRequested, this, [this, menuName](const QPoint& at) {
        if (!m_list->indexAt(at).isValid())
            return;
        if (QMenu* menu = m_ws.shell.menu(menuName()))
            menu->popup(m_list->viewport()->mapToGlobal(at));
    });
}

void RosterPage::search(const Search& search)
{
    const auto value = PrefixSearch::cleanValue(search.edit->text());
    if (!value) {
        m_ws.services.prompt.show(u"请输入搜索条件！"_s);
        search.edit->setFocus();
        return;
    }
    m_searchResult = true;
    m_frame.setTitle(search.title);
    QApplication::setOverrideCursor(Qt::WaitCursor);
    const auto rows = search.query(*value);
    m_list->fill(rows.value_or(QList<QStringList> {}), search.sexColumn, m_ws.shell.progressBar(), search.sortColumn);
    QApplication::restoreOverrideCursor();
    if (!search.state.isEmpty())
        m_ws.state.setStatusState(search.state);
    const SexCount& counts = m_list->counts();
    m_ws.services.prompt.show(counts.total() > 0 ? search.found(counts) : u"未找到符合条件的资料！"_s);
    search.edit->setFocus();
    search.edit->selectAll();
}

std::optional<PageTable> RosterPage::pageTable() const
{
    PageTable table = m_list->pageTable();
    table.title = m_frame.titleLabel()->text();
    if (!m_searchResult)
        table.statistics = statistics();
    // Pupils are listed by 学号 in column 0; the staff list keeps its number out of print.
    if (m_report == TableReports::Roster::Pupils)
        table.kinds[0] = PageTable::Kind::Number;
    return table;
}

ReportBuild RosterPage::buildReport(SheetTable& sheet, const QDate& today)
{
    const std::optional<PageTable> table = pageTable();
    if (!table)
        return ReportBuild::NoReport;
    TableReports::roster(sheet, *table, today, m_report);
    return ReportBuild::Built;
}

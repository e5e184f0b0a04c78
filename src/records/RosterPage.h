#pragma once

#include "printing/TableReports.h"
#include "records/ReportColumn.h"
#include "workspace/ItemViewNavigation.h"
#include "workspace/PageView.h"

#include <QList>
#include <QString>
#include <QStringList>
#include <QWidget>

#include <functional>
#include <optional>

class PageFrame;
class QLineEdit;
class ReportList;
struct SexCount;
struct Workspace;

// The frame of the pupils' and the staff rosters: one report list under the page's title and bar,
// the search's prompts, the right-click menu, and the printed roster with its counts line.
class RosterPage : public QWidget, public PageView
{
    Q_OBJECT

public:
    // Whether the list shows a search result (printing words its title after it).
    bool isSearchResult() const { return m_searchResult; }

    RecordNavigation* navigation() override { return &m_navigation; }
    std::optional<PageTable> pageTable() const override;
    ReportBuild buildReport(SheetTable& sheet, const QDate& today) override;

protected:
    RosterPage(Workspace& ws, PageFrame& frame, TableReports::Roster report, QWidget* parent);

    // Makes the page's list, filling the whole page. A list keyed in column 0 prints that column too.
    ReportList* addList(const QString& name, const QList<ReportColumn>& columns, bool keyInColumnZero = false);
    // A right click on a row opens the menu that `menuName` names at that moment.
    void popUpMenu(std::function<QString()> menuName);
    // A search of the roster: the value typed into `edit`, the rows `query` finds for it, the title
    // and the status line (left alone when empty) while they are shown, and what the prompt says
    // when anything was found.
    struct Search
    {
        QLineEdit* edit;
        std::function<std::optional<QList<QStringList>>(const QString& value)> query;
        int sexColumn;
        int sortColumn;
        QString title;
        QString state;
        std::function<QString(const SexCount& counts)> found;
    };
    // Asks for a value when none was typed; otherwise lists what the search finds and says so.
    void search(const Search& search);
    // The counts line the printed roster carries under its title; nothing for a search result.
    virtual QString statistics() const { return {}; }

    Workspace& m_ws;
    PageFrame& m_frame;
    ReportList* m_list = nullptr;
    ItemViewNavigation m_navigation;
    bool m_searchResult = false;

private:
    TableReports::Roster m_report;
};

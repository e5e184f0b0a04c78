#pragma once

#include "records/ReportColumn.h"
#include "records/SexCount.h"
#include "workspace/PageTable.h"

#include <QList>
#include <QStringList>
#include <QTreeWidget>

class QProgressBar;

// The lists of the roster and statistics pages: a hidden column 0 whose item data is the row's
// load position, typed columns after it, a header click that sorts (a second one reverses) with
// the direction shown in that header, the male/female count of a fill.
class ReportList : public QTreeWidget
{
    Q_OBJECT

public:
    // The item data of column 0: the row's position when it was loaded.
    static constexpr int LoadPositionRole = Qt::UserRole;

    explicit ReportList(const QString& objectName, QWidget* parent = nullptr);

    void setColumns(const QList<ReportColumn>& columns);
    // Rows then carry the hidden column 0's text first (a teacher's 编号) instead of "0".
    void setKeyInColumnZero(bool on) { m_keyInColumnZero = on; }
    void setColumnTitle(int column, const QString& title);

    // Replaces the rows (texts of columns 1..n, or 0..n with the key in column 0), counts the sexes
    // in sexColumn (0-based in a row, -1 for none) and selects the first row. The progress bar steps once per row; no
    // user input reaches the window while the list fills. The list is then taken as sorted by sortColumn, ascending, as
    // the query ordered it.
    void fill(const QList<QStringList>& rows, int sexColumn, QProgressBar* progress, int sortColumn = 2);
    const SexCount& counts() const { return m_counts; }

    // A header click on column (1..n): the same column again reverses the direction.
    void sortByColumn(int column);
    int sortColumn() const { return m_sortColumn; }
    Qt::SortOrder sortDirection() const { return m_direction; }

    // Removes the selected row (after its record was moved or deleted) and selects the first.
    void removeCurrentRow();
    // The text of a column of the selected row; empty when none is selected.
    QString currentText(int column) const;
    // The captions and rows as shown (hidden column 0 left out), every column Text.
    PageTable pageTable() const;

Q_SIGNALS:
    // Double click or Enter on a row.
    void rowOpened(QTreeWidgetItem* item);

protected:
    void keyPressEvent(QKeyEvent* event) override;

private:
    void showSortIndicator();

    QList<ReportColumn> m_columns;
    SexCount m_counts;
    int m_sortColumn = 2;
    Qt::SortOrder m_direction = Qt::AscendingOrder;
    bool m_keyInColumnZero = false;
};

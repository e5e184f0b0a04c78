#pragma once

#include "records/ReportColumn.h"
#include "records/SexCount.h"
#include "workspace/PageTable.h"

#include <QList>
#include <QStringList>
#include <QTreeView>

class QProgressBar;
class TextRowsModel;

// The lists of the roster and statistics pages: a hidden column 0 whose LoadPositionRole is the
// row's load position, typed columns after it, a header click that sorts (a second one reverses)
// with the direction shown in that header, the male/female count of a fill. The rows are kept
// as the query gave them; only the ones in sight are ever laid out and painted.
class ReportList : public QTreeView
{
    Q_OBJECT

public:
    // The data of column 0 under this role: the row's position when it was loaded.
    static constexpr int LoadPositionRole = Qt::UserRole;

    explicit ReportList(const QString& objectName, QWidget* parent = nullptr);

    void setColumns(const QList<ReportColumn>& columns);
    // Rows then carry the hidden column 0's text first (a teacher's 编号) instead of "0".
    void setKeyInColumnZero(bool on);
    void setColumnTitle(int column, const QString& title);
    QString columnTitle(int column) const;
    void setColumnAlignment(int column, Qt::Alignment alignment);

    // Replaces the rows (texts of columns 1..n, or 0..n with the key in column 0), counts the sexes
    // in sexColumn (0-based in a row, -1 for none) and selects the first row. The progress bar shows
    // while the list fills, one step a chunk of rows. The list is then taken as sorted by sortColumn,
    // ascending, as the query ordered it.
    void fill(const QList<QStringList>& rows, int sexColumn, QProgressBar* progress, int sortColumn = 2);
    const SexCount& counts() const { return m_counts; }

    // A header click on column (1..n): the same column again reverses the direction.
    void sortByColumn(int column);
    int sortColumn() const { return m_sortColumn; }
    Qt::SortOrder sortDirection() const { return m_direction; }

    int rowCount() const;
    // The text of a row as shown (0 the top) in a column (0 the hidden one).
    QString text(int row, int column) const;
    // The selected row, -1 when none is.
    int currentRow() const;
    void setCurrentRow(int row);

    // Removes the selected row (after its record was moved or deleted) and selects the first.
    void removeCurrentRow();
    // The text of a column of the selected row; empty when none is selected.
    QString currentText(int column) const;
    // The captions and rows as shown (hidden column 0 left out), every column Text.
    PageTable pageTable() const;

Q_SIGNALS:
    // Double click or Enter on a row (as shown).
    void rowOpened(int row);

protected:
    void keyPressEvent(QKeyEvent* event) override;

private:
    void showSortIndicator();

    TextRowsModel* m_model;
    QList<ReportColumn> m_columns;
    SexCount m_counts;
    int m_sortColumn = 2;
    Qt::SortOrder m_direction = Qt::AscendingOrder;
};

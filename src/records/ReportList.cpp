#include "records/ReportList.h"

#include "records/TextRowsModel.h"
#include "workspace/ListProgress.h"

#include <QApplication>
#include <QHeaderView>
#include <QKeyEvent>
#include <QProgressBar>

using namespace Qt::StringLiterals;

namespace {

// A bar step per this many rows: it shows that a long fill moves, at no cost per row.
constexpr int RowsPerStep = 2000;

} // namespace

ReportList::ReportList(const QString& objectName, QWidget* parent)
    : QTreeView(parent)
    , m_model(new TextRowsModel(this))
{
    setObjectName(objectName);
    m_model->setBlankKeyColumn(true);
    setModel(m_model);
    setRootIsDecorated(false);
    setItemsExpandable(false);
    setUniformRowHeights(true);
    setAlternatingRowColors(true);
    setSelectionMode(QAbstractItemView::SingleSelection);
    setSelectionBehavior(QAbstractItemView::SelectRows);
    setAllColumnsShowFocus(true);
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    // The list sorts itself on a header click; Qt's own sorting would compare every column as text.
    setSortingEnabled(false);
    header()->setSectionsClickable(true);
    header()->setSortIndicatorShown(true);
    header()->setStretchLastSection(true);
    connect(header(), &QHeaderView::sectionClicked, this, [this](int column) {
        if (column > 0)
            sortByColumn(column);
    });
    connect(this, &QAbstractItemView::doubleClicked, this, [this](const QModelIndex& index) {
        if (index.isValid())
            Q_EMIT rowOpened(index.row());
    });
}

void ReportList::setKeyInColumnZero(bool on)
{
    m_model->setBlankKeyColumn(!on);
}

void ReportList::setColumns(const QList<ReportColumn>& columns)
{
    m_columns = columns;
    QStringList titles {QString()};
    for (const ReportColumn& c : columns)
        titles << c.title;
    m_model->setTitles(titles);
    setColumnWidth(0, 0);
    setColumnHidden(0, true);
    for (int i = 0; i < columns.size(); ++i)
        setColumnWidth(i + 1, columns[i].width);
    showSortIndicator();
}

void ReportList::setColumnTitle(int column, const QString& title)
{
    if (column >= 1 && column <= m_columns.size()) {
        m_columns[column - 1].title = title;
        m_model->setTitle(column, title);
    }
}

QString ReportList::columnTitle(int column) const
{
    return m_model->title(column);
}

void ReportList::setColumnAlignment(int column, Qt::Alignment alignment)
{
    m_model->setAlignment(column, alignment);
}

void ReportList::fill(const QList<QStringList>& rows, int sexColumn, QProgressBar* progressBar, int sortColumn)
{
    m_sortColumn = sortColumn;
    m_direction = Qt::AscendingOrder;
    showSortIndicator();
    ListProgress progress(progressBar);
    m_counts = {};
    if (sexColumn >= 0) {
        for (qsizetype i = 0; i < rows.size(); ++i) {
            if (sexColumn < rows[i].size())
                m_counts.add(rows[i][sexColumn]);
            if (i % RowsPerStep == RowsPerStep - 1)
                progress.step();
        }
    }
    m_model->setRows(rows);
    setCurrentRow(0);
}

void ReportList::sortByColumn(int column)
{
    if (column < 1 || column > m_columns.size())
        return;
    QApplication::setOverrideCursor(Qt::WaitCursor);
    if (column == m_sortColumn) {
        m_direction = m_direction == Qt::AscendingOrder ? Qt::DescendingOrder : Qt::AscendingOrder;
    } else {
        m_sortColumn = column;
        m_direction = Qt::AscendingOrder;
    }
    m_model->sort(column, m_columns[column - 1].sortAs, m_direction);
    // A sorted list is read from its top: the selection goes there too, so the row the commands act
    // on is the one in sight, not one somewhere out of view.
    if (rowCount() > 0) {
        setCurrentRow(0);
        scrollToTop();
    }
    showSortIndicator();
    QApplication::restoreOverrideCursor();
}

int ReportList::rowCount() const
{
    return m_model->rowCount();
}

QString ReportList::text(int row, int column) const
{
    return m_model->text(row, column);
}

int ReportList::currentRow() const
{
    const QModelIndex current = currentIndex();
    return current.isValid() ? current.row() : -1;
}

void ReportList::setCurrentRow(int row)
{
    if (row >= 0 && row < rowCount())
        setCurrentIndex(m_model->index(row, 1));
    else
        setCurrentIndex({});
}

void ReportList::removeCurrentRow()
{
    m_model->removeShownRow(currentRow());
    setCurrentRow(0);
}

QString ReportList::currentText(int column) const
{
    const int row = currentRow();
    return row >= 0 ? m_model->text(row, column) : QString();
}

void ReportList::keyPressEvent(QKeyEvent* event)
{
    if ((event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) && currentRow() >= 0) {
        Q_EMIT rowOpened(currentRow());
        return;
    }
    QTreeView::keyPressEvent(event);
}

void ReportList::showSortIndicator()
{
    header()->setSortIndicator(m_sortColumn, m_direction);
}

PageTable ReportList::pageTable() const
{
    PageTable table;
    const int columns = m_model->columnCount();
    for (int c = 1; c < columns; ++c) {
        table.captions << m_model->title(c);
        table.kinds << PageTable::Kind::Text;
    }
    const int rows = rowCount();
    table.rows.reserve(rows);
    for (int i = 0; i < rows; ++i) {
        QStringList row;
        row.reserve(columns - 1);
        for (int c = 1; c < columns; ++c)
            row << m_model->text(i, c);
        table.rows << row;
    }
    return table;
}

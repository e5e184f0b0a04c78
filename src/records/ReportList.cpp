#include "records/ReportList.h"

#include "records/ReportSort.h"
#include "workspace/ListProgress.h"

#include <QApplication>
#include <QHeaderView>
#include <QKeyEvent>
#include <QProgressBar>

using namespace Qt::StringLiterals;

ReportList::ReportList(const QString& objectName, QWidget* parent)
    : QTreeWidget(parent)
{
    setObjectName(objectName);
    setRootIsDecorated(false);
    setUniformRowHeights(true);
    setAlternatingRowColors(true);
    setSelectionMode(QAbstractItemView::SingleSelection);
    setSelectionBehavior(QAbstractItemView::SelectRows);
    setAllColumnsShowFocus(true);
    // The list sorts itself on a header click; Qt's own sorting would compare every column as text.
    setSortingEnabled(false);
    header()->setSectionsClickable(true);
    header()->setSortIndicatorShown(true);
    header()->setStretchLastSection(true);
    connect(header(), &QHeaderView::sectionClicked, this, [this](int column) {
        if (column > 0)
            sortByColumn(column);
    });
    connect(this, &QTreeWidget::itemDoubleClicked, this, [this](QTreeWidgetItem* item) { Q_EMIT rowOpened(item); });
}

void ReportList::setColumns(const QList<ReportColumn>& columns)
{
    m_columns = columns;
    QStringList titles {QString()};
    for (const ReportColumn& c : columns)
        titles << c.title;
    setColumnCount(static_cast<int>(titles.size()));
    setHeaderLabels(titles);
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
        headerItem()->setText(column, title);
    }
}

void ReportList::fill(const QList<QStringList>& rows, int sexColumn, QProgressBar* progressBar, int sortColumn)
{
    m_sortColumn = sortColumn;
    m_direction = Qt::AscendingOrder;
    showSortIndicator();
    m_counts = {};
    clear();
    ListProgress progress(progressBar);
    QList<QTreeWidgetItem*> items;
    items.reserve(rows.size());
    for (int i = 0; i < rows.size(); ++i) {
        QStringList texts;
        if (!m_keyInColumnZero)
            texts << u"0"_s;
        texts += rows[i];
        auto* item = new QTreeWidgetItem(texts);
        item->setData(0, LoadPositionRole, i);
        items.append(item);
        if (sexColumn >= 0 && sexColumn < rows[i].size())
            m_counts.add(rows[i][sexColumn]);
        progress.step();
        // Let the bar paint now and then, but keep the user's clicks out of a half-filled list.
        if (i % 500 == 499)
            QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
    }
    addTopLevelItems(items);
    if (!items.isEmpty())
        setCurrentItem(items.first());
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
    QStringList texts;
    texts.reserve(topLevelItemCount());
    for (int i = 0; i < topLevelItemCount(); ++i)
        texts << topLevelItem(i)->text(column);
    const QList<int> order = ReportSort::order(texts, m_columns[column - 1].sortAs, m_direction);

    const QList<QTreeWidgetItem*> items = invisibleRootItem()->takeChildren();
    QList<QTreeWidgetItem*> sorted;
    sorted.reserve(items.size());
    for (int i : order)
        sorted.append(items[i]);
    addTopLevelItems(sorted);
    // A sorted list is read from its top: the selection goes there too, so the row the commands act
    // on is the one in sight, not one somewhere out of view.
    if (QTreeWidgetItem* top = topLevelItem(0)) {
        setCurrentItem(top);
        scrollToTop();
    }
    showSortIndicator();
    QApplication::restoreOverrideCursor();
}

void ReportList::removeCurrentRow()
{
    delete currentItem();
    if (topLevelItemCount() > 0)
        setCurrentItem(topLevelItem(0));
}

QString ReportList::currentText(int column) const
{
    const QTreeWidgetItem* item = currentItem();
    return item ? item->text(column) : QString();
}

void ReportList::keyPressEvent(QKeyEvent* event)
{
    if ((event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) && currentItem()) {
        Q_EMIT rowOpened(currentItem());
        return;
    }
    QTreeWidget::keyPressEvent(event);
}

void ReportList::showSortIndicator()
{
    header()->setSortIndicator(m_sortColumn, m_direction);
}

PageTable ReportList::pageTable() const
{
    PageTable table;
    const int columns = columnCount();
    for (int c = 1; c < columns; ++c) {
        table.captions << headerItem()->text(c);
        table.kinds << PageTable::Kind::Text;
    }
    table.rows.reserve(topLevelItemCount());
    for (int i = 0; i < topLevelItemCount(); ++i) {
        const QTreeWidgetItem* item = topLevelItem(i);
        QStringList row;
        row.reserve(columns - 1);
        for (int c = 1; c < columns; ++c)
            row << item->text(c);
        table.rows << row;
    }
    return table;
}

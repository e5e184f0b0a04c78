#include "records/NameListView.h"

#include "records/TextRowsModel.h"

#include <QItemSelectionModel>
#include <QSignalBlocker>

NameListView::NameListView(const QString& objectName, const QStringList& titles, QWidget* parent)
    : QTreeView(parent)
    , m_model(new TextRowsModel(this))
{
    setObjectName(objectName);
    m_model->setTitles(titles);
    setModel(m_model);
    setRootIsDecorated(false);
    setItemsExpandable(false);
    setUniformRowHeights(true);
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    setSelectionMode(QAbstractItemView::SingleSelection);
    setSelectionBehavior(QAbstractItemView::SelectRows);
    setAllColumnsShowFocus(true);
    connect(selectionModel(), &QItemSelectionModel::currentRowChanged, this,
        [this](const QModelIndex& current) { Q_EMIT currentRowChanged(current.isValid() ? current.row() : -1); });
}

void NameListView::showNamesOnly(const QIcon& icon)
{
    m_model->setIcon(icon);
    setHeaderHidden(true);
    setColumnHidden(0, true);
    setAlternatingRowColors(false);
}

void NameListView::setRows(const QList<QStringList>& rows)
{
    const QSignalBlocker quiet(selectionModel());
    m_model->setRows(rows);
    selectionModel()->clear();
}

int NameListView::rowCount() const
{
    return m_model->rowCount();
}

QString NameListView::text(int row, int column) const
{
    return m_model->text(row, column);
}

int NameListView::currentRow() const
{
    const QModelIndex current = currentIndex();
    return current.isValid() ? current.row() : -1;
}

bool NameListView::isCurrentSelected() const
{
    const int row = currentRow();
    return row >= 0 && selectionModel()->isRowSelected(row);
}

void NameListView::setCurrentRow(int row)
{
    if (row >= 0 && row < rowCount())
        setCurrentIndex(m_model->index(row, 0));
    else
        setCurrentIndex({});
}

QString NameListView::currentText(int column) const
{
    return m_model->text(currentRow(), column);
}

int NameListView::rowOfNumber(qint64 number) const
{
    return m_model->rowOf(0, QString::number(number));
}

void NameListView::removeRow(int row)
{
    m_model->removeShownRow(row);
}

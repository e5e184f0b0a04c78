#include "records/NameListView.h"

NameListView::NameListView(const QString& objectName, const QStringList& titles, QWidget* parent)
    : NameRowsView(objectName, titles, parent)
{
    setRootIsDecorated(false);
    setItemsExpandable(false);
    setUniformRowHeights(true);
    setAllColumnsShowFocus(true);
    connect(selectionModel(), &QItemSelectionModel::currentRowChanged, this,
        [this](const QModelIndex& current) { Q_EMIT currentRowChanged(current.isValid() ? current.row() : -1); });
}

void NameListView::showNamesOnly(const QIcon& icon)
{
    rowsModel()->setIcon(icon);
    setHeaderHidden(true);
    setColumnHidden(0, true);
    setAlternatingRowColors(false);
}

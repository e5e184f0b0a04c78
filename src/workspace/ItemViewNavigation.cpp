#include "workspace/ItemViewNavigation.h"

#include <QAbstractItemView>
#include <QItemSelectionModel>

ItemViewNavigation::ItemViewNavigation(QAbstractItemView* view)
    : m_view(view)
{ }

bool ItemViewNavigation::move(Move move)
{
    QAbstractItemModel* model = m_view ? m_view->model() : nullptr;
    if (!model)
        return false;
    const QModelIndex current = m_view->currentIndex();
    const auto row = target(move, current.isValid() ? current.row() : -1, 0, model->rowCount(m_view->rootIndex()) - 1);
    if (!row)
        return false;
    const QModelIndex next = model->index(*row, current.isValid() ? current.column() : 0, m_view->rootIndex());
    m_view->selectionModel()->setCurrentIndex(next, QItemSelectionModel::ClearAndSelect | QItemSelectionModel::Rows);
    m_view->scrollTo(next);
    return true;
}

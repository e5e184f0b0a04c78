#include "records/NameFlowView.h"

using namespace Qt::StringLiterals;

NameFlowView::NameFlowView(const QString& objectName, const QIcon& icon, QWidget* parent)
    : NameRowsView(objectName, {u"学号"_s, u"姓名"_s}, parent)
{
    rowsModel()->setIcon(icon);
    setModelColumn(1);
    setFlow(QListView::TopToBottom);
    setWrapping(true);
    setResizeMode(QListView::Adjust);
    setUniformItemSizes(true);
    // A four-character name beside its icon, with the item's margins.
    setGridSize(QSize(fontMetrics().horizontalAdvance(u"欧阳思琪"_s) + iconSize().width() + 40,
        std::max(fontMetrics().height(), 16) + 4));
    connect(selectionModel(), &QItemSelectionModel::currentRowChanged, this,
        [this](const QModelIndex& current) { Q_EMIT currentRowChanged(current.isValid() ? current.row() : -1); });
}

#pragma once

#include <QIdentityProxyModel>

// What Qt's own file dialog lists, with the dates in the program's locale (the file system model
// uses the desktop's) and the kinds of file in Chinese, which Qt's translations leave out.
class FileDialogModel : public QIdentityProxyModel
{
    Q_OBJECT

public:
    using QIdentityProxyModel::QIdentityProxyModel;

    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;

    // The columns of the dialog's detail view.
    enum Column { NameColumn, SizeColumn, TypeColumn, DateColumn };
};

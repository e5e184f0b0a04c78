#include "platform/FileDialogModel.h"

#include <QFileSystemModel>
#include <QLocale>

using namespace Qt::StringLiterals;

QVariant FileDialogModel::data(const QModelIndex& index, int role) const
{
    const auto* files = qobject_cast<const QFileSystemModel*>(sourceModel());
    if (!files || role != Qt::DisplayRole || !index.isValid())
        return QIdentityProxyModel::data(index, role);
    const QModelIndex source = mapToSource(index);
    switch (index.column()) {
    case TypeColumn: {
        const QFileInfo info = files->fileInfo(source);
        if (info.isDir())
            return u"文件夹"_s;
        return info.suffix().isEmpty() ? u"文件"_s : info.suffix().toUpper() + u" 文件"_s;
    }
    case DateColumn:
        return QLocale().toString(files->lastModified(source), u"yyyy/M/d H:mm"_s);
    default:
        return QIdentityProxyModel::data(index, role);
    }
}

#pragma once

#include "records/NameRowsView.h"

#include <QIcon>
#include <QStringList>
#include <QTreeView>

// A plain list of people (number, name, …) in rows, one under another, with or without a header.
class NameListView : public NameRowsView<QTreeView>
{
    Q_OBJECT

public:
    NameListView(const QString& objectName, const QStringList& titles, QWidget* parent = nullptr);

    // A names list as the record pages show it: the file icon and the name, the number (column 0)
    // kept out of sight, no header.
    void showNamesOnly(const QIcon& icon);

Q_SIGNALS:
    void currentRowChanged(int row);
};

#pragma once

#include "records/NameRowsView.h"

#include <QIcon>
#include <QListView>

// A names list whose names run down in columns side by side, the icon beside each name, the
// number (column 0) kept out of sight: where there is height for only a few names one under another.
class NameFlowView : public NameRowsView<QListView>
{
    Q_OBJECT

public:
    NameFlowView(const QString& objectName, const QIcon& icon, QWidget* parent = nullptr);

Q_SIGNALS:
    void currentRowChanged(int row);
};

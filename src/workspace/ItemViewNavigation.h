#pragma once

#include "workspace/RecordNavigation.h"

class QAbstractItemView;

// Record navigation over the rows of a list or table view: the pages' lists use it as it is. The
// view's current-row signals then show the newly selected record.
class ItemViewNavigation : public RecordNavigation
{
public:
    explicit ItemViewNavigation(QAbstractItemView* view);

    bool move(Move move) override;

private:
    QAbstractItemView* m_view;
};

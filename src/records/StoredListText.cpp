#include "records/StoredListText.h"

#include <QComboBox>

namespace StoredListText {

void select(QComboBox* box, const QString& stored)
{
    int found = stored.isEmpty() ? -1 : box->findText(stored, Qt::MatchExactly);
    for (int i = 0; found < 0 && !stored.isEmpty() && i < box->count(); ++i) {
        if (box->itemText(i).startsWith(stored))
            found = i;
    }
    box->setCurrentIndex(found);
    if (found < 0)
        box->setEditText(stored);
}

} // namespace StoredListText

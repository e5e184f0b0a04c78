#include "records/StoredListText.h"

#include <QComboBox>

namespace StoredListText {

namespace {

// Marks the entry a fixed list holds only for the stored text on show.
constexpr int KeptRole = Qt::UserRole + 1;

} // namespace

void select(QComboBox* box, const QString& stored)
{
    for (int i = box->count() - 1; i >= 0; --i) {
        if (box->itemData(i, KeptRole).toBool())
            box->removeItem(i);
    }
    int found = stored.isEmpty() ? -1 : box->findText(stored, Qt::MatchExactly);
    for (int i = 0; found < 0 && !stored.isEmpty() && i < box->count(); ++i) {
        if (box->itemText(i).startsWith(stored))
            found = i;
    }
    if (found < 0 && !stored.isEmpty() && !box->isEditable()) {
        // A fixed list cannot show a text it lacks: the stored text joins it while it is on show,
        // so an untouched save gives it back.
        box->addItem(stored);
        found = box->count() - 1;
        box->setItemData(found, true, KeptRole);
    }
    box->setCurrentIndex(found);
    if (found < 0 && box->isEditable())
        box->setEditText(stored);
}

} // namespace StoredListText

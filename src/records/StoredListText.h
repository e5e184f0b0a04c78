#pragma once

#include <QString>

class QComboBox;

// A stored text shown in a list box: the entry that is exactly the text, else the first entry that
// begins with it, else the text as stored (a fixed list holds it as an extra entry while it is on
// show). An empty text chooses nothing (it is a prefix of every entry), so an untouched save gives
// back what was stored.
namespace StoredListText {

void select(QComboBox* box, const QString& stored);

} // namespace StoredListText

#include "records/NameListBox.h"

namespace NameListBox {

int rowOf(const QListWidget& box, int role, qint64 number)
{
    for (int i = 0; i < box.count(); ++i) {
        if (box.item(i)->data(role).toLongLong() == number)
            return i;
    }
    return 0;
}

} // namespace NameListBox

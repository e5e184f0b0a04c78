#pragma once

#include "workspace/ListProgress.h"

#include <QIcon>
#include <QList>
#include <QListWidget>

// The names list of the student and the teacher view: one item a person, the number under a role,
// so that two people of one name stay apart.
namespace NameListBox {

// Appends an item for each {number, name, sex} entry, stepping the progress bar.
template<class Entry>
void append(QListWidget& box, const QList<Entry>& names, int role, const QIcon& icon, ListProgress& progress)
{
    for (const Entry& entry : names) {
        const auto& [number, name, sex] = entry;
        auto* item = new QListWidgetItem(icon, name, &box);
        item->setData(role, number);
        progress.step();
    }
}

// The row whose item carries `number` under `role`; the first row when none does.
int rowOf(const QListWidget& box, int role, qint64 number);

} // namespace NameListBox

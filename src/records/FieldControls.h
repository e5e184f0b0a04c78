#pragma once

#include <QString>

class QWidget;

// A stored text in whatever control an editor shows it in: a line edit, a date box, a list box
// (entry chosen as StoredListText does, or the text as typed for a free list) or a label.
namespace FieldControls {

enum class List { ChooseEntry, FreeText };

void show(QWidget* control, const QString& stored, List list = List::ChooseEntry);
// What to store from the control; a date box gives back an unreadable stored date unchanged.
QString read(const QWidget* control);
void clear(QWidget* control);

} // namespace FieldControls

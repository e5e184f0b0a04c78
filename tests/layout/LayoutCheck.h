#pragma once

#include <QSize>
#include <QStringList>

class QWidget;

// What a person would find wrong in a shown window: the window larger than the screen, a named
// control outside its parent or under a sibling, a label, button, box or sheet cell whose text
// does not fit it in its own font. A text cut on purpose (an elided value box, a sheet cell with
// "…" whose tooltip holds the whole text) passes; a number never does.
namespace LayoutCheck {

QStringList faults(QWidget* window, QSize screen);

} // namespace LayoutCheck

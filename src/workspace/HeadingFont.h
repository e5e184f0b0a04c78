#pragma once

#include <QtGlobal>

class QWidget;

// A heading's font: the widget's own, bold and `scale` times its size, as the windows' titles and
// the page frames' caption lines show it.
void setHeadingFont(QWidget* widget, qreal scale);

#include "workspace/HeadingFont.h"

#include <QFont>
#include <QWidget>

void setHeadingFont(QWidget* widget, qreal scale)
{
    QFont font = widget->font();
    font.setPointSizeF(font.pointSizeF() * scale);
    font.setBold(true);
    widget->setFont(font);
}

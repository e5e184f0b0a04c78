#include "records/ClickOpensList.h"

#include <QComboBox>
#include <QLineEdit>
#include <QMouseEvent>

ClickOpensList::ClickOpensList(QComboBox* box)
    : QObject(box)
    , m_box(box)
{ }

void ClickOpensList::install(QComboBox* box)
{
    if (box && box->lineEdit())
        box->lineEdit()->installEventFilter(new ClickOpensList(box));
}

bool ClickOpensList::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() == QEvent::MouseButtonRelease && static_cast<QMouseEvent*>(event)->button() == Qt::LeftButton
        && m_box->isEnabled() && m_box->count() > 0) {
        // On the release: the press has placed the caret, and a release cannot close the list again.
        m_box->showPopup();
    }
    return QObject::eventFilter(watched, event);
}

#include "workspace/HeadTeacherList.h"

void HeadTeacherList::setItems(const QStringList& headTeachers)
{
    m_items = headTeachers;
    m_current = m_items.isEmpty() ? -1 : 0;
}

void HeadTeacherList::setCurrentIndex(int index)
{
    m_current = index >= 0 && index < count() ? index : -1;
}

QString HeadTeacherList::currentText() const
{
    return m_current >= 0 ? m_items.at(m_current) : QString();
}

#pragma once

#include <QStringList>

// The main window's hidden 班主任组合框: the head teachers item for item parallel to whichever
// class selector was loaded last, with the item of the selected class current.
class HeadTeacherList
{
public:
    // Replaces the items and makes the first one current (none when empty).
    void setItems(const QStringList& headTeachers);
    void clear() { setItems({}); }

    const QStringList& items() const { return m_items; }
    int count() const { return static_cast<int>(m_items.size()); }
    int currentIndex() const { return m_current; }
    // An index outside the items leaves none current.
    void setCurrentIndex(int index);
    QString currentText() const;

private:
    QStringList m_items;
    int m_current = -1;
};

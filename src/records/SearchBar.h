#pragma once

#include <QString>
#include <QStringList>

class QComboBox;
class QHBoxLayout;
class QLineEdit;
class QPushButton;
class QWidget;

// The search bar of a roster page: caption "搜索", the field list (not editable: only the offered
// fields can be searched), the value box and the page's buttons. Controls are named after the
// page: <prefix>底座, <prefix>组合框, <prefix>编辑框.
struct SearchBar
{
    QWidget* base = nullptr;
    QComboBox* field = nullptr;
    QLineEdit* value = nullptr;
    QHBoxLayout* layout = nullptr;

    static SearchBar make(const QString& prefix, const QStringList& fields);
    // A button at the end of the bar, named as captioned unless a name is given.
    QPushButton* addButton(const QString& caption, const QString& name = {});
};

#include "records/SearchBar.h"

#include <QComboBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

using namespace Qt::StringLiterals;

SearchBar SearchBar::make(const QString& prefix, const QStringList& fields)
{
    SearchBar bar;
    bar.base = new QWidget;
    bar.base->setObjectName(prefix + u"底座"_s);
    bar.layout = new QHBoxLayout(bar.base);
    bar.layout->setContentsMargins(0, 0, 0, 0);
    bar.layout->addWidget(new QLabel(u"搜索"_s));
    bar.field = new QComboBox;
    bar.field->setObjectName(prefix + u"组合框"_s);
    bar.field->addItems(fields);
    bar.field->setCurrentIndex(0);
    bar.value = new QLineEdit;
    bar.value->setObjectName(prefix + u"编辑框"_s);
    bar.value->setMinimumWidth(bar.value->fontMetrics().horizontalAdvance(u"王王王王王王王"_s));
    bar.layout->addWidget(bar.field);
    bar.layout->addWidget(bar.value);
    // A new field: type its value at once, over what was there.
    QObject::connect(bar.field, &QComboBox::currentIndexChanged, bar.value, [value = bar.value] {
        value->setFocus();
        value->selectAll();
    });
    return bar;
}

QPushButton* SearchBar::addButton(const QString& caption, const QString& name)
{
    auto* button = new QPushButton(caption);
    button->setObjectName(name.isEmpty() ? caption : name);
    button->setAutoDefault(false);
    layout->addWidget(button);
    return button;
}

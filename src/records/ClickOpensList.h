#pragma once

#include <QObject>

class QComboBox;

// An editable combo box opens its list on a click into its text too, not only on the arrow: a
// list the user sees open takes the Esc meant for it instead of the window behind.
class ClickOpensList : public QObject
{
    Q_OBJECT

public:
    static void install(QComboBox* box);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    explicit ClickOpensList(QComboBox* box);
    QComboBox* m_box;
};

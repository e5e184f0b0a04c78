#pragma once

#include <QHash>
#include <QObject>

#include <functional>

class QWidget;

// Enter and Tab move along a fixed chain of fields instead of Qt's tab order; the target's text
// is selected so that typing replaces it.
class FocusChain : public QObject
{
public:
    explicit FocusChain(QObject* parent)
        : QObject(parent)
    { }

    // Tab (and Enter unless enterMoves is false) in from moves to what next() names then.
    void link(QWidget* from, std::function<QWidget*()> next, bool enterMoves = true);
    static void focusAndSelect(QWidget* target);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    struct Step
    {
        std::function<QWidget*()> next;
        bool enterMoves = true;
    };
    QHash<QObject*, Step> m_steps;
};

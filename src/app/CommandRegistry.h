#pragma once

#include "access/RightsString.h"

#include <QHash>
#include <QObject>
#include <QStringList>

#include <functional>

class QAction;
class Prompt;

// Every command of the main window, looked up by its menu text ("查看学生资料"). One action per
// command serves the menu, the toolbar and the pop-up menus, so a button acts exactly like its menu
// item. Features register their handlers here and run each other's commands by name.
class CommandRegistry : public QObject
{
    Q_OBJECT

public:
    using Handler = std::function<void()>;
    using RightsSource = std::function<RightsString()>;

    CommandRegistry(Prompt& prompt, RightsSource rights, QObject* parent = nullptr);

    // Creates the command's action, owned by the registry. A checkable command's check mark is set
    // by its handler alone: choosing the item does not toggle it.
    QAction* add(const QString& name, bool checkable = false);
    // Null for an unknown command.
    QAction* action(QStringView name) const;
    bool contains(QStringView name) const;
    QStringList names() const { return m_order; }

    // Installs (or replaces) the command's handler; false for an unknown command.
    bool setHandler(QStringView name, Handler handler);
    bool hasHandler(QStringView name) const;

    // The rights check comes first: a refused command shows the refusal and does nothing else.
    // A disabled command does nothing. True when the command was allowed to run.
    bool run(QStringView name);
    bool isAllowed(QStringView name) const;

Q_SIGNALS:
    void refused(const QString& name);

private:
    Prompt& m_prompt;
    RightsSource m_rights;
    QHash<QString, QAction*> m_actions;
    QHash<QString, Handler> m_handlers;
    QStringList m_order;
};

#include "app/CommandRegistry.h"

#include "access/CommandRights.h"
#include "platform/Prompt.h"

#include <QAction>
#include <QSignalBlocker>

CommandRegistry::CommandRegistry(Prompt& prompt, RightsSource rights, QObject* parent)
    : QObject(parent)
    , m_prompt(prompt)
    , m_rights(std::move(rights))
{ }

QAction* CommandRegistry::add(const QString& name, bool checkable)
{
    if (QAction* existing = m_actions.value(name))
        return existing;
    auto* action = new QAction(name, this);
    action->setObjectName(name);
    action->setCheckable(checkable);
    connect(action, &QAction::triggered, this, [this, action, name](bool checked) {
        if (action->isCheckable()) {
            const QSignalBlocker block(action);
            action->setChecked(!checked);
        }
        run(name);
    });
    m_actions.insert(name, action);
    m_order.append(name);
    return action;
}

QAction* CommandRegistry::action(QStringView name) const
{
    return m_actions.value(name.toString());
}

bool CommandRegistry::contains(QStringView name) const
{
    return m_actions.contains(name.toString());
}

bool CommandRegistry::setHandler(QStringView name, Handler handler)
{
    if (!contains(name))
        return false;
    m_handlers.insert(name.toString(), std::move(handler));
    return true;
}

bool CommandRegistry::hasHandler(QStringView name) const
{
    return m_handlers.contains(name.toString());
}

bool CommandRegistry::isAllowed(QStringView name) const
{
    return m_rights().grants(CommandRights::requirementOf(name));
}

bool CommandRegistry::run(QStringView name)
{
    const QAction* a = action(name);
    if (!a || !a->isEnabled())
        return false;
    if (!isAllowed(name)) {
        m_prompt.show(CommandRights::refusal());
        Q_EMIT refused(name.toString());
        return false;
    }
    // Copied: a handler may replace itself while it runs.
    const Handler handler = m_handlers.value(name.toString());
    if (handler)
        handler();
    return true;
}

#include "FakePrompt.h"

#include <QStringList>

Prompt::Answer FakePrompt::show(const QString& text, const QString& title, Icon icon, Buttons buttons)
{
    m_boxes.append({text, title.isEmpty() ? defaultTitle() : title, icon, buttons});
    if (!m_script.isEmpty())
        return m_script.takeFirst();
    switch (buttons) {
    case Buttons::Ok:
    case Buttons::OkCancel:
        return Answer::Ok;
    case Buttons::YesNo:
    case Buttons::YesNoCancel:
        return Answer::Yes;
    }
    return Answer::Ok;
}

QStringList FakePrompt::texts() const
{
    QStringList all;
    for (const Box& b : m_boxes)
        all.append(b.text);
    return all;
}

#pragma once

#include "platform/Prompt.h"

#include <QList>

// Records every message box and answers from a script (Ok / Yes by default once the script runs out).
class FakePrompt : public Prompt
{
public:
    struct Box
    {
        QString text;
        QString title; // as shown: "信息：" when none was given
        Icon icon;
        Buttons buttons;
    };

    Answer show(const QString& text, const QString& title, Icon icon, Buttons buttons) override;

    void answerNext(Answer answer) { m_script.append(answer); }
    const QList<Box>& boxes() const { return m_boxes; }
    QStringList texts() const;
    QString lastText() const { return m_boxes.isEmpty() ? QString() : m_boxes.last().text; }
    void clear() { m_boxes.clear(); }

private:
    QList<Box> m_boxes;
    QList<Answer> m_script;
};

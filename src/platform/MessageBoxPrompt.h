#pragma once

#include "platform/Prompt.h"

// Message boxes of the desktop, modal over the window that is active when they appear.
class MessageBoxPrompt : public Prompt
{
public:
    Answer show(const QString& text, const QString& title, Icon icon, Buttons buttons) override;
};

#pragma once

#include <QString>

// Message boxes. Windows show every message through this, so tests can read and answer them.
class Prompt
{
public:
    enum class Icon { None, Information, Warning, Error, Question };
    enum class Buttons { Ok, OkCancel, YesNo, YesNoCancel };
    enum class Answer { Ok, Cancel, Yes, No };

    virtual ~Prompt() = default;

    // Shows text exactly as given; an empty title shows "信息：". Returns the button pressed
    // (closing the box counts as Cancel, or No where there is no Cancel).
    virtual Answer show(
        const QString& text, const QString& title = {}, Icon icon = Icon::None, Buttons buttons = Buttons::Ok)
        = 0;

    static QString defaultTitle() { return QStringLiteral(u"信息："); }
};

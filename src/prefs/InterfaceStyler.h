#pragma once

// Switches every window of the program, open or opened later, to an interface style: 1 blue,
// 2 green, 3 silver XP scheme; any other value brings back the platform's own look.
class InterfaceStyler
{
public:
    static void apply(int style);
    // The style last applied (0 .. 3); 0 before any.
    static int current();
};

// For the start of the program: the value of [Interface] Style.
inline void applyInterfaceStyle(int style)
{
    InterfaceStyler::apply(style);
}

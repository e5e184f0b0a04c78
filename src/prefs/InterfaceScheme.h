#pragma once

#include <QColor>
#include <QPalette>
#include <QString>

// The colour schemes of the interface styles: a palette for what the widget style paints and a
// style sheet for the bars, menus, tabs, buttons and group boxes that give each scheme its face.
class InterfaceScheme
{
public:
    enum Style { Default = 0, BlueXp = 1, GreenXp = 2, SilverXp = 3 };

    // 1, 2 and 3 are schemes; anything else is the default look.
    static bool isScheme(int style) { return style >= BlueXp && style <= SilverXp; }
    static int normalized(int style) { return isScheme(style) ? style : Default; }
    // "默认界面", "蓝色XP界面", "绿色XP界面", "银色XP界面"
    static QString name(int style);

    // Only meaningful for a scheme; the default look keeps the platform's palette.
    static QPalette palette(int style);
    // Empty for the default look.
    static QString styleSheet(int style);

    // WCAG contrast of two colours, 1 .. 21; the schemes are checked against it.
    static double contrast(const QColor& a, const QColor& b);
};

#include "prefs/InterfaceStyler.h"

#include "prefs/InterfaceScheme.h"

#include <QApplication>
#include <QPalette>
#include <QStyle>
#include <QStyleFactory>

#include <optional>

using namespace Qt::StringLiterals;

namespace {

// The platform's look as it was before the first scheme, so the default can be restored exactly.
struct PlatformLook
{
    QString styleName;
    QPalette palette;
};

std::optional<PlatformLook>& platformLook()
{
    static std::optional<PlatformLook> look;
    return look;
}

// The same colours with every role marked as set: a palette with nothing set is not taken as a
// change, and the scheme's colours would stay on the widgets.
QPalette explicitCopy(const QPalette& palette)
{
    QPalette copy;
    for (int group = 0; group < QPalette::NColorGroups; ++group) {
        for (int role = 0; role < QPalette::NColorRoles; ++role) {
            const auto g = static_cast<QPalette::ColorGroup>(group);
            const auto r = static_cast<QPalette::ColorRole>(role);
            copy.setBrush(g, r, palette.brush(g, r));
        }
    }
    return copy;
}

int& currentStyle()
{
    static int style = InterfaceScheme::Default;
    return style;
}

void useStyle(const QString& name)
{
    // Under an application style sheet QApplication::style() is the sheet's own style, which has no
    // name: remember the one we installed.
    static QString installed;
    QString current = QApplication::style()->name();
    if (current.isEmpty())
        current = installed;
    if (current.compare(name, Qt::CaseInsensitive) == 0)
        return;
    if (QStyle* style = QStyleFactory::create(name)) {
        QApplication::setStyle(style);
        installed = name;
    }
}

} // namespace

void InterfaceStyler::apply(int style)
{
    style = InterfaceScheme::normalized(style);
    std::optional<PlatformLook>& look = platformLook();
    // The default look at start: leave the platform's look untouched, so it keeps following the desktop.
    if (!look && style == InterfaceScheme::Default) {
        currentStyle() = style;
        return;
    }
    if (!look)
        look = PlatformLook {QApplication::style()->name(), explicitCopy(QApplication::palette())};

    if (style == InterfaceScheme::Default) {
        QApplication::setPalette(look->palette);
        qApp->setStyleSheet(QString());
        useStyle(look->styleName);
    } else {
        // Fusion paints with the palette throughout, which the schemes need; platform styles may not.
        useStyle(u"Fusion"_s);
        QApplication::setPalette(InterfaceScheme::palette(style));
        qApp->setStyleSheet(InterfaceScheme::styleSheet(style));
    }
    currentStyle() = style;
}

int InterfaceStyler::current()
{
    return currentStyle();
}

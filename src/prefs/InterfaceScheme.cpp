#include "prefs/InterfaceScheme.h"

#include <QList>
#include <QPair>

#include <cmath>

using namespace Qt::StringLiterals;

namespace {

struct Colours
{
    const char* window;
    const char* pane; // tab pages, selected tabs
    const char* text;
    const char* disabled;
    const char* highlight;
    const char* highlightedText;
    const char* accent; // group box titles, links
    const char* frame; // lines round menus, tabs, headers
    const char* barTop;
    const char* barBottom;
    const char* barLine;
    const char* buttonTop;
    const char* buttonBottom;
    const char* buttonBorder;
    const char* hot; // the warm edge of a hovered control, as the XP themes had
    const char* hoverFill;
    const char* pressedFill;
    const char* tabTop;
    const char* tabBottom;
    const char* groupLine;
    const char* chunkTop;
    const char* chunkBottom;
    const char* toolTip;
};

// Luna blue: white-to-sky bars, royal-blue selection.
constexpr Colours blue {"#e6edf8", "#f7faff", "#000000", "#8a93a6", "#316ac5", "#ffffff", "#0046d5", "#7f9db9",
    "#f6f9ff", "#c4d7f2", "#8aa8d6", "#ffffff", "#d4e2f7", "#2f5fa8", "#e8a23a", "#fff4dc", "#c2d5f1", "#fbfdff",
    "#d8e5f7", "#a9c0e4", "#b4d2fa", "#6a9de8", "#ffffe1"};
// Olive green: pale sage bars, deep olive selection.
constexpr Colours green {"#eceedd", "#fafbf2", "#000000", "#8c9278", "#5e7a2e", "#ffffff", "#4a6419", "#8f9e6a",
    "#fbfcf3", "#d3dcb0", "#a3b27c", "#ffffff", "#dfe6c4", "#5f7530", "#e0a030", "#fff4dc", "#d0daa8", "#fdfdf6",
    "#e1e7c8", "#b7c393", "#cbdc98", "#8fab55", "#ffffe1"};
// Metallic silver: white-to-pewter bars, slate selection.
constexpr Colours silver {"#e8e8ee", "#fbfbfd", "#000000", "#8e8f9c", "#5f6a8a", "#ffffff", "#3c4660", "#9a9cae",
    "#ffffff", "#cfd0dc", "#a4a6b8", "#ffffff", "#dcdde6", "#7a7d92", "#e8aa40", "#fff4dc", "#cdcfdc", "#ffffff",
    "#dfe0e8", "#b9bbca", "#dcdee8", "#a3a8bd", "#ffffe1"};

const Colours* coloursOf(int style)
{
    switch (style) {
    case InterfaceScheme::BlueXp:
        return &blue;
    case InterfaceScheme::GreenXp:
        return &green;
    case InterfaceScheme::SilverXp:
        return &silver;
    default:
        return nullptr;
    }
}

QColor c(const char* name)
{
    return QColor(QString::fromLatin1(name));
}

// One sheet for all three schemes; "@name" is replaced by the scheme's colour.
constexpr char16_t sheetTemplate[] = uR"(
QMainWindow, QDialog { background: @window; }
QMenuBar {
    background: qlineargradient(x1:0, y1:0, x2:0, y2:1, stop:0 @barTop, stop:1 @barBottom);
    border-bottom: 1px solid @barLine; padding: 1px 2px;
}
QMenuBar::item { background: transparent; color: @text; padding: 3px 9px; border-radius: 3px; }
QMenuBar::item:selected, QMenuBar::item:pressed { background: @highlight; color: @highlightedText; }
QMenuBar::item:disabled { color: @disabled; }
QMenu { background: #ffffff; border: 1px solid @frame; padding: 2px 1px; }
QMenu::item { color: @text; padding: 4px 28px 4px 26px; border: 1px solid transparent; }
QMenu::item:selected { background: @highlight; color: @highlightedText; }
QMenu::item:disabled { color: @disabled; background: transparent; }
QMenu::separator { height: 1px; background: @groupLine; margin: 3px 8px; }
QToolBar {
    background: qlineargradient(x1:0, y1:0, x2:0, y2:1, stop:0 @barTop, stop:1 @barBottom);
    border: none; border-bottom: 1px solid @barLine; padding: 2px; spacing: 2px;
}
QToolBar::separator { background: @barLine; width: 1px; margin: 4px 4px; }
QToolButton { background: transparent; border: 1px solid transparent; border-radius: 3px; padding: 2px; color: @text; }
QToolButton:hover { background: @hoverFill; border-color: @hot; }
QToolButton:pressed, QToolButton:checked { background: @pressedFill; border-color: @buttonBorder; }
QToolButton:disabled { color: @disabled; }
QToolButton[popupMode="1"] { padding-right: 14px; }
QToolButton::menu-button { border: none; border-left: 1px solid transparent; width: 12px; background: transparent; }
QToolButton::menu-button:hover { border-left-color: @hot; background: @hoverFill; }
QToolButton::menu-arrow { image: url(:/icons/menu_arrow.png); width: 9px; height: 6px; }
QPushButton {
    background: qlineargradient(x1:0, y1:0, x2:0, y2:1, stop:0 @buttonTop, stop:1 @buttonBottom);
    border: 1px solid @buttonBorder; border-radius: 3px; padding: 4px 14px; min-width: 56px; color: @text;
}
QPushButton:hover { border-color: @hot; }
QPushButton:pressed {
    background: qlineargradient(x1:0, y1:0, x2:0, y2:1, stop:0 @buttonBottom, stop:1 @buttonTop);
}
QPushButton:default { border-color: @accent; }
QPushButton:disabled { background: @window; border-color: @groupLine; color: @disabled; }
QTabWidget::pane { background: @pane; border: 1px solid @frame; top: -1px; }
QTabBar::tab {
    background: qlineargradient(x1:0, y1:0, x2:0, y2:1, stop:0 @tabTop, stop:1 @tabBottom);
    border: 1px solid @frame; border-top-left-radius: 3px; border-top-right-radius: 3px;
    padding: 4px 12px; margin-right: 1px; color: @text;
}
QTabBar::tab:!selected { margin-top: 2px; }
QTabBar::tab:selected { background: @pane; border-top: 2px solid @hot; border-bottom-color: @pane; }
QTabBar::tab:hover:!selected { border-top: 2px solid @hot; }
QTabBar::tab:disabled { color: @disabled; }
QGroupBox { border: 1px solid @groupLine; border-radius: 4px; margin-top: 10px; padding-top: 6px; }
QGroupBox::title { subcontrol-origin: margin; subcontrol-position: top left; left: 8px; padding: 0 3px; color: @accent; }
QGroupBox::title:disabled { color: @disabled; }
QStatusBar {
    background: qlineargradient(x1:0, y1:0, x2:0, y2:1, stop:0 @barBottom, stop:1 @barTop);
    border-top: 1px solid @barLine; color: @text;
}
QStatusBar::item { border: none; border-right: 1px solid @barLine; }
QHeaderView::section {
    background: qlineargradient(x1:0, y1:0, x2:0, y2:1, stop:0 @tabTop, stop:1 @tabBottom);
    border: none; border-right: 1px solid @groupLine; border-bottom: 1px solid @frame; padding: 3px 6px; color: @text;
}
QProgressBar { background: #ffffff; border: 1px solid @frame; border-radius: 3px; text-align: center; color: @text; }
QProgressBar::chunk {
    background: qlineargradient(x1:0, y1:0, x2:0, y2:1, stop:0 @chunkTop, stop:1 @chunkBottom); border-radius: 2px;
}
QToolTip { background: @toolTip; color: #000000; border: 1px solid @frame; padding: 2px; }
)";

} // namespace

QString InterfaceScheme::name(int style)
{
    switch (normalized(style)) {
    case BlueXp:
        return u"蓝色XP界面"_s;
    case GreenXp:
        return u"绿色XP界面"_s;
    case SilverXp:
        return u"银色XP界面"_s;
    default:
        return u"默认界面"_s;
    }
}

QPalette InterfaceScheme::palette(int style)
{
    const Colours* k = coloursOf(style);
    if (!k)
        return {};
    const QColor window = c(k->window);
    const QColor text = c(k->text);
    const QColor disabled = c(k->disabled);
    const QColor button = c(k->buttonBottom);

    QPalette p(button, window);
    for (QPalette::ColorGroup group : {QPalette::Active, QPalette::Inactive, QPalette::Disabled}) {
        p.setColor(group, QPalette::Window, window);
        p.setColor(group, QPalette::Base, Qt::white);
        p.setColor(group, QPalette::AlternateBase, c(k->pane).darker(103));
        p.setColor(group, QPalette::Button, button);
        p.setColor(group, QPalette::Light, Qt::white);
        p.setColor(group, QPalette::Midlight, c(k->buttonTop));
        p.setColor(group, QPalette::Mid, c(k->groupLine));
        p.setColor(group, QPalette::Dark, c(k->frame));
        p.setColor(group, QPalette::Shadow, c(k->buttonBorder).darker(150));
        p.setColor(group, QPalette::ToolTipBase, c(k->toolTip));
        p.setColor(group, QPalette::ToolTipText, Qt::black);
        p.setColor(group, QPalette::Link, c(k->accent));
        p.setColor(group, QPalette::LinkVisited, c(k->accent).darker(130));
        p.setColor(group, QPalette::BrightText, Qt::white);
        p.setColor(group, QPalette::PlaceholderText, disabled);
        const bool off = group == QPalette::Disabled;
        for (QPalette::ColorRole role : {QPalette::WindowText, QPalette::Text, QPalette::ButtonText})
            p.setColor(group, role, off ? disabled : text);
        p.setColor(group, QPalette::Highlight, off ? c(k->groupLine) : c(k->highlight));
        p.setColor(group, QPalette::HighlightedText, off ? text : c(k->highlightedText));
    }
    // A disabled input box shows it cannot be typed into.
    p.setColor(QPalette::Disabled, QPalette::Base, window);
    return p;
}

QString InterfaceScheme::styleSheet(int style)
{
    const Colours* k = coloursOf(style);
    if (!k)
        return {};
    const QList<QPair<const char*, const char*>> names {{"@window", k->window}, {"@pane", k->pane}, {"@text", k->text},
        {"@disabled", k->disabled}, {"@highlightedText", k->highlightedText}, {"@highlight", k->highlight},
        {"@accent", k->accent}, {"@frame", k->frame}, {"@barTop", k->barTop}, {"@barBottom", k->barBottom},
        {"@barLine", k->barLine}, {"@buttonTop", k->buttonTop}, {"@buttonBottom", k->buttonBottom},
        {"@buttonBorder", k->buttonBorder}, {"@hot", k->hot}, {"@hoverFill", k->hoverFill},
        {"@pressedFill", k->pressedFill}, {"@tabTop", k->tabTop}, {"@tabBottom", k->tabBottom},
        {"@groupLine", k->groupLine}, {"@chunkTop", k->chunkTop}, {"@chunkBottom", k->chunkBottom},
        {"@toolTip", k->toolTip}};
    QString sheet = QString::fromUtf16(sheetTemplate);
    // "@highlightedText" comes before "@highlight" so the shorter name never eats the longer one.
    for (const auto& [name, colour] : names)
        sheet.replace(QLatin1StringView(name), QLatin1StringView(colour));
    return sheet;
}

double InterfaceScheme::contrast(const QColor& a, const QColor& b)
{
    const auto luminance = [](const QColor& colour) {
        const auto channel = [](double v) { return v <= 0.03928 ? v / 12.92 : std::pow((v + 0.055) / 1.055, 2.4); };
        return 0.2126 * channel(colour.redF()) + 0.7152 * channel(colour.greenF()) + 0.0722 * channel(colour.blueF());
    };
    const double la = luminance(a);
    const double lb = luminance(b);
    return (std::max(la, lb) + 0.05) / (std::min(la, lb) + 0.05);
}

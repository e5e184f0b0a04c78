#pragma once

#include <QString>

class QPushButton;

// Small helpers for building record windows.
namespace Controls {

// The control with its design name, for tests and style sheets to find it by.
template<typename W>
W* named(W* widget, const QString& name)
{
    widget->setObjectName(name);
    return widget;
}

// A flat underlined button that reads like a link (选择照片, 个人简历 …).
QPushButton* linkButton(const QString& name, const QString& caption);

} // namespace Controls

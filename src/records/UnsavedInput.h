#pragma once

#include <QString>

#include <functional>

class Prompt;

// What closing a window that holds unsaved typing does: it asks, 是 saves and closes only when
// the save worked, 否 drops the typing and closes, 取消 keeps the window open.
namespace UnsavedInput {

inline const QString Question = QStringLiteral(u"是否保存已输入的资料？");

// True when the window may close.
bool mayClose(Prompt& prompt, const std::function<bool()>& save);

} // namespace UnsavedInput

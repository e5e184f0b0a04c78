#pragma once

#include <QByteArray>
#include <QColor>
#include <QSize>

class QWidget;

// What the picture makers share.
namespace ScreenshotKit {

// A drawn passport-style portrait as JPEG bytes, for record cards that should not look empty.
QByteArray portrait(QColor clothes);
// The window at that size, not maximised, on screen; false when it never appeared.
bool showAtSize(QWidget& window, QSize size);

} // namespace ScreenshotKit

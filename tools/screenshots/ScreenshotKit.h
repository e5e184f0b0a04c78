#pragma once

#include <QByteArray>
#include <QColor>
#include <QSize>
#include <QString>

#include <initializer_list>

class QImage;
class QWidget;

// What the picture makers share.
namespace ScreenshotKit {

// The picture as the JPEG bytes a record stores for its photo.
QByteArray jpeg(const QImage& image);
// A drawn passport-style portrait as JPEG bytes, for record cards that should not look empty.
QByteArray portrait(QColor clothes);
// The window at that size, not maximised, on screen; false when it never appeared.
bool showAtSize(QWidget& window, QSize size);
// The window shown and, once it has painted, saved into XIAOWU_SCREENSHOTS as
// "<stem>-<data tag>.png"; false when it never appeared or was not saved.
bool showAndSave(QWidget& window, const QString& stem, int settleMs = 200);

// The program's own typeface, also when one maker runs alone (-class).
void useProgramFont();
// The folder XIAOWU_SCREENSHOTS names, made, with the program's typeface set; empty when unset.
QString outputDir();
// "-800x600.png" for a picture at that size.
QString pngSuffix(QSize size);
// A data column of screen sizes, one row a size tagged "800x600"; by default the three sizes the
// manual shows.
void screenSizes(const char* column = "size",
    std::initializer_list<QSize> sizes = {QSize(800, 600), QSize(1024, 768), QSize(1920, 1080)});

} // namespace ScreenshotKit

#include "ScreenshotKit.h"

#include <QApplication>
#include <QBuffer>
#include <QDir>
#include <QFont>
#include <QImage>
#include <QPainter>
#include <QPainterPath>
#include <QTest>
#include <QWidget>

using namespace Qt::StringLiterals;

namespace ScreenshotKit {

QByteArray jpeg(const QImage& image)
{
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    image.save(&buffer, "JPG", 90);
    return bytes;
}

QByteArray portrait(QColor clothes)
{
    QImage image(210, 282, QImage::Format_RGB32);
    image.fill(QColor(214, 228, 242));
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(Qt::NoPen);
    p.setBrush(clothes);
    p.drawEllipse(QRectF(25, 190, 160, 170));
    p.setBrush(QColor(244, 208, 176));
    p.drawRect(QRectF(88, 150, 34, 50));
    p.drawEllipse(QRectF(55, 60, 100, 118));
    p.setBrush(QColor(40, 34, 30));
    QPainterPath hair;
    hair.moveTo(52, 112);
    hair.cubicTo(45, 40, 165, 40, 158, 112);
    hair.cubicTo(140, 80, 80, 80, 52, 112);
    p.drawPath(hair);
    p.end();
    return jpeg(image);
}

bool showAtSize(QWidget& window, QSize size)
{
    window.setWindowState(Qt::WindowNoState);
    window.resize(size);
    window.show();
    return QTest::qWaitForWindowExposed(&window);
}

bool showAndSave(QWidget& window, const QString& stem, int settleMs)
{
    window.show();
    if (!QTest::qWaitForWindowExposed(&window))
        return false;
    QTest::qWait(settleMs);
    const QString dir = qEnvironmentVariable("XIAOWU_SCREENSHOTS");
    return window.grab().save(dir + u"/"_s + stem + u"-"_s + QString::fromLatin1(QTest::currentDataTag()) + u".png"_s);
}

void useProgramFont()
{
    QApplication::setFont(QFont(u"Noto Sans CJK SC"_s, 10));
}

QString outputDir()
{
    const QString dir = qEnvironmentVariable("XIAOWU_SCREENSHOTS");
    if (!dir.isEmpty()) {
        QDir().mkpath(dir);
        useProgramFont();
    }
    return dir;
}

QString pngSuffix(QSize size)
{
    return u"-%1x%2.png"_s.arg(size.width()).arg(size.height());
}

void screenSizes(const char* column, std::initializer_list<QSize> sizes)
{
    QTest::addColumn<QSize>(column);
    for (const QSize size : sizes)
        QTest::newRow(qPrintable(u"%1x%2"_s.arg(size.width()).arg(size.height()))) << size;
}

} // namespace ScreenshotKit

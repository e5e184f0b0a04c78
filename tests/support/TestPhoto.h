#pragma once

#include <QBuffer>
#include <QByteArray>
#include <QColor>
#include <QImage>

// A plain picture as the bytes of a JPEG file, for records that need a photo.
inline QByteArray testJpeg(QSize size = QSize(70, 94), QColor colour = QColor(90, 140, 190))
{
    QImage image(size, QImage::Format_RGB32);
    image.fill(colour);
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    image.save(&buffer, "JPG");
    return bytes;
}

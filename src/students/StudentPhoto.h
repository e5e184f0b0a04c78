#pragma once

#include <QByteArray>
#include <QImage>
#include <QString>

// Photos are the unchanged bytes of a JPG, BMP or GIF file. The small built-in placeholder
// picture stands where there is none; stored, it still means "no photo".
namespace StudentPhoto {

const QByteArray& placeholder();
// Empty bytes and the placeholder alike.
bool isNoPhoto(const QByteArray& bytes);
// The decoded picture, null when the bytes are none of the formats we read.
QImage decode(const QByteArray& bytes);
bool isPicture(const QByteArray& bytes);

} // namespace StudentPhoto

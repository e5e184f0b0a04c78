#pragma once

#include <QByteArray>
#include <QImage>
#include <QString>

#include <optional>

struct PlatformServices;

// Photos are stored as the bytes of a JPG, BMP, GIF or PNG file. The small built-in placeholder
// picture stands where there is none; stored, it still means "no photo".
namespace RecordPhoto {

// What a photo may weigh as chosen; a heavier one is scaled down and stored as JPEG.
inline constexpr qsizetype MaxStoredBytes = 256 * 1024;
inline constexpr int MaxWidth = 480;
inline constexpr int MaxHeight = 640;

const QByteArray& placeholder();
// Empty bytes and the placeholder alike.
bool isNoPhoto(const QByteArray& bytes);
// The decoded picture, null when the bytes are none of the formats we read.
QImage decode(const QByteArray& bytes);
// The picture smoothly scaled to fit `box`, keeping its proportions, as decode() and then scaled()
// give it, and null where decode() is; a JPEG is decoded at the smallest size at least as large,
// a fraction of the work.
QImage decodeToFit(const QByteArray& bytes, QSize box);
bool isPicture(const QByteArray& bytes);

// The bytes to store for a chosen picture: as chosen up to MaxStoredBytes, otherwise scaled to fit
// MaxWidth × MaxHeight and written as JPEG. Nothing when the bytes are no picture.
std::optional<QByteArray> forStorage(const QByteArray& chosen);

// The open-file dialog, then the file read, checked and made ready to store. Nothing when the user
// cancels or, after telling the user why, when the file cannot be read or is no picture.
std::optional<QByteArray> choose(PlatformServices& services, const QString& caption, const QString& notAPicture);

} // namespace RecordPhoto

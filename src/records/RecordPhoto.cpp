#include "records/RecordPhoto.h"

#include "platform/FileChooser.h"
#include "platform/FileOps.h"
#include "platform/PlatformServices.h"
#include "platform/Prompt.h"

#include <QBuffer>
#include <QFile>

using namespace Qt::StringLiterals;

namespace RecordPhoto {

const QByteArray& placeholder()
{
    static const QByteArray bytes = [] {
        QFile file(u":/records/placeholder.gif"_s);
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    }();
    return bytes;
}

bool isNoPhoto(const QByteArray& bytes)
{
    return bytes.isEmpty() || bytes == placeholder();
}

QImage decode(const QByteArray& bytes)
{
    if (bytes.isEmpty())
        return {};
    for (const char* format : {"JPG", "BMP", "GIF", "PNG"}) {
        QImage image;
        if (image.loadFromData(bytes, format))
            return image;
    }
    return {};
}

bool isPicture(const QByteArray& bytes)
{
    return !decode(bytes).isNull();
}

std::optional<QByteArray> forStorage(const QByteArray& chosen)
{
    QImage image = decode(chosen);
    if (image.isNull())
        return std::nullopt;
    if (chosen.size() <= MaxStoredBytes)
        return chosen;
    // A camera picture would go into the row as it is and be decoded on every card.
    if (image.width() > MaxWidth || image.height() > MaxHeight)
        image = image.scaled(MaxWidth, MaxHeight, Qt::KeepAspectRatio, Qt::SmoothTransformation);
    QByteArray out;
    for (int quality : {85, 70, 50, 30}) {
        out.clear();
        QBuffer buffer(&out);
        buffer.open(QIODevice::WriteOnly);
        if (!image.convertToFormat(QImage::Format_RGB32).save(&buffer, "JPG", quality))
            return std::nullopt;
        if (out.size() <= MaxStoredBytes)
            break;
    }
    return out;
}

std::optional<QByteArray> choose(PlatformServices& s, const QString& caption, const QString& notAPicture)
{
    const auto path = s.fileChooser.openFile(
        caption, u"图象文件(*.jpg *.bmp *.gif);;JPG文件(*.jpg);;BMP文件(*.bmp);;GIF文件(*.gif)"_s);
    if (!path)
        return std::nullopt;
    const auto bytes = s.fileOps.readFile(*path);
    if (!bytes || bytes->isEmpty()) {
        s.prompt.show(u"不能读取所选的照片文件！\r\n请检查文件后重新选择。"_s, u"提示"_s, Prompt::Icon::Warning);
        return std::nullopt;
    }
    // Stored bytes are shown again on every card: only what we can decode is taken.
    const auto stored = forStorage(*bytes);
    if (!stored)
        s.prompt.show(notAPicture, u"提示"_s, Prompt::Icon::Warning);
    return stored;
}

} // namespace RecordPhoto

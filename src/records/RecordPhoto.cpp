#include "records/RecordPhoto.h"

#include "platform/FileChooser.h"
#include "platform/FileOps.h"
#include "platform/PlatformServices.h"
#include "platform/Prompt.h"

#include <QBuffer>
#include <QFile>
#include <QImageReader>

using namespace Qt::StringLiterals;

namespace {

bool fullSizeAllowed(QSize size, QImage::Format format)
{
    const qint64 limit = qint64(QImageReader::allocationLimit()) << 20;
    if (limit == 0)
        return true;
    const int bits
        = QImage::toPixelFormat(format == QImage::Format_Invalid ? QImage::Format_RGB32 : format).bitsPerPixel();
    const qint64 lineBytes = (qint64(size.width()) * bits + 31) / 32 * 4;
    return lineBytes * size.height() <= limit;
}

} // namespace

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

QImage decodeToFit(const QByteArray& bytes, QSize box)
{
    if (bytes.isEmpty())
        return {};
    for (const char* format : {"JPG", "BMP", "GIF", "PNG"}) {
        QBuffer buffer;
        buffer.setData(bytes);
        buffer.open(QIODevice::ReadOnly);
        QImageReader reader(&buffer, format);
        const QSize size = reader.size();
        if (size.isValid()) {
            // A header may claim a size decode() would refuse to allocate; at a fraction of it the
            // same bytes would still decode, into a picture of nothing that took time and memory.
            if (!fullSizeAllowed(size, reader.imageFormat()))
                continue;
            reader.setScaledSize(size.scaled(box, Qt::KeepAspectRatio).expandedTo(QSize(1, 1)));
        }
        QImage image;
        if (reader.read(&image))
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

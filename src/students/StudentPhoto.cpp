#include "students/StudentPhoto.h"

#include <QFile>

using namespace Qt::StringLiterals;

namespace StudentPhoto {

const QByteArray& placeholder()
{
    static const QByteArray bytes = [] {
        QFile file(u":/students/placeholder.gif"_s);
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

} // namespace StudentPhoto

#include "platform/DiskFileOps.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

bool DiskFileOps::exists(const QString& path) const
{
    return QFileInfo::exists(path);
}

std::optional<QByteArray> DiskFileOps::readFile(const QString& path) const
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return std::nullopt;
    QByteArray data = file.readAll();
    if (file.error() != QFileDevice::NoError)
        return std::nullopt;
    return data;
}

bool DiskFileOps::writeFile(const QString& path, const QByteArray& data)
{
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        return false;
    if (file.write(data) != data.size()) {
        file.cancelWriting();
        return false;
    }
    return file.commit();
}

bool DiskFileOps::copy(const QString& from, const QString& to)
{
    QFile source(from);
    if (!source.open(QIODevice::ReadOnly))
        return false;
    // The target is replaced only by the rename at commit, so a failed copy keeps the old file.
    QSaveFile target(to);
    if (!target.open(QIODevice::WriteOnly))
        return false;
    QByteArray chunk;
    while (!(chunk = source.read(1 << 20)).isEmpty()) {
        if (target.write(chunk) != chunk.size()) {
            target.cancelWriting();
            return false;
        }
    }
    if (source.error() != QFileDevice::NoError) {
        target.cancelWriting();
        return false;
    }
    return target.commit();
}

bool DiskFileOps::rename(const QString& from, const QString& to)
{
    return QFile::rename(from, to);
}

bool DiskFileOps::remove(const QString& path)
{
    return QFile::remove(path);
}

bool DiskFileOps::moveToTrash(const QString& path)
{
    if (!QFileInfo::exists(path))
        return false;
    return QFile::moveToTrash(path) || QFile::remove(path);
}

bool DiskFileOps::makeWritable(const QString& path)
{
    QFile file(path);
    if (!file.exists())
        return false;
    return file.setPermissions(file.permissions() | QFileDevice::WriteOwner);
}

bool DiskFileOps::makeDirectory(const QString& path)
{
    return QDir().mkpath(path);
}

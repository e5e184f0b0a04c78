#include "platform/DiskFileOps.h"

#include "platform/SafeFile.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

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
    m_lastError.clear();
    return SafeFile::write(path, data, &m_lastError);
}

bool DiskFileOps::copy(const QString& from, const QString& to)
{
    m_lastError.clear();
    return SafeFile::copy(from, to, &m_lastError);
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

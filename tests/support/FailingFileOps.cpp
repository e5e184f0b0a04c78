#include "FailingFileOps.h"

#include "platform/SafeFile.h"

#include <QSaveFile>

#include <cerrno>

std::optional<QByteArray> FailingFileOps::readFile(const QString& path) const
{
    return failReads ? std::nullopt : DiskFileOps::readFile(path);
}

bool FailingFileOps::writeFile(const QString& path, const QByteArray& data)
{
    ++attempts;
    if (!failWrites)
        return DiskFileOps::writeFile(path, data);
    QSaveFile file(path);
    if (file.open(QIODevice::WriteOnly)) {
        file.write(data.left(data.size() / 2));
        file.flush();
        file.cancelWriting();
    }
    m_lastError = SafeFile::reason(ENOSPC, path);
    return false;
}

bool FailingFileOps::copy(const QString& from, const QString& to)
{
    ++attempts;
    if (!failCopies)
        return DiskFileOps::copy(from, to);
    m_lastError = SafeFile::reason(ENOSPC, to);
    return false;
}

bool FailingFileOps::rename(const QString& from, const QString& to)
{
    ++attempts;
    return failRenames ? false : DiskFileOps::rename(from, to);
}

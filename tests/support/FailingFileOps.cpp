#include "FailingFileOps.h"

#include <QSaveFile>

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
    return false;
}

bool FailingFileOps::copy(const QString& from, const QString& to)
{
    ++attempts;
    return failCopies ? false : DiskFileOps::copy(from, to);
}

bool FailingFileOps::rename(const QString& from, const QString& to)
{
    ++attempts;
    return failRenames ? false : DiskFileOps::rename(from, to);
}

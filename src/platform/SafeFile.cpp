#include "platform/SafeFile.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRandomGenerator>

#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <functional>
#include <sys/stat.h>
#include <unistd.h>

using namespace Qt::StringLiterals;

namespace SafeFile {

namespace {

bool fail(QString* error, int errorNumber, const QString& path)
{
    if (error)
        *error = reason(errorNumber, path);
    return false;
}

bool writeAll(int fd, const char* data, qint64 size)
{
    while (size > 0) {
        const ssize_t written = ::write(fd, data, size_t(std::min<qint64>(size, 1 << 20)));
        if (written < 0 && errno == EINTR)
            continue;
        if (written <= 0) {
            if (written == 0)
                errno = ENOSPC;
            return false;
        }
        data += written;
        size -= written;
    }
    return true;
}

// Opens a fresh scratch file beside path, with the target's permissions when it exists.
int openScratch(const QString& path, QString& scratch)
{
    struct stat old
    { };
    const QByteArray target = QFile::encodeName(path);
    const bool exists = ::stat(target.constData(), &old) == 0;
    for (int attempt = 0; attempt < 100; ++attempt) {
        scratch = path + u'.' + QString::number(QRandomGenerator::global()->generate() % 0xFFFFFF, 16)
            + QString::fromUtf16(scratchSuffix);
        const int fd = ::open(QFile::encodeName(scratch).constData(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
        if (fd < 0 && errno == EEXIST)
            continue;
        if (fd >= 0 && exists && ::fchmod(fd, old.st_mode & 07777) != 0) {
            const int saved = errno;
            ::close(fd);
            ::unlink(QFile::encodeName(scratch).constData());
            errno = saved;
            return -1;
        }
        return fd;
    }
    errno = EEXIST;
    return -1;
}

bool replace(const QString& path, const std::function<bool(int fd, QString* error)>& fill, QString* error)
{
    QString scratch;
    const int fd = openScratch(path, scratch);
    if (fd < 0)
        return fail(error, errno, path);
    const QByteArray scratchName = QFile::encodeName(scratch);
    QString fillError;
    // fsync is what makes a full disk (or a full quota on a network share) show itself on some
    // filesystems: the writes only filled the page cache.
    const bool written = fill(fd, &fillError) && ::fsync(fd) == 0;
    const int writeErrno = errno;
    const bool closed = ::close(fd) == 0;
    const int closeErrno = errno;
    if (!written || !closed) {
        ::unlink(scratchName.constData());
        if (!fillError.isEmpty()) {
            if (error)
                *error = fillError;
            return false;
        }
        return fail(error, !written ? writeErrno : closeErrno, path);
    }
    if (::rename(scratchName.constData(), QFile::encodeName(path).constData()) != 0) {
        const int saved = errno;
        ::unlink(scratchName.constData());
        return fail(error, saved, path);
    }
    // The rename itself lives in the folder; a failure to sync it cannot be undone any more and
    // the new file is already in place, so it is not reported.
    const int dir
        = ::open(QFile::encodeName(QFileInfo(path).absolutePath()).constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (dir >= 0) {
        ::fsync(dir);
        ::close(dir);
    }
    return true;
}

} // namespace

QString reason(int errorNumber, const QString& path)
{
    const QString file = QDir::toNativeSeparators(path);
    switch (errorNumber) {
    case ENOSPC:
    case EDQUOT:
        return u"磁盘空间已满，未能写入 %1。请腾出磁盘空间后再试。"_s.arg(file);
    case EACCES:
    case EPERM:
    case EROFS:
        return u"没有写入 %1 的权限。请检查文件和文件夹的权限。"_s.arg(file);
    default:
        return u"未能写入 %1（%2）。"_s.arg(file, QString::fromLocal8Bit(std::strerror(errorNumber)));
    }
}

bool write(const QString& path, const QByteArray& data, QString* error)
{
    return replace(
        path, [&](int fd, QString*) { return writeAll(fd, data.constData(), data.size()); }, error);
}

bool copy(const QString& from, const QString& to, QString* error)
{
    QFile source(from);
    if (!source.open(QIODevice::ReadOnly)) {
        if (error)
            *error = u"不能读取 %1（%2）。"_s.arg(QDir::toNativeSeparators(from), source.errorString());
        return false;
    }
    return replace(
        to,
        [&](int fd, QString* fillError) {
            QByteArray chunk;
            while (!(chunk = source.read(1 << 20)).isEmpty()) {
                if (!writeAll(fd, chunk.constData(), chunk.size()))
                    return false;
            }
            if (source.error() != QFileDevice::NoError) {
                *fillError = u"不能读取 %1（%2）。"_s.arg(QDir::toNativeSeparators(from), source.errorString());
                return false;
            }
            return true;
        },
        error);
}

} // namespace SafeFile

#include "app/DataLock.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStringList>
#include <QSysInfo>

#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <sys/file.h>
#include <unistd.h>

using namespace Qt::StringLiterals;

namespace {

DataLock::Holder parse(const QByteArray& text)
{
    const QStringList lines = QString::fromUtf8(text).split(u'\n');
    DataLock::Holder holder;
    if (!lines.isEmpty())
        holder.host = lines.value(0).trimmed();
    holder.pid = lines.value(1).trimmed().toLongLong();
    return holder;
}

} // namespace

DataLock::DataLock(const QString& dataRoot)
    : m_path(QDir(dataRoot).filePath(u"xiaowu.lock"_s))
{ }

DataLock::~DataLock()
{
    release();
}

QString DataLock::thisHost()
{
    return QSysInfo::machineHostName();
}

bool DataLock::acquire()
{
    if (isHeld())
        return true;
    m_error.clear();
    m_holder = {};
    const QByteArray file = QFile::encodeName(m_path);
    const int fd = ::open(file.constData(), O_RDWR | O_CREAT | O_CLOEXEC, 0644);
    if (fd < 0) {
        m_error = QString::fromLocal8Bit(std::strerror(errno));
        return false;
    }
    QByteArray before(256, '\0');
    const ssize_t got = ::pread(fd, before.data(), size_t(before.size()), 0);
    m_holder = parse(before.left(got > 0 ? got : 0));
    if (::flock(fd, LOCK_EX | LOCK_NB) != 0) {
        // Someone on this machine (or, where the share passes locks on, elsewhere) runs.
        ::close(fd);
        return false;
    }
    // The flock is free, so no process on this machine holds it: a holder named here was killed or
    // crashed. On a network share a copy on another machine may not show in the flock, so a holder
    // there still counts as running.
    const bool stale = m_holder.host.isEmpty() || m_holder.pid <= 0 || m_holder.host == thisHost();
    if (!stale) {
        ::close(fd);
        return false;
    }
    const QByteArray mine = thisHost().toUtf8() + '\n' + QByteArray::number(qint64(::getpid())) + '\n';
    if (::ftruncate(fd, 0) != 0 || ::pwrite(fd, mine.constData(), size_t(mine.size()), 0) != mine.size()) {
        m_error = QString::fromLocal8Bit(std::strerror(errno));
        ::close(fd);
        return false;
    }
    m_fd = fd;
    m_holder = {thisHost(), qint64(::getpid())};
    return true;
}

void DataLock::release()
{
    if (m_fd < 0)
        return;
    // Emptied rather than removed: removing would race with a copy that has just opened it.
    if (::ftruncate(m_fd, 0) != 0) { }
    ::close(m_fd);
    m_fd = -1;
}

QString DataLock::inUseMessage() const
{
    const QString who = m_holder.host.isEmpty()
        ? u"另一个校务管理系统"_s
        : u"另一个校务管理系统（计算机 %1，进程 %2）"_s.arg(m_holder.host).arg(m_holder.pid);
    QString text = who + u"正在使用数据文件夹：\r\n"_s + QDir::toNativeSeparators(QFileInfo(m_path).absolutePath())
        + u"\r\n\r\n两个程序同时修改同一份资料会互相覆盖。请先退出另一个程序，再按“确定”重试；按“取消”退出本系统。"_s;
    if (!m_holder.host.isEmpty() && m_holder.host != thisHost())
        text += u"\r\n\r\n若那台计算机上的程序已经不在运行（例如死机），可删除文件 %1 后重试。"_s.arg(
            QDir::toNativeSeparators(m_path));
    return text;
}

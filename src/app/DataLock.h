#pragma once

#include <QString>

// Marks a data root as in use by this copy of the program: "<data root>/xiaowu.lock" holds the host
// name and process id, and stays locked (flock) while the copy runs. The kernel drops the flock
// when the process ends however it ends, so a lock left by a killed copy on this host is stale and
// taken over; a second copy on the same data learns who has it instead of writing beside it.
class DataLock
{
public:
    struct Holder
    {
        QString host;
        qint64 pid = 0;
    };

    explicit DataLock(const QString& dataRoot);
    ~DataLock();
    DataLock(const DataLock&) = delete;
    DataLock& operator=(const DataLock&) = delete;

    // True once this copy holds the lock; false when another live copy does (see holder()) or the
    // lock file cannot be made (see error()).
    bool acquire();
    bool isHeld() const { return m_fd >= 0; }
    void release();

    Holder holder() const { return m_holder; }
    QString error() const { return m_error; }
    QString path() const { return m_path; }

    // The message for a second copy.
    QString inUseMessage() const;

    static QString thisHost();

private:
    QString m_path;
    int m_fd = -1;
    Holder m_holder;
    QString m_error;
};

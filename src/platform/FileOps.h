#pragma once

#include <QByteArray>
#include <QString>

#include <optional>

// File operations on the school's data files. Writes go through a scratch file and a rename, so a
// crash or a full disk never leaves half a file behind.
class FileOps
{
public:
    virtual ~FileOps() = default;

    virtual bool exists(const QString& path) const = 0;
    virtual std::optional<QByteArray> readFile(const QString& path) const = 0;
    // Replaces the file whole, or leaves it as it was.
    virtual bool writeFile(const QString& path, const QByteArray& data) = 0;
    // Copies, replacing an existing target only once the copy is complete.
    virtual bool copy(const QString& from, const QString& to) = 0;
    virtual bool rename(const QString& from, const QString& to) = 0;
    virtual bool remove(const QString& path) = 0;
    // To the desktop's trash; where there is none, the file is deleted.
    virtual bool moveToTrash(const QString& path) = 0;
    // The old "archive" attribute: make the file writable for its owner.
    virtual bool makeWritable(const QString& path) = 0;
    virtual bool makeDirectory(const QString& path) = 0;

    // Why the last failed write or copy failed, as a sentence for the user naming the file.
    virtual QString lastError() const { return {}; }
    // A failure message with the reason on a line of its own.
    QString failure(const QString& message) const
    {
        const QString why = lastError();
        return why.isEmpty() ? message : message + QStringLiteral("\r\n\r\n") + why;
    }
};

#pragma once

#include "platform/FileOps.h"

// The school's files on the local disk.
class DiskFileOps : public FileOps
{
public:
    bool exists(const QString& path) const override;
    std::optional<QByteArray> readFile(const QString& path) const override;
    bool writeFile(const QString& path, const QByteArray& data) override;
    bool copy(const QString& from, const QString& to) override;
    // Fails when the target exists, as the old rename did.
    bool rename(const QString& from, const QString& to) override;
    bool remove(const QString& path) override;
    bool moveToTrash(const QString& path) override;
    bool makeWritable(const QString& path) override;
    bool makeDirectory(const QString& path) override;
    QString lastError() const override { return m_lastError; }

protected:
    mutable QString m_lastError;
};

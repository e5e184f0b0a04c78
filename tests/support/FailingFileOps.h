#pragma once

#include "platform/DiskFileOps.h"

// The real disk, except that the chosen operations break off: a write stops half-way, as a crash
// or a full disk would leave it, and a failed rename or copy changes nothing. A failed write or
// copy reports a full disk.
class FailingFileOps : public DiskFileOps
{
public:
    // Nothing fails until a test says so.
    static FailingFileOps working()
    {
        FailingFileOps ops;
        ops.failWrites = ops.failCopies = ops.failRenames = false;
        return ops;
    }

    std::optional<QByteArray> readFile(const QString& path) const override;
    bool writeFile(const QString& path, const QByteArray& data) override;
    bool copy(const QString& from, const QString& to) override;
    bool rename(const QString& from, const QString& to) override;

    bool failWrites = true;
    bool failCopies = true;
    bool failRenames = true;
    bool failReads = false; // an existing file that cannot be read
    int attempts = 0; // writes, copies and renames tried
};

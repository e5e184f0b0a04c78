#pragma once

#include "platform/FileOps.h"
#include "store/DbConnection.h"
#include "store/ServerSettings.h"

#include <QStringList>

// The school's files on a server store: the named files (the five wage sheets) are kept as rows
// of 共享文件 on the server, the same bytes, each replaced in one statement, so every seat reads
// the same sheets; every other path goes to the disk as before. A sheet the server does not hold
// yet is taken from this seat's file on its first read.
class ServerFileOps : public FileOps
{
public:
    ServerFileOps(FileOps& disk, const ServerSettings& server, const QStringList& sharedNames);

    bool exists(const QString& path) const override;
    std::optional<QByteArray> readFile(const QString& path) const override;
    bool writeFile(const QString& path, const QByteArray& data) override;
    bool copy(const QString& from, const QString& to) override;
    bool rename(const QString& from, const QString& to) override;
    bool remove(const QString& path) override;
    bool moveToTrash(const QString& path) override;
    bool makeWritable(const QString& path) override;
    bool makeDirectory(const QString& path) override;

    // The table's statement, made by store-init in the administrators' schema.
    static QString createStatement();

private:
    // The shared name of path ("001.xsk"), or empty for a file that stays on the disk.
    QString sharedName(const QString& path) const;
    DbConnection& db() const;

    FileOps& m_disk;
    ServerSettings m_server;
    QStringList m_names;
    mutable DbConnection m_db;
};

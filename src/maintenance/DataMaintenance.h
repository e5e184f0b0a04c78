#pragma once

#include "platform/Prompt.h"
#include "store/DatabaseKind.h"

#include <QList>
#include <QString>

#include <functional>
#include <optional>

class AppPaths;
class DbConnection;
class FileOps;

// Backup and restore of whole data files: the three databases and the five wage files, each copied
// between "\data" and "\backup". Every step is appended to the log as it happens; the caller shows
// the closing message the result carries.
class DataMaintenance
{
public:
    // The parts in the order they are processed: students, teachers, administrators, wage tables 1..5.
    static constexpr int PartCount = 8;

    struct Result
    {
        QString log;
        QString errors; // the error list, one line per failed part
        // The closing message.
        QString message;
        QString title;
        Prompt::Icon icon = Prompt::Icon::None;
        // A restored database did not open again: the program cannot go on.
        bool endProgram = false;
    };

    DataMaintenance(
        const AppPaths& paths, FileOps& files, DbConnection& studentDb, DbConnection& teacherDb, DbConnection& adminDb);

    // Receives each piece of the log as it is appended.
    std::function<void(const QString&)> onLog;
    // How far a backup has come, 0 .. 100 by the bytes of the listed files; called often during a
    // large copy, so a window can keep itself painted.
    std::function<void(int percent)> onProgress;

    // "\data\006.xsk" .. "\data\005.xsk" and their "\backup" twins, by part.
    static QString dataRelativePath(int part);
    static QString backupRelativePath(int part);
    // 学生数据文件, 教员数据文件, 管理员数据文件, or the wage table's number.
    static QString label(int part);

    // Parts not listed keep their older backup files. A database is copied while it stays open,
    // checked and only then put in place of its older backup; a wage file only if it deciphers and
    // loads.
    Result backup(const QList<int>& parts);
    // Every listed backup is checked before anything is replaced; one missing or damaged refuses
    // the whole restore. Closes and reopens the open connections of the databases it replaces.
    Result restore(const QList<int>& parts);
    // The listed parts that have no backup file yet.
    QList<int> missingBackups(const QList<int>& parts) const;
    // Names the parts without a backup and asks whether to restore the others.
    static QString missingBackupsQuestion(const QList<int>& missing);

private:
    static std::optional<DatabaseKind> kindOf(int part);
    DbConnection& connection(DatabaseKind kind);
    bool backupPart(int part, QString* error, const std::function<void(double)>& progress);
    bool checkBackup(int part, QString* error) const;
    bool restorePart(int part, QString* error);
    void append(Result& result, const QString& text);
    void finish(Result& result, const QString& verb);

    const AppPaths& m_paths;
    FileOps& m_files;
    DbConnection& m_studentDb;
    DbConnection& m_teacherDb;
    DbConnection& m_adminDb;
};

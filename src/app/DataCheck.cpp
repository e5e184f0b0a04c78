#include "app/DataCheck.h"

#include "platform/FileOps.h"
#include "platform/SafeFile.h"
#include "store/DatabaseStamp.h"
#include "store/DbConnection.h"
#include "wages/WageTableFile.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <sqlite3.h>

using namespace Qt::StringLiterals;

namespace DataCheck {

namespace {

QStringList dataFiles(const AppPaths& paths)
{
    QStringList files;
    for (DatabaseKind kind : {DatabaseKind::Student, DatabaseKind::Teacher, DatabaseKind::Admin})
        files << paths.database(kind);
    for (int sheet = 1; sheet <= WageTableFile::SheetCount; ++sheet)
        files << paths.path(WageTableFile::relativePath(sheet));
    return files;
}

QString native(const QString& path)
{
    return QDir::toNativeSeparators(path);
}

} // namespace

QString unwritableFolder(const AppPaths& paths)
{
    for (const QString& dir : {paths.dataRoot(), paths.dataDir()}) {
        const QFileInfo info(dir);
        if (info.isDir() && !info.isWritable())
            return dir;
    }
    return {};
}

QString unwritableMessage(const QString& folder)
{
    return u"不能写入数据文件夹：\r\n"_s + native(folder)
        + u"\r\n\r\n请检查该文件夹的权限（以及它所在的磁盘是否以只读方式挂载），然后重新启动本系统。\r\n为免把资料录入到别处，本系统现在退出。"_s;
}

QStringList missingFiles(const AppPaths& paths)
{
    QStringList missing;
    bool anyThere = false;
    for (const QString& file : dataFiles(paths)) {
        if (QFileInfo::exists(file))
            anyThere = true;
        else
            missing << file;
    }
    return anyThere ? missing : QStringList();
}

QString missingMessage(const QStringList& files)
{
    QStringList shown;
    for (const QString& file : files)
        shown << native(file);
    return u"下列数据文件不见了，而其他数据文件都还在：\r\n"_s + shown.join(u"\r\n"_s)
        + u"\r\n\r\n请把它们放回原处后重新启动本系统；或者按“是”为它们建立空的数据文件继续启动，"
          u"再从“系统数据维护”还原备份。\r\n\r\n要建立空的数据文件继续启动吗？"_s;
}

Health database(const QString& path, DatabaseKind kind, QString* detail)
{
    if (!QFileInfo::exists(path))
        return Health::Missing;
    sqlite3* db = nullptr;
    const QByteArray file = QFile::encodeName(path);
    if (sqlite3_open_v2(file.constData(), &db, SQLITE_OPEN_READONLY, nullptr) != SQLITE_OK) {
        sqlite3_close_v2(db);
        return Health::NotOurs;
    }
    sqlite3_busy_timeout(db, 2000);
    Health health = Health::Sound;
    if (!DatabaseStamp::isOurs(db) || !DatabaseStamp::matches(db, DatabaseKinds::password(kind))) {
        health = Health::NotOurs;
    } else {
        sqlite3_stmt* check = nullptr;
        int rc = sqlite3_prepare_v2(db, "PRAGMA quick_check(1)", -1, &check, nullptr);
        QString first;
        if (rc == SQLITE_OK && (rc = sqlite3_step(check)) == SQLITE_ROW)
            first = QString::fromUtf8(reinterpret_cast<const char*>(sqlite3_column_text(check, 0)));
        else
            first = QString::fromUtf8(sqlite3_errmsg(db));
        sqlite3_finalize(check);
        if (first != u"ok"_s) {
            health = Health::Damaged;
            if (detail)
                *detail = first;
        }
    }
    sqlite3_close_v2(db);
    return health;
}

QString unusableMessage(const QString& file, const QString& setAsideTo)
{
    return u"数据文件 %1 已损坏，或者不是本系统的数据文件，不能打开！\r\n\r\n"
           u"按“是”将把它改名保存为 %2，换上一个空的数据文件继续启动，然后请从“系统数据维护”还原备份；"
           u"按“否”退出本系统（文件不作任何改动）。\r\n\r\n要换上空的数据文件继续启动吗？"_s.arg(
               native(file), native(setAsideTo));
}

QString damagedMessage(const QString& file, const QString& detail)
{
    return DbConnection::damagedMessage(file, detail);
}

QString nameForDamaged(const QString& file, const FileOps& fileOps)
{
    const QString base = file + u".damaged"_s;
    for (int n = 1; n < 1000; ++n) {
        const QString target = n == 1 ? base : base + u'.' + QString::number(n);
        if (!fileOps.exists(target))
            return target;
    }
    return {};
}

QStringList removeLeftovers(const AppPaths& paths)
{
    QStringList removed;
    for (const QString& dir : {paths.dataDir(), paths.backupDir()}) {
        const QStringList names
            = QDir(dir).entryList({u"*"_s + QString::fromUtf16(SafeFile::scratchSuffix)}, QDir::Files | QDir::Hidden);
        for (const QString& name : names) {
            const QString path = QDir(dir).filePath(name);
            if (QFile::remove(path))
                removed << path;
        }
    }
    return removed;
}

} // namespace DataCheck

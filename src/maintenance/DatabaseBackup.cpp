#include "maintenance/DatabaseBackup.h"

#include "store/DatabaseStamp.h"
#include "store/DbConnection.h"
#include "store/StoreCopy.h"

#include <QFile>
#include <QFileInfo>
#include <QScopeGuard>

#include <sqlite3.h>

#include <cerrno>
#include <cstring>
#include <filesystem>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

using namespace Qt::StringLiterals;

namespace {

using DatabaseBackup::Progress;

void setError(QString* error, const QString& text)
{
    if (error)
        *error = text;
}

QString sqliteError(sqlite3* db)
{
    return db ? QString::fromUtf8(sqlite3_errmsg(db)) : u"out of memory"_s;
}

std::int32_t userVersion(sqlite3* db)
{
    sqlite3_stmt* statement = nullptr;
    std::int32_t value = 0;
    if (sqlite3_prepare_v2(db, "PRAGMA user_version", -1, &statement, nullptr) == SQLITE_OK
        && sqlite3_step(statement) == SQLITE_ROW)
        value = sqlite3_column_int(statement, 0);
    sqlite3_finalize(statement);
    return value;
}

// "ok" from quick_check, or what it found.
QString quickCheck(sqlite3* db)
{
    sqlite3_stmt* statement = nullptr;
    if (sqlite3_prepare_v2(db, "PRAGMA quick_check", -1, &statement, nullptr) != SQLITE_OK)
        return sqliteError(db);
    QString result;
    if (sqlite3_step(statement) == SQLITE_ROW)
        result = QString::fromUtf8(reinterpret_cast<const char*>(sqlite3_column_text(statement, 0)));
    else
        result = sqliteError(db);
    sqlite3_finalize(statement);
    return result;
}

// Opens a file read-only and without creating it; null (and *error) when that fails.
sqlite3* openReadOnly(const QString& path, QString* error)
{
    if (!QFileInfo(path).isFile()) {
        setError(error, path + u" is missing"_s);
        return nullptr;
    }
    sqlite3* db = nullptr;
    const QByteArray file = QFile::encodeName(path);
    if (sqlite3_open_v2(file.constData(), &db, SQLITE_OPEN_READONLY, nullptr) != SQLITE_OK) {
        setError(error, path + u": "_s + sqliteError(db));
        sqlite3_close_v2(db);
        return nullptr;
    }
    return db;
}

// The copy is ours, carries the same password check as the live file and is whole.
bool checkCopy(const QString& path, std::int32_t expectedVersion, QString* error, const Progress& progress)
{
    sqlite3* db = openReadOnly(path, error);
    if (!db)
        return false;
    // The check has no known end: it keeps the caller's window alive without moving its bar.
    if (progress) {
        sqlite3_progress_handler(
            db, 100000,
            [](void* report) {
                const Progress& p = *static_cast<const Progress*>(report);
                p(0.7);
                return 0;
            },
            const_cast<Progress*>(&progress));
    }
    bool ok = false;
    if (!DatabaseStamp::isOurs(db) || userVersion(db) != expectedVersion)
        setError(error, path + u" is not a copy of the school database"_s);
    else if (const QString check = quickCheck(db); check != u"ok"_s)
        setError(error, path + u": "_s + check);
    else
        ok = true;
    if (progress)
        progress(1.0);
    sqlite3_close_v2(db);
    return ok;
}

// The source file copied whole into path (created, fsynced) while a read transaction of a second
// connection holds its shared lock: no writer can change it meanwhile, and a hot journal has been
// rolled back before. False without an error text when the file is not in a rollback-journal
// mode, or the kernel cannot copy it, and it must go through the backup API instead.
bool copyFileLocked(const QString& source, const QString& path, const Progress& progress, QString* error)
{
    sqlite3* reader = nullptr;
    const QByteArray from = QFile::encodeName(source);
    if (sqlite3_open_v2(from.constData(), &reader, SQLITE_OPEN_READWRITE, nullptr) != SQLITE_OK) {
        setError(error, source + u": "_s + sqliteError(reader));
        sqlite3_close_v2(reader);
        return false;
    }
    const auto closeReader = qScopeGuard([reader] {
        sqlite3_exec(reader, "COMMIT", nullptr, nullptr, nullptr);
        sqlite3_close_v2(reader);
    });
    sqlite3_stmt* mode = nullptr;
    QByteArray journal;
    if (sqlite3_prepare_v2(reader, "PRAGMA journal_mode", -1, &mode, nullptr) == SQLITE_OK
        && sqlite3_step(mode) == SQLITE_ROW)
        journal = QByteArray(reinterpret_cast<const char*>(sqlite3_column_text(mode, 0))).toLower();
    sqlite3_finalize(mode);
    if (journal != "delete" && journal != "truncate" && journal != "persist")
        return false;
    if (sqlite3_exec(reader, "BEGIN; SELECT count(*) FROM sqlite_master", nullptr, nullptr, nullptr) != SQLITE_OK) {
        setError(error, source + u": "_s + sqliteError(reader));
        return false;
    }

    const int in = ::open(from.constData(), O_RDONLY | O_CLOEXEC);
    const QByteArray to = QFile::encodeName(path);
    const int out = ::open(to.constData(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0644);
    const auto closeFiles = qScopeGuard([in, out] {
        if (in >= 0)
            ::close(in);
        if (out >= 0)
            ::close(out);
    });
    struct stat info
    { };
    if (in < 0 || out < 0 || ::fstat(in, &info) != 0) {
        setError(error, path + u": "_s + QString::fromLocal8Bit(std::strerror(errno)));
        return false;
    }
    // In steps, so the caller can keep its window painted.
    constexpr size_t Step = 16 * 1024 * 1024;
    const qint64 size = info.st_size;
    qint64 copied = 0;
    while (copied < size) {
        const ssize_t n
            = ::copy_file_range(in, nullptr, out, nullptr, std::min<size_t>(Step, size_t(size - copied)), 0);
        // A kernel or file system that cannot copy between these files: the backup API can.
        if (n < 0 && copied == 0 && (errno == EXDEV || errno == ENOSYS || errno == EOPNOTSUPP || errno == EINVAL))
            return false;
        if (n <= 0) {
            setError(error, path + u": "_s + (n < 0 ? QString::fromLocal8Bit(std::strerror(errno)) : u"short copy"_s));
            return false;
        }
        copied += n;
        if (progress)
            progress(double(copied) / double(size));
    }
    if (::fdatasync(out) != 0) {
        setError(error, path + u": "_s + QString::fromLocal8Bit(std::strerror(errno)));
        return false;
    }
    return true;
}

// Makes the rename of a file in `directory` durable.
void syncDirectory(const QString& directory)
{
    const int fd = ::open(QFile::encodeName(directory).constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd >= 0) {
        ::fsync(fd);
        ::close(fd);
    }
}

void removeJournals(const QString& path)
{
    for (const char* suffix : {"-journal", "-wal", "-shm"})
        QFile::remove(path + QLatin1StringView(suffix));
}

} // namespace

namespace DatabaseBackup {

bool copyVerified(DbConnection& live, const QString& target, QString* error, const Progress& progress)
{
    if (!live.isOpen()) {
        setError(error, u"database is not open"_s);
        return false;
    }
    if (live.inTransaction()) {
        setError(error, live.path() + u" is in the middle of a transaction"_s);
        return false;
    }
    const QString temporary = target + u".part"_s;
    QFile::remove(temporary);
    removeJournals(temporary);
    // The copy is the larger part of the time, the check of it the rest.
    constexpr double CopyShare = 0.7;
    const Progress copying = [&progress](double done) {
        if (progress)
            progress(done * CopyShare);
    };
    QString copyError;
    bool copied = !live.isServer() && copyFileLocked(live.path(), temporary, copying, &copyError);
    if (!copied && copyError.isEmpty()) {
        QFile::remove(temporary);
        copied = StoreCopy::snapshot(live, temporary, &copyError);
    }
    if (!copied)
        setError(error, copyError);
    const bool ok = copied && checkCopy(temporary, DatabaseStamp::passwordCheck(live.password()), error, progress)
        && replace(temporary, target, error);
    if (ok)
        syncDirectory(QFileInfo(target).absolutePath());
    if (!ok) {
        QFile::remove(temporary);
        removeJournals(temporary);
    }
    return ok;
}

bool verify(const QString& path, const QString& password, QString* error)
{
    sqlite3* db = openReadOnly(path, error);
    if (!db)
        return false;
    bool ok = false;
    if (!DatabaseStamp::isOurs(db))
        setError(error, path + u" is not a school database"_s);
    else if (!DatabaseStamp::matches(db, password))
        setError(error, u"wrong password for "_s + path);
    else if (const QString check = quickCheck(db); check != u"ok"_s)
        setError(error, path + u": "_s + check);
    else
        ok = true;
    sqlite3_close_v2(db);
    return ok;
}

bool replace(const QString& from, const QString& to, QString* error)
{
    std::error_code failure;
    std::filesystem::rename(QFile::encodeName(from).toStdString(), QFile::encodeName(to).toStdString(), failure);
    if (failure) {
        setError(error, to + u": "_s + QString::fromStdString(failure.message()));
        return false;
    }
    removeJournals(to);
    return true;
}

} // namespace DatabaseBackup

#include "maintenance/DatabaseBackup.h"

#include "store/DatabaseStamp.h"
#include "store/DbConnection.h"
#include "store/StoreCopy.h"

#include <QFile>
#include <QFileInfo>

#include <sqlite3.h>

#include <filesystem>

using namespace Qt::StringLiterals;

namespace {

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
bool checkCopy(const QString& path, std::int32_t expectedVersion, QString* error)
{
    sqlite3* db = openReadOnly(path, error);
    if (!db)
        return false;
    bool ok = false;
    if (!DatabaseStamp::isOurs(db) || userVersion(db) != expectedVersion)
        setError(error, path + u" is not a copy of the school database"_s);
    else if (const QString check = quickCheck(db); check != u"ok"_s)
        setError(error, path + u": "_s + check);
    else
        ok = true;
    sqlite3_close_v2(db);
    return ok;
}

void removeJournals(const QString& path)
{
    for (const char* suffix : {"-journal", "-wal", "-shm"})
        QFile::remove(path + QLatin1StringView(suffix));
}

} // namespace

namespace DatabaseBackup {

bool copyVerified(DbConnection& live, const QString& target, QString* error)
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
    const bool ok = StoreCopy::snapshot(live, temporary, error)
        && checkCopy(temporary, DatabaseStamp::passwordCheck(live.password()), error)
        && replace(temporary, target, error);
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

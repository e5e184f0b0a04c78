#pragma once

#include "store/DatabaseKind.h"
#include "store/RecordSet.h"

#include <QHash>
#include <QString>
#include <QVariant>
#include <QVariantList>

#include <memory>
#include <optional>

struct sqlite3;
class PgSession;
class StatementCache;
struct ServerSettings;

// One open school database. Statements keep the old engine's shapes; every value is passed as a
// parameter bound to a "?" marker: QString as text, QByteArray as bytes, integers as numbers, an
// invalid QVariant as NULL. Nothing here shows a message: callers decide what to tell the user.
// The same statements run on a database file or on the shared server; only opening differs.
class DbConnection
{
public:
    // Why the last open() failed: only a file that was read and is not ours (or not with this
    // password) is known to be unusable; a missing or locked file is not.
    enum class OpenFailure { None, Missing, Unreadable, NotOurs, WrongPassword };

    DbConnection();
    ~DbConnection();
    DbConnection(const DbConnection&) = delete;
    DbConnection& operator=(const DbConnection&) = delete;

    // Opens an existing database file; a missing file, a file that is not one of our databases or
    // another password fail, and nothing is created.
    bool open(const QString& path, const QString& userName, const QString& password);
    // Creates a new empty database file carrying the password and opens it; fails when the path exists.
    bool createNew(const QString& path, const QString& password);
    // Opens one of the school's databases where this run keeps them: the file at path, or that
    // database on the server when one is chosen (StoreChoice).
    bool openSchool(DatabaseKind kind, const QString& path);
    // Opens that database on the given server. A server that cannot be reached, or holds no
    // school yet, fails as Unreadable: nothing local is to be replaced for it.
    // emptyAllowed opens a schema that holds nothing yet (for setting up the server).
    bool openServer(const ServerSettings& server, DatabaseKind kind, bool emptyAllowed = false);
    bool isServer() const { return m_server != nullptr; }
    // The kind opened through openSchool or openServer.
    std::optional<DatabaseKind> kind() const { return m_kind; }
    // True when the last failure was the server going away (its transaction is lost whole).
    bool lostServer() const;
    // Closing a closed connection does nothing.
    void close();
    bool isOpen() const { return m_db != nullptr || m_server != nullptr; }
    QString path() const { return m_path; }
    // The database's own password, as it was opened with.
    QString password() const { return m_password; }

    // The old connection text, kept for callers that show or pass it on.
    QString connectionText() const;

    // The rows of a statement, or null when it fails.
    std::unique_ptr<RecordSet> query(const QString& sql, const QVariantList& parameters = {});
    bool execute(const QString& sql, const QVariantList& parameters = {});
    // Rows changed by the last successful execute.
    int changes() const;
    // The key of the row the last successful insert made (编号 of 评语表 and the like); 0 before any.
    qint64 lastInsertId() const;
    QString lastError() const { return m_lastError; }
    OpenFailure openFailure() const { return m_openFailure; }
    // After a read failed: SQLite's quick check of the open file, empty when it finds nothing.
    QString damage();
    // The user's message for a damaged file: names it and says how to go on.
    static QString damagedMessage(const QString& file, const QString& detail);

    bool beginTransaction();
    bool commit();
    bool rollback();
    bool inTransaction() const;

    // For the backup API and the benchmarks; null when closed.
    sqlite3* handle() const { return m_db; }

private:
    bool compile(const QString& sql, struct sqlite3_stmt** statement);
    // Kept: the values are copied, for rows read after the call returns. ForOneRun: they are only
    // pointed to, for a statement run to its end and given back before the caller's values go.
    enum class Binding { Kept, ForOneRun };
    bool bind(struct sqlite3_stmt* statement, const QVariantList& parameters, Binding binding);
    bool configure();
    void fail(const QString& what);

    sqlite3* m_db = nullptr;
    std::unique_ptr<PgSession> m_server;
    std::optional<DatabaseKind> m_kind;
    // The server's rendering of each statement, made once.
    QHash<QString, QByteArray> m_serverSql;
    QByteArray serverSql(const QString& sql);
    QString m_path;
    QString m_userName;
    QString m_password;
    QString m_lastError;
    OpenFailure m_openFailure = OpenFailure::None;
    // Statements stay compiled: an import or a promotion runs the same insert or update thousands
    // of times, and a sheet's few queries run again on every class. A new one for each opening,
    // so a result outliving its file never comes back into another.
    std::shared_ptr<StatementCache> m_statements;
    // The texts of the statement being run, as UTF-8; kept between runs so a row allocates nothing.
    QByteArray m_texts;
};

#pragma once

#include <QByteArray>
#include <QString>
#include <QVariantList>

#include <memory>

struct pg_conn;
struct pg_result;

// One libpq connection to the shared server, pinned to one school database's schema. Statements
// arrive already in the server's dialect with $n markers; values go as text (bytes as binary), so
// the server infers each type from where the marker stands, as SQLite's affinities do.
class PgSession
{
public:
    PgSession() = default;
    ~PgSession();
    PgSession(const PgSession&) = delete;
    PgSession& operator=(const PgSession&) = delete;

    bool connect(const QString& connectionInfo, const QString& schema);
    void close();
    bool isOpen() const { return m_conn != nullptr; }

    // The result of one statement, or null with lastError() set. Owned by the caller.
    pg_result* run(const QByteArray& sql, const QVariantList& parameters);
    // Runs and drops the result; the rows changed are kept for changes().
    bool execute(const QByteArray& sql, const QVariantList& parameters);
    // COMMIT that reports failure: the server answers an aborted transaction's COMMIT with a
    // rollback, which is no success.
    bool commit();
    int changes() const { return m_changes; }
    qint64 lastInsertId() const { return m_lastInsertId; }
    bool inTransaction() const;
    QString lastError() const { return m_lastError; }
    // True once the server has gone away; the next statement tries to reconnect first.
    bool lostServer() const { return m_lost; }
    bool begin();
    bool rollback();

    static void clear(pg_result* result);

private:
    bool reconnectIfLost();
    // Keeps m_lost, telling the run (StoreChoice) when it changes.
    void setLost(bool lost);

    pg_conn* m_conn = nullptr;
    QByteArray m_connectionInfo;
    QByteArray m_schema;
    QString m_lastError;
    int m_changes = 0;
    qint64 m_lastInsertId = 0;
    bool m_lost = false;
    // Inside BEGIN … COMMIT as far as this seat knows. When the server goes away meanwhile, every
    // statement fails until the rollback, so none of the rest runs on its own after a reconnect.
    bool m_inTransaction = false;
    bool m_transactionLost = false;
};

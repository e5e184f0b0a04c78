#include "store/PgSession.h"

#include "store/StoreChoice.h"

#include <QList>

#include <libpq-fe.h>

using namespace Qt::StringLiterals;

namespace {

constexpr Oid byteaType = 17;

QByteArray textOf(const QVariant& v)
{
    switch (v.metaType().id()) {
    case QMetaType::Bool:
        return v.toBool() ? "1" : "0";
    case QMetaType::Double:
    case QMetaType::Float:
        return QByteArray::number(v.toDouble(), 'g', 17);
    default:
        return v.toString().toUtf8();
    }
}

} // namespace

PgSession::~PgSession()
{
    close();
}

bool PgSession::connect(const QString& connectionInfo, const QString& schema)
{
    close();
    m_connectionInfo = connectionInfo.toUtf8();
    m_schema = schema.toUtf8();
    m_conn = PQconnectdb(m_connectionInfo.constData());
    if (PQstatus(m_conn) != CONNECTION_OK) {
        m_lastError = QString::fromUtf8(PQerrorMessage(m_conn)).trimmed();
        close();
        return false;
    }
    // Texts travel as UTF-8 whatever the server's own encoding, and every seat reads the same
    // schema as its file would be read.
    PQsetClientEncoding(m_conn, "UTF8");
    const QByteArray setup = "SET search_path TO \"" + m_schema + "\"; SET client_min_messages TO warning";
    PGresult* r = PQexec(m_conn, setup.constData());
    const bool ok = PQresultStatus(r) == PGRES_COMMAND_OK;
    if (!ok)
        m_lastError = QString::fromUtf8(PQresultErrorMessage(r)).trimmed();
    PQclear(r);
    if (!ok)
        close();
    else
        setLost(false);
    m_inTransaction = m_transactionLost = false;
    return ok;
}

void PgSession::close()
{
    if (m_conn)
        PQfinish(m_conn);
    m_conn = nullptr;
}

void PgSession::setLost(bool lost)
{
    if (lost == m_lost)
        return;
    m_lost = lost;
    StoreChoice::reportServer(lost);
}

void PgSession::clear(pg_result* result)
{
    PQclear(result);
}

bool PgSession::reconnectIfLost()
{
    if (PQstatus(m_conn) == CONNECTION_OK)
        return true;
    setLost(true);
    // A lost connection took its transaction with it: nothing of it was kept on the server.
    PQreset(m_conn);
    if (PQstatus(m_conn) != CONNECTION_OK)
        return false;
    const QByteArray setup = "SET search_path TO \"" + m_schema + "\"";
    PGresult* r = PQexec(m_conn, setup.constData());
    const bool ok = PQresultStatus(r) == PGRES_COMMAND_OK;
    PQclear(r);
    setLost(!ok);
    return ok;
}

pg_result* PgSession::run(const QByteArray& sql, const QVariantList& parameters)
{
    if (!m_conn) {
        m_lastError = u"database is not open"_s;
        return nullptr;
    }
    if (m_transactionLost) {
        m_lastError = u"server connection lost: the transaction was not kept"_s;
        return nullptr;
    }
    if (!reconnectIfLost()) {
        m_lastError = u"server unreachable: "_s + QString::fromUtf8(PQerrorMessage(m_conn)).trimmed();
        return nullptr;
    }
    const int n = static_cast<int>(parameters.size());
    QList<QByteArray> held(n);
    QList<const char*> values(n, nullptr);
    QList<int> lengths(n, 0);
    QList<int> formats(n, 0);
    QList<Oid> types(n, 0);
    for (int i = 0; i < n; ++i) {
        const QVariant& v = parameters[i];
        const int type = v.metaType().id();
        if (type == QMetaType::QByteArray) {
            held[i] = v.toByteArray();
            values[i] = held[i].isNull() ? "" : held[i].constData();
            lengths[i] = static_cast<int>(held[i].size());
            formats[i] = 1;
            types[i] = byteaType;
        } else if (v.isNull() && type != QMetaType::QString) {
            values[i] = nullptr;
        } else {
            held[i] = textOf(v);
            values[i] = held[i].constData();
        }
    }
    PGresult* r = PQexecParams(
        m_conn, sql.constData(), n, types.constData(), values.constData(), lengths.constData(), formats.constData(), 0);
    ExecStatusType status = PQresultStatus(r);
    // A seat that sat idle while the server restarted finds out at its next statement. A read on
    // its own changes nothing, so it is sent once more on a new connection instead of failing;
    // a write is not, as it may have been done before the answer was lost.
    if (status != PGRES_TUPLES_OK && status != PGRES_COMMAND_OK && PQstatus(m_conn) != CONNECTION_OK && !m_inTransaction
        && sql.trimmed().left(6).compare("SELECT", Qt::CaseInsensitive) == 0) {
        PQreset(m_conn);
        if (PQstatus(m_conn) == CONNECTION_OK) {
            const QByteArray setup = "SET search_path TO \"" + m_schema + "\"";
            PQclear(PQexec(m_conn, setup.constData()));
            PQclear(r);
            r = PQexecParams(m_conn, sql.constData(), n, types.constData(), values.constData(), lengths.constData(),
                formats.constData(), 0);
            status = PQresultStatus(r);
        }
    }
    if (status != PGRES_TUPLES_OK && status != PGRES_COMMAND_OK) {
        m_lastError = QString::fromUtf8(PQresultErrorMessage(r)).trimmed();
        if (PQstatus(m_conn) != CONNECTION_OK) {
            setLost(true);
            m_transactionLost = m_inTransaction;
            m_lastError = u"server connection lost: "_s + m_lastError;
        }
        PQclear(r);
        return nullptr;
    }
    m_lastError.clear();
    return r;
}

bool PgSession::execute(const QByteArray& sql, const QVariantList& parameters)
{
    PGresult* r = run(sql, parameters);
    if (!r)
        return false;
    m_changes = QByteArray(PQcmdTuples(r)).toInt();
    // An insert into a table keyed by a number returns the key, as SQLite's rowid would give it.
    if (PQresultStatus(r) == PGRES_TUPLES_OK && PQntuples(r) == 1 && PQnfields(r) == 1)
        m_lastInsertId = QByteArray(PQgetvalue(r, 0, 0)).toLongLong();
    PQclear(r);
    return true;
}

bool PgSession::begin()
{
    if (!execute("BEGIN", {}))
        return false;
    m_inTransaction = true;
    return true;
}

bool PgSession::commit()
{
    if (m_transactionLost) {
        m_lastError = u"server connection lost: the transaction was not kept"_s;
        return false;
    }
    const bool wasAborted = m_conn && PQtransactionStatus(m_conn) == PQTRANS_INERROR;
    PGresult* r = run("COMMIT", {});
    if (!r)
        return false;
    m_inTransaction = false;
    const bool committed = qstrcmp(PQcmdStatus(r), "COMMIT") == 0 && !wasAborted;
    PQclear(r);
    if (!committed)
        m_lastError = u"the transaction failed and was rolled back"_s;
    return committed;
}

bool PgSession::rollback()
{
    m_inTransaction = false;
    if (m_transactionLost) {
        // The server dropped it with the connection: there is nothing left to roll back.
        m_transactionLost = false;
        return true;
    }
    return execute("ROLLBACK", {});
}

bool PgSession::inTransaction() const
{
    if (m_inTransaction)
        return true;
    if (!m_conn)
        return false;
    const PGTransactionStatusType s = PQtransactionStatus(m_conn);
    return s == PQTRANS_INTRANS || s == PQTRANS_INERROR || s == PQTRANS_ACTIVE;
}

#include "store/RecordSet.h"

#include "store/Schema.h"
#include "store/StatementCache.h"
#include "text/GbText.h"

#include <QHashFunctions>

#include <libpq-fe.h>
#include <sqlite3.h>

RecordSet::RecordSet(
    sqlite3_stmt* statement, std::weak_ptr<StatementCache> cache, const QString& sql, quint64 generation)
    : m_statement(statement)
    , m_cache(std::move(cache))
    , m_sql(sql)
    , m_generation(generation)
{
    // Names are read after the first step: a kept statement compiled before another seat changed
    // the table is compiled again there, and only then has the table's present columns.
    step();
    m_onFirst = true;
    const int count = sqlite3_column_count(statement);
    m_names.reserve(count);
    m_hashes.reserve(count);
    for (int i = 0; i < count; ++i)
        addName(QString::fromUtf8(sqlite3_column_name(statement, i)));
}

RecordSet::RecordSet(pg_result* result)
    : m_result(result)
    , m_rows(PQntuples(result))
{
    int count = PQnfields(result);
    // The server's own row order column ends a table's "select *"; no reader sees it, as on the files.
    if (count > 0 && QLatin1StringView(PQfname(result, count - 1)) == QStringView(Schema::rowOrderColumn))
        --count;
    m_names.reserve(count);
    m_hashes.reserve(count);
    for (int i = 0; i < count; ++i) {
        addName(QString::fromUtf8(PQfname(result, i)));
        switch (PQftype(result, i)) {
        case 16: // bool
        case 20: // int8
        case 21: // int2
        case 23: // int4
        case 26: // oid
            m_kinds.append(ServerKind::Integer);
            break;
        case 700: // float4
        case 701: // float8
        case 1700: // numeric
            m_kinds.append(ServerKind::Real);
            break;
        case 17: // bytea
            m_kinds.append(ServerKind::Bytes);
            break;
        default:
            m_kinds.append(ServerKind::Text);
            break;
        }
    }
    m_pastLast = m_rows == 0;
    m_onFirst = true;
}

void RecordSet::addName(const QString& name)
{
    m_names.append(name);
    m_hashes.append(qHash(name));
}

QByteArray RecordSet::serverText(int position) const
{
    const int i = position - 1;
    return QByteArray::fromRawData(PQgetvalue(m_result, m_row, i), PQgetlength(m_result, m_row, i));
}

RecordSet::~RecordSet()
{
    close();
}

void RecordSet::close()
{
    if (m_result) {
        PQclear(m_result);
        m_result = nullptr;
    }
    if (m_statement) {
        const std::shared_ptr<StatementCache> cache = m_cache.lock();
        if (cache && !m_failed)
            cache->give(m_sql, m_statement, m_generation);
        else
            sqlite3_finalize(m_statement);
        m_statement = nullptr;
    }
    m_pastLast = true;
}

void RecordSet::first()
{
    // Every loop starts with first() right after the query: running the statement again there
    // would do each query twice.
    if (m_result) {
        m_row = 0;
        m_pastLast = m_rows == 0;
        m_onFirst = true;
        return;
    }
    if (!m_statement || m_onFirst)
        return;
    sqlite3_reset(m_statement);
    m_failed = false;
    step();
    m_onFirst = true;
}

void RecordSet::next()
{
    m_onFirst = false;
    if (m_result) {
        if (!m_pastLast)
            m_pastLast = ++m_row >= m_rows;
        return;
    }
    if (!m_pastLast)
        step();
}

void RecordSet::step()
{
    const int rc = sqlite3_step(m_statement);
    m_pastLast = rc != SQLITE_ROW;
    m_failed = rc != SQLITE_ROW && rc != SQLITE_DONE;
}

int RecordSet::position(QStringView column) const
{
    // Loops read the same names in the same order row after row: try the column after the last
    // one found, then compare hashes, texts only on a hit.
    if (m_guess < m_names.size() && m_names[m_guess] == column)
        return static_cast<int>(++m_guess);
    const size_t h = qHash(column);
    for (qsizetype i = 0; i < m_hashes.size(); ++i) {
        if (m_hashes[i] == h && m_names[i] == column) {
            m_guess = i + 1;
            return static_cast<int>(i + 1);
        }
    }
    for (qsizetype i = 0; i < m_names.size(); ++i) {
        if (m_names[i].compare(column, Qt::CaseInsensitive) == 0)
            return static_cast<int>(i + 1);
    }
    return 0;
}

QString RecordSet::columnName(int position) const
{
    if (position < 1 || position > m_names.size())
        return {};
    return m_names[position - 1];
}

bool RecordSet::hasValue(int position) const
{
    if (m_result)
        return !m_pastLast && position >= 1 && position <= m_names.size()
            && !PQgetisnull(m_result, m_row, position - 1);
    return m_statement && !m_pastLast && position >= 1 && position <= m_names.size()
        && sqlite3_column_type(m_statement, position - 1) != SQLITE_NULL;
}

bool RecordSet::isNull(int position) const
{
    return !hasValue(position);
}

QString RecordSet::text(int position) const
{
    const int i = position - 1;
    if (m_result) {
        if (!hasValue(position))
            return {};
        if (m_kinds[i] == ServerKind::Bytes)
            return GbText::fromBytes(bytes(position));
        return QString::fromUtf8(serverText(position));
    }
    if (!m_statement || m_pastLast || position < 1 || position > m_names.size())
        return {};
    // The type asked once: every call into the engine takes its lock, and lists read every value.
    const int type = sqlite3_column_type(m_statement, i);
    if (type == SQLITE_NULL)
        return {};
    if (type == SQLITE_BLOB) {
        const auto* data = static_cast<const char*>(sqlite3_column_blob(m_statement, i));
        return GbText::fromBytes(QByteArrayView(data, sqlite3_column_bytes(m_statement, i)));
    }
    const auto* data = reinterpret_cast<const char*>(sqlite3_column_text(m_statement, i));
    return QString::fromUtf8(data, sqlite3_column_bytes(m_statement, i));
}

qint64 RecordSet::number(int position) const
{
    if (!hasValue(position))
        return 0;
    if (m_result) {
        const QByteArray t = serverText(position);
        if (m_kinds[position - 1] == ServerKind::Integer)
            return t == "t" ? 1 : t.toLongLong();
        return static_cast<qint64>(t.toDouble());
    }
    return sqlite3_column_int64(m_statement, position - 1);
}

QByteArray RecordSet::bytes(int position) const
{
    if (!hasValue(position))
        return {};
    const int i = position - 1;
    if (m_result) {
        if (m_kinds[i] != ServerKind::Bytes)
            return GbText::toBytes(text(position));
        // bytea in its hex form: "\x" then two digits a byte.
        return QByteArray::fromHex(serverText(position).mid(2));
    }
    if (sqlite3_column_type(m_statement, i) == SQLITE_TEXT)
        return GbText::toBytes(text(position));
    const auto* data = static_cast<const char*>(sqlite3_column_blob(m_statement, i));
    return QByteArray(data, sqlite3_column_bytes(m_statement, i));
}

QVariant RecordSet::value(int position) const
{
    const int i = position - 1;
    if (m_result) {
        if (!hasValue(position))
            return {};
        switch (m_kinds[i]) {
        case ServerKind::Integer:
            return QVariant::fromValue<qint64>(number(position));
        case ServerKind::Real:
            return serverText(position).toDouble();
        case ServerKind::Bytes:
            return bytes(position);
        case ServerKind::Text:
            return text(position);
        }
    }
    if (!m_statement || m_pastLast || position < 1 || position > m_names.size())
        return {};
    // Sheets read every cell through here: the type is asked once, each call takes the
    // connection's lock.
    switch (sqlite3_column_type(m_statement, i)) {
    case SQLITE_NULL:
        return {};
    case SQLITE_INTEGER:
        return QVariant::fromValue<qint64>(sqlite3_column_int64(m_statement, i));
    case SQLITE_FLOAT:
        return sqlite3_column_double(m_statement, i);
    case SQLITE_TEXT: {
        const auto* data = reinterpret_cast<const char*>(sqlite3_column_text(m_statement, i));
        return QString::fromUtf8(data, sqlite3_column_bytes(m_statement, i));
    }
    default: {
        const auto* data = static_cast<const char*>(sqlite3_column_blob(m_statement, i));
        return QByteArray(data, sqlite3_column_bytes(m_statement, i));
    }
    }
}

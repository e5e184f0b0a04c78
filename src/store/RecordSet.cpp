#include "store/RecordSet.h"

#include "text/GbText.h"

#include <QHashFunctions>

#include <sqlite3.h>

RecordSet::RecordSet(sqlite3_stmt* statement)
    : m_statement(statement)
{
    const int count = sqlite3_column_count(statement);
    m_names.reserve(count);
    m_hashes.reserve(count);
    for (int i = 0; i < count; ++i) {
        m_names.append(QString::fromUtf8(sqlite3_column_name(statement, i)));
        m_hashes.append(qHash(m_names.last()));
    }
    step();
    m_onFirst = true;
}

RecordSet::~RecordSet()
{
    close();
}

void RecordSet::close()
{
    if (m_statement) {
        sqlite3_finalize(m_statement);
        m_statement = nullptr;
    }
    m_pastLast = true;
}

void RecordSet::first()
{
    // Every loop starts with first() right after the query: running the statement again there
    // would do each query twice.
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
    return m_statement && !m_pastLast && position >= 1 && position <= m_names.size()
        && sqlite3_column_type(m_statement, position - 1) != SQLITE_NULL;
}

bool RecordSet::isNull(int position) const
{
    return !hasValue(position);
}

QString RecordSet::text(int position) const
{
    if (!hasValue(position))
        return {};
    const int i = position - 1;
    if (sqlite3_column_type(m_statement, i) == SQLITE_BLOB) {
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
    return sqlite3_column_int64(m_statement, position - 1);
}

QByteArray RecordSet::bytes(int position) const
{
    if (!hasValue(position))
        return {};
    const int i = position - 1;
    if (sqlite3_column_type(m_statement, i) == SQLITE_TEXT)
        return GbText::toBytes(text(position));
    const auto* data = static_cast<const char*>(sqlite3_column_blob(m_statement, i));
    return QByteArray(data, sqlite3_column_bytes(m_statement, i));
}

QVariant RecordSet::value(int position) const
{
    if (!hasValue(position))
        return {};
    const int i = position - 1;
    switch (sqlite3_column_type(m_statement, i)) {
    case SQLITE_INTEGER:
        return QVariant::fromValue<qint64>(sqlite3_column_int64(m_statement, i));
    case SQLITE_FLOAT:
        return sqlite3_column_double(m_statement, i);
    case SQLITE_TEXT:
        return text(position);
    default: {
        const auto* data = static_cast<const char*>(sqlite3_column_blob(m_statement, i));
        return QByteArray(data, sqlite3_column_bytes(m_statement, i));
    }
    }
}

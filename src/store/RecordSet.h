#pragma once

#include <QByteArray>
#include <QList>
#include <QString>
#include <QVariant>

#include <memory>

struct sqlite3_stmt;
struct pg_result;
class StatementCache;

// The rows of one query, read forward. Columns are found by name (as the statement names them,
// ASCII case ignored) or by 1-based position. A NULL, or a column that is not there, reads as the
// empty value of the type asked for. Texts are read as stored; long-binary columns hold GB18030
// bytes when they carry text, so text() decodes them and bytes() of a text column encodes it.
// Rows from the server arrive whole and read the same way.
class RecordSet
{
public:
    ~RecordSet();
    RecordSet(const RecordSet&) = delete;
    RecordSet& operator=(const RecordSet&) = delete;

    void first();
    bool pastLast() const { return m_pastLast; }
    void next();

    QString text(QStringView column) const { return text(position(column)); }
    QString text(int position) const;
    qint64 number(QStringView column) const { return number(position(column)); }
    qint64 number(int position) const;
    QByteArray bytes(QStringView column) const { return bytes(position(column)); }
    QByteArray bytes(int position) const;
    // The stored value as it is: QString, qint64, double, QByteArray, or an invalid QVariant for NULL.
    QVariant value(QStringView column) const { return value(position(column)); }
    QVariant value(int position) const;
    bool isNull(QStringView column) const { return isNull(position(column)); }
    bool isNull(int position) const;

    int columnCount() const { return static_cast<int>(m_names.size()); }
    QString columnName(int position) const;
    // 1-based position of the column, 0 when the statement has no such column.
    int position(QStringView column) const;

    // True when stepping stopped on an error rather than at the end of the rows.
    bool failed() const { return m_failed; }

    void close();

private:
    friend class DbConnection;
    // The statement goes back to cache when the rows are done with, while that cache lives.
    RecordSet(sqlite3_stmt* statement, std::weak_ptr<StatementCache> cache, const QString& sql, quint64 generation);
    explicit RecordSet(pg_result* result);
    void step();
    bool hasValue(int position) const;
    void addName(const QString& name);
    // The server's value as libpq gives it (text form), and what kind of value its column holds.
    enum class ServerKind { Integer, Real, Bytes, Text };
    QByteArray serverText(int position) const;

    pg_result* m_result = nullptr;
    int m_row = 0;
    int m_rows = 0;
    QList<ServerKind> m_kinds;

    sqlite3_stmt* m_statement = nullptr;
    std::weak_ptr<StatementCache> m_cache;
    QString m_sql;
    quint64 m_generation = 0;
    QList<QString> m_names;
    QList<size_t> m_hashes;
    mutable qsizetype m_guess = 0; // where the next name is likely to be: loops read in column order
    bool m_pastLast = true;
    bool m_onFirst = false; // on the first row without having moved: first() need not rerun the query
    bool m_failed = false;
};

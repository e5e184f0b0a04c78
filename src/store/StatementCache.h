#pragma once

#include <QHash>
#include <QString>

struct sqlite3_stmt;

// Compiled statements of one open database, kept by the text the caller gave (the dialect rewrite
// is a function of that text, so it is kept along). A statement is lent out whole: while a caller
// runs it or reads its rows nobody else gets it, and a second user of the same text compiles its
// own. Given back, it is reset and loses its values, so it holds no lock and no copy of a photo.
class StatementCache
{
public:
    explicit StatementCache(int capacity);
    ~StatementCache();
    StatementCache(const StatementCache&) = delete;
    StatementCache& operator=(const StatementCache&) = delete;

    // The kept statement for sql, now the caller's alone; null when none is kept.
    sqlite3_stmt* take(const QString& sql);
    // Keeps a statement taken (or compiled) at generation for the next take of sql. It is finalized
    // instead when one for the same text is kept already or the cache was cleared since.
    void give(const QString& sql, sqlite3_stmt* statement, quint64 generation);
    // Finalizes every kept statement; those lent out are finalized when they come back.
    void clear();
    quint64 generation() const { return m_generation; }
    qsizetype size() const { return m_kept.size(); }

private:
    struct Kept
    {
        sqlite3_stmt* statement = nullptr;
        quint64 used = 0;
    };
    QHash<QString, Kept> m_kept;
    int m_capacity;
    quint64 m_generation = 0;
    quint64 m_clock = 0;
};

#include "store/StatementCache.h"

#include <sqlite3.h>

StatementCache::StatementCache(int capacity)
    : m_capacity(capacity)
{ }

StatementCache::~StatementCache()
{
    clear();
}

sqlite3_stmt* StatementCache::take(const QString& sql)
{
    const auto it = m_kept.constFind(sql);
    if (it == m_kept.constEnd())
        return nullptr;
    sqlite3_stmt* statement = it->statement;
    m_kept.erase(it);
    return statement;
}

void StatementCache::give(const QString& sql, sqlite3_stmt* statement, quint64 generation)
{
    sqlite3_reset(statement);
    sqlite3_clear_bindings(statement);
    if (generation != m_generation || m_kept.contains(sql)) {
        sqlite3_finalize(statement);
        return;
    }
    if (m_kept.size() >= m_capacity) {
        // The least recently given back goes; a miss costs a compile, far more than this walk.
        auto oldest = m_kept.begin();
        for (auto it = m_kept.begin(); it != m_kept.end(); ++it) {
            if (it->used < oldest->used)
                oldest = it;
        }
        sqlite3_finalize(oldest->statement);
        m_kept.erase(oldest);
    }
    m_kept.insert(sql, {statement, ++m_clock});
}

void StatementCache::clear()
{
    for (const Kept& kept : std::as_const(m_kept))
        sqlite3_finalize(kept.statement);
    m_kept.clear();
    ++m_generation;
}

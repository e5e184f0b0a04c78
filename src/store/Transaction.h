#pragma once

#include <QStringList>

class DbConnection;

// All or nothing for a group of statements: rolled back unless commit() succeeds.
class Transaction
{
public:
    explicit Transaction(DbConnection& db);
    ~Transaction();
    Transaction(const Transaction&) = delete;
    Transaction& operator=(const Transaction&) = delete;

    bool isActive() const { return m_active; }
    bool commit();
    // For a change that spans whole tables (promotion, class deletion, restore): on the server the
    // tables are held in exclusive mode until the end, so other seats' writes wait and their reads
    // see the tables as before. Name 记号表 first when it is among them: inserts lock its row before
    // their table. A file needs nothing more, its transaction holds the whole file's write lock.
    bool lockTables(const QStringList& tables);

private:
    DbConnection& m_db;
    bool m_active = false;
};

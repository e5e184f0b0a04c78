#pragma once

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

private:
    DbConnection& m_db;
    bool m_active = false;
};

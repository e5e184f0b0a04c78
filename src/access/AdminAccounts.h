#pragma once

#include "access/AdminAccount.h"

#include <QList>

#include <optional>

class DbConnection;

// The administrator accounts in 用户表 of the administrators database.
class AdminAccounts
{
public:
    explicit AdminAccounts(DbConnection& db)
        : m_db(db)
    { }

    // Every account in table order; nothing when the table cannot be read.
    std::optional<QList<AdminAccount>> load() const;
    bool add(const AdminAccount& account);
    // Rewrites name, password and rights of the rows named oldName.
    bool modify(const QString& oldName, const AdminAccount& account);
    // One's own name and password; the rights stay.
    bool changeOwn(const QString& currentName, const QString& newName, const QString& password);
    bool remove(const QString& userName);

    // Passwords live in a 10-character column.
    static constexpr int maxPasswordLength = 10;

private:
    DbConnection& m_db;
};

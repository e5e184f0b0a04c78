#include "access/AdminAccounts.h"

#include "store/DbConnection.h"

using namespace Qt::StringLiterals;

std::optional<QList<AdminAccount>> AdminAccounts::load() const
{
    auto rows = m_db.query(u"select * from 用户表 order by rowid"_s);
    if (!rows)
        return std::nullopt;
    QList<AdminAccount> accounts;
    for (rows->first(); !rows->pastLast(); rows->next())
        accounts.append({rows->text(u"用户名"), rows->text(u"密码"), RightsString(rows->text(u"权限"))});
    const bool failed = rows->failed();
    rows->close();
    if (failed)
        return std::nullopt;
    return accounts;
}

bool AdminAccounts::add(const AdminAccount& account)
{
    return m_db.execute(
        u"insert into 用户表 values (?,?,?)"_s, {account.userName, account.password, account.rights.text()});
}

bool AdminAccounts::modify(const QString& oldName, const AdminAccount& account)
{
    return m_db.execute(u"update 用户表 set 用户名=?,密码=?,权限=? where 用户名=?"_s,
        {account.userName, account.password, account.rights.text(), oldName});
}

bool AdminAccounts::changeOwn(const QString& currentName, const QString& newName, const QString& password)
{
    return m_db.execute(u"update 用户表 set 用户名=?,密码=? where 用户名=?"_s, {newName, password, currentName});
}

bool AdminAccounts::remove(const QString& userName)
{
    return m_db.execute(u"delete from 用户表 where 用户名=?"_s, {userName});
}

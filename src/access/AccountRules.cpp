#include "access/AccountRules.h"

namespace AccountRules {

int find(const QList<AdminAccount>& accounts, const QString& userName)
{
    for (int row = 0; row < accounts.size(); ++row) {
        if (accounts[row].userName == userName)
            return row;
    }
    return -1;
}

std::optional<RightsString> authenticate(
    const QList<AdminAccount>& accounts, const QString& userName, const QString& password)
{
    const int row = find(accounts, userName);
    if (row >= 0 && accounts[row].password == password)
        return accounts[row].rights;
    if (userName == builtInName() && password == builtInPassword())
        return RightsString::super();
    return std::nullopt;
}

int superCount(const QList<AdminAccount>& accounts)
{
    int count = 0;
    for (const AdminAccount& account : accounts)
        count += account.rights.isSuper() ? 1 : 0;
    return count;
}

bool isOnlySuper(const QList<AdminAccount>& accounts, int row)
{
    return row >= 0 && row < accounts.size() && accounts[row].rights.isSuper() && superCount(accounts) == 1;
}

bool nameTaken(const QList<AdminAccount>& accounts, const QString& userName, int exceptRow)
{
    // Keeping one's own name is never a clash, even beside an old duplicate.
    if (exceptRow >= 0 && exceptRow < accounts.size() && accounts[exceptRow].userName == userName)
        return false;
    for (int row = 0; row < accounts.size(); ++row) {
        if (row != exceptRow && accounts[row].userName == userName)
            return true;
    }
    return false;
}

bool firstAccountRefused(const QList<AdminAccount>& accounts, const RightsString& rights)
{
    return accounts.isEmpty() && !rights.isSuper();
}

bool demotionRefused(const QList<AdminAccount>& accounts, int row, const RightsString& newRights)
{
    return isOnlySuper(accounts, row) && !newRights.isSuper();
}

bool deletionRefused(const QList<AdminAccount>& accounts, int row)
{
    return isOnlySuper(accounts, row) && accounts.size() > 1;
}

RightsString fromTicks(bool students, bool teachers, bool wages, bool system)
{
    QString text;
    for (bool granted : {students, teachers, wages, system})
        text += granted ? QChar(u'1') : QChar(u'0');
    return RightsString(text);
}

} // namespace AccountRules

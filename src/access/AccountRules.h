#pragma once

#include "access/AdminAccount.h"

#include <QList>

#include <optional>

// The rules the administrator accounts obey, over the window's copy of 用户表.
namespace AccountRules {

// Always accepted, and the only way in while no account exists.
inline QString builtInName()
{
    return QStringLiteral(u"内部管理员");
}
inline QString builtInPassword()
{
    return QStringLiteral(u"40917");
}

// The row of the first account with that exact name, or -1.
int find(const QList<AdminAccount>& accounts, const QString& userName);

// The rights of a login, or nothing when name and password match neither the account of that
// name nor the built-in administrator. Names and passwords compare exactly, case included.
std::optional<RightsString> authenticate(
    const QList<AdminAccount>& accounts, const QString& userName, const QString& password);

int superCount(const QList<AdminAccount>& accounts);
// True when row holds the one and only super administrator.
bool isOnlySuper(const QList<AdminAccount>& accounts, int row);

// A name some other account already has; exceptRow is the account being modified (-1 when adding).
bool nameTaken(const QList<AdminAccount>& accounts, const QString& userName, int exceptRow);
// The first account must be able to do everything, or nobody could manage the accounts.
bool firstAccountRefused(const QList<AdminAccount>& accounts, const RightsString& rights);
bool demotionRefused(const QList<AdminAccount>& accounts, int row, const RightsString& newRights);
// The last account may always go: the built-in administrator is the way in then.
bool deletionRefused(const QList<AdminAccount>& accounts, int row);

// "1"/"0" for each of students, teachers, wages, system.
RightsString fromTicks(bool students, bool teachers, bool wages, bool system);

} // namespace AccountRules

#pragma once

#include "access/RightsString.h"

#include <QString>

// One row of 用户表.
struct AdminAccount
{
    QString userName;
    QString password;
    RightsString rights;

    bool operator==(const AdminAccount& other) const
    {
        return userName == other.userName && password == other.password && rights.text() == other.rights.text();
    }
};

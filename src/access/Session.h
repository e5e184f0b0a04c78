#pragma once

#include "access/RightsString.h"

#include <QString>

// The administrator who is logged in. The main window shows the name in status panel 1 and keeps
// the rights in its hidden 权限标签.
struct Session
{
    QString userName;
    RightsString rights;

    bool isLoggedIn() const { return !userName.isEmpty(); }
};

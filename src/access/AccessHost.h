#pragma once

#include "access/Session.h"

class AppPaths;
class DbConnection;
struct PlatformServices;

// What the login window needs from the main window that owns it.
class AccessHost
{
public:
    virtual ~AccessHost() = default;

    virtual PlatformServices& services() = 0;
    virtual const AppPaths& paths() const = 0;
    // 外部数据库3: the administrators database, open only while the login window exists.
    virtual DbConnection& adminDb() = 0;

    virtual Session session() const = 0;
    // Writes status panel 1 and 权限标签 and adjusts the menus to the rights.
    virtual void setSession(const Session& session) = 0;
    // After a successful login: the main window shown maximised on its home page.
    virtual void showAfterLogin() = 0;
    virtual void showHomePage() = 0;
    // Destroys the splash window if it is still there.
    virtual void closeSplash() = 0;
    // Ends the program: closes 外部数据库1, 外部数据库2, 外部数据库3 in that order and quits.
    virtual void quitProgram() = 0;
    // True while the login window was opened by 重新登录: leaving it keeps the previous session.
    virtual bool isRelogin() const { return false; }
};

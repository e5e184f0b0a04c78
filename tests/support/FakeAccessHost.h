#pragma once

#include "FakeServices.h"

#include "access/AccessHost.h"
#include "store/DbConnection.h"

#include <QList>

// A main window as the login window sees it, on a fresh temporary program directory.
class FakeAccessHost : public AccessHost, public FakeServices
{
public:
    PlatformServices& services() override { return FakeServices::services; }
    const AppPaths& paths() const override { return FakeServices::paths; }
    DbConnection& adminDb() override { return db; }
    Session session() const override { return current; }
    void setSession(const Session& session) override
    {
        current = session;
        sessions.append(session);
    }
    void showAfterLogin() override { ++shownAfterLogin; }
    void showHomePage() override { ++homePages; }
    void closeSplash() override { ++splashClosed; }
    void quitProgram() override
    {
        ++quits;
        db.close();
    }

    DbConnection db;

    Session current;
    QList<Session> sessions;
    int shownAfterLogin = 0;
    int homePages = 0;
    int splashClosed = 0;
    int quits = 0;
};

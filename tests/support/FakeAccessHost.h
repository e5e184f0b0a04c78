#pragma once

#include "FakeDesktop.h"
#include "FakePrompt.h"
#include "TempProgramDir.h"

#include "access/AccessHost.h"
#include "platform/AppPaths.h"
#include "platform/DiskFileOps.h"
#include "platform/PlatformServices.h"
#include "store/DbConnection.h"

#include <QList>

// A main window as the login window sees it, on a fresh temporary program directory.
class FakeAccessHost : public AccessHost
{
public:
    FakeAccessHost()
        : m_paths(dir.path())
        , m_services {prompt, fileChooser, clock, screen, music, launcher, fileOps}
    { }

    PlatformServices& services() override { return m_services; }
    const AppPaths& paths() const override { return m_paths; }
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

    TempProgramDir dir;
    FakePrompt prompt;
    FakeFileChooser fileChooser;
    FixedClock clock;
    FixedScreen screen;
    FakeMusicPlayer music;
    FakeLauncher launcher;
    DiskFileOps fileOps;
    DbConnection db;

    Session current;
    QList<Session> sessions;
    int shownAfterLogin = 0;
    int homePages = 0;
    int splashClosed = 0;
    int quits = 0;

private:
    AppPaths m_paths;
    PlatformServices m_services;
};

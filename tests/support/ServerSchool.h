#pragma once

#include "store/ServerSettings.h"

#include <QString>

#include <optional>

// The feature suites' second run (XIAOWU_TEST_STORE=server, set by CTest's *_server tests): every
// TempProgramDir then holds its school on the test server that scripts/with-postgres started, as a
// database of its own cloned from one made by store-init, and the run's store choice points at it,
// so everything that opens the school through openSchool talks to the server.
class ServerSchool
{
public:
    ServerSchool();
    ~ServerSchool();
    ServerSchool(const ServerSchool&) = delete;
    ServerSchool& operator=(const ServerSchool&) = delete;

    // True in the server run.
    static bool wanted();
    // Why the server run cannot go on, empty when it can.
    static QString unavailable();
    // In a server run without a usable server: says why on stderr and gives the exit status, 77
    // (CTest's "skipped") or, under CI=true, 1.
    static std::optional<int> cannotRun();
    // The test server's own database, as scripts/with-postgres exports it; null without one.
    static std::optional<ServerSettings> administration();

    bool isValid() const { return m_error.isEmpty(); }
    QString error() const { return m_error; }
    const ServerSettings& settings() const { return m_settings; }

private:
    ServerSettings m_settings;
    std::optional<ServerSettings> m_restore;
    QString m_error;
};

// For a test about the database files themselves (their bytes, a damaged page): it has no
// counterpart on the server and is skipped in the server run.
#define SKIP_ON_SERVER(why)                                                                                            \
    do {                                                                                                               \
        if (ServerSchool::wanted())                                                                                    \
            QSKIP(why);                                                                                                \
    } while (false)

// Skips the running test without a test server, or fails it under CI=true.
#define REQUIRE_TEST_SERVER()                                                                                          \
    do {                                                                                                               \
        if (!ServerSchool::administration()) {                                                                         \
            if (qEnvironmentVariable("CI") == QLatin1StringView("true"))                                               \
                QFAIL("no test server (run through scripts/with-postgres)");                                           \
            QSKIP("no test server (run through scripts/with-postgres)");                                               \
        }                                                                                                              \
    } while (false)

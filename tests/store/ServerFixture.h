#pragma once

#include "store/DatabaseKind.h"
#include "store/DbConnection.h"
#include "store/ServerSettings.h"

#include <QString>

#include <optional>

// A school of its own on the test server that scripts/with-postgres started: a fresh database
// with the three schemas made by store-init, dropped again at the end. Without a server the
// tests that need one skip, except under CI, where they fail.
class ServerFixture
{
public:
    ServerFixture();
    ~ServerFixture();
    ServerFixture(const ServerFixture&) = delete;
    ServerFixture& operator=(const ServerFixture&) = delete;

    // Why there is no server (empty when there is one).
    QString missing() const { return m_missing; }
    bool required() const;
    const ServerSettings& settings() const { return m_settings; }
    bool open(DbConnection& db, DatabaseKind kind) const { return db.openServer(m_settings, kind); }
    // Ends every other connection of this school on the server, as a server going away would.
    bool dropOtherConnections() const;

private:
    ServerSettings m_settings;
    ServerSettings m_admin;
    QString m_missing;
};

// Skips or fails (under CI) the running test when the fixture has no server.
#define REQUIRE_SERVER(fixture)                                                                                        \
    do {                                                                                                               \
        if (!(fixture).missing().isEmpty()) {                                                                          \
            if ((fixture).required())                                                                                  \
                QFAIL(qPrintable((fixture).missing()));                                                                \
            QSKIP(qPrintable((fixture).missing()));                                                                    \
        }                                                                                                              \
    } while (false)

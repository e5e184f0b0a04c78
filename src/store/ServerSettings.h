#pragma once

#include "store/DatabaseKind.h"

#include <QString>

// Where the shared server is, as the [数据库] section of config.ini gives it. The password is
// never kept there: it comes from ~/.pgpass (libpq reads it) or from the user once per run.
struct ServerSettings
{
    QString host;
    int port = 5432;
    QString databaseName = QStringLiteral("xiaowu");
    QString user;
    QString sslMode = QStringLiteral("prefer");
    QString password; // empty: libpq looks in ~/.pgpass

    // The libpq connection string, every value quoted.
    QString connectionInfo() const;
    // The schema that holds one of the school's three databases on the server.
    static QString schema(DatabaseKind kind);
};

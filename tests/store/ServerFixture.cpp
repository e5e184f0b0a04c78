#include "ServerFixture.h"

#include "support/ServerSchool.h"

#include "store/StoreCopy.h"

#include <QCoreApplication>
#include <QUuid>

using namespace Qt::StringLiterals;

ServerFixture::ServerFixture()
{
    const auto server = ServerSchool::administration();
    if (!server) {
        m_missing = u"no test server (run through scripts/with-postgres)"_s;
        return;
    }
    m_admin = *server;
    m_settings = *server;
    m_settings.databaseName = u"xw_"_s + QUuid::createUuid().toString(QUuid::Id128).left(16);
    DbConnection admin;
    if (!admin.openServer(m_admin, DatabaseKind::Admin, true)
        || !admin.execute(u"CREATE DATABASE "_s + m_settings.databaseName + u" ENCODING 'UTF8' TEMPLATE template0"_s)) {
        m_missing = u"test server refused: "_s + admin.lastError();
        return;
    }
    for (DatabaseKind kind : {DatabaseKind::Student, DatabaseKind::Teacher, DatabaseKind::Admin}) {
        QString error;
        if (!StoreCopy::initServer(m_settings, kind, &error)) {
            m_missing = u"store-init failed: "_s + error;
            return;
        }
    }
}

ServerFixture::~ServerFixture()
{
    if (m_admin.host.isEmpty())
        return;
    DbConnection admin;
    if (admin.openServer(m_admin, DatabaseKind::Admin, true))
        admin.execute(u"DROP DATABASE IF EXISTS "_s + m_settings.databaseName + u" WITH (FORCE)"_s);
}

bool ServerFixture::required() const
{
    return qEnvironmentVariable("CI") == u"true";
}

bool ServerFixture::dropOtherConnections() const
{
    DbConnection admin;
    return admin.openServer(m_admin, DatabaseKind::Admin, true)
        && admin.execute(
            u"SELECT pg_terminate_backend(pid) FROM pg_stat_activity WHERE datname = ?"_s, {m_settings.databaseName});
}

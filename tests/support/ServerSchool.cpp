#include "ServerSchool.h"

#include "store/DbConnection.h"
#include "store/StoreChoice.h"
#include "store/StoreCopy.h"

#include <QCoreApplication>
#include <QUuid>

#include <cstdio>

using namespace Qt::StringLiterals;

namespace {

// store-init once per process; every school after that is a copy of it, which the server makes
// far quicker than three schemas of tables, indexes and seed rows.
QString templateSchool(const ServerSettings& admin, QString* error)
{
    static QString made;
    static QString failure;
    if (!made.isEmpty() || !failure.isEmpty()) {
        *error = failure;
        return made;
    }
    ServerSettings school = admin;
    school.databaseName = u"xw_template_"_s + QString::number(QCoreApplication::applicationPid());
    DbConnection db;
    if (!db.openServer(admin, DatabaseKind::Admin, true)
        || !db.execute(u"DROP DATABASE IF EXISTS "_s + school.databaseName)
        || !db.execute(u"CREATE DATABASE "_s + school.databaseName + u" ENCODING 'UTF8' TEMPLATE template0"_s)) {
        failure = u"test server refused: "_s + db.lastError();
        *error = failure;
        return {};
    }
    for (DatabaseKind kind : {DatabaseKind::Student, DatabaseKind::Teacher, DatabaseKind::Admin}) {
        if (!StoreCopy::initServer(school, kind, &failure)) {
            failure.prepend(u"store-init failed: "_s);
            *error = failure;
            return {};
        }
    }
    made = school.databaseName;
    return made;
}

} // namespace

bool ServerSchool::wanted()
{
    return qEnvironmentVariable("XIAOWU_TEST_STORE") == u"server";
}

std::optional<ServerSettings> ServerSchool::administration()
{
    const QString host = qEnvironmentVariable("XIAOWU_PG_HOST");
    if (host.isEmpty())
        return std::nullopt;
    ServerSettings s;
    s.host = host;
    s.port = qEnvironmentVariableIntValue("XIAOWU_PG_PORT");
    s.user = qEnvironmentVariable("XIAOWU_PG_USER");
    s.sslMode = u"disable"_s;
    s.databaseName = u"postgres"_s;
    return s;
}

QString ServerSchool::unavailable()
{
    const auto admin = administration();
    if (!admin)
        return u"no test server (run through scripts/with-postgres)"_s;
    QString error;
    templateSchool(*admin, &error);
    return error;
}

std::optional<int> ServerSchool::cannotRun()
{
    if (!wanted())
        return std::nullopt;
    const QString why = unavailable();
    if (why.isEmpty())
        return std::nullopt;
    fprintf(stderr, "server run: %s\n", qPrintable(why));
    return qEnvironmentVariable("CI") == u"true" ? 1 : 77;
}

ServerSchool::ServerSchool()
{
    const auto admin = administration();
    if (!admin) {
        m_error = unavailable();
        return;
    }
    const QString from = templateSchool(*admin, &m_error);
    if (from.isEmpty())
        return;
    m_settings = *admin;
    m_settings.databaseName = u"xw_"_s + QUuid::createUuid().toString(QUuid::Id128).left(16);
    DbConnection db;
    if (!db.openServer(*admin, DatabaseKind::Admin, true)
        || !db.execute(u"CREATE DATABASE "_s + m_settings.databaseName + u" TEMPLATE "_s + from)) {
        m_error = u"test server refused: "_s + db.lastError();
        return;
    }
    if (const ServerSettings* before = StoreChoice::server())
        m_restore = *before;
    StoreChoice::useServer(m_settings);
}

ServerSchool::~ServerSchool()
{
    if (!isValid())
        return;
    StoreChoice::useServer(m_restore);
    DbConnection db;
    if (const auto admin = administration(); admin && db.openServer(*admin, DatabaseKind::Admin, true))
        db.execute(u"DROP DATABASE IF EXISTS "_s + m_settings.databaseName + u" WITH (FORCE)"_s);
}

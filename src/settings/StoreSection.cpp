#include "settings/StoreSection.h"

#include "settings/AppSettings.h"

using namespace Qt::StringLiterals;

namespace StoreSection {

Result read(const AppSettings& settings)
{
    const QString section = u"Store"_s;
    const QString kind = settings.value(section, u"Kind"_s, u"SQLite"_s);
    Result result;
    if (kind.compare(u"SQLite"_s, Qt::CaseInsensitive) == 0 || kind.isEmpty())
        return result;
    if (kind.compare(u"PostgreSQL"_s, Qt::CaseInsensitive) != 0) {
        result.error = u"[Store] Kind=%1: SQLite or PostgreSQL"_s.arg(kind);
        return result;
    }
    ServerSettings server;
    server.host = settings.value(section, u"Host"_s);
    bool ok = true;
    const QString port = settings.value(section, u"Port"_s);
    if (!port.isEmpty()) {
        server.port = port.toInt(&ok);
        if (!ok || server.port < 1 || server.port > 65535) {
            result.error = u"[Store] Port=%1 is not a port"_s.arg(port);
            return result;
        }
    }
    server.databaseName = settings.value(section, u"Database"_s, server.databaseName);
    server.user = settings.value(section, u"User"_s);
    server.sslMode = settings.value(section, u"SslMode"_s, server.sslMode);
    result.server = server;
    return result;
}

} // namespace StoreSection

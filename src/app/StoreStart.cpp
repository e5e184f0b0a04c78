#include "app/StoreStart.h"

#include "platform/AppPaths.h"
#include "settings/AppSettings.h"
#include "settings/StoreSection.h"
#include "store/DbConnection.h"
#include "store/StoreChoice.h"

#include <QTextStream>

using namespace Qt::StringLiterals;

namespace StoreStart {

bool read(const AppPaths& paths, std::optional<ServerSettings>* server, QTextStream& err)
{
    const StoreSection::Result section = StoreSection::read(AppSettings(paths.settingsFile()));
    if (!section.error.isEmpty()) {
        err << "xiaowu: " << section.error << Qt::endl;
        return false;
    }
    *server = section.server;
    return true;
}

bool choose(const AppPaths& paths, const AskPassword& askPassword, QTextStream& err)
{
    std::optional<ServerSettings> server;
    if (!read(paths, &server, err))
        return false;
    if (server) {
        DbConnection probe;
        if (!probe.openServer(*server, DatabaseKind::Admin, true) && probe.lastError().contains(u"password"_s)) {
            if (const auto password = askPassword(passwordQuestion(*server)))
                server->password = *password;
        }
    }
    StoreChoice::useServer(server);
    return true;
}

QString passwordQuestion(const ServerSettings& server)
{
    return u"请输入数据库服务器 %1 上用户 %2 的密码："_s.arg(server.host, server.user);
}

} // namespace StoreStart

#pragma once

#include "store/ServerSettings.h"

#include <QString>

#include <functional>
#include <optional>

class AppPaths;
class QTextStream;

// This run's store, from the [Store] section of config.ini, chosen once at start before any
// database is opened (StoreChoice).
namespace StoreStart {

// Shows the password question; nothing when the user gives none.
using AskPassword = std::function<std::optional<QString>(const QString& question)>;

// The section alone; false, with the reason on err, for one the program cannot use.
bool read(const AppPaths& paths, std::optional<ServerSettings>* server, QTextStream& err);
// Reads the section and chooses its store. When the server wants a password that ~/.pgpass does
// not give, askPassword is asked once; the answer stays in this run's memory, never in config.ini.
// A server that cannot be reached shows later as the databases' own load failure.
bool choose(const AppPaths& paths, const AskPassword& askPassword, QTextStream& err);
QString passwordQuestion(const ServerSettings& server);

} // namespace StoreStart

#pragma once

#include "store/ServerSettings.h"

#include <optional>

// Which store this run keeps the school in: the database files (nothing set, the default) or the
// shared server. Chosen once at start, before any database is opened.
namespace StoreChoice {

void useServer(const std::optional<ServerSettings>& server);
// The server of this run, or null for the files.
const ServerSettings* server();

} // namespace StoreChoice

#pragma once

#include "store/ServerSettings.h"

#include <functional>
#include <optional>

// Which store this run keeps the school in: the database files (nothing set, the default) or the
// shared server. Chosen once at start, before any database is opened.
namespace StoreChoice {

void useServer(const std::optional<ServerSettings>& server);
// The server of this run, or null for the files.
const ServerSettings* server();

// Hears when a connection of this run loses the server (true) and when one reaches it again
// (false), from whichever thread the connection runs on; one listener, none to drop it.
void setServerListener(std::function<void(bool lost)> listener);
// Called by the server connections as they lose and regain it.
void reportServer(bool lost);

} // namespace StoreChoice

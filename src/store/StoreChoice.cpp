#include "store/StoreChoice.h"

namespace StoreChoice {

namespace {

std::optional<ServerSettings>& chosen()
{
    static std::optional<ServerSettings> server;
    return server;
}

} // namespace

void useServer(const std::optional<ServerSettings>& server)
{
    chosen() = server;
}

const ServerSettings* server()
{
    return chosen() ? &*chosen() : nullptr;
}

} // namespace StoreChoice

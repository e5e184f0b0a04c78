#include "store/StoreChoice.h"

namespace StoreChoice {

namespace {

std::optional<ServerSettings>& chosen()
{
    static std::optional<ServerSettings> server;
    return server;
}

std::function<void(bool)>& listener()
{
    static std::function<void(bool)> heard;
    return heard;
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

void setServerListener(std::function<void(bool lost)> heard)
{
    listener() = std::move(heard);
}

void reportServer(bool lost)
{
    if (listener())
        listener()(lost);
}

} // namespace StoreChoice

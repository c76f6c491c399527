#include "SimHooks.h"

namespace
{

SimServerHooks*& serverHooks()
{
    static SimServerHooks* hooks = nullptr;
    return hooks;
}

} // namespace

void SimServerHooks::install(SimServerHooks* hooks)
{
    serverHooks() = hooks;
}

SimServerHooks* SimServerHooks::installed()
{
    return serverHooks();
}

bool SimServerHooks::refused(SimServerStep step)
{
    const SimServerHooks* hooks = serverHooks();
    return hooks && hooks->refuses(step);
}

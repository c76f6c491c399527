#include "SimTestHooks.h"

#include "BuiltInServer.h"
#include "SimHookState.h"

namespace SimTestHooks
{

SimulatedPositioner* device(const QString& path)
{
    BuiltInServer* server = BuiltInServer::latest();
    return server ? server->device(path) : nullptr;
}

void refuseCreation(bool refuse)
{
    SimHookState::instance().refuseCreation = refuse;
}

void refuseGroup(bool refuse)
{
    SimHookState::instance().refuseGroup = refuse;
}

void refuseSyncIO(bool refuse)
{
    SimHookState::instance().refuseSyncIO = refuse;
}

void failAddItemsCall(bool fail)
{
    SimHookState::instance().failAddItemsCall = fail;
}

void rejectItems(bool reject)
{
    SimHookState::instance().rejectItems = reject;
}

void reset()
{
    SimHookState::instance() = SimHookState();
}

} // namespace SimTestHooks

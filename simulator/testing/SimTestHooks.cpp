#include "SimTestHooks.h"

#include "BuiltInServer.h"
#include "SimDeviceHooks.h"

#include <set>

namespace
{

// The server hooks of a test program: set when the program starts, so that
// every server it creates is known, whenever its fixture first reaches them.
class ServerHooks : public SimServerHooks
{
public:
    ServerHooks() { SimServerHooks::install(this); }
    ~ServerHooks() override { SimServerHooks::install(nullptr); }

    bool refuses(SimServerStep step) const override { return refused.count(step) != 0; }
    void created(const std::shared_ptr<BuiltInServer>& server) override { latest = server; }

    void set(SimServerStep step, bool refuse)
    {
        if (refuse)
            refused.insert(step);
        else
            refused.erase(step);
    }

    std::set<SimServerStep> refused;
    std::weak_ptr<BuiltInServer> latest;
};

ServerHooks& serverHooks()
{
    static ServerHooks hooks;
    return hooks;
}

// Set before main, as the hooks were when they lived in the server.
const bool installedAtStart = (serverHooks(), true);

SimDeviceHooks& deviceHooks(SimulatedPositioner& device)
{
    if (auto* hooks = dynamic_cast<SimDeviceHooks*>(&device.exchangeHooks()))
        return *hooks;
    auto hooks = std::make_unique<SimDeviceHooks>();
    SimDeviceHooks& kept = *hooks;
    device.setExchangeHooks(std::move(hooks));
    return kept;
}

} // namespace

namespace SimTestHooks
{

SimulatedPositioner* device(const QString& path)
{
    std::shared_ptr<BuiltInServer> server = serverHooks().latest.lock();
    return server ? server->device(path) : nullptr;
}

SimFaults& faults(SimulatedPositioner& device)
{
    return deviceHooks(device).faults();
}

void scriptReply(SimulatedPositioner& device, uint8_t command, const QByteArray& reply, int times)
{
    deviceHooks(device).scriptReply(command, reply, times);
}

void clearScriptedReplies(SimulatedPositioner& device)
{
    deviceHooks(device).clearScriptedReplies();
}

void refuseCreation(bool refuse)
{
    serverHooks().set(SimServerStep::Creation, refuse);
}

void refuseGroup(bool refuse)
{
    serverHooks().set(SimServerStep::Group, refuse);
}

void refuseSyncIO(bool refuse)
{
    serverHooks().set(SimServerStep::SyncIO, refuse);
}

void failAddItemsCall(bool fail)
{
    serverHooks().set(SimServerStep::AddItemsCall, fail);
}

void rejectItems(bool reject)
{
    serverHooks().set(SimServerStep::Items, reject);
}

void reset()
{
    serverHooks().refused.clear();
}

} // namespace SimTestHooks

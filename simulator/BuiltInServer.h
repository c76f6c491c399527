#pragma once

#include "SimulatedPositioner.h"
#include "opc/OpcServer.h"

#include <QString>

#include <map>
#include <memory>

// Registers the built-in server under its ProgID with the OPC server
// registry; the program calls it once at start-up (calling it again is
// harmless).
void registerBuiltInOpcServer();

// The built-in OPC server: one HART frame item per device path
// "<path>/Param/HART_Frame". Paths "Sim/K90..." and "Sim/K40..." name a
// simulated positioner of that model, one per path, kept for the server's
// life. The server does what a HART master does: it frames the written
// request, hands it to the device, checks the response frame and gives the
// item's value as [command][byte count][response code][device status][data].
class BuiltInServer : public OpcServer, public std::enable_shared_from_this<BuiltInServer>
{
public:
    static constexpr const char* ProgId = "HartHub.OPCServer.1";
    static constexpr const char* FrameItemSuffix = "/Param/HART_Frame";

    BuiltInServer();
    ~BuiltInServer() override;

    Opc::Result addGroup(const OpcGroupDef& definition, std::shared_ptr<OpcGroup>& group) override;

    // The device at `path`, created on first use; nullptr for a path that
    // names no simulated device.
    SimulatedPositioner* device(const QString& path);
    // The model a path names, if any.
    static bool modelForPath(const QString& path, SimModel& model);

private:
    std::map<QString, std::unique_ptr<SimulatedPositioner>> m_devices;
    uint32_t m_nextGroupHandle = 1;
};

#pragma once

#include <QByteArray>
#include <QString>

#include <cstdint>
#include <memory>
#include <optional>
#include <span>

struct DeviceData;
class AppLog;

// The link to the device: the OPC server, its group and the device's HART
// frame item, set up once at start-up, and the one exchange every command
// goes through. Writing [command][byte count][data...] to the item sends the
// command; reading the item from the device gives the reply
// [command][byte count][response code][device status][data...].
class OpcConnection
{
public:
    static constexpr const char* ServerProgId = "HartHub.OPCServer.1";
    static constexpr const char* GroupPrefix = "Hollenby";
    static constexpr const char* FrameItemSuffix = "/Param/HART_Frame";

    OpcConnection(DeviceData& data, const AppLog& log);
    ~OpcConnection();
    OpcConnection(const OpcConnection&) = delete;
    OpcConnection& operator=(const OpcConnection&) = delete;

    // 1 created, 0 the server refused creation, -2 the ProgID has no class id,
    // -3 no class object (also: a machine that cannot be reached).
    int ConnectOpcServer(const QString& progId, const QString& machine);
    // 1 on success, 0 on failure (also when there is no server).
    int CreateOpcGroup(const QString& prefix);
    // 1 added, -1 the server rejected the item, -2 the call failed (or no group).
    int AddHartFrameItem(const QString& itemId);

    // Sends the request (the count byte gives how many bytes follow it; the
    // count byte itself is not sent) and reads the reply back. No reply when
    // the link was never set up, or on any write or read failure. Afterwards
    // Connected = (FailureCount <= 0): this exchange's own outcome is counted
    // later by the dispatchers, so the flag lags one transaction.
    std::optional<QByteArray> TransactFrame(std::span<const uint8_t> request);

    // True once server, group and item exist.
    bool IsOpen() const;

private:
    struct Objects;
    DeviceData& m_data;
    const AppLog& m_log;
    std::unique_ptr<Objects> m_objects;
};

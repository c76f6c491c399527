#pragma once

#include "CommandDispatch.h"
#include "MiscAccessors.h"
#include "OpcConnection.h"
#include "ReplyParser.h"

struct DeviceData;
class AppLog;

// The device link as one piece the application object owns: the OPC
// connection with its HART transaction, the reply parser, the dispatchers and
// the Misc selector accessors, all working on the one DeviceData.
class DeviceLink
{
public:
    DeviceLink(DeviceData& data, const AppLog& log);

    OpcConnection& connection() { return m_connection; }
    ReplyParser& parser() { return m_parser; }
    CommandDispatch& dispatch() { return m_dispatch; }
    MiscAccessors& misc() { return m_misc; }

    // Start-up's three connection steps for the device path: the server
    // "HartHub.OPCServer.1" on `machine`, a group, and the item
    // "<devicePath>/Param/HART_Frame". Returns the result of the first step
    // that failed (ConnectOpcServer, CreateOpcGroup or AddHartFrameItem), or
    // 1; `failedStep` tells which (0 none, 1 server, 2 group, 3 item).
    int Open(const QString& devicePath, const QString& machine, int* failedStep = nullptr);

    // HART command 0, outside the dispatchers: lays [1][0], runs one
    // transaction and stores the reply; the device type is reply byte 6 when
    // the reply holds it. Neither counted nor decoded nor logged.
    bool ReadDeviceType();

private:
    DeviceData& m_data;
    OpcConnection m_connection;
    ReplyParser m_parser;
    CommandDispatch m_dispatch;
    MiscAccessors m_misc;
};

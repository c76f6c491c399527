#include "DeviceLink.h"

#include "AppLog.h"
#include "DeviceData.h"
#include "ReplyBytes.h"

#include "opc/OpcServerRegistry.h"

DeviceLink::DeviceLink(DeviceData& data, const AppLog& log)
    : m_data(data)
    , m_connection(data, log)
    , m_parser(data, log)
    , m_dispatch(data, m_connection, m_parser, log)
    , m_misc(data, m_dispatch)
{
}

int DeviceLink::Open(const QString& devicePath, const QString& machine, int* failedStep)
{
    auto fail = [&](int step, int result) {
        if (failedStep)
            *failedStep = step;
        return result;
    };
    // The registry names a server machine it cannot reach; that line belongs
    // in the program's log. The log keeps no state, so the hook owns a copy.
    OpcServerRegistry::instance().setLogHook([](const QString& line) { AppLog().WriteLog(line); });
    const int server = m_connection.ConnectOpcServer(QString::fromLatin1(OpcConnection::ServerProgId), machine);
    if (server != 1)
        return fail(1, server);
    const int group = m_connection.CreateOpcGroup(QString::fromLatin1(OpcConnection::GroupPrefix));
    if (group != 1)
        return fail(2, group);
    const int item = m_connection.AddHartFrameItem(devicePath + QString::fromLatin1(OpcConnection::FrameItemSuffix));
    if (item != 1)
        return fail(3, item);
    return fail(0, 1);
}

bool DeviceLink::ReadDeviceType()
{
    m_data.Request[0] = 1;
    m_data.Request[1] = 0;
    m_data.Reply = m_connection.TransactFrame(m_data.Request);
    if (!m_data.Reply || !ReplyHolds(*m_data.Reply, 6, 1))
        return false;
    m_data.DeviceType = GetReplyByte(*m_data.Reply, 6);
    return true;
}

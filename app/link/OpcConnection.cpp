#include "OpcConnection.h"

#include "AppLog.h"
#include "DeviceData.h"

#include "opc/OpcServerRegistry.h"
#include "ui/TransactionScope.h"
#include "ui/WaitCursor.h"

#include <QDateTime>
#include <QRandomGenerator>

namespace
{
constexpr uint32_t GroupClientHandle = 2345;
constexpr uint32_t ItemClientHandle = 3434;
constexpr uint32_t GroupUpdateRateMs = 2000;
} // namespace

struct OpcConnection::Objects {
    std::shared_ptr<OpcServer> server;
    std::shared_ptr<OpcGroup> group;
    std::shared_ptr<OpcItemMgt> itemMgt;
    std::shared_ptr<OpcSyncIO> syncIO;
    std::optional<uint32_t> itemHandle;
};

OpcConnection::OpcConnection(DeviceData& data, const AppLog& log)
    : m_data(data)
    , m_log(log)
    , m_objects(std::make_unique<Objects>())
{
}

OpcConnection::~OpcConnection() = default;

bool OpcConnection::IsOpen() const
{
    return m_objects->server && m_objects->syncIO && m_objects->itemHandle;
}

int OpcConnection::ConnectOpcServer(const QString& progId, const QString& machine)
{
    std::shared_ptr<OpcServer> server;
    const int result = OpcServerRegistry::instance().create(progId, machine, server);
    if (result == OpcServerRegistry::Created && server)
        m_objects->server = std::move(server);
    return result;
}

int OpcConnection::CreateOpcGroup(const QString& prefix)
{
    if (!m_objects->server)
        return 0;
    // A random number keeps two clients of one server apart.
    QRandomGenerator random(static_cast<quint32>(QDateTime::currentSecsSinceEpoch()));
    OpcGroupDef definition;
    definition.name = prefix + QString::number(random.bounded(32768));
    definition.active = false;
    definition.requestedUpdateRateMs = GroupUpdateRateMs;
    definition.clientHandle = GroupClientHandle;
    std::shared_ptr<OpcGroup> group;
    if (Opc::failed(m_objects->server->addGroup(definition, group)) || !group)
        return 0;
    m_objects->group = group;
    m_objects->itemMgt = group->itemMgt();
    m_objects->syncIO = group->syncIO();
    return (m_objects->itemMgt && m_objects->syncIO) ? 1 : 0;
}

int OpcConnection::AddHartFrameItem(const QString& itemId)
{
    if (!m_objects->itemMgt)
        return -2;
    OpcItemDef item;
    item.itemId = itemId;
    item.active = false;
    item.clientHandle = ItemClientHandle;
    item.requestedType = Opc::VarType::UnsignedByteArray;
    std::vector<OpcItemResult> results;
    std::vector<Opc::Result> errors;
    const Opc::Result call = m_objects->itemMgt->addItems({ item }, results, errors);
    if (Opc::failed(call))
        return -2;
    if (errors.empty() || results.empty() || Opc::failed(errors.front()))
        return -1;
    m_objects->itemHandle = results.front().serverHandle;
    return 1;
}

std::optional<QByteArray> OpcConnection::TransactFrame(std::span<const uint8_t> request)
{
    // Without a link there is nothing to ask, and nothing that could have
    // connected.
    if (!IsOpen())
        return std::nullopt;
    std::optional<QByteArray> reply;
    if (!request.empty()) {
        WaitCursor wait;
        // Write and read are one transaction: nothing of the program runs
        // between them, whatever the server does while it waits.
        TransactionScope transaction;
        // The count byte says how many bytes follow; it is not sent itself.
        const size_t count = std::min<size_t>(request[0], request.size() - 1);
        const QByteArray frame(reinterpret_cast<const char*>(request.data() + 1), static_cast<qsizetype>(count));
        const std::vector<uint32_t> handles { *m_objects->itemHandle };
        std::vector<Opc::Result> errors;
        const Opc::Result written = m_objects->syncIO->write(handles, { frame }, errors);
        if (Opc::succeeded(written)) {
            if (errors.empty() || Opc::failed(errors.front())) {
                m_log.WriteLog(QStringLiteral("write failed."));
            } else {
                std::vector<OpcItemState> states;
                errors.clear();
                const Opc::Result read = m_objects->syncIO->read(Opc::DataSource::Device, handles, states, errors);
                if (Opc::failed(read))
                    m_log.WriteLog(QStringLiteral("Read failed."));
                else if (!errors.empty() && Opc::succeeded(errors.front()) && !states.empty())
                    reply = states.front().value;
            }
        }
    }
    // The outcome of this very exchange is counted afterwards by the
    // dispatchers, so the flag reflects the exchanges before it.
    m_data.Connected = (m_data.FailureCount <= 0) ? 1 : 0;
    return reply;
}

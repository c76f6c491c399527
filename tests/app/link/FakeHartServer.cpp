#include "FakeHartServer.h"

#include "opc/OpcServerRegistry.h"

#include <stdexcept>

namespace
{

class FakeGroup : public OpcGroup, public OpcItemMgt, public OpcSyncIO, public std::enable_shared_from_this<FakeGroup>
{
public:
    explicit FakeGroup(std::shared_ptr<FakeHartServer> server)
        : m_server(std::move(server))
    {
    }

    uint32_t serverHandle() const override { return 7; }
    uint32_t revisedUpdateRateMs() const override { return 2000; }
    std::shared_ptr<OpcItemMgt> itemMgt() override { return shared_from_this(); }
    std::shared_ptr<OpcSyncIO> syncIO() override { return shared_from_this(); }

    Opc::Result addItems(const std::vector<OpcItemDef>& items, std::vector<OpcItemResult>& results,
        std::vector<Opc::Result>& errors) override
    {
        results.assign(items.size(), OpcItemResult { 42, Opc::VarType::UnsignedByteArray, 3 });
        errors.assign(items.size(), m_server->rejectItem ? Opc::UnknownItemId : Opc::Ok);
        if (!items.empty())
            m_server->lastItemId = items.front().itemId;
        return m_server->rejectItem ? Opc::SomeItemsFailed : Opc::Ok;
    }

    Opc::Result read(Opc::DataSource, const std::vector<uint32_t>& handles, std::vector<OpcItemState>& states,
        std::vector<Opc::Result>& errors) override
    {
        if (m_server->failReadCall)
            return Opc::Failure;
        const std::optional<QByteArray> reply = m_server->nextReply(m_lastWritten);
        states.assign(handles.size(), OpcItemState {});
        errors.assign(handles.size(), reply ? Opc::Ok : Opc::DeviceNoReply);
        if (reply && !states.empty()) {
            states.front().value = *reply;
            states.front().quality = Opc::QualityGood;
        }
        return reply ? Opc::Ok : Opc::SomeItemsFailed;
    }

    Opc::Result write(const std::vector<uint32_t>& handles, const std::vector<QByteArray>& values,
        std::vector<Opc::Result>& errors) override
    {
        if (m_server->throwOnWrite)
            throw std::runtime_error("server gone");
        if (m_server->failWriteCall)
            return Opc::Failure;
        errors.assign(handles.size(), m_server->failWriteItem ? Opc::InvalidHandle : Opc::Ok);
        if (m_server->failWriteItem)
            return Opc::SomeItemsFailed;
        m_lastWritten = values.empty() ? QByteArray() : values.front();
        m_server->written.push_back(m_lastWritten);
        return Opc::Ok;
    }

private:
    std::shared_ptr<FakeHartServer> m_server;
    QByteArray m_lastWritten;
};

std::shared_ptr<FakeHartServer>& current()
{
    static std::shared_ptr<FakeHartServer> server;
    return server;
}

} // namespace

std::shared_ptr<FakeHartServer> FakeHartServer::install()
{
    current() = std::make_shared<FakeHartServer>();
    OpcServerRegistry::instance().add(QString::fromLatin1(ProgId), [] { return current(); });
    return current();
}

void FakeHartServer::uninstall()
{
    OpcServerRegistry::instance().remove(QString::fromLatin1(ProgId));
    current().reset();
}

Opc::Result FakeHartServer::addGroup(const OpcGroupDef& definition, std::shared_ptr<OpcGroup>& group)
{
    lastGroup = definition;
    group = std::make_shared<FakeGroup>(shared_from_this());
    return Opc::Ok;
}

std::optional<QByteArray> FakeHartServer::nextReply(const QByteArray& request)
{
    if (!replies.empty()) {
        std::optional<QByteArray> reply = std::move(replies.front());
        replies.pop_front();
        return reply;
    }
    if (responder)
        return responder(request);
    QByteArray reply;
    reply.append(request.isEmpty() ? char(0) : request[0]).append(char(2)).append(char(0)).append(char(0));
    return reply;
}

#pragma once

#include "HartMasterLink.h"
#include "opc/OpcServer.h"

#include <map>
#include <memory>
#include <optional>

class BuiltInServer;
class SimulatedPositioner;

// A group of the built-in server: its items are HART frame items, each bound
// to one simulated device. Writing an item runs one HART exchange with the
// device; reading it from the device gives that exchange's reply.
class BuiltInGroup : public OpcGroup,
                     public OpcItemMgt,
                     public OpcSyncIO,
                     public std::enable_shared_from_this<BuiltInGroup>
{
public:
    BuiltInGroup(std::shared_ptr<BuiltInServer> server, const OpcGroupDef& definition, uint32_t serverHandle);

    uint32_t serverHandle() const override { return m_serverHandle; }
    uint32_t revisedUpdateRateMs() const override { return m_definition.requestedUpdateRateMs; }
    std::shared_ptr<OpcItemMgt> itemMgt() override;
    std::shared_ptr<OpcSyncIO> syncIO() override;

    Opc::Result addItems(const std::vector<OpcItemDef>& items, std::vector<OpcItemResult>& results,
        std::vector<Opc::Result>& errors) override;

    Opc::Result read(Opc::DataSource source, const std::vector<uint32_t>& serverHandles,
        std::vector<OpcItemState>& states, std::vector<Opc::Result>& errors) override;
    Opc::Result write(const std::vector<uint32_t>& serverHandles, const std::vector<QByteArray>& values,
        std::vector<Opc::Result>& errors) override;

private:
    struct Item {
        uint32_t clientHandle = 0;
        SimulatedPositioner* device = nullptr;
        std::unique_ptr<HartMasterLink> link;
        int lastCommand = -1;
        std::optional<QByteArray> lastReply;
        qint64 lastReplyMs = 0;
    };

    Opc::Result addItem(const OpcItemDef& definition, OpcItemResult& result);
    Opc::Result writeItem(uint32_t handle, const QByteArray& value);
    Opc::Result readItem(Opc::DataSource source, uint32_t handle, OpcItemState& state);
    Item* item(uint32_t handle);

    std::shared_ptr<BuiltInServer> m_server;
    OpcGroupDef m_definition;
    uint32_t m_serverHandle;
    std::map<uint32_t, Item> m_items;
    uint32_t m_nextItemHandle = 1;
};

#include "BuiltInGroup.h"

#include "BuiltInServer.h"
#include "SimHooks.h"
#include "SimulatedPositioner.h"
#include "ui/TimerService.h"

namespace
{

// Every call result: Ok when all items went well, SomeItemsFailed otherwise.
Opc::Result callResult(const std::vector<Opc::Result>& errors)
{
    for (Opc::Result error : errors) {
        if (Opc::failed(error))
            return Opc::SomeItemsFailed;
    }
    return Opc::Ok;
}

} // namespace

BuiltInGroup::BuiltInGroup(std::shared_ptr<BuiltInServer> server, const OpcGroupDef& definition, uint32_t serverHandle)
    : m_server(std::move(server))
    , m_definition(definition)
    , m_serverHandle(serverHandle)
{
}

std::shared_ptr<OpcItemMgt> BuiltInGroup::itemMgt()
{
    return shared_from_this();
}

std::shared_ptr<OpcSyncIO> BuiltInGroup::syncIO()
{
    if (SimServerHooks::refused(SimServerStep::SyncIO))
        return nullptr;
    return shared_from_this();
}

Opc::Result BuiltInGroup::addItems(
    const std::vector<OpcItemDef>& items, std::vector<OpcItemResult>& results, std::vector<Opc::Result>& errors)
{
    results.assign(items.size(), OpcItemResult());
    errors.assign(items.size(), Opc::Ok);
    if (SimServerHooks::refused(SimServerStep::AddItemsCall))
        return Opc::Failure;
    if (items.empty())
        return Opc::InvalidArgument;
    for (size_t i = 0; i < items.size(); ++i)
        errors[i] = addItem(items[i], results[i]);
    return callResult(errors);
}

Opc::Result BuiltInGroup::addItem(const OpcItemDef& definition, OpcItemResult& result)
{
    if (SimServerHooks::refused(SimServerStep::Items))
        return Opc::UnknownItemId;
    const QString suffix = QString::fromLatin1(BuiltInServer::FrameItemSuffix);
    if (!definition.itemId.endsWith(suffix))
        return Opc::UnknownItemId;
    if (definition.requestedType != Opc::VarType::Empty && definition.requestedType != Opc::VarType::UnsignedByteArray)
        return Opc::BadType;
    SimulatedPositioner* device = m_server->device(definition.itemId.chopped(suffix.size()));
    if (!device)
        return Opc::UnknownItemId;
    const uint32_t handle = m_nextItemHandle++;
    Item& item = m_items[handle];
    item.clientHandle = definition.clientHandle;
    item.device = device;
    item.link = std::make_unique<HartMasterLink>(*device);
    result.serverHandle = handle;
    result.canonicalType = Opc::VarType::UnsignedByteArray;
    result.accessRights = ReadAccess | WriteAccess;
    return Opc::Ok;
}

Opc::Result BuiltInGroup::write(
    const std::vector<uint32_t>& serverHandles, const std::vector<QByteArray>& values, std::vector<Opc::Result>& errors)
{
    errors.assign(serverHandles.size(), Opc::Ok);
    if (serverHandles.empty() || values.size() != serverHandles.size())
        return Opc::InvalidArgument;
    for (size_t i = 0; i < serverHandles.size(); ++i) {
        Item* target = item(serverHandles[i]);
        if (target && !values[i].isEmpty()) {
            SimExchangeHooks& hooks = target->device->exchangeHooks();
            hooks.beginExchange();
            if (hooks.take(SimFault::WriteCallFailure, uint8_t(values[i].at(0))))
                return Opc::Failure;
        }
        errors[i] = writeItem(serverHandles[i], values[i]);
    }
    return callResult(errors);
}

Opc::Result BuiltInGroup::writeItem(uint32_t handle, const QByteArray& value)
{
    Item* target = item(handle);
    if (!target)
        return Opc::InvalidHandle;
    target->lastReply.reset();
    if (value.isEmpty())
        return Opc::BadType;
    target->lastCommand = uint8_t(value.at(0));
    if (target->device->exchangeHooks().take(SimFault::WriteItemError, target->lastCommand))
        return Opc::Failure;
    target->lastReply = target->link->exchange(value);
    target->lastReplyMs = TimerService::instance().elapsedMs();
    return Opc::Ok;
}

Opc::Result BuiltInGroup::read(Opc::DataSource source, const std::vector<uint32_t>& serverHandles,
    std::vector<OpcItemState>& states, std::vector<Opc::Result>& errors)
{
    states.assign(serverHandles.size(), OpcItemState());
    errors.assign(serverHandles.size(), Opc::Ok);
    if (serverHandles.empty())
        return Opc::InvalidArgument;
    for (uint32_t handle : serverHandles) {
        Item* target = item(handle);
        if (target && target->device->exchangeHooks().take(SimFault::ReadCallFailure, target->lastCommand))
            return Opc::Failure;
    }
    for (size_t i = 0; i < serverHandles.size(); ++i)
        errors[i] = readItem(source, serverHandles[i], states[i]);
    return callResult(errors);
}

Opc::Result BuiltInGroup::readItem(Opc::DataSource source, uint32_t handle, OpcItemState& state)
{
    Item* target = item(handle);
    if (!target)
        return Opc::InvalidHandle;
    state.clientHandle = target->clientHandle;
    if (target->device->exchangeHooks().take(SimFault::ReadItemError, target->lastCommand) || !target->lastReply)
        return Opc::DeviceNoReply;
    state.value = *target->lastReply;
    state.quality = Opc::QualityGood;
    state.timestampMs = target->lastReplyMs;
    return Opc::Ok;
}

BuiltInGroup::Item* BuiltInGroup::item(uint32_t handle)
{
    auto found = m_items.find(handle);
    return found == m_items.end() ? nullptr : &found->second;
}

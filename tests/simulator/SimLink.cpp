#include "SimLink.h"

int SimLink::connect(const QString& progId, const QString& machine)
{
    registerBuiltInOpcServer();
    return OpcServerRegistry::instance().create(progId, machine, m_server);
}

int SimLink::createGroup()
{
    if (!m_server)
        return 0;
    OpcGroupDef definition;
    definition.name = QStringLiteral("Hollenby1234");
    definition.active = false;
    definition.requestedUpdateRateMs = 2000;
    definition.clientHandle = 2345;
    if (Opc::failed(m_server->addGroup(definition, m_group)) || !m_group)
        return 0;
    m_itemMgt = m_group->itemMgt();
    m_syncIO = m_group->syncIO();
    return m_itemMgt && m_syncIO ? 1 : 0;
}

int SimLink::addItem(const QString& devicePath)
{
    if (!m_itemMgt)
        return -2;
    OpcItemDef item;
    item.itemId = devicePath + QLatin1String(BuiltInServer::FrameItemSuffix);
    item.clientHandle = 3434;
    item.requestedType = Opc::VarType::UnsignedByteArray;
    std::vector<OpcItemResult> results;
    std::vector<Opc::Result> errors;
    const Opc::Result call = m_itemMgt->addItems({ item }, results, errors);
    if (Opc::failed(call))
        return -2;
    if (errors.empty() || Opc::failed(errors[0]))
        return -1;
    m_item = results[0].serverHandle;
    return 1;
}

bool SimLink::open(const QString& devicePath)
{
    return connect() == 1 && createGroup() == 1 && addItem(devicePath) == 1;
}

SimLink::Exchange SimLink::transact(const QByteArray& request)
{
    Exchange e;
    std::vector<Opc::Result> errors;
    e.writeCall = m_syncIO->write({ m_item }, { request }, errors);
    if (Opc::failed(e.writeCall))
        return e;
    e.writeItem = errors.at(0);
    if (Opc::failed(e.writeItem))
        return e;
    std::vector<OpcItemState> states;
    e.readCall = m_syncIO->read(Opc::DataSource::Device, { m_item }, states, errors);
    if (Opc::failed(e.readCall))
        return e;
    e.readItem = errors.at(0);
    if (Opc::succeeded(e.readItem))
        e.reply = states.at(0).value;
    return e;
}

QByteArray SimLink::ask(const QByteArray& request)
{
    return transact(request).reply.value_or(QByteArray());
}

QByteArray SimLink::write(uint8_t command, const QByteArray& data)
{
    QByteArray out;
    out.append(char(command)).append(char(uint8_t(data.size()))).append(data);
    return out;
}

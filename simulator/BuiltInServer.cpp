#include "BuiltInServer.h"

#include "BuiltInGroup.h"
#include "SimHooks.h"
#include "opc/OpcServerRegistry.h"

#include <QRegularExpression>

namespace
{

std::shared_ptr<OpcServer> createBuiltInServer()
{
    if (SimServerHooks::refused(SimServerStep::Creation))
        return nullptr;
    auto server = std::make_shared<BuiltInServer>();
    if (SimServerHooks* hooks = SimServerHooks::installed())
        hooks->created(server);
    return server;
}

} // namespace

void registerBuiltInOpcServer()
{
    OpcServerRegistry::instance().add(QString::fromLatin1(BuiltInServer::ProgId), createBuiltInServer);
}

BuiltInServer::BuiltInServer() = default;
BuiltInServer::~BuiltInServer() = default;

Opc::Result BuiltInServer::addGroup(const OpcGroupDef& definition, std::shared_ptr<OpcGroup>& group)
{
    group.reset();
    if (SimServerHooks::refused(SimServerStep::Group))
        return Opc::Failure;
    group = std::make_shared<BuiltInGroup>(shared_from_this(), definition, m_nextGroupHandle++);
    return Opc::Ok;
}

SimulatedPositioner* BuiltInServer::device(const QString& path)
{
    auto found = m_devices.find(path);
    if (found != m_devices.end())
        return found->second.get();
    SimModel model;
    if (!modelForPath(path, model))
        return nullptr;
    auto created = std::make_unique<SimulatedPositioner>(model, path);
    SimulatedPositioner* device = created.get();
    m_devices.emplace(path, std::move(created));
    return device;
}

bool BuiltInServer::modelForPath(const QString& path, SimModel& model)
{
    // "Sim/K90", "Sim/K90/PV-101", "Sim/K40-2"...: the model follows "Sim/".
    static const QRegularExpression pattern(
        QStringLiteral("^Sim/(K90|K40)(?![0-9])"), QRegularExpression::CaseInsensitiveOption);
    const auto match = pattern.match(path);
    if (!match.hasMatch())
        return false;
    model = match.captured(1).compare(QLatin1String("K40"), Qt::CaseInsensitive) == 0 ? SimModel::K40 : SimModel::K90;
    return true;
}

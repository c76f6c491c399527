#include "OpcServerRegistry.h"

#include "ui/PlatformLog.h"

#include <QSysInfo>

OpcServerRegistry& OpcServerRegistry::instance()
{
    static OpcServerRegistry registry;
    return registry;
}

void OpcServerRegistry::add(const QString& progId, Factory factory)
{
    m_factories[progId] = std::move(factory);
}

void OpcServerRegistry::remove(const QString& progId)
{
    m_factories.erase(progId);
}

bool OpcServerRegistry::contains(const QString& progId) const
{
    return m_factories.count(progId) != 0;
}

QStringList OpcServerRegistry::progIds() const
{
    QStringList ids;
    for (const auto& entry : m_factories)
        ids << entry.first;
    return ids;
}

int OpcServerRegistry::create(const QString& progId, const QString& machine, std::shared_ptr<OpcServer>& server) const
{
    server.reset();
    auto found = m_factories.find(progId);
    if (found == m_factories.end() || !found->second)
        return NoClassId;
    if (!isLocalMachine(machine)) {
        log(QStringLiteral("OPC server machine not reachable: %1").arg(machine));
        return NoClassObject;
    }
    server = found->second();
    return server ? Created : CreationRefused;
}

bool OpcServerRegistry::isLocalMachine(const QString& machine)
{
    const QString name = machine.trimmed();
    if (name.isEmpty() || name.compare(QLatin1String("localhost"), Qt::CaseInsensitive) == 0
        || name == QLatin1String("127.0.0.1"))
        return true;
    const QString host = QSysInfo::machineHostName();
    return !host.isEmpty()
        && (name.compare(host, Qt::CaseInsensitive) == 0
            || name.compare(host.section(QLatin1Char('.'), 0, 0), Qt::CaseInsensitive) == 0);
}

void OpcServerRegistry::setLogHook(LogHook hook)
{
    m_logHook = std::move(hook);
}

void OpcServerRegistry::log(const QString& line) const
{
    if (m_logHook)
        m_logHook(line);
    else
        qCWarning(lcPlatform).noquote() << line;
}

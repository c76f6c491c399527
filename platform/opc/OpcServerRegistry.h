#pragma once

#include "OpcServer.h"

#include <QStringList>

#include <functional>
#include <map>
#include <memory>

// Servers by ProgID, in process. Creating a server follows the three steps of
// a client: ProgID to class, class object on the named machine, then the
// server object, each with its own result so the caller can tell them apart.
// There is no remote transport: only the local machine has class objects.
class OpcServerRegistry
{
public:
    // A new server, or an empty pointer when the server refuses creation.
    using Factory = std::function<std::shared_ptr<OpcServer>()>;
    using LogHook = std::function<void(const QString& line)>;

    // The results of connecting, as the device link reports them.
    static constexpr int Created = 1;
    static constexpr int CreationRefused = 0;
    static constexpr int NoClassId = -2;
    static constexpr int NoClassObject = -3;

    static OpcServerRegistry& instance();

    void add(const QString& progId, Factory factory);
    void remove(const QString& progId);
    bool contains(const QString& progId) const;
    QStringList progIds() const;

    // Created (and `server` set), CreationRefused, NoClassId or NoClassObject.
    // A machine other than this one gives NoClassObject and a log line that
    // names it.
    int create(const QString& progId, const QString& machine, std::shared_ptr<OpcServer>& server) const;

    // Empty, "localhost", "127.0.0.1" or this host's name.
    static bool isLocalMachine(const QString& machine);

    // Where the registry's lines go; the application core points it at its
    // log. Without a hook they go to the platform's logging category.
    void setLogHook(LogHook hook);

private:
    void log(const QString& line) const;

    std::map<QString, Factory> m_factories;
    LogHook m_logHook;
};

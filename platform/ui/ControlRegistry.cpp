#include "ControlRegistry.h"

#include <QWidget>

ControlRegistry& ControlRegistry::instance()
{
    static ControlRegistry registry;
    return registry;
}

void ControlRegistry::add(const QString& progId, Factory factory)
{
    m_removed.erase(progId);
    m_factories[progId] = std::move(factory);
}

bool ControlRegistry::remove(const QString& progId)
{
    auto it = m_factories.find(progId);
    if (it == m_factories.end())
        return false;
    m_removed[progId] = std::move(it->second);
    m_factories.erase(it);
    return true;
}

void ControlRegistry::restore(const QString& progId)
{
    auto it = m_removed.find(progId);
    if (it == m_removed.end())
        return;
    m_factories[progId] = std::move(it->second);
    m_removed.erase(it);
}

void ControlRegistry::restoreAll()
{
    for (auto& [progId, factory] : m_removed)
        m_factories[progId] = std::move(factory);
    m_removed.clear();
}

bool ControlRegistry::contains(const QString& progId) const
{
    return m_factories.count(progId) != 0;
}

QStringList ControlRegistry::progIds() const
{
    QStringList ids;
    for (const auto& [progId, factory] : m_factories)
        ids << progId;
    return ids;
}

QWidget* ControlRegistry::create(const QString& progId, QWidget* parent) const
{
    auto it = m_factories.find(progId);
    return it == m_factories.end() ? nullptr : it->second(parent);
}

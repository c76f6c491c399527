#pragma once

#include <QString>
#include <QStringList>

#include <functional>
#include <map>

class QWidget;

// Controls are created by their ProgID ("DigitalLib.LedRound", ...) or, for
// the ones a dialog template places, by their persisted class
// ("TSpinEditBox"). A test can unregister an entry to reach the "cannot be
// created" paths, and restore it afterwards.
class ControlRegistry
{
public:
    using Factory = std::function<QWidget*(QWidget* parent)>;

    static ControlRegistry& instance();

    void add(const QString& progId, Factory factory);
    // Unregisters; the factory is kept so restore() can bring it back.
    bool remove(const QString& progId);
    void restore(const QString& progId);
    void restoreAll();

    bool contains(const QString& progId) const;
    QStringList progIds() const;

    // A new control, or nullptr when the ProgID is not registered.
    QWidget* create(const QString& progId, QWidget* parent) const;

private:
    std::map<QString, Factory> m_factories;
    std::map<QString, Factory> m_removed;
};

// Registers a factory when the library that defines the control loads.
struct ControlRegistration {
    ControlRegistration(const QString& progId, ControlRegistry::Factory factory)
    {
        ControlRegistry::instance().add(progId, std::move(factory));
    }
};

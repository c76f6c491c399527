#pragma once

#include "SwTest.h"

#include "BuiltInServer.h"
#include "CMainFrame.h"
#include "CSerratK90ClipwellApp.h"
#include "SimTestHooks.h"
#include "SimulatedPositioner.h"

#include "ui/FormPage.h"

#include <QCoreApplication>
#include <QFile>
#include <QStringList>

#include <memory>
#include <stdexcept>

class CNavigationView;

// Starts the whole program in the test: the application object against the
// built-in server's simulated positioners, with scripted prompts, the test
// clock and a temporary log folder. Header-only, so that every test program
// that links the whole program (the application core's and the pages') can
// use it.
class AppFrameTest : public SwTest
{
protected:
    static constexpr const char* K90Path = "Sim/K90/PV-101";
    static constexpr const char* K40Path = "Sim/K40/PV-102";

    void SetUp() override
    {
        SwTest::SetUp();
        registerBuiltInOpcServer();
        SimTestHooks::reset();
    }

    void TearDown() override
    {
        m_app.reset();
        SimTestHooks::reset();
        SwTest::TearDown();
    }

    // Runs start-up with these parameters; the test fails when it refuses them.
    CSerratK90ClipwellApp& start(const QStringList& arguments)
    {
        m_app = std::make_unique<CSerratK90ClipwellApp>();
        EXPECT_TRUE(m_app->InitInstance(arguments));
        return *m_app;
    }
    CSerratK90ClipwellApp& startK90() { return start({ QStringLiteral("/dSim/K90/PV-101") }); }
    // Start-up against a positioner that answers at the pace of a real HART
    // link: each transaction keeps the program waiting a few hundred
    // milliseconds of simulated time.
    CSerratK90ClipwellApp& startAtHartPace(const QStringList& arguments)
    {
        qputenv("STROKEWISE_SIM_PACE", "hart");
        CSerratK90ClipwellApp& started = start(arguments);
        qunsetenv("STROKEWISE_SIM_PACE");
        return started;
    }

    CSerratK90ClipwellApp& app() { return *m_app; }
    CMainFrame& frame() { return *m_app->mainFrame(); }
    CNavigationView& tree() { return *frame().navigationView(); }

    // The page of a class, wherever the registry put it.
    template <class T> T& page()
    {
        for (FormPage* candidate : app().pageTable()) {
            if (auto* found = qobject_cast<T*>(candidate))
                return *found;
        }
        throw std::runtime_error("no page of that class");
    }
    // A page that has no class of its own yet, by its class name.
    FormPage& page(const char* className)
    {
        for (FormPage* candidate : app().pageTable()) {
            if (candidate && candidate->className() == QLatin1String(className))
                return *candidate;
        }
        throw std::runtime_error("no page of that class");
    }

    // The simulated device behind a path of the running program's server.
    SimulatedPositioner& device(const char* path = K90Path)
    {
        SimulatedPositioner* positioner = SimTestHooks::device(QString::fromLatin1(path));
        if (!positioner)
            throw std::runtime_error("no simulated device");
        return *positioner;
    }
    // The requests of one command the device received since its record was
    // cleared, as hex ("CB 03 40 00 00": command, byte count, data).
    QStringList framesOf(uint8_t command, const char* path = K90Path)
    {
        QStringList frames;
        for (const SimRequest& request : device(path).requestsFor(command))
            frames << QString::fromLatin1(request.bytes.toHex(' ')).toUpper();
        return frames;
    }

    // The lines of the program's log, without their stamps.
    QStringList logTexts() const
    {
        QFile file(AppLog::filePath());
        QStringList texts;
        if (!file.open(QIODevice::ReadOnly))
            return texts;
        for (const QByteArray& line : file.readAll().split('\n')) {
            if (!line.isEmpty())
                texts << QString::fromUtf8(line.mid(line.indexOf("    ") + 4));
        }
        return texts;
    }

    // Lets queued calls (a selection asked for during a switch) run.
    static void processEvents()
    {
        QCoreApplication::sendPostedEvents();
        QCoreApplication::processEvents();
    }

    std::unique_ptr<CSerratK90ClipwellApp> m_app;
};

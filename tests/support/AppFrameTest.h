#pragma once

#include "SwTest.h"

#include "CSerratK90ClipwellApp.h"

#include <QStringList>

#include <memory>

class CMainFrame;
class CNavigationView;
class SimulatedPositioner;

// Starts the whole program in the test: the application object against the
// built-in server's simulated positioners, with scripted prompts, the test
// clock and a temporary log folder.
class AppFrameTest : public SwTest
{
protected:
    static constexpr const char* K90Path = "Sim/K90/PV-101";
    static constexpr const char* K40Path = "Sim/K40/PV-102";

    void SetUp() override;
    void TearDown() override;

    // Runs start-up with these parameters; the test fails when it refuses them.
    CSerratK90ClipwellApp& start(const QStringList& arguments);
    CSerratK90ClipwellApp& startK90() { return start({ QStringLiteral("/dSim/K90/PV-101") }); }

    CSerratK90ClipwellApp& app() { return *m_app; }
    CMainFrame& frame();
    CNavigationView& tree();
    // The simulated device behind a path of the running program's server.
    SimulatedPositioner& device(const char* path = K90Path);

    // The lines of the program's log, without their stamps.
    QStringList logTexts() const;
    // Lets queued calls (a selection asked for during a switch) run.
    static void processEvents();

    std::unique_ptr<CSerratK90ClipwellApp> m_app;
};

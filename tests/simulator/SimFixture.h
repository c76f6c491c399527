#pragma once

#include "SimLink.h"
#include "SwTest.h"

// A simulated device reached through the built-in server, on the test clock.
class SimFixture : public SwTest
{
protected:
    void SetUp() override
    {
        SwTest::SetUp();
        SimTestHooks::reset();
    }
    void TearDown() override
    {
        SimTestHooks::reset();
        SwTest::TearDown();
    }

    // Opens the link to `path` and sends command 0 as the program does first.
    SimulatedPositioner& open(const QString& path = QStringLiteral("Sim/K90/PV-101"))
    {
        EXPECT_TRUE(link.open(path));
        link.ask(SimLink::read(0));
        SimulatedPositioner* device = SimTestHooks::device(path);
        EXPECT_NE(device, nullptr);
        return *device;
    }

    SimLink link;
};

#pragma once

#include "AppFrameTest.h"

#include "CNavigationView.h"
#include "MultiTestRun.h"
#include "SimulatedPositioner.h"

#include "diagnostics/CHDRLTest.h"

#include <QProgressBar>

// The program against a simulated positioner with the HDRL test page at
// hand, and the user's ways of driving the page.
class HDRLTestPageTest : public AppFrameTest
{
protected:
    static constexpr int HDRLCode = 43;
    static constexpr int DiagnosticCode = 4;
    static constexpr int DashboardCode = 1;

    CHDRLTest& hdrl() { return page<CHDRLTest>(); }
    DeviceData& data() { return app().deviceData(); }
    void select(int pageCode) { tree().SelectItem(tree().itemForCode(pageCode)); }

    // Start-up on a model, past the first reads, and the HDRL page shown.
    void showPage(const char* path = K90Path)
    {
        start({ QStringLiteral("/d") + QString::fromLatin1(path) });
        clock().advance(2000);
        select(HDRLCode);
        clock().advance(1000);
        device(path).clearRequests();
    }

    // The device put under digital command at `hundredths` of a percent.
    void driveDigitally(uint16_t hundredths)
    {
        data().ControlMode = 0x40;
        data().DigitalCommand = hundredths;
        app().dispatch().DispatchWrite(HartCommand::WriteStatus);
    }

    // Start pressed and the movement question answered Yes.
    void startTest()
    {
        prompts().answerMessage(Prompts::IdYes,
            QStringLiteral("The following procedure will cause closure member movement. Do you wish to continue?"));
        hdrl().OnStart();
    }

    void runToCompletion(qint64 limitMs = 1200000)
    {
        for (qint64 passed = 0; passed < limitMs && hdrl().running(); passed += 500)
            clock().advance(500);
    }

    QString text(int id) { return hdrl().windowText(id); }
    bool enabled(int id) { return hdrl().control(id)->isEnabled(); }
    QProgressBar* bar() { return hdrl().controlAs<QProgressBar>(CHDRLTest::ProgressBar); }
    IPlotChannelPtr channel(const char* name) { return hdrl().plot()->ChannelByName(QString::fromLatin1(name)); }

    std::vector<qint64> timesOf(uint8_t command, const char* path = K90Path)
    {
        std::vector<qint64> times;
        for (const SimRequest& request : device(path).requestsFor(command))
            times.push_back(request.timeMs);
        return times;
    }
    void setFriction(double lbf, const char* path = K90Path)
    {
        ValveModelParams physics = device(path).physics();
        physics.staticFrictionLbf = lbf;
        physics.dynamicFrictionLbf = lbf;
        device(path).setPhysics(physics);
    }
};

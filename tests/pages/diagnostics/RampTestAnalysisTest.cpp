// The analysis of a bi-directional ramp on the simulated valve: the thrust,
// friction and spring set the page works out must give back the valve's own
// spring rate, friction and bench set, for each model and either direction.
#include "RampTestPageTest.h"

#include <numeric>

namespace
{

using Ramp = CRampTest;

class RampTestAnalysisTest : public RampTestPageTest
{
protected:
    struct Result {
        double rate = 0.0;
        double initial = 0.0;
        double final = 0.0;
        double meanFriction = 0.0;
    };

    Result runBidirectional(const char* path, const char* start, const char* stop, double frictionScale = 1.0)
    {
        start_(path);
        if (frictionScale != 1.0) {
            ValveModelParams p = device(path).physics();
            p.staticFrictionLbf *= frictionScale;
            p.dynamicFrictionLbf *= frictionScale;
            device(path).setPhysics(p);
        }
        typeRamp(start, stop, "4", "50", true);
        startRamp();
        runRampToCompletion();
        Result r;
        r.rate = rampText(Ramp::SpringRateEdit).toDouble();
        r.initial = rampText(Ramp::SpringInitialEdit).toDouble();
        r.final = rampText(Ramp::SpringFinalEdit).toDouble();
        const IXYPlotChannelPtr friction = xy("Friction");
        double sum = 0.0;
        for (int k = 0; k < friction->Count(); ++k)
            sum += friction->GetY(k);
        r.meanFriction = friction->Count() ? sum / friction->Count() : 0.0;
        return r;
    }

    void start_(const char* path)
    {
        start({ QStringLiteral("/d") + QString::fromLatin1(path) });
        useUnits(6, path);
        clock().advance(2000);
        select(RampTestCode);
        clock().advance(1000);
    }
};

TEST_F(RampTestAnalysisTest, ABidirectionalRampRecoversTheValvesSpringFrictionAndBenchSet)
{
    const struct {
        const char* path;
        const char* start;
        const char* stop;
    } cases[] = {
        { K90Path, "5", "95" },
        { K90Path, "95", "5" },
        { K40Path, "5", "95" },
        { K40Path, "95", "5" },
    };
    for (const auto& c : cases) {
        const std::string label = std::string(c.path) + " " + c.start + " -> " + c.stop;
        const Result r = runBidirectional(c.path, c.start, c.stop);
        const ValveModelParams p = device(c.path).physics();
        ASSERT_EQ(rampText(Ramp::StatusEdit), QStringLiteral("Test completed")) << label;
        EXPECT_EQ(rampText(Ramp::SpringRateUnit), QStringLiteral("lbs/in.")) << label;
        const double springRate = (p.benchHighPsi - p.benchLowPsi) * p.areaIn2 / p.strokeIn;
        EXPECT_NEAR(r.rate, springRate, 0.08 * springRate) << label;
        EXPECT_GE(r.meanFriction, p.dynamicFrictionLbf) << label;
        EXPECT_LE(r.meanFriction, p.staticFrictionLbf) << label;
        const double span = p.benchHighPsi - p.benchLowPsi;
        const double frictionPsi = r.meanFriction / p.areaIn2;
        EXPECT_NEAR(r.initial - frictionPsi, p.benchLowPsi, 0.05 * span) << label;
        EXPECT_NEAR(r.final - frictionPsi, p.benchHighPsi, 0.05 * span) << label;
        m_app.reset();
    }
}

TEST_F(RampTestAnalysisTest, TwiceTheFrictionDoublesTheMeanFriction)
{
    const Result r = runBidirectional(K90Path, "5", "95", 2.0);
    const ValveModelParams p = device(K90Path).physics();
    EXPECT_GE(r.meanFriction, p.dynamicFrictionLbf);
    EXPECT_LE(r.meanFriction, p.staticFrictionLbf);
    EXPECT_GE(r.meanFriction, 400.0);
    EXPECT_LE(r.meanFriction, 600.0);
}

TEST_F(RampTestAnalysisTest, AnAirToCloseSwitchShowsTheSpringValuesCrosswise)
{
    const Result r = runBidirectional(K90Path, "5", "95");
    ASSERT_LT(r.initial, r.final);
    device().setMiscByte(0x38, 0x00);
    ramp().RunRampAnalysis();
    EXPECT_DOUBLE_EQ(rampText(Ramp::SpringInitialEdit).toDouble(), r.final);
    EXPECT_DOUBLE_EQ(rampText(Ramp::SpringFinalEdit).toDouble(), r.initial);
    // A misread switch byte is not taken: the last good one stands.
    SimTestHooks::faults(device()).inject(SimFault::NoResponse, 1, 200);
    device().setMiscByte(0x38, 0x01);
    ramp().RunRampAnalysis();
    EXPECT_DOUBLE_EQ(rampText(Ramp::SpringInitialEdit).toDouble(), r.final);
}

TEST_F(RampTestAnalysisTest, WithoutAnActuatorAreaTheSpringValuesShowADash)
{
    start({ QStringLiteral("/dSim/K90/PV-101") });
    clock().advance(2000);
    // Read_Actuator_cmd: four codes and an area of 0.
    QByteArray reply = QByteArray::fromHex("E6080000") + QByteArray::fromHex("010101010000");
    SimTestHooks::scriptReply(device(), 230, reply, -1);
    select(RampTestCode);
    clock().advance(1000);
    typeRamp("10", "90", "2", "3", true);
    startRamp();
    runRampToCompletion();
    ASSERT_GT(xy("ThrustOpen")->Count(), 0);
    for (int id : { Ramp::SpringRateEdit, Ramp::SpringInitialEdit, Ramp::SpringFinalEdit })
        EXPECT_EQ(rampText(id), QStringLiteral(" - ")) << id;
}

} // namespace

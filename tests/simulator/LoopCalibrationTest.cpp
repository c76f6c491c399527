// The positioner's own command loop calibration: the loop current at its
// input, the converter count, the points taken by the codes of 227, the
// calibration stored by the final code and the loop flags.
#include "SimFixture.h"

#include <cmath>

namespace
{

class LoopCalibration : public SimFixture
{
protected:
    void code(uint8_t value, const QByteArray& text = QByteArray(14, ' '))
    {
        link.ask(SimLink::write(227, QByteArray(1, char(value)) + text));
    }
    int state() { return replyU8(link.ask(SimLink::read(226)), 4); }
    // The analog command of the status reply, in hundredths of a percent.
    int analogCommand() { return replyU16(link.ask(SimLink::read(202)), 9); }
    // Byte 8 of the error history: the loop flags.
    int loopFlags() { return replyU8(link.ask(SimLink::read(228)), 4 + 8); }
    // The user sets the current source, then the step's code goes out.
    void at(SimulatedPositioner& device, double milliamps, std::initializer_list<uint8_t> codes)
    {
        device.setLoopCurrent(milliamps);
        for (uint8_t c : codes)
            code(c);
    }
    static constexpr int CountsPerMilliamp = 1600;
};

} // namespace

TEST_F(LoopCalibration, ConverterCountAndDesignCurrentFollowTheLoopCurrent)
{
    SimulatedPositioner& device = open();
    for (double milliamps : { 4.0, 12.5, 20.0 }) {
        device.setLoopCurrent(milliamps);
        EXPECT_EQ(device.miscWord(0x58), int(milliamps * CountsPerMilliamp)) << milliamps;
        EXPECT_EQ(device.miscWord(0x01), int(milliamps * 100)) << milliamps;
    }
}

TEST_F(LoopCalibration, ThePercentSetterPicksTheCurrentThatTheCalibrationInForceMapsToIt)
{
    SimulatedPositioner& device = open();
    device.setAnalogCommand(25);
    EXPECT_EQ(analogCommand(), 2500);
    EXPECT_NEAR(device.loopCurrent(), 8.0, 1e-9); // the shipped calibration: 4 mA at 0 %, 20 mA at 100 %

    // A reversed calibration (20 mA at 0 %, 4 mA at 100 %) maps the same percent to another current.
    at(device, 4, { 3, 8, 3 });
    at(device, 20, { 12 });
    at(device, 4, { 13, 14 });
    device.setAnalogCommand(25);
    EXPECT_NEAR(device.loopCurrent(), 16.0, 1e-9);
    EXPECT_EQ(analogCommand(), 2500);
}

TEST_F(LoopCalibration, AFinishedRunStoresItsPointsAndTheValveFollowsThroughThem)
{
    SimulatedPositioner& device = open();
    at(device, 4, { 3, 8 });
    EXPECT_EQ(state(), 3);
    EXPECT_EQ(device.miscWord(0x57), 4 * CountsPerMilliamp); // the 4 mA reference
    code(3);
    EXPECT_EQ(state(), 11);
    at(device, 20, { 12 });
    EXPECT_EQ(state(), 12);
    at(device, 4, { 13 });
    EXPECT_EQ(state(), 13);
    code(14, "11/30/2029 KLM");
    EXPECT_EQ(state(), 0);
    EXPECT_EQ(link.ask(SimLink::read(226)).mid(5, 14), QByteArray("11/30/2029 KLM"));
    EXPECT_EQ(device.miscWord(0x55), 20 * CountsPerMilliamp);
    EXPECT_EQ(device.miscWord(0x56), 4 * CountsPerMilliamp);
    EXPECT_EQ(loopFlags(), 0);

    device.setLoopCurrent(8);
    EXPECT_EQ(analogCommand(), 7500);
}

TEST_F(LoopCalibration, GoingBackFromTheLastStepKeepsTheZeroPointAndTakesTheSpanAnew)
{
    SimulatedPositioner& device = open();
    at(device, 4, { 3, 8, 3 });
    at(device, 20, { 12 });
    at(device, 4, { 13 });
    // Going back from the final step only waits for 100 % again.
    at(device, 12, { 12 });
    EXPECT_EQ(state(), 12);
    at(device, 8, { 13, 14 });
    EXPECT_EQ(device.miscWord(0x55), 20 * CountsPerMilliamp);
    EXPECT_EQ(device.miscWord(0x56), 8 * CountsPerMilliamp);
}

TEST_F(LoopCalibration, PointsOutOfRangeOrTooCloseRaiseTheLoopFlags)
{
    const struct {
        const char* name;
        double zeroMa;
        double spanMa;
        int flags; // byte 8: 0x04 0 % out of range, 0x02 100 % out of range, 0x01 range too small
        bool stored;
    } cases[] = {
        { "a 0 % point below 3.5 mA", 2.0, 20.0, 0x04, true },
        { "a 100 % point above 20.5 mA", 4.0, 21.0, 0x02, true },
        { "points at the edges", 3.5, 20.5, 0x00, true },
        { "points 1.5 mA apart", 10.0, 11.5, 0x01, false },
        { "points 2 mA apart", 10.0, 12.0, 0x00, true },
    };
    SimulatedPositioner& device = open();
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        const int oldZero = device.miscWord(0x55);
        const int oldSpan = device.miscWord(0x56);
        at(device, 4, { 3, 8, 3 });
        at(device, c.zeroMa, { 12 });
        at(device, c.spanMa, { 13, 14 });
        EXPECT_EQ(loopFlags(), c.flags);
        EXPECT_EQ(device.statusActive(66), (c.flags & 0x04) != 0);
        EXPECT_EQ(device.statusActive(65), (c.flags & 0x02) != 0);
        EXPECT_EQ(device.statusActive(64), (c.flags & 0x01) != 0);
        EXPECT_EQ(device.miscWord(0x55), c.stored ? int(std::lround(c.zeroMa * CountsPerMilliamp)) : oldZero);
        EXPECT_EQ(device.miscWord(0x56), c.stored ? int(std::lround(c.spanMa * CountsPerMilliamp)) : oldSpan);
        // A new start clears the flags.
        code(3);
        EXPECT_EQ(loopFlags(), 0);
        // Back to the shipped calibration for the next case.
        at(device, 4, { 8, 3 });
        at(device, 4, { 12 });
        at(device, 20, { 13, 14 });
    }
}

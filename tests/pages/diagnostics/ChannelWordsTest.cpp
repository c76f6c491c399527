// Which device word lands in which channel: every page that turns the
// simulated valve's words into plot channels, run while the words differ
// (command and position, pilot relay command and position, port 1 and
// port 2), each channel checked against the words the device gave. The
// signature pages also get one block of words below zero, which the simulated
// valve never gives, so that a word read without its sign shows.
#include "DataLoggerPageTest.h"
#include "HDRLTestPageTest.h"
#include "PstPageTest.h"
#include "RampTestPageTest.h"
#include "SignatureWords.h"
#include "TrendsPageTest.h"

#include <cstring>
#include <functional>

namespace
{

// A channel's points against what the device's words call for, point by point.
struct Expected {
    const char* channel;
    double SignatureWords::*x; // nullptr: the channel's x is time and is not checked here
    double SignatureWords::*y;
    double yScale;
};

template <class ChannelPtr>
void expectChannel(
    const ChannelPtr& channel, const Expected& e, const std::vector<SignatureWords>& samples, int firstPoint)
{
    ASSERT_TRUE(channel) << e.channel;
    ASSERT_EQ(channel->Count(), firstPoint + int(samples.size())) << e.channel;
    for (size_t k = 0; k < samples.size(); ++k) {
        const int point = firstPoint + int(k);
        ASSERT_NEAR(channel->GetY(point), samples[k].*e.y * e.yScale, 1e-9) << e.channel << " point " << point;
        if (e.x) {
            ASSERT_NEAR(channel->GetX(point), samples[k].*e.x, 1e-9) << e.channel << " point " << point;
        }
    }
}

// The valve double-acting, so that port 2 carries a pressure of its own.
void makeDoubleActing(SimulatedPositioner& device)
{
    ValveModelParams physics = device.physics();
    physics.doubleActing = true;
    device.setPhysics(physics);
}

using W = SignatureWords;

// The six channels over time of the signature pages: command, position, pilot
// relay command and position, both ports in the page's pressure unit.
std::vector<Expected> overTime(double pressure, std::initializer_list<Expected> more = {})
{
    std::vector<Expected> all = {
        { "Command", nullptr, &W::command, 1.0 },
        { "Position", nullptr, &W::position, 1.0 },
        { "ILCmd", nullptr, &W::relayCommand, 1.0 },
        { "ILPOS", nullptr, &W::relayPosition, 1.0 },
        { "Port1", nullptr, &W::port1, pressure },
        { "Port2", nullptr, &W::port2, pressure },
    };
    all.insert(all.end(), more.begin(), more.end());
    return all;
}

TEST_F(StepTestPageTest, EachChannelHoldsItsOwnWordOfTheSignatureBlocks)
{
    start({ QStringLiteral("/dSim/K90/PV-101") });
    clock().advance(2000);
    makeDoubleActing(device());
    select(StepTestCode);
    clock().advance(1000);
    typeSettings("30", "70", "6");
    startTest();
    device().clearRequests();
    scriptData(252, W::negativeBlock());
    runToCompletion();
    const std::vector<W> samples = W::fromReplies(device());
    // The device's own 104 blocks after the one given in its place.
    ASSERT_EQ(samples.size(), 210u);
    ASSERT_TRUE(W::wordsDiffer(samples, 1.0));
    const double pressure = device().miscLong(0x69) * 0.01 * 0.01;
    const std::vector<Expected> expected = overTime(pressure,
        {
            { "PvPPort1", &W::position, &W::port1, pressure },
            { "PvPPort2", &W::position, &W::port2, pressure },
        });
    // The first point is the page's own, taken at Start.
    for (const Expected& e : expected)
        expectChannel(channel(e.channel), e, samples, 1);
}

TEST_F(PstPageTest, EachChannelHoldsItsOwnWordOfTheSignatureBlocks)
{
    showPst(K90Path, true);
    type("85", "70", "0.29", "7");
    startPst();
    runUntil([this] { return !pst().testRunning(); });
    scriptData(252, W::negativeBlock());
    pst().StartSignatureRetrieval();
    runUntil([this] { return !pst().retrieving(); });
    const std::vector<W> samples = W::fromReplies(device());
    // The device's own 104 blocks after the one given in its place.
    ASSERT_EQ(samples.size(), 210u);
    ASSERT_TRUE(W::wordsDiffer(samples, 1.0));
    const double pressure = device().miscLong(0x69) * 0.01 * 0.01;
    const std::vector<Expected> expected = overTime(pressure);
    for (const Expected& e : expected)
        expectChannel(pstChannel(e.channel), e, samples, 0);
}

TEST_F(RampTestPageTest, EachChannelHoldsItsOwnWordOfTheSignatureBlocksInBothDirections)
{
    start({ QStringLiteral("/dSim/K90/PV-101") });
    clock().advance(2000);
    makeDoubleActing(device());
    select(RampTestCode);
    clock().advance(1000);
    typeRamp("25", "75", "4", "30", true);
    startRamp();
    device().clearRequests();
    scriptData(252, W::negativeBlock());
    runRampToCompletion();
    const std::vector<W> samples = W::fromReplies(device());
    ASSERT_EQ(samples.size(), 416u);
    ASSERT_TRUE(W::wordsDiffer(samples, 1.0));
    const double pressure = device().miscLong(0x69) * 0.01 * 0.01;
    for (const Expected& e : overTime(pressure))
        expectChannel(xy(e.channel), e, samples, 1);
    // Opening: the forward ramp's 208 samples after the page's own first
    // point; closing: the reverse ramp's 208.
    const std::vector<W> opening(samples.begin(), samples.begin() + 208);
    const std::vector<W> closing(samples.begin() + 208, samples.end());
    const struct {
        Expected open;
        const char* close;
    } directions[] = {
        { { "PvPPort1", &W::position, &W::port1, pressure }, "PvPPort1_2" },
        { { "PvPPort2", &W::position, &W::port2, pressure }, "PvPPort2_2" },
        { { "PosnvCmdOpen", &W::command, &W::position, 1.0 }, "PosnvCmdClose" },
        { { "Port1vCmdOpen", &W::command, &W::port1, pressure }, "Port1vCmdClose" },
        { { "Port2vCmdOpen", &W::command, &W::port2, pressure }, "Port2vCmdClose" },
        { { "ILCmdvCmdOpen", &W::command, &W::relayCommand, 1.0 }, "ILCmdvCmdClose" },
        { { "ILPosnvCmdOpen", &W::command, &W::relayPosition, 1.0 }, "ILPosnvCmdClose" },
    };
    for (const auto& d : directions) {
        expectChannel(xy(d.open.channel), d.open, opening, 1);
        Expected close = d.open;
        close.channel = d.close;
        expectChannel(xy(d.close), close, closing, 0);
    }
}

TEST_F(HDRLTestPageTest, EachReadingIsThePositionTheDeviceGaveAndTheCyclesHoldCommandMinusPosition)
{
    showPage();
    // Friction enough that the stem stops away from each point, so that a
    // swapped or flipped difference shows.
    setFriction(3 * ValveModelParams {}.staticFrictionLbf);
    startTest();
    runToCompletion();
    // Each reading is the status read just before the next write of 203.
    std::vector<double> readings;
    const SimRequest* lastStatus = nullptr;
    bool first = true;
    for (const SimRequest& request : device().requests()) {
        if (request.command == 202)
            lastStatus = &request;
        if (request.command != 203)
            continue;
        if (!first) {
            ASSERT_TRUE(lastStatus);
            // Position: the word at byte 11 of the reply, hundredths of a percent.
            const QByteArray& reply = lastStatus->reply;
            readings.push_back(float(uint16_t(uint8_t(reply[11]) << 8 | uint8_t(reply[12])) * 0.01f));
        }
        first = false;
    }
    ASSERT_EQ(readings.size(), 25u);
    const double commands[]
        = { 0, 10, 30, 50, 70, 90, 100, 90, 70, 50, 30, 10, 0, 10, 30, 50, 70, 90, 100, 90, 70, 50, 30, 10, 0 };
    const IPlotChannelPtr position = channel("Position");
    ASSERT_EQ(position->Count(), 49);
    for (int k = 0; k < 25; ++k)
        EXPECT_NEAR(position->GetY(2 * k), readings[size_t(k)], 1e-4) << k;
    const std::pair<const char*, int> cycles[]
        = { { "1stCycle-Incr", 1 }, { "1stCycle-Decr", 7 }, { "2ndCycle-Incr", 13 }, { "2ndCycle-Decr", 19 } };
    for (const auto& [name, firstStep] : cycles) {
        const IPlotChannelPtr c = channel(name);
        ASSERT_EQ(c->Count(), 5) << name;
        for (int n = 0; n < 5; ++n) {
            const size_t k = size_t(firstStep + n);
            const double error = commands[k] - readings[k];
            EXPECT_EQ(c->GetX(n), commands[k]) << name << " " << n;
            EXPECT_NEAR(c->GetY(n), error, 1e-4) << name << " " << n;
            EXPECT_GT(std::abs(error), 0.1) << name << " " << n << ": command and position must differ";
        }
    }
}

// Reply words as the device sent them: big-endian, counted from the reply's
// first byte ([command][byte count][response code][device status][data...]).
uint16_t replyWord(const QByteArray& reply, int at)
{
    return uint16_t(uint8_t(reply.at(at)) << 8 | uint8_t(reply.at(at + 1)));
}
float replyFloat(const QByteArray& reply, int at)
{
    const uint32_t bits = uint32_t(replyWord(reply, at)) << 16 | replyWord(reply, at + 2);
    float value;
    std::memcpy(&value, &bits, sizeof value);
    return value;
}

TEST_F(DataLoggerPageTest, EachSampleHoldsTheWordsOfItsOwnTickAndReadsThePilotRelayAt0x12And0x34)
{
    showPage();
    setDoubleActing(true);
    reenter();
    // Under digital command the control command and the 4-20 mA command differ.
    device().setAnalogCommand(30);
    const auto command = [this](int percent) {
        data().ControlMode = 0x40;
        data().DigitalCommand = uint16_t(percent * 100);
        app().dispatch().DispatchWrite(HartCommand::WriteStatus);
    };
    command(20);
    clock().advance(60000);
    choose("3", 1, "Minute(s)");
    click(CDataLogger::StartButton);
    device().clearRequests();
    // A new command half a period before each sample: the valve and its
    // pilot relay are on the move when the sample is read.
    for (int k = 0; k < 8; ++k) {
        clock().advance(1500);
        command(k % 2 ? 25 : 75);
        nextSample();
    }
    click(CDataLogger::StopButton);

    struct Tick {
        QByteArray status, pressures, relayCommand, relayPosition;
    };
    std::vector<Tick> ticks;
    const std::vector<SimRequest>& requests = device().requests();
    for (size_t k = 0; k < requests.size(); ++k) {
        if (requests[k].command != 200 || requests[k].bytes.toHex(' ') != QByteArray("c8 03 ee 12 fe"))
            continue;
        // A tick's four reads, in order: status, pressures, and the two Misc
        // words, the pilot relay command (0x12) before its position (0x34).
        ASSERT_GE(k, 2u);
        ASSERT_LT(k + 1, requests.size());
        EXPECT_EQ(requests[k - 2].command, 202);
        EXPECT_EQ(requests[k - 1].command, 204);
        EXPECT_EQ(requests[k + 1].bytes.toHex(' '), QByteArray("c8 03 ee 34 fe"));
        ticks.push_back({ requests[k - 2].reply, requests[k - 1].reply, requests[k].reply, requests[k + 1].reply });
    }
    ASSERT_EQ(ticks.size(), 8u);
    ASSERT_EQ(channel("Position").Count(), 8);
    const double fullScale = device().miscLong(0x69) * 0.01;
    const struct {
        const char* channel;
        std::function<double(const Tick&)> value;
    } expected[] = {
        { "Command", [](const Tick& t) { return int16_t(replyWord(t.status, 7)) * 0.01; } },
        { "AnalogCommand", [](const Tick& t) { return int16_t(replyWord(t.status, 9)) * 0.01; } },
        { "Position", [](const Tick& t) { return int16_t(replyWord(t.status, 11)) * 0.01; } },
        { "Temperature", [](const Tick& t) { return double(replyFloat(t.status, 17)); } },
        { "Port1", [&](const Tick& t) { return replyWord(t.pressures, 4) * 0.01 * fullScale * 0.01; } },
        { "Port2", [&](const Tick& t) { return replyWord(t.pressures, 6) * 0.01 * fullScale * 0.01; } },
        // A Misc word reply: [selector EE][00][address][word][FE]...
        { "Spool_CMD", [](const Tick& t) { return replyWord(t.relayCommand, 7) * 0.01; } },
        { "Spool_Pos", [](const Tick& t) { return replyWord(t.relayPosition, 7) * 0.01; } },
    };
    for (const auto& e : expected) {
        for (size_t k = 0; k < ticks.size(); ++k)
            EXPECT_NEAR(ys(e.channel)[k], e.value(ticks[k]), 1e-4) << e.channel << " sample " << k;
    }
    // The run made every pair of words that a swap would confuse differ.
    const auto differ = [&](const char* a, const char* b) {
        for (size_t k = 0; k < ticks.size(); ++k) {
            if (std::abs(ys(a)[k] - ys(b)[k]) > 1.0)
                return true;
        }
        return false;
    };
    for (const auto& [a, b] : { std::pair { "Command", "AnalogCommand" }, { "Command", "Position" },
             { "AnalogCommand", "Position" }, { "Port1", "Port2" }, { "Spool_CMD", "Spool_Pos" },
             { "Position", "Spool_Pos" }, { "Command", "Spool_CMD" } })
        EXPECT_TRUE(differ(a, b)) << a << " and " << b;
}

TEST_F(TrendsPageTest, EachRowsSixSignalsHoldTheWordsOfThatRow)
{
    showPage();
    // The valve away from its command while the rows are read.
    device().setAnalogCommand(35);
    trends().OnRetrieve();
    for (int k = 0; k < 92; ++k) {
        if (k % 10 == 0)
            device().setAnalogCommand(k % 20 ? 35 : 65);
        clock().advance(3000);
    }
    const double supplyScale = device().miscLong(0x69) * 0.01 * 0.01;
    // The rows the device gave, by the period each belongs to: hours 0-23,
    // days 24-53, months 54-65, years 66-90.
    std::array<std::vector<std::array<int16_t, 5>>, 4> rows;
    for (const SimRequest& request : device().requestsFor(181)) {
        // [181][byte count][response code][device status][row][6 unused][5 words]
        const int row = uint8_t(request.reply.at(4));
        const int period = row < 24 ? 0 : row < 54 ? 1 : row < 66 ? 2 : row < 91 ? 3 : -1;
        if (period < 0)
            continue;
        std::array<int16_t, 5> words {};
        for (int w = 0; w < 5; ++w)
            words[size_t(w)] = int16_t(replyWord(request.reply, 11 + 2 * w));
        rows[size_t(period)].push_back(words);
    }
    const struct {
        const char* channel;
        std::function<double(const std::array<int16_t, 5>&)>
            value; // words: command, position, friction, supply, temperature
    } expected[] = {
        { "Position", [](const auto& w) { return w[1] * 0.01; } },
        { "Command", [](const auto& w) { return w[0] * 0.01; } },
        { "Deviation", [](const auto& w) { return std::abs(w[0] - w[1]) * 0.01; } },
        { "Friction", [](const auto& w) { return double(w[2]); } },
        { "Supply", [&](const auto& w) { return w[3] * 0.01 * supplyScale; } },
        { "Temperature", [](const auto& w) { return w[4] * 0.01; } },
    };
    const size_t perPeriod[] = { 24, 30, 12, 25 };
    for (int period = 0; period < 4; ++period) {
        ASSERT_EQ(rows[size_t(period)].size(), perPeriod[period]) << period;
        for (const auto& e : expected) {
            const std::vector<double> values = ys(period, e.channel);
            ASSERT_EQ(values.size(), perPeriod[period]) << e.channel << " in " << period;
            for (size_t k = 0; k < values.size(); ++k)
                EXPECT_NEAR(values[k], e.value(rows[size_t(period)][k]), 1e-4)
                    << e.channel << " in " << period << " " << k;
        }
    }
    // Every pair a swap would confuse differs in the rows read.
    const auto& hours = rows[0];
    EXPECT_TRUE(std::any_of(hours.begin(), hours.end(), [](const auto& w) { return std::abs(w[0] - w[1]) > 100; }));
    EXPECT_TRUE(std::any_of(hours.begin(), hours.end(), [](const auto& w) { return w[0] < w[1]; }));
    EXPECT_TRUE(std::any_of(hours.begin(), hours.end(), [](const auto& w) { return w[0] > w[1]; }));
}

} // namespace

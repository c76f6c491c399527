// The data logger page against the simulated positioner on the test clock:
// set-up, the run, the values drawn, the boxes, files and the report.
#include "DataLoggerPageTest.h"
#include "DrawnPlotTexts.h"
#include "PageTexts.h"

#include "ReportRecords.h"
#include "SimFaults.h"
#include "controls/PlotDataFile.h"
#include "report/ReportControl.h"
#include "ui/DialogUnits.h"

#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>
#include <QImage>
#include <QKeyEvent>
#include <QLineEdit>
#include <QProcess>

#include <algorithm>
#include <cmath>

namespace
{

using L = CDataLogger;

const int AllBoxes[] = { L::PositionBox, L::AnalogCommandBox, L::CommandBox, L::TemperatureBox, L::Port1Box,
    L::Port2Box, L::SpoolCommandBox, L::SpoolPositionBox };

std::vector<double> steps(double from, double step, int count)
{
    std::vector<double> out;
    for (int k = 0; k < count; ++k)
        out.push_back(from + step * k);
    return out;
}

TEST_F(DataLoggerPageTest, SetUpLeavesEveryBoxCheckedAndThePercentAxisAtItsRangeOnceShown)
{
    startK90();
    const QStringList lines = logTexts().filter(QStringLiteral("DataLogger "));
    EXPECT_EQ(lines.join('|'), QStringLiteral("DataLogger Entered|DataLogger created0|DataLogger exit"));
    for (int box : AllBoxes)
        EXPECT_TRUE(button(box).isChecked()) << box;
    EXPECT_FALSE(button(L::SelectAllButton).isEnabled());
    EXPECT_TRUE(button(L::UnselectAllButton).isEnabled());
    EXPECT_FALSE(button(L::StopButton).isEnabled());
    EXPECT_TRUE(button(L::StartButton).isEnabled());
    QStringList intervals;
    for (int k = 0; k < combo(L::IntervalCombo).count(); ++k)
        intervals << combo(L::IntervalCombo).itemText(k);
    EXPECT_EQ(intervals.join(' '), QStringLiteral("3 5 10 15 20 30 60"));
    QStringList units;
    for (int k = 0; k < combo(L::UnitsCombo).count(); ++k)
        units << combo(L::UnitsCombo).itemText(k);
    EXPECT_EQ(units.join(' '), QStringLiteral("Minute(s) Hour(s) Day(s)"));
    EXPECT_EQ(combo(L::IntervalCombo).currentIndex(), 0);
    EXPECT_EQ(combo(L::UnitsCombo).currentIndex(), 0);
    EXPECT_EQ(logger().durationField()->value(), 1.0);
    EXPECT_EQ(logger().loggerPeriod(), 2000);
    EXPECT_EQ(logger().plot()->GetTitle(), QStringLiteral("Data Logger"));
    EXPECT_EQ(logger().plot()->ChannelCount(), 10);
    EXPECT_FALSE(logger().plot()->ChannelByName(QStringLiteral("Channel 1")));
    EXPECT_EQ(channel("AnalogCommand").GetTitle(), QStringLiteral("4 - 20 Command"));
    EXPECT_EQ(channel("AnalogCommand").GetColor(), 0x5096FFu);
    for (const char* hidden : { "TestSettings", "TagName" }) {
        EXPECT_FALSE(channel(hidden).GetVisible()) << hidden;
        EXPECT_FALSE(channel(hidden).GetLegendVisible()) << hidden;
    }
    EXPECT_TRUE(yAxis("Percent").GetLimitsEnabled());

    clock().advance(2000);
    select(DataLoggerCode);
    // The limit pair (-10, 110) does not clip the range the page sets.
    EXPECT_EQ(yAxis("Percent").GetMin(), -15.0);
    EXPECT_EQ(yAxis("Percent").GetMax(), 115.0);
    EXPECT_EQ(logger().plot()->XAxis(0)->GetMin(), 0.0);
    EXPECT_EQ(logger().plot()->XAxis(0)->GetMax(), 60.0);
    EXPECT_EQ(logger().loggerPeriod(), 3000);
    EXPECT_EQ(logger().sampleLimit(), 20);
    EXPECT_EQ(logger().unitText(), QStringLiteral("Minute(s)"));
}

TEST_F(DataLoggerPageTest, EveryControlCarriesItsToolTip)
{
    startK90();
    expectToolTips(logger(),
        {
            { CDataLogger::LedId, "LED status" },
            { StripPage::ActiveId,
                "Active Indicator displays the highest priority active status indicator and its respective number." },
            { StripPage::SourceId,
                "Command Source shows if the positioner command is an analog (4-20) or digital (HART) signal." },
            { L::PositionBox, "Check box to display Position in graph." },
            { L::AnalogCommandBox, "Check box to display 4-20 Command in graph." },
            { L::CommandBox, "Check box to display Control Command in graph." },
            { L::TemperatureBox, "Check box to display Ambient Temperature in graph." },
            { L::Port1Box, "Check box to display Port 1 in graph." },
            { L::Port2Box, "Check box to display Port 2 in graph." },
            { L::SpoolCommandBox, "Check box to display Spool Command in graph." },
            { L::SpoolPositionBox, "Check box to display Spool Position in graph." },
            { L::SelectAllButton, "Click this button to check all checked boxes." },
            { L::UnselectAllButton, "Click this button to clear all checked boxes." },
            { L::IntervalCombo, "Sets how long to wait before the next data retrieval." },
            { L::DurationField, "How long to collect data." },
            { L::UnitsCombo, "Units of the duration." },
            { L::PlotId, "Plot" },
            { L::StartButton, "Clear existing data and start a new Data Logger test." },
            { L::StopButton, "Stop in progress Data Logger test." },
            { L::LoadButton, "load the already saved test results into the display." },
            { L::SaveButton, "save the test results into the local disc." },
            { L::PrintButton, "Print report to the default printer" },
        });
}

TEST_F(DataLoggerPageTest, ActivationReadsUnitsAndFullScaleAndNothingIsEverWritten)
{
    startK90();
    clock().advance(2000);
    device().clearRequests();
    select(DataLoggerCode);
    EXPECT_EQ(sent().join(','), QStringLiteral("220,200 long 0x69"));
    choose("3", 1, "Minute(s)");
    click(L::StartButton);
    clock().advance(70000);
    const int writes[] = { 18, 167, 174, 178, 180, 182, 188, 190, 196, 198, 201, 203, 213, 219, 221, 225, 227, 229, 231,
        233, 235, 237, 245, 247 };
    for (const SimRequest& request : device().requests())
        EXPECT_EQ(std::count(std::begin(writes), std::end(writes), int(request.command)), 0) << int(request.command);
    EXPECT_GE(device().requestsFor(202).size(), 21u);
    EXPECT_TRUE(prompts().records().empty());
}

TEST_F(DataLoggerPageTest, TheLimitFollowsIntervalDurationAndUnit)
{
    showPage();
    struct Case {
        const char* interval;
        double duration;
        const char* unit;
        int limit;
        double span;
    };
    const Case cases[] = {
        { "5", 1, "Minute(s)", 12, 60 },
        { "15", 2, "Minute(s)", 8, 120 },
        { "10", 1, "Hour(s)", 360, 3600 },
        { "60", 1, "Day(s)", 1440, 86400 },
        { "3", 60, "Day(s)", 1728000, 5184000 },
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.interval);
        choose(c.interval, c.duration, c.unit);
        click(L::StartButton);
        EXPECT_EQ(logger().sampleLimit(), c.limit);
        EXPECT_EQ(logger().plot()->XAxis(0)->GetMin(), 0.0);
        EXPECT_EQ(logger().plot()->XAxis(0)->GetSpan(), c.span);
        EXPECT_EQ(logger().unitText(), QString::fromLatin1(c.unit));
        click(L::StopButton);
    }
}

TEST_F(DataLoggerPageTest, ARunTakesLimitPlusOneSamplesOnePeriodApartAndStopsItself)
{
    showPage();
    choose("5", 1, "Minute(s)");
    click(L::StartButton);
    EXPECT_TRUE(logger().logging());
    clock().advance(70000);
    EXPECT_FALSE(logger().logging());
    for (const char* name : DataLoggerChannel::Samples)
        EXPECT_EQ(xs(name), steps(0, 5, 13)) << name;
    for (int id : { L::StartButton, L::SaveButton, L::LoadButton, L::PrintButton })
        EXPECT_TRUE(button(id).isEnabled()) << id;
    EXPECT_FALSE(button(L::StopButton).isEnabled());
    for (int id : { L::IntervalCombo, L::UnitsCombo, L::DurationField })
        EXPECT_TRUE(logger().control(id)->isEnabled()) << id;
}

TEST_F(DataLoggerPageTest, StartWritesTheDurationBackAsAWholeNumberFromOneToSixty)
{
    showPage();
    const std::pair<double, double> cases[] = { { 0, 1 }, { 12.7, 12 }, { 75, 60 } };
    for (const auto& [typed, written] : cases) {
        choose("3", typed, "Minute(s)");
        click(L::StartButton);
        EXPECT_EQ(logger().durationField()->value(), written) << typed;
        EXPECT_EQ(logger().durationField()->text(), QString::number(written)) << typed;
        EXPECT_EQ(logger().durationSeconds(), int(written) * 60) << typed;
        click(L::StopButton);
    }

    // Typed key by key, the field marks at once what it does not take; a
    // marked text starts no run at all, whatever its number (held == 0): it
    // stays as typed and marked. What the field takes is run as typed.
    const struct {
        const char* typed;
        bool marked;
        int held;
    } typed[] = {
        { "30", false, 30 },
        { "1", false, 1 },
        { "60", false, 60 },
        { "0", true, 0 },
        { "61", true, 0 },
        { "-5", true, 0 },
        { "-1", true, 0 },
        { "1e300", true, 0 },
        { "60.9", true, 0 },
        { ".5", true, 0 },
        { "2.5", true, 0 },
        { "5.5", true, 0 },
        { "30.5", true, 0 },
        { "12abc", true, 0 },
        { "abc", true, 0 },
    };
    auto* field = logger().durationField()->findChild<QLineEdit*>();
    ASSERT_NE(field, nullptr);
    for (const auto& c : typed) {
        SCOPED_TRACE(c.typed);
        choose("3", 12, "Minute(s)");
        field->clear();
        for (const char* key = c.typed; *key; ++key) {
            QKeyEvent press(QEvent::KeyPress, Qt::Key_unknown, Qt::NoModifier, QString(QLatin1Char(*key)));
            QCoreApplication::sendEvent(field, &press);
        }
        EXPECT_EQ(field->text(), QString::fromLatin1(c.typed)) << "shown as typed";
        EXPECT_EQ(logger().durationField()->typedTextMarked(), c.marked);
        device().clearRequests();
        click(L::StartButton);
        if (c.held == 0) {
            EXPECT_EQ(field->text(), QString::fromLatin1(c.typed)) << "kept as typed";
            EXPECT_TRUE(logger().durationField()->typedTextMarked());
            EXPECT_FALSE(button(L::StopButton).isEnabled()) << "no run started";
            EXPECT_TRUE(button(L::StartButton).isEnabled());
            EXPECT_EQ(logger().durationField()->value(), 12.0);
            clock().advance(3000);
            EXPECT_FALSE(sent().join(QLatin1Char(',')).contains(QStringLiteral("204"))) << "no sample read";
            EXPECT_TRUE(logTexts().contains(QStringLiteral("CDataLogger data logging not started: \"")
                + QString::fromLatin1(c.typed)
                + QStringLiteral("\" is not one of the whole numbers between 1 and 60")));
            continue;
        }
        EXPECT_EQ(logger().durationField()->value(), c.held);
        EXPECT_EQ(field->text(), QString::number(c.held));
        EXPECT_EQ(logger().durationSeconds(), c.held * 60);
        click(L::StopButton);
    }
}

TEST_F(DataLoggerPageTest, TicksArePeriodPlusTransactionApartWhileXAdvancesByThePeriod)
{
    showPage();
    choose("10", 1, "Minute(s)");
    click(L::StartButton);
    EXPECT_TRUE(sent().isEmpty());
    EXPECT_EQ(channel("Position").Count(), 0);
    // Only Stop is usable during a run.
    for (int id : { L::StartButton, L::SaveButton, L::LoadButton, L::PrintButton })
        EXPECT_FALSE(button(id).isEnabled()) << id;
    EXPECT_TRUE(button(L::StopButton).isEnabled());

    clock().advance(9999);
    EXPECT_EQ(channel("Position").Count(), 0);
    clock().advance(1);
    EXPECT_EQ(xs("Position"), std::vector<double> { 0 });
    EXPECT_EQ(sent().join(','), QStringLiteral("202,204,200 word 0x12,200 word 0x34"));

    // The second tick's status reply keeps the program waiting 400 ms.
    SimTestHooks::faults(device()).inject(SimFault::DelayedReply, 1, 202, 400);
    const qint64 before = clock().elapsedMs();
    nextSample();
    EXPECT_EQ(clock().elapsedMs() - before, 10400);
    EXPECT_EQ(nextSampleIn(), 10000);
    nextSample();
    EXPECT_EQ(xs("Position"), (std::vector<double> { 0, 10, 20 }));
}

TEST_F(DataLoggerPageTest, EachIntervalReadsAtItsOwnMilliseconds)
{
    showPage();
    const std::pair<const char*, qint64> intervals[] = { { "3", 3000 }, { "5", 5000 }, { "10", 10000 }, { "15", 15000 },
        { "20", 20000 }, { "30", 30000 }, { "60", 60000 } };
    for (const auto& [interval, ms] : intervals) {
        SCOPED_TRACE(interval);
        choose(interval, 1, "Hour(s)");
        device().clearRequests();
        const qint64 started = clock().elapsedMs();
        click(L::StartButton);
        clock().advance(3 * ms);
        click(L::StopButton);
        EXPECT_EQ(requestTimes(device(), QStringLiteral("204"), started, 3 * ms),
            (std::vector<qint64> { ms, 2 * ms, 3 * ms }));
    }
}

TEST_F(DataLoggerPageTest, StopAndLeavingThePageEndTheRunAndKeepItsPoints)
{
    showPage();
    choose("3", 1, "Minute(s)");
    click(L::StartButton);
    clock().advance(9500);
    ASSERT_EQ(channel("Position").Count(), 3);
    select(DashboardCode);
    EXPECT_FALSE(logger().logging());
    clock().advance(30000);
    select(DataLoggerCode);
    EXPECT_EQ(xs("Position"), (std::vector<double> { 0, 3, 6 }));
    EXPECT_TRUE(button(L::StartButton).isEnabled());
    EXPECT_FALSE(button(L::StopButton).isEnabled());

    click(L::StartButton);
    EXPECT_EQ(channel("Position").Count(), 0);
    clock().advance(6000);
    click(L::StopButton);
    EXPECT_FALSE(logger().logging());
    // Stop ends the sampling; the status strip goes on being read, as on
    // every page shown, every 20000 ms.
    device().clearRequests();
    clock().advance(60000);
    EXPECT_EQ(sent().join(','), QStringLiteral("202,202,202"));
    EXPECT_EQ(channel("Position").Count(), 2);
}

TEST_F(DataLoggerPageTest, PortWordsArePercentagesOfTheFullScaleAndTheUnitsTitleTheAxes)
{
    startK90();
    clock().advance(2000);
    device().setMiscLong(0x69, 15000);
    writeUnits(33, 12);
    select(DataLoggerCode);
    EXPECT_EQ(data().MiscLong69Value, 150.0f);
    EXPECT_EQ(yAxis("Pressure").GetTitle(), QStringLiteral("Pressure [kPa]"));
    EXPECT_EQ(yAxis("Pressure").GetMin(), 0.0);
    EXPECT_EQ(yAxis("Pressure").GetSpan(), 150.0);
    EXPECT_EQ(yAxis("Temperature").GetTitle().toUtf8(),
        QByteArray("Temperature [\xC2\xBA"
                   "F]"));
    EXPECT_EQ(yAxis("Temperature").GetMin(), -40.0);
    EXPECT_EQ(yAxis("Temperature").GetMax(), 205.0);
    EXPECT_EQ(yAxis("Temperature").GetResetMin(), -40.0);

    choose("3", 1, "Minute(s)");
    click(L::StartButton);
    // Port 1 2500, port 2 the largest word, supply 0.
    QByteArray pressures;
    pressures.append(char(0x09)).append(char(0xC4)).append(char(0xFF)).append(char(0xFF));
    pressures.append(4, '\0');
    QByteArray reply;
    reply.append(char(204)).append(char(pressures.size() + 2)).append('\0').append('\0').append(pressures);
    SimTestHooks::scriptReply(device(), 204, reply);
    nextSample();
    EXPECT_DOUBLE_EQ(ys("Port1")[0], 37.5);
    EXPECT_DOUBLE_EQ(ys("Port2")[0], 983.025);
    // The temperature comes in the device's unit: Fahrenheit now.
    EXPECT_GT(ys("Temperature")[0], 60.0);
    EXPECT_DOUBLE_EQ(ys("Temperature")[0], double(data().Temperature));
    EXPECT_DOUBLE_EQ(ys("Position")[0], int16_t(data().Position) * 0.01);
    EXPECT_DOUBLE_EQ(ys("Command")[0], int16_t(data().Command) * 0.01);
    EXPECT_DOUBLE_EQ(ys("AnalogCommand")[0], int16_t(data().AnalogCommand) * 0.01);
}

TEST_F(DataLoggerPageTest, TheSampledValuesFollowTheSimulatedValve)
{
    showPage();
    device().setAnalogCommand(30);
    clock().advance(60000);
    choose("3", 1, "Minute(s)");
    click(L::StartButton);
    nextSample();
    nextSample();
    ASSERT_EQ(channel("Position").Count(), 2);
    EXPECT_NEAR(ys("AnalogCommand")[1], 30.0, 0.01);
    EXPECT_NEAR(ys("Position")[1], 30.0, 1.0);
    const double port1Before = ys("Port1")[1];
    device().setAnalogCommand(70);
    nextSample();
    EXPECT_NEAR(ys("AnalogCommand")[2], 70.0, 0.01);
    nextSample();
    nextSample();
    EXPECT_NEAR(ys("Position")[4], 70.0, 1.0);
    EXPECT_GT(ys("Port1")[4], port1Before);
    EXPECT_NEAR(ys("Spool_Pos")[4], double(device().miscWord(0x34)) * 0.01, 5.0);
}

TEST_F(DataLoggerPageTest, ATickWhoseReadFailedAddsNoPointButTimeGoesOn)
{
    struct Case {
        const char* what;
        SimFault fault;
        int command;
        int times;
        int silentFromExchange = 0;
    };
    const Case cases[] = {
        { "no pressure reply", SimFault::NoResponse, 204, 20 },
        { "no status reply", SimFault::NoResponse, 202, 20 },
        { "both pilot relay words of another slot", SimFault::MiscOtherAddress, 200, 20 },
        // The tick's first Misc read is the pilot relay command; the position is read fine.
        { "no pilot relay command reply", SimFault::NoResponse, 200, 1 },
        // Status, pressure and relay command read fine; the relay position, the tick's last read, goes unanswered.
        { "no pilot relay position reply", SimFault::NoResponse, 200, 0, 4 },
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        showPage();
        const qsizetype linesBefore
            = logTexts().filter(QStringLiteral("CDataLogger OnDataLoggerTimer: sample 2 not read")).size();
        choose("3", 1, "Minute(s)");
        click(L::StartButton);
        nextSample();
        nextSample();
        if (c.silentFromExchange)
            SimTestHooks::faults(device()).goSilent(c.silentFromExchange);
        else
            SimTestHooks::faults(device()).inject(c.fault, c.times, c.command);
        nextSample();
        SimTestHooks::faults(device()).clear();
        EXPECT_EQ(logger().sampleCount(), 3);
        nextSample();
        for (const char* name : DataLoggerChannel::Samples)
            EXPECT_EQ(xs(name), (std::vector<double> { 0, 3, 9 })) << name;
        const QStringList log = logTexts();
        EXPECT_EQ(
            log.filter(QStringLiteral("CDataLogger OnDataLoggerTimer: sample 2 not read, no point at 6 s")).size(),
            linesBefore + 1);
        m_app.reset();
    }
}

TEST_F(DataLoggerPageTest, ThePortBoxesFollowTheDevice)
{
    // No pressure sensors: port 1 off until Select All.
    showPage();
    setPressureSensor(false);
    reenter();
    EXPECT_FALSE(button(L::Port1Box).isChecked());
    EXPECT_FALSE(button(L::Port1Box).isEnabled());
    EXPECT_FALSE(channel("Port1").GetVisible());
    EXPECT_FALSE(channel("Port1").GetLegendVisible());
    // Select All is offered at once, not only after some box was clicked.
    EXPECT_TRUE(button(L::SelectAllButton).isEnabled());
    click(L::SelectAllButton);
    EXPECT_TRUE(button(L::Port1Box).isChecked());
    EXPECT_TRUE(button(L::Port1Box).isEnabled());
    EXPECT_TRUE(channel("Port1").GetVisible());

    // Single-acting: port 2 is disabled; double-acting: offered again, unchecked until chosen.
    EXPECT_FALSE(button(L::Port2Box).isEnabled());
    EXPECT_FALSE(channel("Port2").GetVisible());
    setPressureSensor(true);
    setDoubleActing(true);
    reenter();
    EXPECT_TRUE(button(L::Port2Box).isEnabled());
    click(L::SelectAllButton);
    EXPECT_TRUE(button(L::Port2Box).isChecked());
    EXPECT_TRUE(channel("Port2").GetVisible());
    EXPECT_TRUE(button(L::UnselectAllButton).isEnabled());
    EXPECT_FALSE(button(L::SelectAllButton).isEnabled());
}

TEST_F(DataLoggerPageTest, OnTheSmallerModelPort2IsNeverOfferedAndThePilotBoxesMoveUp)
{
    showPage(K40Path);
    EXPECT_EQ(data().DeviceType, 6);
    EXPECT_TRUE(button(L::Port2Box).isHidden());
    EXPECT_FALSE(button(L::Port2Box).isChecked());
    const QRect port2 = button(L::Port2Box).geometry();
    EXPECT_EQ(button(L::SpoolCommandBox).geometry(), port2);
    // The pilot relay position box stands where the command box stands on the larger model.
    EXPECT_EQ(button(L::SpoolPositionBox).geometry().topLeft(), DialogUnits::toPx(112, 338, 95, 10).topLeft());
    click(L::SelectAllButton);
    EXPECT_FALSE(button(L::Port2Box).isChecked());
    EXPECT_FALSE(channel("Port2").GetVisible());
}

TEST_F(DataLoggerPageTest, TheBoxesShowAndHideChannelsAndAxes)
{
    showPage();
    click(L::UnselectAllButton);
    for (int box : AllBoxes)
        EXPECT_FALSE(button(box).isChecked()) << box;
    for (const char* name : DataLoggerChannel::Samples) {
        EXPECT_FALSE(channel(name).GetVisible()) << name;
        EXPECT_FALSE(channel(name).GetLegendVisible()) << name;
    }
    for (const char* axis : { "Percent", "Temperature", "Pressure" })
        EXPECT_FALSE(yAxis(axis).GetVisible()) << axis;
    EXPECT_FALSE(button(L::UnselectAllButton).isEnabled());
    EXPECT_TRUE(button(L::SelectAllButton).isEnabled());

    click(L::SelectAllButton);
    for (const char* axis : { "Percent", "Temperature", "Pressure" })
        EXPECT_TRUE(yAxis(axis).GetVisible()) << axis;

    struct Case {
        int box;
        const char* channel;
        bool percent, temperature, pressure;
    };
    const Case cases[] = {
        { L::TemperatureBox, "Temperature", true, false, true },
        { L::Port1Box, "Port1", true, true, false }, // port 2 is off on this single-acting valve
        { L::PositionBox, "Position", true, true, true },
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.channel);
        click(L::SelectAllButton);
        click(c.box);
        EXPECT_FALSE(channel(c.channel).GetVisible());
        EXPECT_FALSE(channel(c.channel).GetLegendVisible());
        EXPECT_EQ(yAxis("Percent").GetVisible(), c.percent);
        EXPECT_EQ(yAxis("Temperature").GetVisible(), c.temperature);
        EXPECT_EQ(yAxis("Pressure").GetVisible(), c.pressure);
        EXPECT_TRUE(button(L::SelectAllButton).isEnabled());
        EXPECT_FALSE(button(L::UnselectAllButton).isEnabled());
    }
    // The percent axis goes with the last of its five boxes.
    click(L::SelectAllButton);
    click(L::UnselectAllButton);
    click(L::SpoolPositionBox);
    EXPECT_TRUE(yAxis("Percent").GetVisible());
    click(L::SpoolPositionBox);
    EXPECT_FALSE(yAxis("Percent").GetVisible());
}

TEST_F(DataLoggerPageTest, SaveWritesTheRunWithItsSettingsAndLoadTakesItBack)
{
    clock().setLocalStart(QDateTime(QDate(2028, 7, 4), QTime(7, 5, 0)));
    showPage();
    choose("10", 1, "Minute(s)");
    click(L::StartButton);
    clock().advance(35000);
    click(L::StopButton);
    const QString path = tempPath("run.lgr");
    prompts().answerFile(path, QStringLiteral("Save DataLogger Results As"));
    click(L::SaveButton);
    EXPECT_EQ(prompts().records().at(0).dialog.initialName, QStringLiteral("PV-101_2028_7_4_7h_5m.lgr"));
    EXPECT_EQ(sent().filter(QStringLiteral("13")).size(), 1);
    // The file keeps the tag as the device holds it, blanks and all; only the
    // proposed name leaves the padding out.
    ASSERT_EQ(data().Tag, QStringLiteral("PV-101  "));
    EXPECT_EQ(ys("TagName"), (std::vector<double> { 'P', 'V', '-', '1', '0', '1', ' ', ' ' }));
    EXPECT_EQ(app().records().m_DataLoggerReport.m_strTag.toQString(), data().Tag);
    // The last point names the model that recorded the run: 5, the K90.
    const std::vector<double> settings { 2, 1, 0, 7, 4, 2028, double(data().Config28Bit5),
        double(data().PressureSensorFlag), double(data().PressureUnit), double(data().TemperatureUnit), 5 };
    EXPECT_EQ(ys("TestSettings"), settings);
    EXPECT_EQ(data().Config28Bit5, 1);
    const std::vector<double> run = ys("Position");
    ASSERT_EQ(run.size(), 3u);

    // Another run, then the file: the file's points, settings and combos come back.
    choose("3", 5, "Hour(s)");
    click(L::StartButton);
    clock().advance(7000);
    click(L::StopButton);
    prompts().answerFile(path, QStringLiteral("Open DataLogger Results"));
    click(L::LoadButton);
    EXPECT_TRUE(logger().fileLoaded());
    EXPECT_EQ(ys("Position"), run);
    EXPECT_EQ(xs("Port1"), (std::vector<double> { 0, 10, 20 }));
    EXPECT_EQ(combo(L::IntervalCombo).currentText(), QStringLiteral("10"));
    EXPECT_EQ(combo(L::UnitsCombo).currentText(), QStringLiteral("Minute(s)"));
    EXPECT_EQ(logger().durationField()->value(), 1.0);
    // The loaded samples set the time axis, not the window: from 0 past the
    // last sample at 20 s by 4 %, to the next 5 s.
    EXPECT_EQ(logger().plot()->XAxis(0)->GetMin(), 0.0);
    EXPECT_EQ(logger().plot()->XAxis(0)->GetMax(), 25.0);
    // The axis titles are the file's units, here the device's as well.
    EXPECT_EQ(yAxis("Pressure").GetTitle(), QStringLiteral("Pressure [") + data().PressureUnitLabel + "]");

    // Save right after a load does nothing; a new run can be saved.
    prompts().clearRecords();
    click(L::SaveButton);
    EXPECT_TRUE(prompts().records().empty());
    click(L::StartButton);
    EXPECT_FALSE(logger().fileLoaded());
    clock().advance(10000);
    click(L::StopButton);
    prompts().answerFile(tempPath("second.lgr"));
    click(L::SaveButton);
    EXPECT_TRUE(QFile::exists(tempPath("second.lgr")));
}

TEST_F(DataLoggerPageTest, ASavedRunKeepsTheDayItStartedHoweverLaterItIsSaved)
{
    struct Case {
        const char* what;
        QDateTime started;
        QDateTime saved;
        std::vector<double> date; // month, day, year as the file keeps them
    };
    const Case cases[] = {
        { "saved weeks later", QDateTime(QDate(2024, 12, 3), QTime(9, 30)), QDateTime(QDate(2025, 1, 15), QTime(8, 0)),
            { 12, 3, 2024 } },
        { "run past midnight into a new year", QDateTime(QDate(2024, 12, 31), QTime(23, 59, 50)),
            QDateTime(QDate(2025, 1, 1), QTime(0, 1)), { 12, 31, 2024 } },
    };
    for (const char* path : { K90Path, K40Path }) {
        for (const Case& c : cases) {
            SCOPED_TRACE(std::string(path) + " " + c.what);
            showPage(path);
            clock().setLocalStart(c.started.addMSecs(-clock().elapsedMs()));
            choose("3", 1, "Minute(s)");
            click(L::StartButton);
            clock().advance(20000);
            click(L::StopButton);
            clock().setLocalStart(c.saved.addMSecs(-clock().elapsedMs()));
            const QString file = tempPath("dated.lgr");
            prompts().answerFile(file);
            click(L::SaveButton);
            std::vector<double> kept;
            for (const PlotChannelData& channel : PlotDataFile::load(file)) {
                if (channel.name == QStringLiteral("TestSettings") && channel.ys.size() >= 6)
                    kept.assign(channel.ys.begin() + 3, channel.ys.begin() + 6);
            }
            EXPECT_EQ(kept, c.date);
            EXPECT_EQ(prompts().pendingAnswers(), 0);
        }
    }
}

TEST_F(DataLoggerPageTest, SaveStoresEachDeviceFlagAndUnitInItsOwnPoint)
{
    clock().setLocalStart(QDateTime(QDate(2028, 7, 4), QTime(7, 5, 0)));
    showPage();
    // A double-acting valve with pressure sensors: the two flags differ.
    setDoubleActing(true);
    writeUnits(33, 12);
    reenter();
    ASSERT_EQ(data().Config28Bit5, 0);
    ASSERT_EQ(data().PressureSensorFlag, 1);
    choose("15", 3, "Day(s)");
    prompts().answerFile(tempPath("flags.lgr"));
    click(L::SaveButton);
    const std::vector<double> settings = ys("TestSettings");
    // Interval index, duration, unit index; date; the flags and unit codes;
    // the model, the K90.
    EXPECT_EQ(settings, (std::vector<double> { 3, 3, 2, 7, 4, 2028, 0, 1, 12, 33, 5 }));
}

TEST_F(DataLoggerPageTest, ALoadedFileSetsTheCombosAndTheDeviceLimitsThePortBoxes)
{
    clock().setLocalStart(QDateTime(QDate(2028, 7, 4), QTime(7, 5, 0)));
    showPage();
    setDoubleActing(true);
    reenter();
    click(L::SelectAllButton);
    ASSERT_TRUE(button(L::Port2Box).isChecked());
    struct Case {
        const char* interval;
        const char* duration;
        const char* unit;
        uint8_t sensor;
        uint8_t singleActing;
        const char* intervalShown;
        const char* unitShown;
        bool port1, port2;
    };
    const Case cases[] = {
        { "4", "3", "1", 1, 0, "20", "Hour(s)", true, true },
        { "6", "2", "2", 1, 1, "60", "Day(s)", true, false },
        { "9", "5", "9", 0, 0, "3", "Minute(s)", false, false },
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.interval);
        click(L::SelectAllButton);
        CDataLoggerReport written;
        written.m_strTag = AutoString("PV-101");
        written.m_strInterval = AutoString(c.interval);
        written.m_strDuration = AutoString(c.duration);
        written.m_strDurationUnit = AutoString(c.unit);
        written.m_bPressureSensor = c.sensor;
        written.m_bSingleActing = c.singleActing;
        const QString path = tempPath(QStringLiteral("case%1.lgr").arg(c.interval));
        prompts().answerFile(path);
        written.SaveDataLogger(logger().plot());
        prompts().answerFile(path);
        click(L::LoadButton);
        EXPECT_EQ(combo(L::IntervalCombo).currentText(), QString::fromLatin1(c.intervalShown));
        EXPECT_EQ(combo(L::UnitsCombo).currentText(), QString::fromLatin1(c.unitShown));
        EXPECT_EQ(logger().durationField()->value(), QString::fromLatin1(c.duration).toDouble());
        EXPECT_EQ(button(L::Port1Box).isChecked(), c.port1);
        EXPECT_EQ(button(L::Port2Box).isChecked(), c.port2);
        EXPECT_EQ(channel("Port1").GetVisible(), c.port1);
        EXPECT_EQ(channel("Port2").GetVisible(), c.port2);
        // The file's samples are not saved under the connected device's tag
        // and units: Save is off, also when the page is shown again, until a run.
        EXPECT_FALSE(button(L::SaveButton).isEnabled());
        reenter();
        EXPECT_TRUE(logger().fileLoaded());
        EXPECT_FALSE(button(L::SaveButton).isEnabled());
    }
}

TEST_F(DataLoggerPageTest, AfterALoadTheBoxesShowExactlyTheChannelsDrawnAlsoInTheNextRun)
{
    for (const char* path : { K90Path, K40Path }) {
        SCOPED_TRACE(path);
        showPage(path);
        choose("3", 1, "Minute(s)");
        click(L::StartButton);
        clock().advance(7000);
        click(L::StopButton);
        // Saved with Position and Ambient Temperature left out.
        click(L::PositionBox);
        click(L::TemperatureBox);
        const QString file = tempPath("fewer.lgr");
        prompts().answerFile(file);
        click(L::SaveButton);
        click(L::SelectAllButton);
        ASSERT_TRUE(button(L::PositionBox).isChecked());

        prompts().answerFile(file);
        click(L::LoadButton);
        ASSERT_TRUE(logger().fileLoaded());

        const auto expectAsSaved = [this] {
            for (int box : { L::PositionBox, L::TemperatureBox, L::Port2Box })
                EXPECT_FALSE(button(box).isChecked()) << box;
            for (int box : { L::AnalogCommandBox, L::CommandBox, L::Port1Box, L::SpoolCommandBox, L::SpoolPositionBox })
                EXPECT_TRUE(button(box).isChecked()) << box;
            const std::pair<int, const char*> boxes[] = { { L::PositionBox, "Position" },
                { L::AnalogCommandBox, "AnalogCommand" }, { L::CommandBox, "Command" },
                { L::TemperatureBox, "Temperature" }, { L::Port1Box, "Port1" }, { L::Port2Box, "Port2" },
                { L::SpoolCommandBox, "Spool_CMD" }, { L::SpoolPositionBox, "Spool_Pos" } };
            for (const auto& [box, name] : boxes) {
                EXPECT_EQ(channel(name).GetVisible(), button(box).isChecked()) << name;
                EXPECT_EQ(channel(name).GetLegendVisible(), button(box).isChecked()) << name;
            }
            EXPECT_FALSE(yAxis("Temperature").GetVisible());
            EXPECT_TRUE(yAxis("Percent").GetVisible());
            EXPECT_TRUE(yAxis("Pressure").GetVisible());
            EXPECT_TRUE(button(L::SelectAllButton).isEnabled());
            EXPECT_FALSE(button(L::UnselectAllButton).isEnabled());
        };
        expectAsSaved();
        click(L::StartButton);
        clock().advance(4000);
        click(L::StopButton);
        EXPECT_EQ(channel("Command").Count(), 1);
        expectAsSaved();
    }
}

TEST_F(DataLoggerPageTest, OnTheSmallerModelTheHiddenPort2BoxDoesNotCountAsUnticked)
{
    showPage(K40Path);
    ASSERT_EQ(data().PressureSensorFlag, 1);
    // Every box it shows is ticked: nothing is left for Select All.
    EXPECT_FALSE(button(L::SelectAllButton).isEnabled());
    EXPECT_TRUE(button(L::UnselectAllButton).isEnabled());
    click(L::SpoolPositionBox);
    EXPECT_TRUE(button(L::SelectAllButton).isEnabled());
    EXPECT_FALSE(button(L::UnselectAllButton).isEnabled());
    click(L::SpoolPositionBox);
    EXPECT_FALSE(button(L::SelectAllButton).isEnabled());
    EXPECT_TRUE(button(L::UnselectAllButton).isEnabled());
    click(L::UnselectAllButton);
    click(L::SelectAllButton);
    EXPECT_FALSE(button(L::SelectAllButton).isEnabled());
    EXPECT_TRUE(button(L::UnselectAllButton).isEnabled());
    EXPECT_FALSE(button(L::Port2Box).isChecked());

    // The larger model's Port 2 box counts, offered or not.
    showPage(K90Path);
    ASSERT_EQ(data().Config28Bit5, 1);
    click(L::SpoolPositionBox);
    click(L::SpoolPositionBox);
    EXPECT_FALSE(button(L::Port2Box).isChecked());
    EXPECT_TRUE(button(L::SelectAllButton).isEnabled());
    EXPECT_FALSE(button(L::UnselectAllButton).isEnabled());
}

TEST_F(DataLoggerPageTest, ALoadedDurationOutsideTheFieldIsRefusedAndTheFieldAndTimeAxisStay)
{
    showPage();
    const struct {
        const char* duration;
        const char* unit;
        bool taken;
        double field;
        double span; // seconds
    } cases[] = {
        { "12", "1", true, 12, 12 * 3600.0 }, // as the file says
        { "-7", "0", false, 12, 12 * 3600.0 },
        { "0", "0", false, 12, 12 * 3600.0 },
        { "61", "0", false, 12, 12 * 3600.0 },
        { "2147483520", "2", false, 12, 12 * 3600.0 },
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.duration);
        CDataLoggerReport written;
        written.m_strTag = AutoString("PV-101");
        written.m_strInterval = AutoString("0");
        written.m_strDuration = AutoString(c.duration);
        written.m_strDurationUnit = AutoString(c.unit);
        const QString path = tempPath("duration.lgr");
        prompts().answerFile(path);
        written.SaveDataLogger(logger().plot());
        prompts().clearRecords();
        prompts().answerFile(path);
        if (!c.taken)
            prompts().answerMessage(Prompts::IdOk, QStringLiteral("File open error."));
        click(L::LoadButton);
        EXPECT_EQ(
            prompts().messageTexts(), c.taken ? QStringList() : QStringList { QStringLiteral("File open error.") });
        EXPECT_EQ(logger().durationField()->value(), c.field);
        EXPECT_EQ(logger().plot()->XAxis(0)->GetMin(), 0.0);
        EXPECT_EQ(logger().plot()->XAxis(0)->GetSpan(), c.span);
    }
}

TEST_F(DataLoggerPageTest, AFileThatSaysOtherwiseOfItsChannelsLoadsInTheLoggersOwnLookWithABoxForEveryChannelDrawn)
{
    for (const char* path : { K90Path, K40Path }) {
        SCOPED_TRACE(path);
        showPage(path);
        choose("3", 1, "Minute(s)");
        click(L::StartButton);
        clock().advance(7000);
        click(L::StopButton);
        const QString file = tempPath("odd.lgr");
        prompts().answerFile(file);
        click(L::SaveButton);
        // The same run, with a file that says other things of its channels.
        std::vector<PlotChannelData> channels = PlotDataFile::load(file);
        PlotChannelData extra;
        for (PlotChannelData& c : channels) {
            if (c.name == QStringLiteral("Position")) {
                c.yAxisName = QStringLiteral("Elsewhere");
                extra = c;
            }
            if (c.name == QStringLiteral("AnalogCommand")) {
                c.title = QStringLiteral("Someone else's");
                c.color = 0x00FF00;
            }
            if (c.name == QStringLiteral("Spool_Pos")) {
                c.visible = false;
                c.legendVisible = true;
            }
            if (c.name == QStringLiteral("TagName") || c.name == QStringLiteral("TestSettings"))
                c.visible = c.legendVisible = true;
        }
        extra.name = QStringLiteral("Extra");
        channels.push_back(extra);
        std::vector<const PlotChannelData*> written;
        for (const PlotChannelData& c : channels)
            written.push_back(&c);
        PlotDataFile::save(file, PlotDataFile::Kind::TimePlot, written);
        const std::vector<double> positions = channels[0].ys;
        ASSERT_FALSE(positions.empty());

        prompts().answerFile(file);
        click(L::LoadButton);
        ASSERT_TRUE(logger().fileLoaded());

        EXPECT_EQ(logger().plot()->ChannelCount(), 10);
        EXPECT_FALSE(logger().plot()->ChannelByName(QStringLiteral("Extra")));
        EXPECT_EQ(channel("Position").data().yAxisName, QStringLiteral("Percent"));
        EXPECT_EQ(channel("Position").data().ys, positions);
        EXPECT_EQ(channel("AnalogCommand").GetTitle(), QStringLiteral("4 - 20 Command"));
        EXPECT_EQ(channel("AnalogCommand").GetColor(), 0x5096FFu);
        for (const char* hidden : { "TestSettings", "TagName" }) {
            EXPECT_FALSE(channel(hidden).GetVisible()) << hidden;
            EXPECT_FALSE(channel(hidden).GetLegendVisible()) << hidden;
        }
        EXPECT_TRUE(button(L::PositionBox).isChecked());
        EXPECT_FALSE(button(L::SpoolPositionBox).isChecked());
        EXPECT_FALSE(channel("Spool_Pos").GetLegendVisible());
        // Every channel drawn, on an axis the plot has, is one whose box is ticked.
        const std::pair<int, const char*> boxes[]
            = { { L::PositionBox, "Position" }, { L::AnalogCommandBox, "AnalogCommand" }, { L::CommandBox, "Command" },
                  { L::TemperatureBox, "Temperature" }, { L::Port1Box, "Port1" }, { L::Port2Box, "Port2" },
                  { L::SpoolCommandBox, "Spool_CMD" }, { L::SpoolPositionBox, "Spool_Pos" } };
        for (const auto& [box, name] : boxes) {
            EXPECT_EQ(channel(name).GetVisible(), button(box).isChecked()) << name;
            EXPECT_TRUE(logger().plot()->YAxisByName(channel(name).data().yAxisName)) << name;
        }
    }
}

TEST_F(DataLoggerPageTest, ARefusedFileLeavesTheRunAndTheSettingsAndTheNextRunUsesTheSameChannels)
{
    showPage();
    choose("10", 2, "Hour(s)");
    click(L::StartButton);
    clock().advance(25000);
    click(L::StopButton);
    const std::vector<double> run = ys("Position");
    PlotChannel* position = &channel("Position");

    // A whole run saved by the page, then spoilt in three ways.
    const QString good = tempPath("good.lgr");
    prompts().answerFile(good);
    click(L::SaveButton);
    QFile goodFile(good);
    ASSERT_TRUE(goodFile.open(QIODevice::ReadOnly));
    const QByteArray bytes = goodFile.readAll();
    const QString truncated = tempPath("truncated.lgr");
    {
        QFile file(truncated);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(bytes.left(bytes.size() / 2));
    }
    Plot tenSettings;
    tenSettings.LoadDataFile(good);
    {
        const IPlotChannelPtr settings = tenSettings.ChannelByName(QStringLiteral("TestSettings"));
        const std::vector<double> values = settings->data().ys;
        settings->Clear();
        for (int k = 0; k < 10; ++k)
            settings->AddXY(k, values[size_t(k)]);
    }
    const QString ten = tempPath("ten.lgr");
    tenSettings.SaveDataFile(ten);
    // A file of the step test family, renamed.
    Plot stepTest;
    stepTest.RemoveAllChannels();
    for (const char* name : { "Position", "Pressure", "TestSettings", "TagName" }) {
        IPlotChannelPtr added = stepTest.Channel(stepTest.AddChannel());
        added->SetName(QString::fromLatin1(name));
        for (int k = 0; k < 11; ++k)
            added->AddXY(k, k);
    }
    const QString step = tempPath("step.lgr");
    stepTest.SaveDataFile(step);

    for (const QString& path : { step, truncated, ten }) {
        SCOPED_TRACE(path.toStdString());
        prompts().answerFile(path);
        prompts().answerMessage(Prompts::IdOk, QStringLiteral("File open error."));
        click(L::LoadButton);
        EXPECT_FALSE(logger().fileLoaded());
        EXPECT_EQ(ys("Position"), run);
        EXPECT_EQ(&channel("Position"), position);
        EXPECT_EQ(combo(L::IntervalCombo).currentText(), QStringLiteral("10"));
        EXPECT_EQ(combo(L::UnitsCombo).currentText(), QStringLiteral("Hour(s)"));
        EXPECT_EQ(logger().durationField()->value(), 2.0);
    }
    click(L::StartButton);
    clock().advance(10000);
    EXPECT_EQ(position->Count(), 1);
}

TEST_F(DataLoggerPageTest, PrintGivesTheDataLoggerReportOfTheRunOnBothModels)
{
    for (const char* path : { K90Path, K40Path }) {
        SCOPED_TRACE(path);
        showPage(path);
        choose("10", 1, "Hour(s)");
        click(L::StartButton);
        clock().advance(3700000);
        ASSERT_FALSE(logger().logging());
        ASSERT_EQ(channel("Position").Count(), 361);
        const QString pdf = tempPath(QStringLiteral("report_%1.pdf").arg(data().DeviceType));
        prompts().clearRecords();
        prompts().answerFile(pdf, QStringLiteral("Save Data Logger Report As"));
        prompts().answerMessage(Prompts::IdNo, QStringLiteral("Do you want to print the Report?"));
        DrawnPlotTexts drawn;
        click(L::PrintButton);
        // The picture draws its traces on axes shown and tells its entries apart.
        EXPECT_FALSE(drawn.paintings().empty());
        EXPECT_EQ(drawn.faults(), QStringList());
        const QString tag = data().Tag.trimmed();
        EXPECT_TRUE(tag == QStringLiteral("PV-101") || tag == QStringLiteral("PV-102"));
        EXPECT_TRUE(
            prompts().records().at(0).dialog.initialName.startsWith(tag + QStringLiteral("_DataLoggerReport_")));
        // The header block prints the tag as the device holds it.
        const ReportControl* report = logger().findChild<ReportControl*>();
        ASSERT_TRUE(report);
        const auto document = report->layoutDocument();
        const ReportPageItem* deviceLine = document.find(QStringLiteral("DeviceLine"));
        ASSERT_TRUE(deviceLine);
        EXPECT_TRUE(deviceLine->text.startsWith(
            QStringLiteral("DEVICE TAG ID: ") + data().Tag + QString(11, QLatin1Char(' ')) + QStringLiteral("DEVICE")))
            << deviceLine->text.toStdString();
        const CDataLoggerReport& record = app().records().m_DataLoggerReport;
        EXPECT_EQ(record.m_strInterval.toQString(), QStringLiteral("10"));
        EXPECT_EQ(record.m_strDuration.toQString(), QStringLiteral("1"));
        EXPECT_EQ(record.m_strDurationUnit.toQString(), QStringLiteral("Hour(s)"));
        QProcess text;
        text.start(QStringLiteral("pdftotext"), { QStringLiteral("-layout"), pdf, QStringLiteral("-") });
        ASSERT_TRUE(text.waitForFinished(30000));
        const QString printed = QString::fromUtf8(text.readAllStandardOutput()).simplified();
        for (const QString& expected :
            { QStringLiteral("Data Logger Report"), QStringLiteral("DEVICE TAG ID: ") + tag, QStringLiteral("Interval"),
                QStringLiteral("10"), QStringLiteral("Duration:"), QStringLiteral("Hour(s)"),
                data().DeviceType == 6 ? QStringLiteral("K40 positioner") : QStringLiteral("K90 positioner") })
            EXPECT_TRUE(printed.contains(expected)) << expected.toStdString() << "\n" << printed.toStdString();
        EXPECT_TRUE(logger().plot()->ScreenBar(0)->GetVisible());
        m_app.reset();
    }
}

TEST_F(DataLoggerPageTest, TheGrabbedPageShowsThePositionTrace)
{
    showPage();
    choose("3", 1, "Minute(s)");
    click(L::StartButton);
    clock().advance(70000);
    logger().resize(1200, 900);
    const QImage image = logger().grab().toImage();
    int red = 0;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            red += image.pixelColor(x, y) == QColor(255, 10, 10);
    EXPECT_GT(red, 20);
}

TEST_F(DataLoggerPageTest, SamplesOnShowKeepTheUnitsAndPortsTheyWereRecordedWithWhateverTheDeviceChangesTo)
{
    clock().setLocalStart(QDateTime(QDate(2028, 7, 4), QTime(7, 5, 0)));
    showPage();
    writeUnits(33, 7); // ºF, bar
    reenter();
    choose("10", 1, "Minute(s)");
    click(L::StartButton);
    clock().advance(35000);
    click(L::StopButton);
    const auto expectTitles = [this](const char* pressure, const char* temperature, const char* when) {
        EXPECT_EQ(yAxis("Pressure").GetTitle(), QString::fromUtf8(pressure)) << when;
        EXPECT_EQ(yAxis("Temperature").GetTitle(), QString::fromUtf8(temperature)) << when;
    };
    expectTitles("Pressure [bar]", "Temperature [\u00BAF]", "after the run");
    const QString path = tempPath("bar.lgr");
    prompts().answerFile(path);
    click(L::SaveButton);

    // The device now in psi and ºC, without pressure sensors.
    writeUnits(32, 6);
    setPressureSensor(false);
    reenter();
    expectTitles("Pressure [bar]", "Temperature [\u00BAF]", "the run, shown again");
    prompts().answerFile(path);
    click(L::LoadButton);
    ASSERT_TRUE(logger().fileLoaded());
    for (const char* when : { "after the Load", "the file, shown again" }) {
        expectTitles("Pressure [bar]", "Temperature [\u00BAF]", when);
        EXPECT_TRUE(button(L::Port1Box).isEnabled() && button(L::Port1Box).isChecked()) << when;
        EXPECT_TRUE(channel("Port1").GetVisible()) << when;
        reenter();
    }

    // A new run is in the device's units and ports.
    click(L::StartButton);
    clock().advance(15000);
    click(L::StopButton);
    expectTitles("Pressure [psi]", "Temperature [\u00BAC]", "a new run");
    EXPECT_FALSE(button(L::Port1Box).isEnabled() || button(L::Port1Box).isChecked());
}

} // namespace

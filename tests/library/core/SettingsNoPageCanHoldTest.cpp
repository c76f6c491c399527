// Every family's file readers, single and compare, refuse a file whose
// settings no page can hold or whose recorded signals hold no number, and
// take a file whose settings are merely outside what an edit calls valid.
#include "SwTest.h"

#include "automation/ComError.h"
#include "controls/PlotDataFile.h"
#include "core/ResultFile.h"
#include "data_logger/DataLoggerFile.h"
#include "hdrl/HDRLTestFile.h"
#include "partial_stroke/PstCompare.h"
#include "partial_stroke/PstFile.h"
#include "ramp/RampCompare.h"
#include "ramp/RampTestFile.h"
#include "step/StepCompare.h"
#include "step/StepTestFile.h"
#include "trends/TrendsFile.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <functional>
#include <limits>

namespace
{

using Channels = std::vector<PlotChannelData>;
using Reader = std::function<void(const Channels&)>;

// A whole file of each family, as its page saved it.
Channels saved(const char* name)
{
    return PlotDataFile::load(
        QStringLiteral(SW_TEST_SOURCE_DIR "/../../../fuzz/corpus/fuzz_plot_data_file/") + QString::fromLatin1(name));
}

Channels withSetting(Channels channels, const QString& channel, int point, double value)
{
    for (PlotChannelData& c : channels) {
        if (c.name == channel)
            c.ys.at(static_cast<size_t>(point)) = value;
    }
    return channels;
}

struct Family {
    const char* what;
    const char* file;
    QString settingsChannel;
    int numberPoint; // a setting shown as a number
    int datePoint; // a date part; -1: the file has none
    Reader read;
    // Points a page holds in fewer values than the integers: its codes (a
    // whole byte) and its fields (the data logger's duration 1 to 60 whole,
    // the HDRL settling time 6 s to 2147483 s, the trends span at least 1).
    // A value counts as stored, fraction included.
    struct Held {
        int point;
        std::vector<double> refused;
        std::vector<double> taken;
    };
    std::vector<Held> held = {};
};

const std::vector<double> CodeRefused { 263, 256, -1, -250, -0.5, 255.9, 7.5, 255.00001 };
const std::vector<double> CodeTaken { 0, 255, 7 };

const std::vector<Family>& families()
{
    static const std::vector<Family> all {
        { "data logger", "datalogger_run.lgr", ResultChannelName::TestSettings, 0, 3,
            [](const Channels& c) {
                CDataLoggerReport record;
                DataLoggerFile::ReadSettings(ResultFileFrame::lookupIn(c), record);
            },
            { { 1, { -7, 0, 0.5, 61, 2147483647.0, 60.9, 12.3, 0.9999, 60.0001 }, { 1, 60, 12 } },
                { 8, CodeRefused, CodeTaken }, { 9, CodeRefused, CodeTaken }, { 10, CodeRefused, CodeTaken } } },
        { "ramp test", "ramp_test.rmp", ResultChannelName::TestSettings, 3, 8,
            [](const Channels& c) {
                CRampReport record;
                RampTestFile::readRecord(ResultFileFrame::lookupIn(c), record);
            },
            { { 10, CodeRefused, CodeTaken }, { 11, CodeRefused, CodeTaken } } },
        { "ramp compare", "ramp_test.rmp", ResultChannelName::TestSettings, 3, 8,
            [](const Channels& c) { RampCompare::read(ResultFileFrame::lookupIn(c)); },
            { { 10, CodeRefused, CodeTaken }, { 11, CodeRefused, CodeTaken } } },
        { "HDRL test and compare", "hdrl_test.hdrl", ResultChannelName::TestSettings, 3, 0,
            [](const Channels& c) { HDRLTestFile::checkFile(ResultFileFrame::lookupIn(c)); },
            { { 3, { -7, 0, 5.9, 5.99, 2147484, 2147483.5, 2147483647.0 }, { 6, 6.1, 6.5, 2147483 } } } },
        { "step test", "step_test.stp", ResultChannelName::TestSettings, 2, 5,
            [](const Channels& c) {
                CStepTestReport record;
                StepTestFile::readRecord(ResultFileFrame::lookupIn(c), record);
            },
            { { 8, CodeRefused, CodeTaken } } },
        { "step compare", "step_test.stp", ResultChannelName::TestSettings, 2, 5,
            [](const Channels& c) { StepCompare::read(ResultFileFrame::lookupIn(c)); },
            { { 8, CodeRefused, CodeTaken } } },
        { "partial stroke test", "partial_stroke.pst", ResultChannelName::TestSettings, 0, 4,
            [](const Channels& c) {
                CPSTReport record;
                PstFile::readRecord(ResultFileFrame::lookupIn(c), record);
            },
            { { 7, CodeRefused, CodeTaken } } },
        { "partial stroke compare", "partial_stroke.pst", ResultChannelName::TestSettings, 0, 4,
            [](const Channels& c) { PstCompare::read(ResultFileFrame::lookupIn(c)); },
            { { 7, CodeRefused, CodeTaken } } },
        { "trends", "trends_acquisition.trd", QStringLiteral("ButtonSetting"), 0, -1,
            [](const Channels& c) { ReadTrendsFile(ResultFileFrame::lookupIn(c)); },
            { { 0, { 5e-307, 0.5, 0.999, 0, -5 }, { 1, 100, 150.25 } }, { 1, CodeRefused, CodeTaken },
                { 2, CodeRefused, CodeTaken } } },
    };
    return all;
}

constexpr double NaN = std::numeric_limits<double>::quiet_NaN();
constexpr double Inf = std::numeric_limits<double>::infinity();

bool hiddenChannel(const QString& name)
{
    return name == ResultChannelName::TestSettings || name == ResultChannelName::Results
        || name == ResultChannelName::TagName || name == QStringLiteral("ButtonSetting");
}

// Every point of every channel the test recorded holds `value`; with
// `keptPosition`, point 0 of "Position" keeps what it held.
Channels withSignals(Channels channels, double value, bool keptPosition = false)
{
    for (PlotChannelData& c : channels) {
        if (hiddenChannel(c.name))
            continue;
        for (size_t k = 0; k < c.ys.size(); ++k) {
            if (!(keptPosition && k == 0 && c.name == QStringLiteral("Position")))
                c.ys[k] = value;
        }
    }
    return channels;
}

Channels withoutSignalPoints(Channels channels)
{
    for (PlotChannelData& c : channels) {
        if (!hiddenChannel(c.name)) {
            c.xs.clear();
            c.ys.clear();
            c.marked.clear();
        }
    }
    return channels;
}

} // namespace

TEST(SettingsNoPageCanHold, EveryReaderRefusesAFileWhoseRecordedSignalsHoldNoNumber)
{
    for (const Family& f : families()) {
        SCOPED_TRACE(f.what);
        const Channels whole = saved(f.file);
        for (double value : { NaN, Inf, -Inf }) {
            SCOPED_TRACE(value);
            EXPECT_THROW(f.read(withSignals(whole, value)), ComError);
            // One point of the recording is enough to show.
            EXPECT_NO_THROW(f.read(withSignals(whole, value, true)));
        }
        // A test saved before it recorded anything loads as it was saved.
        EXPECT_NO_THROW(f.read(withoutSignalPoints(whole)));
    }
}

TEST(SettingsNoPageCanHold, EveryReaderRefusesASettingThatIsNotFiniteOrBeyondTheIntegers)
{
    const double refused[] = { NaN, Inf, -Inf, 2147483648.0, -2147483649.0, 1e12, -1e12 };
    for (const Family& f : families()) {
        SCOPED_TRACE(f.what);
        const Channels whole = saved(f.file);
        ASSERT_NO_THROW(f.read(whole)) << "the file as saved";
        for (double value : refused) {
            SCOPED_TRACE(value);
            EXPECT_THROW(f.read(withSetting(whole, f.settingsChannel, f.numberPoint, value)), ComError);
            if (f.datePoint >= 0) {
                EXPECT_THROW(f.read(withSetting(whole, f.settingsChannel, f.datePoint, value)), ComError);
            }
        }
    }
}

TEST(SettingsNoPageCanHold, EveryReaderRefusesADatePartBeyondASixteenBitWord)
{
    for (const Family& f : families()) {
        if (f.datePoint < 0)
            continue;
        SCOPED_TRACE(f.what);
        const Channels whole = saved(f.file);
        for (double value : { -5.0, -1.0, 65536.0, 1e12 }) {
            SCOPED_TRACE(value);
            EXPECT_THROW(f.read(withSetting(whole, f.settingsChannel, f.datePoint, value)), ComError);
        }
        for (double value : { 0.0, 65535.0, 65535.9 }) {
            SCOPED_TRACE(value);
            EXPECT_NO_THROW(f.read(withSetting(whole, f.settingsChannel, f.datePoint, value)));
        }
    }
}

TEST(SettingsNoPageCanHold, EveryReaderRefusesACodeOutsideTheByteAndASettingOutsideItsField)
{
    for (const Family& f : families()) {
        SCOPED_TRACE(f.what);
        const Channels whole = saved(f.file);
        for (const Family::Held& held : f.held) {
            SCOPED_TRACE(held.point);
            for (double value : held.refused) {
                SCOPED_TRACE(value);
                EXPECT_THROW(f.read(withSetting(whole, f.settingsChannel, held.point, value)), ComError);
            }
            for (double value : held.taken) {
                SCOPED_TRACE(value);
                EXPECT_NO_THROW(f.read(withSetting(whole, f.settingsChannel, held.point, value)));
            }
        }
    }
}

TEST(SettingsNoPageCanHold, ValuesInsideTheIntegersButOutsideAnEditStillLoad)
{
    for (const Family& f : families()) {
        const bool field = std::any_of(
            f.held.begin(), f.held.end(), [&f](const Family::Held& held) { return held.point == f.numberPoint; });
        if (field)
            continue;
        SCOPED_TRACE(f.what);
        const Channels whole = saved(f.file);
        for (double value : { -7.0, 2147483647.0, -2147483648.0, 1e6 }) {
            SCOPED_TRACE(value);
            EXPECT_NO_THROW(f.read(withSetting(whole, f.settingsChannel, f.numberPoint, value)));
        }
    }
}

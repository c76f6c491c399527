// The data logger plot as its two set-up functions leave it.
#include "data_logger/DataLoggerPlot.h"
#include "SwTest.h"
#include "automation/ComError.h"
#include "controls/WinColor.h"

#include <QImage>

namespace
{

class DataLoggerPlotTest : public SwTest
{
protected:
    void SetUp() override
    {
        SwTest::SetUp();
        ConfigureDataLoggerPlotControl(IPlotPtr(&plot));
        SetupDataLoggerPlotChannels(IPlotPtr(&plot));
    }
    Plot plot;
};

TEST_F(DataLoggerPlotTest, TheTenChannelsBearTheirKeysTitlesColoursAndAxes)
{
    struct Expected {
        const char* name;
        const char* title;
        uint32_t color;
        const char* xAxis;
        const char* yAxis;
        bool shown;
    };
    // clang-format off
    const Expected table[] = {
        { "Position",      "Position",             0x0A0AFF, "TAxis", "Percent",     true },
        { "Command",       "Control Command",      0xC00000, "TAxis", "Percent",     true },
        { "AnalogCommand", "4 - 20 Command",       0x5096FF, "TAxis", "Percent",     true },
        { "Temperature",   "Ambient Temperature",  0xCC0099, "TAxis", "Temperature", true },
        { "Port1",         "Port 1 Pressure",      0x00FF00, "TAxis", "Pressure",    true },
        { "Port2",         "Port 2 Pressure",      0xCC00FF, "TAxis", "Pressure",    true },
        { "Spool_CMD",     "Pilot Relay Command",  0x000000, "TAxis", "Percent",     true },
        { "Spool_Pos",     "Pilot Relay Position", 0x000080, "TAxis", "Percent",     true },
        { "TestSettings",  "TestSettings",         0xCC00CC, "None",  "None",        false },
        { "TagName",       "TagName",              0x000080, "None",  "None",        false },
    };
    // clang-format on
    ASSERT_EQ(plot.ChannelCount(), 10);
    for (int k = 0; k < 10; ++k) {
        const Expected& e = table[k];
        SCOPED_TRACE(e.name);
        const IPlotChannelPtr channel = plot.Channel(k);
        EXPECT_EQ(channel->GetName(), QString::fromLatin1(e.name));
        EXPECT_EQ(channel->GetTitle(), QString::fromLatin1(e.title));
        EXPECT_EQ(channel->GetColor(), e.color);
        EXPECT_EQ(channel->GetXAxisName(), QString::fromLatin1(e.xAxis));
        EXPECT_EQ(channel->GetYAxisName(), QString::fromLatin1(e.yAxis));
        EXPECT_EQ(channel->GetVisible(), e.shown);
        EXPECT_EQ(channel->GetLegendVisible(), e.shown);
        EXPECT_FALSE(channel->GetMarkersVisible());
        EXPECT_EQ(channel->Count(), 0);
    }
    EXPECT_FALSE(plot.ChannelByName(QStringLiteral("Channel 1")));
    EXPECT_TRUE(plot.ChannelByName(QStringLiteral("ANALOGCOMMAND")));
}

TEST_F(DataLoggerPlotTest, TheTimeAxisAndThreeValueAxesHaveTheirRangesAndLimitPairs)
{
    EXPECT_EQ(plot.GetTitle(), QStringLiteral("Data Logger"));
    EXPECT_EQ(plot.GetPlotFont().pointSizeF(), 11.0);
    EXPECT_TRUE(plot.ScreenBar(0)->GetVisible());
    ASSERT_EQ(plot.XAxisCount(), 1);
    ASSERT_EQ(plot.YAxisCount(), 3);
    const IPlotAxisPtr time = plot.XAxis(0);
    EXPECT_EQ(time->GetName(), QStringLiteral("TAxis"));
    EXPECT_EQ(time->GetTitle(), QStringLiteral("Time (s)"));
    EXPECT_EQ(time->GetMin(), -1.0);
    EXPECT_EQ(time->GetMax(), 60.0);
    EXPECT_TRUE(time->GetFontBold());
    EXPECT_EQ(time->GetFontSize(), 8.0);
    struct Expected {
        const char* name;
        const char* title;
        double span;
        double lower;
        double upper;
    };
    const Expected table[] = {
        { "Percent", "Percent (%)", 100, -10, 110 },
        { "Temperature", "Temperature", 100, -50, 150 },
        { "Pressure", "Pressure", 5, 0, 1000 },
    };
    for (int k = 0; k < 3; ++k) {
        SCOPED_TRACE(table[k].name);
        const IPlotAxisPtr axis = plot.YAxis(k);
        EXPECT_EQ(axis->GetName(), QString::fromLatin1(table[k].name));
        EXPECT_EQ(axis->GetTitle(), QString::fromLatin1(table[k].title));
        EXPECT_EQ(axis->GetMin(), 0.0);
        EXPECT_EQ(axis->GetSpan(), table[k].span);
        EXPECT_TRUE(axis->GetLimitsEnabled());
        EXPECT_EQ(axis->GetLowerLimit(), table[k].lower);
        EXPECT_EQ(axis->GetUpperLimit(), table[k].upper);
        EXPECT_TRUE(axis->GetFontBold());
        EXPECT_EQ(axis->GetFontSize(), 8.0);
    }
    // A range set explicitly is shown as it is, beyond the limit pair.
    plot.YAxis(0)->SetMin(-15);
    plot.YAxis(0)->SetSpan(130);
    EXPECT_EQ(plot.YAxis(0)->GetMin(), -15.0);
    EXPECT_EQ(plot.YAxis(0)->GetMax(), 115.0);
}

TEST_F(DataLoggerPlotTest, ASecondSetUpLeavesTheTenChannelsEmpty)
{
    plot.ChannelByName(QStringLiteral("Position"))->AddXY(0, 50);
    plot.ChannelByName(QStringLiteral("TestSettings"))->AddXY(0, 3);
    SetupDataLoggerPlotChannels(IPlotPtr(&plot));
    ASSERT_EQ(plot.ChannelCount(), 10);
    for (const PlotChannel* channel : plot.channels())
        EXPECT_EQ(channel->Count(), 0) << channel->GetName().toStdString();
}

TEST_F(DataLoggerPlotTest, HiddenChannelsAreNeverDrawn)
{
    // The settings channel's points would fall right in the middle of the plot.
    plot.YAxis(0)->SetSpan(100);
    for (const char* name : { "TestSettings", "TagName" }) {
        const IPlotChannelPtr channel = plot.ChannelByName(QString::fromLatin1(name));
        for (int k = 0; k <= 60; ++k)
            channel->AddXY(k, 50);
    }
    const IPlotChannelPtr position = plot.ChannelByName(QStringLiteral("Position"));
    for (int k = 0; k <= 60; ++k)
        position->AddXY(k, 30);
    const QImage image = plot.renderImage(QSize(1200, 500));
    const QColor settingsColour = WinColor::toQColor(0xCC00CC);
    const QColor positionColour = WinColor::toQColor(0x0A0AFF);
    int settingsPixels = 0;
    int positionPixels = 0;
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            const QColor c = image.pixelColor(x, y);
            settingsPixels += c == settingsColour;
            positionPixels += c == positionColour;
        }
    }
    EXPECT_EQ(settingsPixels, 0);
    EXPECT_GT(positionPixels, 100);
}

TEST(DataLoggerPlotSetUp, ANullPlotRaisesTheAutomationError)
{
    EXPECT_THROW(ConfigureDataLoggerPlotControl(IPlotPtr()), ComError);
    EXPECT_THROW(SetupDataLoggerPlotChannels(IPlotPtr()), ComError);
}

} // namespace

// The four trend plots' layout and channels, and the channel creator.
#include "TrendsPlotsFixture.h"

#include "automation/ComError.h"

using namespace TrendsChannels;

namespace
{
struct ChannelRow {
    const char* name;
    const char* title;
    uint32_t colour;
};
// The hours plot's channels in order of adding, after the six signals.
const ChannelRow HoursHidden[] = {
    { "30Posn", "30Pos", 0x0A0AFF },
    { "30Cmd", "30Cmd", 0x00C000 },
    { "30Dev", "Deviation", 0xC00000 },
    { "30Fric", "Friction", 0xCC0099 },
    { "30Supp", "30Supply", 0x00CCFF },
    { "30Temp", "30Temp", 0x808000 },
    { "12Posn", "12Pos", 0x0A0AFF },
    { "12Cmd", "12Cmd", 0x00C000 },
    { "12Dev", "12Dev", 0xC00000 },
    { "12Fric", "12Frc", 0xCC0099 },
    { "12Supp", "12Supply", 0x00CCFF },
    { "12Temp", "12Temp", 0x808000 },
    { "25Posn", "25Pos", 0x0A0AFF },
    { "25Cmd", "25Cmd", 0x00C000 },
    { "25Dev", "25Dev", 0xC00000 },
    { "25Fric", "25Frc", 0xCC0099 },
    { "25Supp", "25Supply", 0x00CCFF },
    { "25Temp", "25Temp", 0x808000 },
    { "ButtonSetting", "ButtonSetting", 0x808000 },
};
const ChannelRow SignalRows[] = {
    { "Position", "Position", 0x0A0AFF },
    { "Command", "Command", 0x00C000 },
    { "Deviation", "Deviation", 0xC00000 },
    { "Friction", "Friction", 0xCC0099 },
    { "Supply", "Supply", 0x00CCFF },
    { "Temperature", "Temperature", 0x808000 },
};
}

class TrendsPlotsTest : public TrendsPlotsFixture
{
protected:
    void expectChannels()
    {
        ASSERT_EQ(plot(0).ChannelCount(), 25);
        for (int p = 1; p < 4; ++p)
            ASSERT_EQ(plot(p).ChannelCount(), 6) << "plot " << p;
        for (int p = 0; p < 4; ++p) {
            for (int k = 0; k < 6; ++k) {
                const PlotChannel& c = *plot(p).channels()[size_t(k)];
                EXPECT_EQ(c.GetName(), QString::fromLatin1(SignalRows[k].name));
                EXPECT_EQ(c.GetTitle(), QString::fromLatin1(SignalRows[k].title));
                EXPECT_EQ(c.GetColor(), SignalRows[k].colour) << SignalRows[k].name;
                EXPECT_TRUE(c.GetVisible()) << SignalRows[k].name;
            }
            EXPECT_FALSE(plot(p).ChannelByName(QStringLiteral("Channel 1"))) << "plot " << p;
            EXPECT_EQ(pointsIn(p), 0) << "plot " << p;
        }
        for (int k = 0; k < 19; ++k) {
            const PlotChannel& c = *plot(0).channels()[size_t(6 + k)];
            EXPECT_EQ(c.GetName(), QString::fromLatin1(HoursHidden[k].name));
            EXPECT_EQ(c.GetTitle(), QString::fromLatin1(HoursHidden[k].title));
            EXPECT_EQ(c.GetColor(), HoursHidden[k].colour) << HoursHidden[k].name;
            EXPECT_FALSE(c.GetVisible()) << HoursHidden[k].name;
        }
    }
};

TEST_F(TrendsPlotsTest, HoursPlotCarriesTheTableWithOnlyTheSixSignalsShownAndNoDefaultNameIsLeft)
{
    expectChannels();
}

TEST_F(TrendsPlotsTest, EachPlotHasItsTitleItsRangesAndAnUntitledValueAxis)
{
    const char* titles[] = { "24 Hours", "30 Days", "12 Months", "25 Years" };
    const char* xTitles[] = { "Time [hours]", "Time [days]", "Time [months]", "Time [years]" };
    const double xMax[] = { 24, 30, 12, 25 };
    for (int p = 0; p < 4; ++p) {
        SCOPED_TRACE(titles[p]);
        EXPECT_EQ(plot(p).GetTitle(), QString::fromLatin1(titles[p]));
        EXPECT_EQ(plot(p).XAxis(0)->GetTitle(), QString::fromLatin1(xTitles[p]));
        EXPECT_EQ(plot(p).XAxis(0)->GetMin(), 1.0);
        EXPECT_EQ(plot(p).XAxis(0)->GetMax(), xMax[p]);
        EXPECT_EQ(plot(p).YAxis(0)->GetMin(), 0.0);
        EXPECT_EQ(plot(p).YAxis(0)->GetSpan(), 100.0);
        EXPECT_TRUE(plot(p).YAxis(0)->GetTitle().isEmpty());
        EXPECT_FALSE(plot(p).XAxis(0)->GetFontBold());
        EXPECT_FALSE(plot(p).YAxis(0)->GetFontBold());
        EXPECT_TRUE(plot(p).ScreenBar(0)->GetVisible());
    }
}

TEST_F(TrendsPlotsTest, SettingUpAgainRemovesEveryOldChannelAndPoint)
{
    channel(0, QStringLiteral("Friction"))->AddXY(1, 40);
    channel(0, QStringLiteral("25Temp"))->AddXY(1, 20);
    channel(2, QStringLiteral("Supply"))->AddXY(1, 60);
    plot(1).AddChannel();

    m_record.SetUpTrendsPlotChannels(hours(), days(), months(), years());

    expectChannels();
}

TEST_F(TrendsPlotsTest, ChannelCreatorBehavesAlikeUnderEachOfItsFiveNames)
{
    using Creator = IPlotChannelPtr (*)(IPlotPtr, AutoString, AutoString, AutoString, int32_t);
    const std::pair<const char*, Creator> creators[] = {
        { "hours", &CreateTrendsChannelsForHrs },
        { "days", &CreateTrendsChannelsForDays },
        { "months", &CreateTrendsChannelsForMonths },
        { "years", &CreateTrendsChannelsForYears },
        { "characterization", &CreateCharacterizationChannels },
    };
    for (const auto& [label, create] : creators) {
        SCOPED_TRACE(label);
        Plot target;
        target.AddChannel();
        target.AddChannel();
        target.Channel(1)->SetVisible(false);

        const IPlotChannelPtr made = create(
            IPlotPtr(&target), AutoString("Channel 2"), AutoString("Curve"), AutoString("Custom Curve"), 0x123456);

        ASSERT_TRUE(made);
        EXPECT_EQ(made.get(), target.Channel(1).get());
        EXPECT_EQ(made->GetName(), QStringLiteral("Curve"));
        EXPECT_EQ(made->GetTitle(), QStringLiteral("Custom Curve"));
        EXPECT_EQ(made->GetColor(), 0x123456u);
        EXPECT_TRUE(made->GetVisible());
        EXPECT_EQ(target.Channel(0)->GetName(), QStringLiteral("Channel 1"));

        // A name no channel bears changes nothing.
        try {
            create(IPlotPtr(&target), AutoString("Channel 9"), AutoString("Other"), AutoString("Other"), 1);
            ADD_FAILURE() << "no error for a missing channel";
        } catch (const ComError& error) {
            EXPECT_EQ(error.code(), ComError::InvalidPointer);
        }
        EXPECT_EQ(target.Channel(0)->GetName(), QStringLiteral("Channel 1"));
        EXPECT_FALSE(target.ChannelByName(QStringLiteral("Other")));
    }
}

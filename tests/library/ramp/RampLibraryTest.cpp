// The ramp family of the library: the 26 channels of the ramp plot, the
// record's four views and their port 2 rule, the library's spring set, and
// the ramp file reader's checks.
#include "SwTest.h"

#include "core/PlotChannelHelpers.h"
#include "core/PlotConfiguration.h"
#include "ramp/CRampReport.h"
#include "ramp/RampSpringSet.h"
#include "ramp/RampTestChannels.h"
#include "ramp/RampTestFile.h"

#include <QStringList>

#include <cmath>

namespace
{

class RampLibraryTest : public SwTest
{
protected:
    void SetUp() override
    {
        SwTest::SetUp();
        ConfigureRampPlotControl(plot());
        m_plot.AddChannel();
        m_plot.Channel(0)->AddXY(1, 2);
        m_record.SetupRampPlotChannels(plot());
    }

    IXYPlotPtr plot() { return IXYPlotPtr(&m_plot); }

    QStringList shown() const
    {
        QStringList names;
        for (const PlotChannel* channel : m_plot.channels()) {
            if (channel->GetVisible())
                names << channel->GetName();
        }
        return names;
    }
    QStringList shownAxes() const
    {
        QStringList names;
        for (const PlotAxis* axis : m_plot.xAxes())
            if (axis->GetVisible() && axis->GetTitleVisible())
                names << QStringLiteral("x ") + axis->GetName();
        for (const PlotAxis* axis : m_plot.yAxes())
            if (axis->GetVisible() && axis->GetTitleVisible())
                names << QStringLiteral("y ") + axis->GetName();
        return names;
    }

    XYPlot m_plot;
    CRampReport m_record;
};

TEST_F(RampLibraryTest, SetupLaysOutTwentySixEmptyHiddenChannels)
{
    ASSERT_EQ(m_plot.ChannelCount(), 26);
    for (int k = 0; k < 26; ++k) {
        const IXYPlotChannelPtr channel = m_plot.Channel(k);
        EXPECT_EQ(channel->GetName(), QString::fromLatin1(RampTestChannels::Rows[size_t(k)].name)) << k;
        EXPECT_EQ(channel->Count(), 0) << k;
        EXPECT_FALSE(channel->GetVisible()) << k;
        EXPECT_FALSE(channel->GetLegendVisible()) << k;
    }
    EXPECT_FALSE(GetDispatchDriverIXYPlotXChannelByName(plot(), AutoString("Channel 5")));
    const IXYPlotChannelPtr relay = GetDispatchDriverIXYPlotXChannelByName(plot(), AutoString("ilcmd"));
    ASSERT_TRUE(relay);
    EXPECT_EQ(relay->GetName(), QStringLiteral("ILCmd"));
    EXPECT_EQ(relay->GetTitle(), QStringLiteral("Pilot Relay Command"));
    const IXYPlotChannelPtr friction = m_plot.ChannelByName(QStringLiteral("Friction"));
    EXPECT_EQ(friction->GetColor(), 0x0A0AFFu);
    EXPECT_EQ(friction->GetXAxisName(), QStringLiteral("Position"));
    EXPECT_EQ(friction->GetYAxisName(), QStringLiteral("FrictionY"));
    EXPECT_EQ(m_plot.ChannelByName(QStringLiteral("Port1vCmdOpen"))->GetXAxisName(), QStringLiteral("Command"));
    EXPECT_TRUE(shownAxes().isEmpty());
}

TEST_F(RampLibraryTest, ViewsShowTheirChannelsByDirectionAndPortTwoRule)
{
    CReportHeader k90;
    k90.m_byModel = 5;
    CReportHeader k40;
    k40.m_byModel = 6;
    const struct {
        const char* start;
        const char* stop;
        uint8_t bidirectional;
        uint8_t singleActing;
        const CReportHeader& header;
        QStringList ramp;
        QStringList pressure;
        QStringList versusCommand;
    } cases[] = {
        { "20", "80", 0, 0, k90, { "Position", "Command", "Port1", "Port2", "ILCmd", "ILPOS" },
            { "PvPPort1", "PvPPort2" },
            { "PosnvCmdOpen", "Port1vCmdOpen", "Port2vCmdOpen", "ILCmdvCmdOpen", "ILPosnvCmdOpen" } },
        // Equal ends count as closing.
        { "50", "50", 0, 0, k90, { "Position", "Command", "Port1", "Port2", "ILCmd", "ILPOS" },
            { "PvPPort1_2", "PvPPort2_2" },
            { "PosnvCmdClose", "Port1vCmdClose", "Port2vCmdClose", "ILCmdvCmdClose", "ILPosnvCmdClose" } },
        { "80", "20", 0, 1, k90, { "Position", "Command", "Port1", "ILCmd", "ILPOS" }, { "PvPPort1_2" },
            { "PosnvCmdClose", "Port1vCmdClose", "ILCmdvCmdClose", "ILPosnvCmdClose" } },
        { "80", "20", 1, 0, k40, { "Position", "Command", "Port1", "ILCmd", "ILPOS" }, { "PvPPort1", "PvPPort1_2" },
            { "PosnvCmdOpen", "Port1vCmdOpen", "ILCmdvCmdOpen", "ILPosnvCmdOpen", "PosnvCmdClose", "Port1vCmdClose",
                "ILCmdvCmdClose", "ILPosnvCmdClose" } },
    };
    for (const auto& c : cases) {
        m_record.m_strStartPosition = AutoString(c.start);
        m_record.m_strStopPosition = AutoString(c.stop);
        m_record.m_bBiDirectional = c.bidirectional;
        m_record.m_bSingleActing = c.singleActing;
        const std::string label = std::string(c.start) + "->" + c.stop + " model " + std::to_string(c.header.m_byModel);
        m_record.SetRampView(plot(), c.header);
        EXPECT_EQ(m_plot.GetTitle(), QStringLiteral("Ramp Test"));
        EXPECT_EQ(shown(), c.ramp) << label;
        EXPECT_EQ(shownAxes(), QStringList({ "x Time", "y Position", "y Pressure" })) << label;
        m_record.SetPressureVPosView(plot(), c.header);
        EXPECT_EQ(shown(), c.pressure) << label;
        EXPECT_EQ(shownAxes(), QStringList({ "x Position", "y Pressure" })) << label;
        m_record.SetSigVCommandView(plot(), c.header);
        QStringList drawn = shown();
        QStringList expected = c.versusCommand;
        drawn.sort();
        expected.sort();
        EXPECT_EQ(drawn, expected) << label;
        EXPECT_EQ(shownAxes(), QStringList({ "x Command", "y Position", "y Pressure" })) << label;
        m_record.SetFrictionView(plot());
        EXPECT_EQ(shown(), QStringList({ "Friction", "ThrustOpen", "ThrustClose" })) << label;
        EXPECT_EQ(shownAxes(), QStringList({ "x Position", "y FrictionY" })) << label;
        m_record.ResetRampPlot(plot());
        EXPECT_TRUE(shown().isEmpty()) << label;
        EXPECT_TRUE(shownAxes().isEmpty()) << label;
    }
}

TEST_F(RampLibraryTest, DoSpringSetTakesTheUnitFactorsAndTheLargerCurve)
{
    const auto fill = [this](const char* name, std::initializer_list<std::pair<double, double>> points) {
        const IXYPlotChannelPtr c = m_plot.ChannelByName(QString::fromLatin1(name));
        c->Clear();
        for (const auto& [x, y] : points)
            c->AddXY(x, y);
    };
    fill("ThrustOpen", { { 10, 1000 }, { 90, 1800 } });
    fill("ThrustClose", { { 10, 600 }, { 90, 1400 } });
    const struct {
        uint8_t unit;
        double g;
        double k;
    } cases[] = { { 6, 1.0, 1.0 }, { 10, 0.07, 0.454 }, { 7, 0.069, 0.454 }, { 12, 6.895, 0.454 }, { 57, 1.0, 0.454 } };
    for (const auto& c : cases) {
        double rate = -1;
        double initial = -1;
        double final = -1;
        DoSpringSet(
            c.unit, 100.0, 1.5, AutoString("ThrustOpen"), AutoString("ThrustClose"), plot(), &rate, &initial, &final);
        EXPECT_NEAR(initial, 9.0 * c.g, 1e-9) << int(c.unit);
        EXPECT_NEAR(final, 19.0 * c.g, 1e-9) << int(c.unit);
        EXPECT_NEAR(rate, 1000.0 * c.k / 1.5, 1e-9) << int(c.unit);
    }
    // Equal maxima: the second curve, read from its smallest y.
    fill("ThrustClose", { { 10, 1800 }, { 90, 1000 } });
    double rate = 0;
    double initial = 0;
    double final = 0;
    DoSpringSet(6, 100.0, 1.5, AutoString("ThrustOpen"), AutoString("ThrustClose"), plot(), &rate, &initial, &final);
    EXPECT_NEAR(rate, 1000.0 / 1.5, 1e-9);
    // A zero x span is not guarded.
    fill("ThrustOpen", { { 50, 3000 } });
    DoSpringSet(6, 100.0, 1.5, AutoString("ThrustOpen"), AutoString("ThrustClose"), plot(), &rate, &initial, &final);
    EXPECT_FALSE(std::isfinite(rate));
    // A channel the plot lacks leaves the results unwritten.
    rate = 7;
    EXPECT_THROW(
        DoSpringSet(6, 100.0, 1.5, AutoString("Nothing"), AutoString("ThrustClose"), plot(), &rate, &initial, &final),
        ComError);
    EXPECT_EQ(rate, 7);
}

TEST_F(RampLibraryTest, TheFileReaderNeedsTheRampChannelsAndItsSettingsPoints)
{
    const auto settingsOf = [this](int points) {
        const IXYPlotChannelPtr settings = m_plot.ChannelByName(QStringLiteral("TestSettings"));
        settings->Clear();
        for (int k = 0; k < points; ++k)
            settings->AddXY(k, k == 4 ? 1.0 : (k == 10 ? 7.0 : (k == 11 ? 47.0 : 3.0)));
    };
    CRampReport record;
    settingsOf(18);
    RampTestFile::readRecord(ResultFileFrame::lookupIn(m_plot), record);
    EXPECT_EQ(record.m_strSpringPressureUnit.toQString(), QStringLiteral("bar"));
    EXPECT_EQ(record.m_strSpringRateUnit.toQString(), QStringLiteral("kg/in."));
    EXPECT_EQ(record.m_strActuatorSizeUnit.toQString(), QStringLiteral("sq.in"));
    EXPECT_EQ(record.m_strTag.toQString(), QStringLiteral("NO TAG"));
    EXPECT_EQ(record.m_nPressureUnit, 7);
    settingsOf(17);
    EXPECT_THROW(RampTestFile::readRecord(ResultFileFrame::lookupIn(m_plot), record), ComError);
    m_plot.RemoveAllChannels();
    EXPECT_THROW(RampTestFile::readRecord(ResultFileFrame::lookupIn(m_plot), record), ComError);
    EXPECT_EQ(RampTestFile::pressureUnitText(10), QStringLiteral("kg/sq.cm"));
    EXPECT_EQ(RampTestFile::pressureUnitText(8), QStringLiteral("psi"));
    EXPECT_EQ(RampTestFile::lengthUnitText(143), QStringLiteral("deg"));
}

TEST_F(RampLibraryTest, TheFileReaderTakesFlagsOfExactlyOneAndTheSpringOnlyOfABiDirectionalTest)
{
    // Points 0-17 as a page saves them: start, stop, hold, duration, the three
    // flags, the date, the unit codes, size, stroke, pressure data flag, spring
    // (and, in the cases that end with it, point 18).
    const auto read = [this](std::vector<double> points) {
        const IXYPlotChannelPtr settings = m_plot.ChannelByName(QStringLiteral("TestSettings"));
        settings->Clear();
        for (size_t k = 0; k < points.size(); ++k)
            settings->AddXY(double(k), points[k]);
        CRampReport record;
        RampTestFile::readRecord(ResultFileFrame::lookupIn(m_plot), record);
        return record;
    };
    // What a load gives the page: the four flags, size, stroke, the spring
    // and the unit texts.
    const auto loaded = [](const CRampReport& r) {
        QStringList texts;
        for (uint8_t flag : { r.m_bBiDirectional, r.m_bSingleActing, r.m_bPressureSensor, r.m_bPressureData })
            texts << QString::number(flag);
        for (const AutoString* text : { &r.m_strActuatorSize, &r.m_strStrokeLength, &r.m_strSpringInitial,
                 &r.m_strSpringFinal, &r.m_strSpringRate, &r.m_strSpringPressureUnit, &r.m_strStrokeLengthUnit,
                 &r.m_strActuatorSizeUnit, &r.m_strSpringRateUnit })
            texts << text->toQString();
        return texts;
    };
    const std::vector<double> twoWay { 20.5, 80, 2, 3, 1, 1, 1, 6, 7, 2025, 6, 49, 1.34999999, 2.0049999999, 0, 40.126,
        51.004, 1234.5678 };
    // Flag points other than exactly 1 read as 0: a direction flag of 1.5
    // makes a one-way test, whose spring values are " - ".
    std::vector<double> notExactlyOne = twoWay;
    notExactlyOne[4] = 1.5;
    notExactlyOne[5] = 0.999;
    notExactlyOne[6] = 2;
    notExactlyOne[14] = 1;
    // Point 18 marks the spring fields that show no value: bit 0 the
    // initial spring, bit 1 the final, bit 2 the rate, each on its own.
    const auto marking = [&twoWay](int bits) {
        std::vector<double> points = twoWay;
        points.push_back(bits);
        return points;
    };
    const struct {
        const char* what;
        std::vector<double> points;
        QStringList texts;
    } cases[] = {
        // The pressure data flag follows the sensor flag, not its own point;
        // size and stroke in their formats from the value the file holds.
        { "two-way", twoWay,
            { "1", "1", "1", "1", "1.3", "2.00", "40.13", "51.00", "1234.57", "psi", "mm", "sq.cm", "lbs/mm" } },
        { "flags not exactly one", notExactlyOne,
            { "0", "0", "0", "0", "1.3", "2.00", " - ", " - ", " - ", "psi", "mm", "sq.cm", "lbs/mm" } },
        { "no initial spring", marking(1),
            { "1", "1", "1", "1", "1.3", "2.00", " - ", "51.00", "1234.57", "psi", "mm", "sq.cm", "lbs/mm" } },
        { "no final spring", marking(2),
            { "1", "1", "1", "1", "1.3", "2.00", "40.13", " - ", "1234.57", "psi", "mm", "sq.cm", "lbs/mm" } },
        { "no spring rate", marking(4),
            { "1", "1", "1", "1", "1.3", "2.00", "40.13", "51.00", " - ", "psi", "mm", "sq.cm", "lbs/mm" } },
        { "no spring at all", marking(7),
            { "1", "1", "1", "1", "1.3", "2.00", " - ", " - ", " - ", "psi", "mm", "sq.cm", "lbs/mm" } },
    };
    for (const auto& c : cases) {
        const CRampReport record = read(c.points);
        EXPECT_EQ(record.m_strStartPosition.toQString(), QStringLiteral("20.5")) << c.what;
        EXPECT_EQ(loaded(record), c.texts) << c.what;
    }

    // A one-way test needs no point after the stroke length; the stroke
    // length itself it does need.
    std::vector<double> cut = notExactlyOne;
    cut.resize(14);
    EXPECT_EQ(read(cut).m_strStrokeLength.toQString(), QStringLiteral("2.00"));
    cut.resize(13);
    EXPECT_THROW(read(cut), ComError);
}

} // namespace

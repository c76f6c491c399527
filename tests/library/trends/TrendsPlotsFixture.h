#pragma once

#include "SwTest.h"

#include "controls/Plot.h"
#include "trends/CTrendsReport.h"
#include "trends/TrendsPlots.h"

#include <array>

// The four trend plots as the trends page lays them out, and its record.
class TrendsPlotsFixture : public SwTest
{
protected:
    void SetUp() override
    {
        SwTest::SetUp();
        ConfigureTrendsPlotControl(hours(), days(), months(), years());
        m_record.SetUpTrendsPlotChannels(hours(), days(), months(), years());
    }

    IPlotPtr hours() { return IPlotPtr(&m_plots[0]); }
    IPlotPtr days() { return IPlotPtr(&m_plots[1]); }
    IPlotPtr months() { return IPlotPtr(&m_plots[2]); }
    IPlotPtr years() { return IPlotPtr(&m_plots[3]); }
    Plot& plot(int period) { return m_plots[static_cast<size_t>(period)]; }

    IPlotChannelPtr channel(int period, const QString& name) { return plot(period).ChannelByName(name); }
    int pointsIn(int period)
    {
        int count = 0;
        for (const PlotChannel* c : plot(period).channels())
            count += c->Count();
        return count;
    }

    std::array<Plot, 4> m_plots;
    CTrendsReport m_record;
};

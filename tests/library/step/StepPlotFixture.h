#pragma once

#include "SwTest.h"

#include "core/PlotChannelHelpers.h"
#include "core/PlotConfiguration.h"
#include "step/CStepTestReport.h"

#include <QStringList>

#include <set>
#include <string>

// A step test plot laid out as the step test page lays it out, with a few
// points in every signal channel.
class StepPlotFixture : public SwTest
{
protected:
    void SetUp() override
    {
        SwTest::SetUp();
        ConfigureStepTestPlotControl(IPlotPtr(&m_plot));
        m_record.SetupStepTestPlotChannels(IPlotPtr(&m_plot));
    }

    IPlotPtr plot() { return IPlotPtr(&m_plot); }

    void fillSignals(int points)
    {
        for (const char* name : { "Position", "Command", "Port1", "Port2", "ILCmd", "ILPOS", "PvPPort1", "PvPPort2" }) {
            for (int k = 0; k < points; ++k)
                m_plot.ChannelByName(QString::fromLatin1(name))->AddXY(k * 0.5, 30.0 + k);
        }
    }

    // The channels drawn now.
    std::set<std::string> shownChannels() const
    {
        std::set<std::string> shown;
        for (const PlotChannel* channel : m_plot.channels()) {
            if (channel->GetVisible())
                shown.insert(channel->GetName().toStdString());
        }
        return shown;
    }
    // The axes drawn now, as "x Time", "y Pressure".
    std::set<std::string> shownAxes() const
    {
        std::set<std::string> shown;
        for (const PlotAxis* axis : m_plot.xAxes()) {
            if (axis->GetVisible() && axis->GetTitleVisible())
                shown.insert("x " + axis->GetName().toStdString());
        }
        for (const PlotAxis* axis : m_plot.yAxes()) {
            if (axis->GetVisible() && axis->GetTitleVisible())
                shown.insert("y " + axis->GetName().toStdString());
        }
        return shown;
    }

    std::vector<double> settingsPoints(const Plot& plot) const
    {
        std::vector<double> ys;
        const IPlotChannelPtr settings = plot.ChannelByName(QStringLiteral("TestSettings"));
        for (int k = 0; k < settings->Count(); ++k)
            ys.push_back(settings->GetY(k));
        return ys;
    }

    Plot m_plot;
    CStepTestReport m_record;
};

#pragma once

#include "SwTest.h"

#include "core/PlotChannelHelpers.h"
#include "core/PlotConfiguration.h"
#include "core/ResultFile.h"
#include "partial_stroke/CPSTCompareReport.h"
#include "partial_stroke/CPSTReport.h"

#include <QFile>

// Partial stroke test plots laid out as the partial stroke page lays them
// out, and .pst files saved by the partial stroke record itself.
class PstPlotFixture : public SwTest
{
protected:
    void SetUp() override
    {
        SwTest::SetUp();
        clock().setLocalStart(QDateTime(QDate(2026, 1, 2), QTime(8, 3, 0)));
        ConfigurePSTPlotControl(IPlotPtr(&m_plot));
        m_record.SetupPSTPlotChannels(IPlotPtr(&m_plot));
    }

    IPlotPtr plot() { return IPlotPtr(&m_plot); }

    static void fillSignals(Plot& plot, int points, double slope = 1.0)
    {
        for (const char* name : { "Position", "Command", "Port1", "Port2", "ILCmd", "ILPOS" })
            for (int k = 0; k < points; ++k)
                plot.ChannelByName(QString::fromLatin1(name))->AddXY(k * 40.0, 30.0 + k * slope);
    }

    struct FileSpec {
        const char* tag = "PV-101";
        const char* start = "85";
        const char* stop = "70";
        const char* timeToTarget = "0.29";
        const char* duration = "7";
        const char* breakAway = "2";
        const char* pressure = "32";
        const char* target = "655.35";
        uint8_t result = 0;
        uint8_t unit = 6;
        uint8_t singleActing = 0;
        uint8_t sensors = 1;
        int points = 30;
        double slope = 1.0;
    };

    // A .pst file as the partial stroke record saves it.
    QString pstFile(const QString& name, const FileSpec& spec)
    {
        Plot source;
        CPSTReport record;
        ConfigurePSTPlotControl(IPlotPtr(&source));
        record.SetupPSTPlotChannels(IPlotPtr(&source));
        fillSignals(source, spec.points, spec.slope);
        record.m_strTag = AutoString(spec.tag);
        record.m_strStartPosition = AutoString(spec.start);
        record.m_strStopPosition = AutoString(spec.stop);
        record.m_strTimeToTarget = AutoString(spec.timeToTarget);
        record.m_strTestDuration = AutoString(spec.duration);
        record.m_strBreakAwayTime = AutoString(spec.breakAway);
        record.m_strBreakAwayPressure = AutoString(spec.pressure);
        record.m_strTimeToTargetResult = AutoString(spec.target);
        record.m_nResult = spec.result;
        record.m_nPressureUnit = spec.unit;
        record.m_bSingleActing = spec.singleActing;
        record.m_bPressureSensor = spec.sensors;
        const QString path = tempPath(name);
        prompts().answerFile(path, QStringLiteral("Save Partial Stroke Test Results As"));
        record.SavePST(IPlotPtr(&source));
        return path;
    }

    static std::vector<double> pointsOf(const Plot& plot, const char* channel)
    {
        std::vector<double> ys;
        const IPlotChannelPtr c = plot.ChannelByName(QString::fromLatin1(channel));
        for (int k = 0; k < c->Count(); ++k)
            ys.push_back(c->GetY(k));
        return ys;
    }

    Plot m_plot;
    CPSTReport m_record;
};

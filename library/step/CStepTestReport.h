#pragma once

#include "automation/AutoString.h"
#include "controls/Plot.h"
#include "core/CReportHeader.h"

#include <cstdint>

// One step test: the settings typed on the step test page, the device tag and
// the device flags that decide which pressure channels the views show. The
// pressure axis title starts missing (null) until a load makes it.
class CStepTestReport
{
public:
    CStepTestReport();
    CStepTestReport(const CStepTestReport& other);
    CStepTestReport& operator=(const CStepTestReport& other);
    ~CStepTestReport();

    // The step plot's channels, their views and the step test files; the
    // bodies live with the step test family (step/).
    void SetupStepTestPlotChannels(IPlotPtr plot);
    void HideChannelsInPlot(IPlotPtr plot, bool show);
    void OnStepClick(IPlotPtr plot, CReportHeader header);
    void OnPvPClick(IPlotPtr plot, CReportHeader header);
    void SaveStepTest(IPlotPtr plot);
    void SaveStepTest(IPlotPtr plot, bool position, bool command, bool port1, bool port2, bool relayCommand,
        bool relayPosition);
    bool LoadStepTest(IPlotPtr plot);
    bool LoadStepTest(IPlotPtr plot, bool showSavedChannels);
    void SetStepLoadSettings(IPlotPtr plot);
    void SetStepLoadSettings(IPlotPtr plot, bool fromFile);

    AutoString m_strStartPosition { "" }; // percent
    AutoString m_strStopPosition { "" }; // percent
    AutoString m_strHoldTime { "" }; // seconds
    AutoString m_strPressureAxisTitle;
    AutoString m_strTag { "TAG" }; // device tag
    // When the result was recorded, month/day/year unpadded ("12/3/2024"): a
    // run's day, or the date its file keeps; empty while no result is held.
    // A save writes it into the file (the clock's day only when it is empty).
    AutoString m_strTestDate { "" };
    AutoString m_strSpare { " " };
    uint8_t m_nPressureUnit = 6; // HART pressure unit code
    uint8_t m_bSingleActing = 0; // 1 keeps every port 2 channel hidden
    uint8_t m_bPressureSensor = 0; // nonzero lets pressure channels show
    uint8_t m_bPressureData = 0;
};

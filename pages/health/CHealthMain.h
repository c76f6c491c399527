#pragma once

#include "HealthHubRules.h"
#include "HubPage.h"

#include "controls/LinearGauge.h"

#include <array>
#include <cstdint>

// The page "Health" (dialog 280), the entry page of the health branch: for
// the valve, the positioner, the actuator and the process control a row of
// three bars (healthy, warning, alarm) that follow the device's worst-case
// words, a button per row to its detailed page, and the buttons to the other
// hub pages.
class CHealthMain : public HubPage
{
    Q_OBJECT

public:
    static constexpr int DialogId = 280;
    static constexpr int WorstCaseTimerId = 3000;
    static constexpr int FirstReadMs = 1000;
    static constexpr int WorstCaseMs = 20000;

    using Row = HealthHubRules::Row;
    enum Column { Healthy, Warning, Alarm, ColumnCount };

    // Control ids of the page.
    enum : int {
        NavigationGroupId = 897,
        DashboardButton = 437,
        AlarmsButton = 291,
        HealthButton = 602,
        DiagnosticButton = 435,
        CalibrationButton = 438,
        ConfigurationButton = 434,
        HealthStatusGroupId = 227,
        HealthyGroupId = 1037,
        WarningGroupId = 971,
        AlarmGroupId = 1038,
        ValveButton = 384,
        PositionerButton = 386,
        ActuatorButton = 387,
        ControlButton = 432,
        // Placeholders of the bars, by column, rows valve to control.
        ValveHealthyHost = 1286,
        ValveWarningHost = 1287,
        ValveAlarmHost = 1288,
        PositionerHealthyHost = 1289,
        PositionerWarningHost = 1290,
        PositionerAlarmHost = 1291,
        ActuatorHealthyHost = 1292,
        ActuatorWarningHost = 1293,
        ActuatorAlarmHost = 1294,
        ControlHealthyHost = 1295,
        ControlWarningHost = 1296,
        ControlAlarmHost = 1297,
        FirstBarId = 6000, // 6000-6003 healthy, 6004-6007 warning, 6008-6011 alarm, rows valve to control
    };

    // The dialog template and its tooltips (CHealthMainTemplate.cpp).
    static const PageTemplate Template;
    static const ToolTipTable ToolTips;
    // Where each button leads: the tree item of a page code.
    static const NavigationButton NavigationButtons[9];
    // The bars of a column: their placeholders by row, colour and segment count.
    struct BarColumn {
        int hosts[HealthHubRules::RowCount];
        uint32_t colour;
        int segments;
    };
    static const BarColumn BarColumns[ColumnCount];

    explicit CHealthMain(PageContext& context, QWidget* parent = nullptr);

    void ActivatePage() override;

    // Timer 3000: one worst-case read, then the warning and alarm bars.
    void RefreshWorstCaseGauges();

    const ILinearGaugePtr& bar(int row, Column column) const
    {
        return m_pBars[static_cast<size_t>(int(column) * HealthHubRules::RowCount + row)];
    }

protected:
    // The twelve bars, made before the tooltips that name them.
    void createHubControls() override { createBars(); }

private:
    void createBars();

    std::array<ILinearGaugePtr, int(ColumnCount) * int(HealthHubRules::RowCount)> m_pBars;
};

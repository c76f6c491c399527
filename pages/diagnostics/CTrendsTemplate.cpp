#include "CTrends.h"

namespace
{
using C = ControlSpec;
}

// clang-format off
const PageTemplate CTrends::Template { 544, 304, {
    C::group(AcquisitionFrame, QStringLiteral("Data Acquisition"), 3, 27, 443, 20),
    C::label(RowCounter, QStringLiteral("0"), 9, 36, 24, 8),
    C::label(PointsCaption, QStringLiteral("of 91 points acquired"), 35, 36, 100, 8),
    C::label(ProgressCaption, QStringLiteral("Data Acquisition Progress:"), 277, 36, 86, 8),
    C::progress(ProgressBar, 365, 35, 78, 11),

    C::group(ButtonFrame, QString(), 3, 48, 443, 20),
    C::button(PositionButton, QStringLiteral("Position (%)"), 8, 53, 53, 14),
    C::button(CommandButton, QStringLiteral("Command (%)"), 70, 53, 53, 14),
    C::button(DeviationButton, QStringLiteral("Deviation (%)"), 132, 53, 53, 14),
    C::button(FrictionButton, QStringLiteral("Friction (lbs)"), 194, 53, 53, 14),
    C::button(SupplyButton, QStringLiteral("Supply Pressure"), 256, 53, 59, 14),
    C::button(TemperatureButton, QStringLiteral("Temperature"), 324, 53, 53, 14),
    C::button(SelectAllButton, QStringLiteral("Select All"), 386, 53, 53, 14),

    C::group(LegendFrame, QString(), 3, 69, 443, 20),
    C::label(FirstSwatch + 0, QString(), 10, 77, 7, 6),
    C::label(PositionLabel, QStringLiteral("Position"), 20, 75, 45, 8),
    C::label(FirstSwatch + 1, QString(), 72, 77, 7, 6),
    C::label(CommandLabel, QStringLiteral("Command"), 82, 75, 45, 8),
    C::label(FirstSwatch + 2, QString(), 134, 77, 7, 6),
    C::label(DeviationLabel, QStringLiteral("Deviation"), 144, 75, 45, 8),
    C::label(FirstSwatch + 3, QString(), 196, 77, 7, 6),
    C::label(FrictionLabel, QStringLiteral("Friction"), 206, 75, 45, 8),
    C::label(FirstSwatch + 4, QString(), 258, 77, 7, 6),
    C::label(SupplyLabel, QStringLiteral("Supply Pressure"), 268, 75, 55, 8),
    C::label(FirstSwatch + 5, QString(), 326, 77, 7, 6),
    C::label(TemperatureLabel, QStringLiteral("Temperature"), 336, 75, 45, 8),

    C::placeholder(HoursPlotHost, 3, 94, 110, 188),
    C::placeholder(DaysPlotHost, 113, 94, 110, 188),
    C::placeholder(MonthsPlotHost, 224, 94, 110, 188),
    C::placeholder(YearsPlotHost, 335, 94, 110, 188),
    C::placeholder(PrinterHost, 3, 286, 8, 8),
    C::placeholder(ReportHost, 13, 286, 8, 8),

    C::button(LoadButton, QStringLiteral("Load"), 119, 284, 50, 14),
    C::button(SaveButton, QStringLiteral("Save"), 174, 284, 50, 14),
    C::button(ClearTrendsButton, QStringLiteral("Clear Trends"), 230, 284, 50, 14),
    C::button(RetrieveButton, QStringLiteral("Retrieve"), 285, 284, 50, 14),
    C::button(StopButton, QStringLiteral("Stop"), 339, 284, 50, 14),
    C::button(PrintReportButton, QStringLiteral("Print Report"), 393, 284, 50, 14),
} };
// clang-format on

const CTrends::ChannelButton CTrends::ChannelButtons[6] { { PositionButton, "OnPosition" },
    { CommandButton, "OnCommand" }, { DeviationButton, "OnDeviation" }, { FrictionButton, "OnFriction" },
    { SupplyButton, "OnSupply" }, { TemperatureButton, "OnTemperature" } };

const uint32_t CTrends::SwatchColours[6] { 0xFF0000, 0x008000, 0x0000FF, 0x9932CC, 0xB8860B, 0x20B2AA };

const QString CTrends::ClearQuestion = QStringLiteral(
    "This action will clear all trending data on the device. Are you sure you want to clear all trends?");

const ToolTipTable CTrends::ToolTips {
    { RowCounter, QStringLiteral("Number of acquired trend data points.") },
    { ProgressBar, QStringLiteral("Progress of retrieving trends from the device.") },
    { PositionButton, QStringLiteral("Display only the Position trend on the graph.") },
    { CommandButton, QStringLiteral("Display only the Command trend on the graph.") },
    { DeviationButton, QStringLiteral("Display only the Deviation trend on the graph.") },
    { FrictionButton, QStringLiteral("Display only the Friction trend on the graph.") },
    { SupplyButton, QStringLiteral("Display only the Supply Pressure trend on the graph.") },
    { TemperatureButton, QStringLiteral("Display only the ambient Temperature trend on the graph.") },
    { SelectAllButton, QStringLiteral("Display All Channels on the graph.") },
    { ClearTrendsButton, QStringLiteral("Clear all trends from Device and graph.") },
    { RetrieveButton, QStringLiteral("Clear existing data and start a new trends acquisition from device.") },
    { StopButton, QStringLiteral("Stop retrieving trends from device.") },
    { LoadButton, QStringLiteral("load the already saved test results into the display.") },
    { SaveButton, QStringLiteral("save the test results into the local disc.") },
    { PrintReportButton,
        QStringLiteral("print the Trends Test result and Device Configuration to the default printer.") },
};

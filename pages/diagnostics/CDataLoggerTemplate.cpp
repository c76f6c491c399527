#include "CDataLogger.h"

#include "data_logger/DataLoggerPlot.h"

namespace
{
using C = ControlSpec;

// The duration: whole numbers 1 to 60, typed or stepped. The range is
// checked as the field is typed into, not only when a run starts.
ControlSpec durationSpin(int id, int x, int y, int w, int h)
{
    const QVariantMap properties { { QStringLiteral("Min"), 1.0 }, { QStringLiteral("Max"), 60.0 },
        { QStringLiteral("Increment"), 1.0 }, { QStringLiteral("PageSize"), 10.0 },
        { QStringLiteral("IntegersOnly"), true }, { QStringLiteral("AllowKeyEdit"), true },
        { QStringLiteral("CheckRange"), true }, { QStringLiteral("Value"), 1.0 } };
    return C::vendor(id, QString::fromLatin1(SpinEditBox::ProgId), x, y, w, h, properties);
}
}

const CDataLogger::SampleChannel CDataLogger::Channels[8] = {
    { PositionBox, DataLoggerChannel::Position, 0 },
    { AnalogCommandBox, DataLoggerChannel::AnalogCommand, 0 },
    { CommandBox, DataLoggerChannel::Command, 0 },
    { TemperatureBox, DataLoggerChannel::Temperature, 1 },
    { Port1Box, DataLoggerChannel::Port1, 2 },
    { Port2Box, DataLoggerChannel::Port2, 2 },
    { SpoolCommandBox, DataLoggerChannel::SpoolCommand, 0 },
    { SpoolPositionBox, DataLoggerChannel::SpoolPosition, 0 },
};

// clang-format off
const PageTemplate CDataLogger::Template { 544, 396, {
    C::placeholder(PlotHost, 3, 26, 538, 268),

    C::group(GraphSettingsGroup, QStringLiteral("Graph Settings"), 3, 298, 300, 72),
    C::check(PositionBox, QStringLiteral("Position"), 10, 310, 95, 10),
    C::check(AnalogCommandBox, QStringLiteral("4-20 Command"), 10, 324, 95, 10),
    C::check(CommandBox, QStringLiteral("Control Command"), 10, 338, 95, 10),
    C::check(TemperatureBox, QStringLiteral("Ambient Temperature"), 10, 352, 95, 10),
    C::check(Port1Box, QStringLiteral("Port 1 Pressure"), 112, 310, 95, 10),
    C::check(Port2Box, QStringLiteral("Port 2 Pressure"), 112, 324, 95, 10),
    C::check(SpoolCommandBox, QStringLiteral("Pilot Relay Command"), 112, 338, 95, 10),
    C::check(SpoolPositionBox, QStringLiteral("Pilot Relay Position"), 112, 352, 95, 10),
    C::button(SelectAllButton, QStringLiteral("Select All"), 224, 318, 70, 14),
    C::button(UnselectAllButton, QStringLiteral("UnSelect All"), 224, 340, 70, 14),

    C::group(LoggerSettingsGroup, QStringLiteral("Data Logger Settings"), 308, 298, 233, 72),
    C::label(IntervalLabel, QStringLiteral("Interval:"), 316, 313, 60, 8),
    C::combo(IntervalCombo, { QStringLiteral("3"), QStringLiteral("5"), QStringLiteral("10"), QStringLiteral("15"),
        QStringLiteral("20"), QStringLiteral("30"), QStringLiteral("60") }, 380, 311, 50, 13),
    C::label(SecondsLabel, QStringLiteral("sec."), 435, 313, 25, 8),
    C::label(DurationLabel, QStringLiteral("Duration:"), 316, 332, 60, 8),
    durationSpin(DurationField, 380, 330, 50, 13),
    C::label(UnitsLabel, QStringLiteral("Duration Units:"), 316, 351, 60, 8),
    C::combo(UnitsCombo, { QStringLiteral("Minute(s)"), QStringLiteral("Hour(s)"), QStringLiteral("Day(s)") },
        380, 349, 70, 13),

    C::button(LoadButton, QStringLiteral("Load"), 128, 376, 50, 14),
    C::button(SaveButton, QStringLiteral("Save"), 186, 376, 50, 14),
    C::button(StartButton, QStringLiteral("Start"), 244, 376, 50, 14),
    C::button(StopButton, QStringLiteral("Stop"), 302, 376, 50, 14),
    C::button(PrintButton, QStringLiteral("Print Report"), 360, 376, 56, 14),

    C::placeholder(PrinterHost, 0, 0, 1, 1),
    C::placeholder(ReportHost, 0, 0, 1, 1),
} };
// clang-format on

const ToolTipTable CDataLogger::ToolTips {
    { PositionBox, QStringLiteral("Check box to display Position in graph.") },
    { AnalogCommandBox, QStringLiteral("Check box to display 4-20 Command in graph.") },
    { CommandBox, QStringLiteral("Check box to display Control Command in graph.") },
    { TemperatureBox, QStringLiteral("Check box to display Ambient Temperature in graph.") },
    { Port1Box, QStringLiteral("Check box to display Port 1 in graph.") },
    { Port2Box, QStringLiteral("Check box to display Port 2 in graph.") },
    { SpoolCommandBox, QStringLiteral("Check box to display Spool Command in graph.") },
    { SpoolPositionBox, QStringLiteral("Check box to display Spool Position in graph.") },
    { SelectAllButton, QStringLiteral("Click this button to check all checked boxes.") },
    { UnselectAllButton, QStringLiteral("Click this button to clear all checked boxes.") },
    { IntervalCombo, QStringLiteral("Sets how long to wait before the next data retrieval.") },
    { DurationField, QStringLiteral("How long to collect data.") },
    { UnitsCombo, QStringLiteral("Units of the duration.") },
    { PlotId, QStringLiteral("Plot") },
    { StartButton, QStringLiteral("Clear existing data and start a new Data Logger test.") },
    { StopButton, QStringLiteral("Stop in progress Data Logger test.") },
    { LoadButton, QStringLiteral("load the already saved test results into the display.") },
    { SaveButton, QStringLiteral("save the test results into the local disc.") },
    { PrintButton, QStringLiteral("Print report to the default printer") },
};

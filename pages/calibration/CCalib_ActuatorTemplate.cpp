#include "CCalib_Actuator.h"

#include "ValidityMark.h"

namespace
{
using C = ControlSpec;
using Rules = StrokeCalibrationRules::StrokeFlag;

constexpr int RowY = 38;
constexpr int RowStep = 12;

// The nine flag rows as the larger model labels them; the smaller model
// relabels them when the page is made.
std::vector<ControlSpec> flagRows()
{
    std::vector<ControlSpec> rows;
    const char* labels[9]
        = { "Supply Pressure", "Port 1", "Port 2", nullptr, nullptr, nullptr, nullptr, nullptr, nullptr };
    for (int k = 0; k < 9; ++k) {
        const int y = RowY + k * RowStep;
        const char* text = k < 3 ? labels[k] : StrokeCalibrationRules::StrokeFlags[k - 3].label;
        rows.push_back(C::placeholder(CCalib_Actuator::FlagHosts[k], 262, y, 9, 9));
        rows.push_back(C::label(CCalib_Actuator::FirstFlagLabel + k, QString::fromLatin1(text), 278, y + 1, 200, 8));
    }
    return rows;
}

std::vector<ControlSpec> pageControls()
{
    std::vector<ControlSpec> controls {
        C::group(CCalib_Actuator::ConsoleGroup, QStringLiteral("Calibration Console"), 6, 26, 240, 76),
        C::label(-1, QStringLiteral("Date Last Calibrated:"), 14, 40, 84, 8),
        C::edit(CCalib_Actuator::LastDateEdit, 110, 38, 70, 12, C::ReadOnly | C::AlignCenter),
        C::label(-1, QStringLiteral("Last Calibrated By:"), 14, 54, 84, 8),
        C::edit(CCalib_Actuator::LastByEdit, 110, 52, 70, 12, C::ReadOnly | C::AlignCenter),
        C::label(-1, QStringLiteral("Today's Date:"), 14, 68, 84, 8),
        C::edit(CCalib_Actuator::TodayEdit, 110, 66, 70, 12, C::ReadOnly | C::AlignCenter),
        C::label(-1, QStringLiteral("New Calibration By:"), 14, 82, 84, 8),
        C::picture(CCalib_Actuator::InitialsMark, ValidityMark::ValidIcon, 100, 84, 8, 8),
        C::edit(CCalib_Actuator::InitialsEdit, 110, 80, 70, 12, C::AlignCenter),

        C::group(CCalib_Actuator::SupplyGroup, QStringLiteral("Supply Pressure"), 6, 106, 240, 30),
        C::label(-1, QStringLiteral("Pressure:"), 14, 120, 60, 8),
        C::picture(CCalib_Actuator::PressureMark, ValidityMark::ValidIcon, 100, 120, 8, 8),
        C::edit(CCalib_Actuator::PressureEdit, 110, 117, 70, 12, C::AlignRight),
        C::label(CCalib_Actuator::UnitLabel, QString(), 184, 120, 50, 8),

        C::group(CCalib_Actuator::GaugesGroup, QStringLiteral("Port Gauges"), 6, 140, 240, 146),
        C::label(CCalib_Actuator::Port1Label, QStringLiteral("Port 1"), 14, 151, 108, 8, C::AlignCenter),
        C::label(CCalib_Actuator::Port2Label, QStringLiteral("Port 2"), 126, 151, 108, 8, C::AlignCenter),
        C::placeholder(CCalib_Actuator::Port1GaugeHost, 14, 161, 108, 100),
        C::placeholder(CCalib_Actuator::Port2GaugeHost, 126, 161, 108, 100),
        C::label(-1, QStringLiteral("A/D Count:"), 14, 268, 40, 8),
        C::edit(CCalib_Actuator::Port1CountEdit, 56, 266, 60, 12, C::ReadOnly | C::AlignCenter),
        C::label(-1, QStringLiteral("A/D Count:"), 126, 268, 40, 8),
        C::edit(CCalib_Actuator::Port2CountEdit, 168, 266, 60, 12, C::ReadOnly | C::AlignCenter),

        C::group(CCalib_Actuator::FlagsGroup, QStringLiteral("Calibration Flags"), 252, 26, 237, 128),

        C::group(CCalib_Actuator::StatusGroup, QStringLiteral("Calibration Status"), 252, 158, 237, 58),
        C::label(-1, QStringLiteral("Calibration State:"), 260, 172, 68, 8),
        C::edit(CCalib_Actuator::StateEdit, 330, 170, 154, 12, C::ReadOnly | C::NoBorder),
        C::label(-1, QStringLiteral("Calibration Progress:"), 260, 188, 90, 8),
        C::progress(CCalib_Actuator::ProgressBar, 260, 199, 224, 10),

        C::button(CCalib_Actuator::ZeroSupplyButton, QStringLiteral("Zero Supply"), 260, 224, 68, 14),
        C::button(CCalib_Actuator::StartButton, QStringLiteral("Start Calibration"), 334, 224, 72, 14),
        C::button(CCalib_Actuator::AbortButton, QStringLiteral("Abort"), 412, 224, 72, 14, C::Disabled),
        C::label(-1, QStringLiteral(" NOTE: Report printing is available after a calibration is completed."), 256, 246,
            230, 18),

        C::button(CCalib_Actuator::BackButton, QStringLiteral("Back"), 260, 272, 68, 14),
        C::button(CCalib_Actuator::FrictionButton, QStringLiteral("Friction Tolerances"), 334, 272, 72, 14),
        C::button(CCalib_Actuator::PrintButton, QStringLiteral("Print Report"), 412, 272, 72, 14, C::Disabled),
        C::placeholder(CCalib_Actuator::ReportHost, 6, 292, 20, 10),
        C::placeholder(CCalib_Actuator::PrinterHost, 30, 292, 20, 10),
    };
    const std::vector<ControlSpec> rows = flagRows();
    controls.insert(controls.end(), rows.begin(), rows.end());
    return controls;
}
} // namespace

const PageTemplate CCalib_Actuator::Template { 495, 370, pageControls() };

// The tools after the flag LEDs'.
const ToolTipTable CCalib_Actuator::ToolTips {
    { LastDateEdit, QStringLiteral("Date of the last calibration.") },
    { LastByEdit, QStringLiteral("Initials of the person performing the last actuator calibration.") },
    { TodayEdit, QStringLiteral("System date") },
    { InitialsEdit, QStringLiteral("Initials of the person performing the calibration.") },
    { PressureEdit, QStringLiteral("Supply Pressure - Value of the current supply pressure.") },
    { Port1Gauge, QStringLiteral("Port1 Pressure") },
    { Port2Gauge, QStringLiteral("Port2 Pressure") },
    { Port1CountEdit, QStringLiteral("A/D Count value for Port 1.") },
    { Port2CountEdit, QStringLiteral("A/D Count value for Port 2.") },
};
const ToolTipTable CCalib_Actuator::TrailingToolTips {
    { StateEdit, QStringLiteral("Reports the status of the calibration.") },
    { ProgressBar, QStringLiteral("Indicates progress of the Calibration process.") },
    { BackButton, QStringLiteral("Back to the Actuator Selection page.") },
    { StartButton, QStringLiteral("Start new actuator calibration.") },
    { AbortButton, QStringLiteral("Abort the actuator calibration.") },
    { FrictionButton, QStringLiteral("Go to the Friction tolerance settings page") },
    { PrintButton, QStringLiteral("Print a calibration results to the default printer.") },
};

const QString CCalib_Actuator::MovementCaption = QStringLiteral("Serrat XD HART CLIPWELL");
const QString CCalib_Actuator::ZeroSupplyQuestion = QStringLiteral(
    "The following procedure will ask you to disconnect the air supply from the positioner.Removing air supply will "
    "cause closure member movement to the fail position. Do you want to continue?");
const QString CCalib_Actuator::ZeroSupplyCaption = QStringLiteral("ZERO SUPPLY");
const QString CCalib_Actuator::InitialsTip = QStringLiteral("Please Enter 3 Initials in the New Calibration By field.");
QString CCalib_Actuator::pressureTip(const FieldRange& range)
{
    return range.tip();
}
const QString CCalib_Actuator::CompletedText = QStringLiteral("Calibration completed successfully");
const QString CCalib_Actuator::AbortedText = QStringLiteral("Calibration Aborted");

const CalibrationRunPage::RunSetup CCalib_Actuator::Run { StrokeCalibrationRules::Page::Actuator, TodayEdit,
    InitialsEdit, InitialsMark, LastDateEdit, LastByEdit, StateEdit, ProgressBar, StartButton, AbortButton, PrintButton,
    ReportHost, PrinterHost, ReportId, PrinterId, PollTimerId, PollMs, StartCode, AbortCode, MovementCaption,
    InitialsTip, CompletedText, AbortedText };

#include "CCalibrationStroke.h"

#include "ValidityMark.h"

namespace
{
using C = ControlSpec;

std::vector<ControlSpec> pageControls()
{
    std::vector<ControlSpec> controls {
        C::group(CCalibrationStroke::ConsoleGroup, QStringLiteral("Stroke Calibration Console"), 6, 26, 240, 76),
        C::label(-1, QStringLiteral("Date Last Calibrated:"), 14, 40, 84, 8),
        C::edit(CCalibrationStroke::LastDateEdit, 110, 38, 70, 12, C::ReadOnly),
        C::label(-1, QStringLiteral("Last Calibrated By:"), 14, 54, 84, 8),
        C::edit(CCalibrationStroke::LastByEdit, 110, 52, 70, 12, C::ReadOnly),
        C::label(-1, QStringLiteral("Today's Date:"), 14, 68, 84, 8),
        C::edit(CCalibrationStroke::TodayEdit, 110, 66, 70, 12, C::ReadOnly),
        C::label(-1, QStringLiteral("New Calibration By:"), 14, 82, 84, 8),
        C::picture(CCalibrationStroke::InitialsMark, ValidityMark::ValidIcon, 100, 84, 8, 8),
        C::edit(CCalibrationStroke::InitialsEdit, 110, 80, 70, 12, C::AlignCenter),

        C::group(CCalibrationStroke::FlagsGroup, QStringLiteral("Stroke Calibration Flags"), 6, 108, 240, 90),

        C::group(CCalibrationStroke::PositionGroup, QStringLiteral("Estimated Position"), 252, 26, 180, 34),
        C::edit(CCalibrationStroke::PositionEdit, 262, 40, 70, 12, C::ReadOnly),
        C::label(-1, QStringLiteral("%"), 336, 42, 12, 8),

        C::group(CCalibrationStroke::StateGroup, QStringLiteral("Stroke Calibration State"), 252, 66, 236, 80),
        C::label(-1, QStringLiteral("Calibration State:"), 260, 80, 68, 8),
        C::edit(CCalibrationStroke::StateEdit, 330, 78, 152, 12, C::ReadOnly),
        C::label(-1, QStringLiteral("Calibration Progress:"), 260, 98, 84, 8),
        C::progress(CCalibrationStroke::ProgressBar, 346, 97, 136, 10),
        C::button(CCalibrationStroke::StartButton, QStringLiteral("Start Calibration"), 260, 122, 70, 14),
        C::button(CCalibrationStroke::AbortButton, QStringLiteral("Abort"), 336, 122, 70, 14, C::Disabled),
        C::button(CCalibrationStroke::PrintButton, QStringLiteral("Print Report"), 412, 122, 70, 14, C::Disabled),

        C::placeholder(CCalibrationStroke::ReportHost, 6, 204, 20, 10),
        C::placeholder(CCalibrationStroke::PrinterHost, 30, 204, 20, 10),
    };
    for (int k = 0; k < 6; ++k) {
        const int y = 120 + k * 12;
        controls.push_back(C::placeholder(CCalibrationStroke::FirstFlagHost + k, 16, y, 9, 9));
        controls.push_back(C::label(CCalibrationStroke::FirstFlagLabel + k,
            QString::fromLatin1(StrokeCalibrationRules::StrokeFlags[k].label), 32, y + 1, 200, 8));
    }
    return controls;
}
} // namespace

const PageTemplate CCalibrationStroke::Template { 495, 230, pageControls() };

const ToolTipTable CCalibrationStroke::ToolTips {
    { LastDateEdit, QStringLiteral("Date of the last stroke calibration.") },
    { LastByEdit, QStringLiteral("Initials of the last person to perform a stroke calibration.") },
    { TodayEdit, QStringLiteral("System date") },
    { InitialsEdit, QStringLiteral("Initials of the person performing the calibration.") },
    { PositionEdit, QStringLiteral("Estimated valve position.") },
    { StateEdit, QStringLiteral("Status of current calibration stage.") },
    { ProgressBar, QStringLiteral("Stroke calibration progress.") },
};
const ToolTipTable CCalibrationStroke::TrailingToolTips {
    { StartButton, QStringLiteral("Start the stroke calibration.") },
    { AbortButton, QStringLiteral("Abort the stroke calibration.") },
    { PrintButton, QStringLiteral("Print a calibration results to the default printer.") },
};

const QString CCalibrationStroke::MovementCaption = QStringLiteral("Serrat XD HART CLIPWELL");
const QString CCalibrationStroke::InitialsTip
    = QStringLiteral("Please Enter 3 Initials in the New Calibration By field.");
const QString CCalibrationStroke::CompletedText = QStringLiteral("Calibration completed successfully");
const QString CCalibrationStroke::AbortedText = QStringLiteral("Calibration Aborted");

const CalibrationRunPage::RunSetup CCalibrationStroke::Run { StrokeCalibrationRules::Page::Stroke, TodayEdit,
    InitialsEdit, InitialsMark, LastDateEdit, LastByEdit, StateEdit, ProgressBar, StartButton, AbortButton, PrintButton,
    ReportHost, PrinterHost, ReportId, PrinterId, PollTimerId, PollMs, StartCode, AbortCode, MovementCaption,
    InitialsTip, CompletedText, AbortedText };

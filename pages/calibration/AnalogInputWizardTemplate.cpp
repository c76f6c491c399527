// The dialog templates, tooltips and fixed texts of the six pages of the
// analog input calibration wizard. Every page has the same frame: the
// instruction panel on the left, the monitor, the flags and the state on the
// right, the buttons below; the step's own edits sit under the state.
#include "CCalibrationAnalogIn.h"
#include "CCalibrationAnalogInSteps.h"

#include "IndicatorColours.h"
#include "ValidityMark.h"

#include "controls/NumEdit.h"

#include <cstring>

namespace
{
using C = ControlSpec;
constexpr unsigned ReadOnly = C::ReadOnly;
using Monitor = AnalogInputWizardPage::Monitor;

constexpr int ButtonY = 262;
constexpr int ButtonW = 50;
constexpr int ButtonH = 14;
constexpr int ValueX = 365;

const QString PreviousTip = QStringLiteral("Return to previous stage of Analog Input Calibration.");
const QString NextTip = QStringLiteral("Proceed to next stage of Analog Input Calibration.");
const QString AcceptTip = QStringLiteral("Accept the current value and enable the Next button.");
const QString CountTip = QStringLiteral("Raw internal value representing analog input level.");

// A flag or state indicator: a text box whose value and background colour
// the template gives; the pages change the colours and the state's text.
ControlSpec indicator(int id, const char* value, int x, int y, int w)
{
    return C::vendor(id, QString::fromLatin1(NumEdit::ProgId), x, y, w, 14,
        { { QStringLiteral("Value"), QString::fromLatin1(value) },
            { QStringLiteral("Color"), uint(IndicatorColour::Green) } });
}

// The instruction panel with its heading and texts, one label each.
std::vector<ControlSpec> panel(std::initializer_list<const char*> texts)
{
    std::vector<ControlSpec> controls { C::picture(-1, 141, 8, 28, 220, 160) };
    int y = 44;
    bool heading = true;
    for (const char* text : texts) {
        const int lines = heading ? 2 : 1 + int(std::strlen(text)) / 30;
        const int h = lines * 10;
        controls.push_back(C::label(-1, QString::fromLatin1(text), 72, y, 150, h));
        y += h + (heading ? 10 : 8);
        heading = false;
    }
    return controls;
}

// The monitor, the flags and the state of a page with these ids.
std::vector<ControlSpec> monitorControls(
    const Monitor& m, int unitLabelId = -1, int monitorGroupId = -1, int footnoteId = -1, int flagsGroupId = -1)
{
    return {
        C::group(monitorGroupId, QStringLiteral("Monitor"), 280, 28, 256, 74),
        C::label(-1, QStringLiteral("Command A/D:"), 290, 44, 72, 8),
        C::edit(m.commandEdit, ValueX, 42, 60, 12, ReadOnly),
        C::label(-1, QStringLiteral("*Design Current:"), 290, 60, 72, 8),
        C::edit(m.currentEdit, ValueX, 58, 60, 12, ReadOnly),
        C::label(unitLabelId, QStringLiteral("mA"), 429, 60, 20, 8),
        C::label(footnoteId,
            QStringLiteral("*Design current derived from calculation based on internal circuit design."), 290, 76, 240,
            20),
        C::group(flagsGroupId, QStringLiteral("Calibration Flags"), 280, 108, 256, 62),
        indicator(m.flags[0], "0% Signal OORange", 343, 120, 130),
        indicator(m.flags[1], "100% Signal OORange", 343, 136, 130),
        indicator(m.flags[2], "Range Too Small", 343, 152, 130),
        C::label(-1, QStringLiteral("Status:"), 280, 180, 30, 8),
        indicator(m.state, "Ready", 312, 177, 161),
    };
}

PageTemplate wizardTemplate(
    std::vector<ControlSpec> first, std::vector<ControlSpec> second, std::vector<ControlSpec> own)
{
    PageTemplate page { 544, 396, std::move(first) };
    page.controls.insert(page.controls.end(), second.begin(), second.end());
    page.controls.insert(page.controls.end(), own.begin(), own.end());
    return page;
}

ControlSpec valueLabel(const char* text, int y)
{
    return C::label(-1, QString::fromLatin1(text), 280, y + 2, 82, 8);
}
} // namespace

// ---------------------------------------------------------------------------
// Start page

const AnalogInputWizardPage::Monitor CCalibrationAnalogIn::Controls { CommandEdit, CurrentEdit, -1,
    { ZeroFlag, SpanFlag, RangeFlag }, StateIndicator };

const PageTemplate CCalibrationAnalogIn::Template
    = wizardTemplate(panel({ "Welcome to the Analog Input Calibration Wizard",
                         "Set zero and span for the analog input channel.", "Click Next to continue." }),
        monitorControls(Controls, CurrentUnitLabel, MonitorGroup, FootnoteLabel, FlagsGroup),
        { C::button(NextButton, QStringLiteral("Next"), 486, ButtonY, ButtonW, ButtonH) });

const ToolTipTable CCalibrationAnalogIn::ToolTips { { NextButton, NextTip } };

// ---------------------------------------------------------------------------
// Step 1

const AnalogInputWizardPage::Monitor CCalibrationAnalogIn1::Controls { CommandEdit, CurrentEdit, -1,
    { ZeroFlag, SpanFlag, RangeFlag }, StateIndicator };

const PageTemplate CCalibrationAnalogIn1::Template
    = wizardTemplate(panel({ "Start Calibration" }), monitorControls(Controls),
        {
            valueLabel("Date Last Calibrated:", 200),
            C::edit(LastDateEdit, ValueX, 200, 60, 12, ReadOnly),
            valueLabel("Last Calibrated By:", 216),
            C::edit(LastByEdit, ValueX, 216, 60, 12, ReadOnly),
            valueLabel("Today's Date:", 232),
            C::edit(TodayEdit, ValueX, 232, 60, 12, ReadOnly),
            C::button(PreviousButton, QStringLiteral("Previous"), 430, ButtonY, ButtonW, ButtonH),
            C::button(NextButton, QStringLiteral("Next"), 486, ButtonY, ButtonW, ButtonH),
        });

const ToolTipTable CCalibrationAnalogIn1::ToolTips {
    { LastDateEdit, QStringLiteral("Date of the last Analog Input Calibration.") },
    { LastByEdit, QStringLiteral("Initials of the last person to perform an Analog Input Calibration.") },
    { TodayEdit, QStringLiteral("System date") },
    { PreviousButton, PreviousTip },
    { NextButton, NextTip },
};

// ---------------------------------------------------------------------------
// Steps 2 to 4

namespace
{
std::vector<ControlSpec> acceptButtons(int accept, int previous, int next)
{
    return {
        C::button(accept, QStringLiteral("Accept"), 374, ButtonY, ButtonW, ButtonH),
        C::button(previous, QStringLiteral("Previous"), 430, ButtonY, ButtonW, ButtonH),
        C::button(next, QStringLiteral("Next"), 486, ButtonY, ButtonW, ButtonH, C::Disabled),
    };
}

// A step of these controls: the panel, the monitor, Accept, Previous and
// Next, and the A/D count under the state where the step shows it.
PageTemplate acceptStepTemplate(
    std::initializer_list<const char*> texts, const Monitor& monitor, int accept, int previous, int next)
{
    std::vector<ControlSpec> own = acceptButtons(accept, previous, next);
    if (monitor.countEdit >= 0) {
        own.push_back(valueLabel("A/D Count:", 200));
        own.push_back(C::edit(monitor.countEdit, ValueX, 200, 60, 12, ReadOnly));
    }
    return wizardTemplate(panel(texts), monitorControls(monitor), std::move(own));
}

ToolTipTable acceptStepTips(int accept, int previous, int next)
{
    return { { accept, AcceptTip }, { previous, PreviousTip }, { next, NextTip } };
}
} // namespace

const AnalogInputWizardPage::Monitor CCalibrationAnalogIn2::Controls { CommandEdit, CurrentEdit, -1,
    { ZeroFlag, SpanFlag, RangeFlag }, StateIndicator };
const AnalogInputAcceptStep::Setup CCalibrationAnalogIn2::Steps { 2, AcceptButton, PreviousButton, NextButton, 5004,
    3000, 5008, 5000, PreviousCode };
const PageTemplate CCalibrationAnalogIn2::Template
    = acceptStepTemplate({ "Set 4 mA", "Set the current source to 4 mA. Click Accept." }, Controls, AcceptButton,
        PreviousButton, NextButton);
const ToolTipTable CCalibrationAnalogIn2::ToolTips = acceptStepTips(AcceptButton, PreviousButton, NextButton);

const AnalogInputWizardPage::Monitor CCalibrationAnalogIn3::Controls { CommandEdit, CurrentEdit, CountEdit,
    { ZeroFlag, SpanFlag, RangeFlag }, StateIndicator };
const AnalogInputAcceptStep::Setup CCalibrationAnalogIn3::Steps { 3, AcceptButton, PreviousButton, NextButton, 5005,
    3000, 5009, 2000, PreviousCode };
const PageTemplate CCalibrationAnalogIn3::Template = acceptStepTemplate(
    { "Set 0% Level",
        "Set the current to the desired value when valve will be 0% open. This will usually be 4 mA for "
        "Air-to-Open valves or 20 mA for Air-to-Close valves. Once set, click the 'Accept' button to set the 0% "
        "open level. Click 'Next' to continue." },
    Controls, AcceptButton, PreviousButton, NextButton);
const ToolTipTable CCalibrationAnalogIn3::ToolTips = acceptStepTips(AcceptButton, PreviousButton, NextButton);

const AnalogInputWizardPage::Monitor CCalibrationAnalogIn4::Controls { CommandEdit, CurrentEdit, CountEdit,
    { ZeroFlag, SpanFlag, RangeFlag }, StateIndicator };
const AnalogInputAcceptStep::Setup CCalibrationAnalogIn4::Steps { 4, AcceptButton, PreviousButton, NextButton, 5006,
    5000, 5010, 5000, PreviousCode };
const PageTemplate CCalibrationAnalogIn4::Template = acceptStepTemplate(
    { "Set 100% Level",
        "Set the current to the desired value when valve will be 100% open. This will usually be 20 mA for "
        "Air-to-Open valves or 4 mA for Air-to-Close valves. Once set, click the 'Accept' button to set the 100% "
        "open level. Click 'Next' to continue." },
    Controls, AcceptButton, PreviousButton, NextButton);
const ToolTipTable CCalibrationAnalogIn4::ToolTips = acceptStepTips(AcceptButton, PreviousButton, NextButton);

// ---------------------------------------------------------------------------
// Step 5

const QString CCalibrationAnalogIn5::InitialsTip
    = QStringLiteral("Please Enter 3 Initials in the New Calibration By field.");

const AnalogInputWizardPage::Monitor CCalibrationAnalogIn5::Controls { CommandEdit, CurrentEdit, -1,
    { ZeroFlag, SpanFlag, RangeFlag }, StateIndicator };

const PageTemplate CCalibrationAnalogIn5::Template = wizardTemplate(
    panel({ "Finish the Calibration", "Adjust calibrator to match Actual with Starting percentage to avoid movement.",
        "Enter user initials in New Calibration by:", "Click Finish to complete the calibration." }),
    monitorControls(Controls),
    {
        valueLabel("Starting percentage:", 200),
        C::edit(StartPercentEdit, ValueX, 200, 60, 12, ReadOnly),
        valueLabel("Actual percentage:", 216),
        C::edit(ActualPercentEdit, ValueX, 216, 60, 12, ReadOnly),
        valueLabel("New calibration by:", 232),
        C::picture(InitialsMark, ValidityMark::ValidIcon, ValueX - 11, 234, 8, 8),
        C::edit(InitialsEdit, ValueX, 232, 60, 12, C::AlignCenter),
        C::button(PreviousButton, QStringLiteral("Previous"), 318, ButtonY, ButtonW, ButtonH),
        C::button(FinishButton, QStringLiteral("Finish"), 374, ButtonY, ButtonW, ButtonH),
        C::button(PrintButton, QStringLiteral("Print Report"), 430, ButtonY, ButtonW, ButtonH),
        C::button(BackButton, QStringLiteral("Back"), 486, ButtonY, ButtonW, ButtonH),
        C::placeholder(ReportHost, 8, 262, 20, 10),
        C::placeholder(PrinterHost, 32, 262, 20, 10),
    });

const ToolTipTable CCalibrationAnalogIn5::ToolTips {
    { StartPercentEdit, QStringLiteral("Percent analog input at the beginning of this calibration.") },
    { ActualPercentEdit, QStringLiteral("Current analog input setting to be matched with beginning value.") },
    { InitialsEdit, QStringLiteral("Initials of the person performing the Analog Input Calibration.") },
    { FinishButton, QStringLiteral("Finish Analog Input Calibration.") },
    { PreviousButton, PreviousTip },
};

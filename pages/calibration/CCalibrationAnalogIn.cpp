#include "CCalibrationAnalogIn.h"

#include "CCalibrationStorage.h"
#include "MiscAccessors.h"

CCalibrationAnalogIn::CCalibrationAnalogIn(PageContext& context, QWidget* parent)
    : AnalogInputWizardPage(context, QStringLiteral("CCalibrationAnalogIn"), DialogId, WizardPage::Start, Controls,
        Template, ToolTips, StripTimer::None, parent)
{
}

void CCalibrationAnalogIn::OnInitialUpdate()
{
    AnalogInputWizardPage::OnInitialUpdate();
    enableControl(NextButton, false);
    onClicked(NextButton, "OnNext", [this] { OnNext(); });
    setPageToolTips();
}

void CCalibrationAnalogIn::ActivatePage()
{
    EvaluateStrip();
    storage().m_wVariable57 = context().misc().ReadMiscWord57();
    ShowLiveValues();
    ShowLoopCalFlags();
    enableControl(NextButton, true);
    ShowLoopCalState();
    // The flags and the state are read only when the page is shown.
    armLiveValues(LiveTimerId, LiveMs, FirstLiveMs);
}

void CCalibrationAnalogIn::OnNext()
{
    goToStep(1);
}

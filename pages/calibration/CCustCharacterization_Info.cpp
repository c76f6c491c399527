#include "CCustCharacterization_Info.h"

#include "AppLog.h"
#include "CharacterizationRules.h"
#include "DeviceData.h"
#include "LocalInterface.h"
#include "TellboxImports.h"

#include "characterization/CharacterizationCurves.h"
#include "controls/CaptionLabel.h"
#include "core/ControlFactories.h"

#include <QComboBox>
#include <QLabel>
#include <QProgressBar>

using namespace CharacterizationRules;

CCustCharacterization_Info::CCustCharacterization_Info(PageContext& context, QWidget* parent)
    : StripPage(context, QStringLiteral("CCustCharacterization_Info"), DialogId, StripTimer::OnActivation, parent)
{
    buildPage(Template);
    if (auto* warning = controlAs<CaptionLabel>(WarningLabel))
        warning->applyWarningLook();
    if (auto* note = controlAs<CaptionLabel>(NoteLabel))
        note->applyNoteLook();
    for (int text : { WarningText, NoteText }) {
        if (auto* label = controlAs<QLabel>(text))
            label->setWordWrap(true);
    }
}

QComboBox* CCustCharacterization_Info::combo() const
{
    return controlAs<QComboBox>(CurveCombo);
}

QProgressBar* CCustCharacterization_Info::progress() const
{
    return controlAs<QProgressBar>(ProgressBar);
}

// ---------------------------------------------------------------------------
// Initial update

void CCustCharacterization_Info::OnInitialUpdate()
{
    const AppLog& log = context().log();
    log.WriteLog(QStringLiteral("CCustCharacterization_Info Entered"));
    StripPage::OnInitialUpdate();
    QPointer<QWidget> window;
    m_pLocalInterface = CreateSwitchToggle(this, window, controlScreenRect(LocalInterfaceHost), LocalInterfaceToggle);
    m_pOverride = CreateSwitchToggle(this, window, controlScreenRect(OverrideHost), OverrideToggle);
    // Its "On" label stands left of it: the lever points there when the flag is on.
    if (m_pLocalInterface)
        m_pLocalInterface->setOnAtStart(true);
    const TellboxImports& imports = context().imports();
    if (imports.CreatePlotControl)
        m_pPlot = imports.CreatePlotControl(this, window, controlScreenRect(PlotHost), PlotId);
    // A plot that could not be made leaves the page without its curve, not without the page.
    guard("OnInitialUpdate", [this] { ConfigureCharInfoPlotControl(m_pPlot); });
    combo()->addItems({ QStringLiteral("Linear"), QStringLiteral("Equal %"), QStringLiteral("Custom") });

    // A selection change is the user's: the page's own selections draw themselves.
    on(combo(), &QComboBox::activated, "OnCurveTypeChanged", [this] { OnCurveTypeChanged(); });
    on(m_pOverride, &SwitchToggle::changed, "OnOverrideToggled", [this] { OnOverrideToggled(); });
    onClicked(ApplyButton, "OnApply", [this] { OnApply(); });
    onClicked(RetrieveButton, "OnRetrieve", [this] { OnRetrieve(); });
    onClicked(CustomizeButton, "OnCustomize", [this] { OnCustomize(); });
    setToolTips(StripToolTips);
    setToolTips(ToolTips);
    log.WriteLog(QStringLiteral("CCustCharacterization_Info exit"));
}

// ---------------------------------------------------------------------------
// Page contract

void CCustCharacterization_Info::ActivatePage()
{
    m_ConfigRead = false;
    progress()->setValue(0);
    StripPage::ActivatePage();
    guard("ActivatePage", [this] { showDeviceCurve(); });
}

void CCustCharacterization_Info::OnRetrieve()
{
    progress()->setValue(0);
    showDeviceCurve();
}

void CCustCharacterization_Info::showDeviceCurve()
{
    if (read(HartCommand::ReadConfig))
        m_ConfigRead = true;
    const DeviceData& dd = data();
    if (m_pLocalInterface)
        m_pLocalInterface->setValue(LocalInterface::enabled(dd));
    const uint8_t code = dd.Config[10];
    const std::optional<int> item = itemOfCode(code);
    // A code the page does not know leaves everything as it was.
    if (!item)
        return;
    if (m_pOverride)
        m_pOverride->setValue(*item != 0);
    enableControl(CurveCombo, *item != 0);
    combo()->setCurrentIndex(*item);
    switch (*item) {
    case 0:
        OnLoadLinearGraph(m_pPlot, *progress());
        break;
    case 1:
        OnLoadEqualGraph(m_pPlot, EqualRangeability, *progress());
        break;
    default:
        readCustomCurve();
        OnLoadCustomGraph(m_pPlot, m_CurvePoints.data(), *progress());
        break;
    }
}

void CCustCharacterization_Info::readCustomCurve()
{
    const DeviceData& dd = data();
    read(HartCommand::ReadCharact);
    for (size_t k = 0; k < 10; ++k)
        m_CurvePoints[k] = static_cast<int16_t>(dd.CharactPoints[k]) * 0.01;
    read(HartCommand::ReadCharact2);
    for (size_t k = 10; k < m_CurvePoints.size(); ++k)
        m_CurvePoints[k] = static_cast<int16_t>(dd.CharactPoints[k]) * 0.01;
}

// ---------------------------------------------------------------------------
// The user's choices

void CCustCharacterization_Info::OnCurveTypeChanged()
{
    switch (combo()->currentIndex()) {
    case 0:
        OnLoadLinearGraph(m_pPlot, *progress());
        break;
    case 1:
        OnLoadEqualGraph(m_pPlot, EqualRangeability, *progress());
        break;
    case 2:
        readCustomCurve();
        OnLoadCustomGraph(m_pPlot, m_CurvePoints.data(), *progress());
        break;
    default:
        break;
    }
}

void CCustCharacterization_Info::OnOverrideToggled()
{
    if (m_pOverride->value()) {
        enableControl(CurveCombo, true);
        return;
    }
    enableControl(CurveCombo, false);
    combo()->setCurrentIndex(0);
    OnLoadLinearGraph(m_pPlot, *progress());
}

void CCustCharacterization_Info::OnApply()
{
    // The other 20 bytes go back as the device gave them: without them, nothing is sent.
    if (!m_ConfigRead) {
        context().log().WriteLog(QStringLiteral("Write_Config_cmd not sent: no Read_Config_cmd reply"));
        return;
    }
    DeviceData& dd = data();
    if (m_pLocalInterface)
        LocalInterface::setEnabled(dd, m_pLocalInterface->value());
    if (const std::optional<uint8_t> code = codeOfItem(combo()->currentIndex()))
        dd.Config[10] = *code;
    write(HartCommand::WriteConfig);
}

void CCustCharacterization_Info::OnCustomize()
{
    killTimer(StripTimerId);
    if (FormPage* editor = context().ReplaceView(EditorPage))
        editor->ActivatePage();
}

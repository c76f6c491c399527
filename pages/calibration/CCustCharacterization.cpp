#include "CCustCharacterization.h"

#include "AppLog.h"
#include "CharacterizationRules.h"
#include "DeviceData.h"
#include "LinkageGeometry.h"
#include "MiscAccessors.h"
#include "PageHelpers.h"
#include "ReportRecords.h"
#include "TellboxImports.h"
#include "ValidityMark.h"

#include "automation/NumberText.h"
#include "characterization/CharacterizationCurves.h"
#include "controls/CaptionLabel.h"
#include "core/ControlFactories.h"

#include <QAbstractButton>
#include <QLabel>
#include <QProgressBar>
#include <QSignalBlocker>

#include <cmath>
#include <limits>

using namespace CharacterizationRules;

namespace
{
constexpr uint8_t StrokeLengthWord = 0x74;

// The default custom curve, its middle points held in single precision.
constexpr float DefaultCurve[21] = { 0.0f, 8.66f, 16.24f, 23.17f, 30.11f, 35.31f, 40.51f, 45.42f, 50.34f, 54.40f,
    58.47f, 62.39f, 66.31f, 70.27f, 74.23f, 78.17f, 82.11f, 85.50f, 88.89f, 94.45f, 100.0f };
} // namespace

CCustCharacterization::CCustCharacterization(PageContext& context, QWidget* parent)
    : StripPage(context, QStringLiteral("CCustCharacterization"), DialogId, StripTimer::OnActivation, parent)
{
    buildPage(Template);
    if (auto* warning = controlAs<CaptionLabel>(WarningLabel))
        warning->applyWarningLook();
    for (int field : { ZeroPointField, FullPointField })
        enableControl(field, false);
}

ISpinEditBoxPtr CCustCharacterization::pointSpin(int row) const
{
    return ISpinEditBoxPtr(controlAs<SpinEditBox>(PointSpins[static_cast<size_t>(row - 1)]));
}

ISpinEditBoxPtr CCustCharacterization::rangeabilitySpin() const
{
    return ISpinEditBoxPtr(controlAs<SpinEditBox>(RangeabilitySpin));
}

QProgressBar* CCustCharacterization::progress() const
{
    return controlAs<QProgressBar>(ProgressBar);
}

bool CCustCharacterization::checked(int box) const
{
    auto* button = controlAs<QAbstractButton>(box);
    return button && button->isChecked();
}

void CCustCharacterization::setChecked(int box, bool check)
{
    if (auto* button = controlAs<QAbstractButton>(box))
        button->setChecked(check);
}

// ---------------------------------------------------------------------------
// Initial update

void CCustCharacterization::OnInitialUpdate()
{
    const AppLog& log = context().log();
    log.WriteLog(QStringLiteral("CCustCharacterization enter"));
    StripPage::OnInitialUpdate();
    m_pRangeabilityImage = CreateImageDisplayControl(
        this, controlScreenRect(RangeabilityImageHost), RangeabilityImageId, RangeabilityPicture, log);
    m_pFormulaImage
        = CreateImageDisplayControl(this, controlScreenRect(FormulaImageHost), FormulaImageId, FormulaPicture, log);
    const TellboxImports& imports = context().imports();
    QPointer<QWidget> window;
    if (imports.CreatePlotControl)
        m_pPlot = imports.CreatePlotControl(this, window, controlScreenRect(PlotHost), PlotId);
    guard("OnInitialUpdate", [this] { ConfigureCharInfoPlotControl(m_pPlot); });
    setWindowText(ArmLengthEdit, QStringLiteral("0"));
    connectHandlers();
    setToolTips(StripToolTips);
    setToolTips(ToolTips);
    log.WriteLog(QStringLiteral("CCustCharacterization exit"));
}

void CCustCharacterization::connectHandlers()
{
    for (int row = 1; row <= PointRows; ++row) {
        onTextChanged(PointEdits[static_cast<size_t>(row - 1)], "OnPointChanged", [this, row] { OnPointChanged(row); });
        on(pointSpin(row), &SpinEditBox::valueChanged, "OnPointSpinChanged", [this, row] { OnPointSpinChanged(row); });
    }
    on(rangeabilitySpin(), &SpinEditBox::valueChanged, "OnRangeabilityChanged", [this] { OnRangeabilityChanged(); });
    onKillFocus(RangeabilityEdit, "OnRangeabilityKillFocus", [this] { OnRangeabilityKillFocus(); });
    onClicked(RetrieveButton, "OnRetrieve", [this] { OnRetrieve(); });
    onClicked(ApplyButton, "OnApply", [this] { OnApply(); });
    onClicked(BackButton, "OnBack", [this] { OnBack(); });
    onClicked(SaveButton, "OnSave", [this] { OnSave(); });
    onClicked(LoadButton, "OnLoad", [this] { OnLoad(); });
    onClicked(DefaultButton, "OnDefault", [this] { OnDefault(); });
    onClicked(EqualPercentButton, "OnEqualPercent", [this] { OnEqualPercent(); });
    onClicked(ResetButton, "OnResetCurve", [this] { OnResetCurve(); });
    onClicked(Step1Check, "OnStep1Clicked", [this] { OnStep1Clicked(); });
    onClicked(Step2Check, "OnStep2Clicked", [this] { OnStep2Clicked(); });
    onClicked(Step3Check, "OnStep3Clicked", [this] { OnStep3Clicked(); });
    onClicked(Step4Check, "OnStep4Clicked", [this] { OnStep4Clicked(); });
    onTextChanged(ArmLengthEdit, "CheckArmLength", [this] { CheckArmLength(); });
    onClicked(CalculateButton, "OnCalculate", [this] { OnCalculate(); });
    // A stroke length the page fills is the device's; any other change is the
    // user's. Either is checked as it comes.
    onTextChanged(StrokeLengthEdit, "OnStrokeLengthChanged", [this] {
        if (!m_FillingStroke)
            m_StrokeEdited = true;
        checkStroke();
    });
}

// ---------------------------------------------------------------------------
// Page contract

void CCustCharacterization::ActivatePage()
{
    progress()->setValue(0);
    StripPage::ActivatePage();
    m_StrokeRead = false;
    if (!m_Retrieved) {
        SetUpLinearizationSteps();
        setWindowText(RangeabilityEdit, QString::number(InitialRangeability));
        if (const ISpinEditBoxPtr spin = rangeabilitySpin())
            spin->setIntValue(InitialRangeability);
    }
    DeviceData& dd = data();
    read(HartCommand::ReadConfig);
    if (const std::optional<QString> setting = settingText(dd.Config[10]))
        setWindowText(SettingEdit, *setting);

    m_StrokeRead = read(HartCommand::ReadValveTravelCycleCount);
    setStrokeText(NumberText::format("%3.2f", static_cast<uint16_t>(dd.TravelCycle[5]) * 0.01));
    m_StrokeEdited = false;

    read(HartCommand::ReadUnits);
    setWindowText(StrokeUnitLabel, dd.TravelUnitLabel);
    read(HartCommand::ReadStatus);
    setWindowText(PositionEdit, NumberText::fromDouble(static_cast<int16_t>(dd.Position) * 0.01));

    readCustomCurve();
    guard("ActivatePage", [this] {
        OnLoadCustomGraph(m_pPlot, m_WorkingCurve.data(), *progress());
        ShowCurveInEdits();
    });
    if (!m_Applied)
        m_SavedCurve = m_WorkingCurve;
}

void CCustCharacterization::OnRetrieve()
{
    m_Retrieved = 1;
    ActivatePage();
}

void CCustCharacterization::setStrokeText(const QString& text)
{
    m_FillingStroke = true;
    setWindowText(StrokeLengthEdit, text);
    m_FillingStroke = false;
}

void CCustCharacterization::readCustomCurve()
{
    const DeviceData& dd = data();
    read(HartCommand::ReadCharact);
    for (size_t k = 0; k < 10; ++k)
        m_WorkingCurve[k] = static_cast<int16_t>(dd.CharactPoints[k]) * 0.01;
    read(HartCommand::ReadCharact2);
    for (size_t k = 10; k < m_WorkingCurve.size(); ++k)
        m_WorkingCurve[k] = static_cast<int16_t>(dd.CharactPoints[k]) * 0.01;
}

// ---------------------------------------------------------------------------
// The curve in the edits

void CCustCharacterization::ShowCurveInEdits()
{
    const IPlotChannelPtr curve = m_pPlot->ChannelByName(CharacterizationCurve::ChannelName);
    if (!curve)
        return;
    // Only the points the channel holds, and only those on the 5 % grid; a
    // loaded file may hold anything there.
    for (int i = 0; i < curve->Count(); ++i) {
        const double xValue = std::trunc(curve->GetX(i));
        if (!(xValue >= 5.0 && xValue <= 95.0))
            continue;
        const int x = static_cast<int>(xValue);
        if (x % 5 != 0)
            continue;
        const int row = x / 5;
        const double y = curve->GetY(i);
        setWindowText(PointEdits[static_cast<size_t>(row - 1)], NumberText::format("%5.2f", y));
        // The edit keeps the text just set: the spin follows without a word.
        if (const ISpinEditBoxPtr spin = pointSpin(row))
            spin->setValueSilently(y * 100.0);
    }
}

bool CCustCharacterization::checkPoint(int row)
{
    const size_t index = static_cast<size_t>(row - 1);
    return ValidityMark::show(this, PointMarks[index], pointValue(windowText(PointEdits[index])).has_value(), PointTip);
}

bool CCustCharacterization::checkPoints()
{
    bool valid = true;
    for (int row = 1; row <= PointRows; ++row)
        valid = checkPoint(row) && valid;
    return valid;
}

void CCustCharacterization::OnPointChanged(int row)
{
    checkPoint(row);
    // The typed text stays as typed; the spin and the plot take the value
    // held to 0..100. A text that is no number moves neither: they would
    // show a point the user never typed.
    const std::optional<double> value = pointPercent(windowText(PointEdits[static_cast<size_t>(row - 1)]));
    if (!value)
        return;
    if (const ISpinEditBoxPtr spin = pointSpin(row))
        spin->setValueSilently(*value * 100.0);
    const IPlotChannelPtr curve = m_pPlot->ChannelByName(CharacterizationCurve::ChannelName);
    if (curve && row < curve->Count())
        curve->SetY(row, *value);
}

void CCustCharacterization::OnPointSpinChanged(int row)
{
    const ISpinEditBoxPtr spin = pointSpin(row);
    setWindowText(PointEdits[static_cast<size_t>(row - 1)], NumberText::fromDouble(spin->value() * 0.01));
}

void CCustCharacterization::OnRangeabilityChanged()
{
    setWindowText(RangeabilityEdit, QString::number(rangeabilitySpin()->intValue()));
}

void CCustCharacterization::OnRangeabilityKillFocus()
{
    const ISpinEditBoxPtr spin = rangeabilitySpin();
    // A text that is no number leaves the spin's value, shown again at once.
    if (const std::optional<int> typed = rangeability(windowText(RangeabilityEdit)))
        spin->setIntValue(*typed);
    setWindowText(RangeabilityEdit, QString::number(spin->intValue()));
}

// ---------------------------------------------------------------------------
// Whole curves

void CCustCharacterization::OnDefault()
{
    const IPlotChannelPtr curve = m_pPlot->ChannelByName(CharacterizationCurve::ChannelName);
    curve->Clear();
    for (int k = 0; k < 21; ++k)
        curve->AddXY(5.0 * k, static_cast<double>(DefaultCurve[k]));
    ShowCurveInEdits();
}

void CCustCharacterization::OnEqualPercent()
{
    const ISpinEditBoxPtr spin = rangeabilitySpin();
    const double value = spin->value();
    if (spin->min() <= value && value <= spin->max())
        OnLoadEqualGraph(m_pPlot, static_cast<int>(value), *progress());
    ShowCurveInEdits();
}

void CCustCharacterization::OnResetCurve()
{
    const IPlotChannelPtr curve = m_pPlot->ChannelByName(CharacterizationCurve::ChannelName);
    if (curve) {
        const int points = std::min(curve->Count(), static_cast<int>(m_SavedCurve.size()));
        for (int i = 0; i < points; ++i)
            curve->SetY(i, m_SavedCurve[static_cast<size_t>(i)]);
    }
    ShowCurveInEdits();
}

void CCustCharacterization::OnSave()
{
    read(HartCommand::ReadTagDescriptorDate);
    CStrokeCharacterizationReport& record = context().records().m_StrokeCharacterizationReport;
    record.m_strTag = AutoString(data().Tag);
    record.SaveStrokeCustom(m_pPlot);
}

void CCustCharacterization::OnLoad()
{
    context().records().m_StrokeCharacterizationReport.LoadStrokeCustom(m_pPlot);
    ShowCurveInEdits();
}

// ---------------------------------------------------------------------------
// Apply and Back

std::optional<double> CCustCharacterization::checkStroke()
{
    const std::optional<double> stroke = strokeValue(windowText(StrokeLengthEdit));
    ValidityMark::show(this, StrokeLengthMark, stroke.has_value(), StrokeTip);
    return stroke;
}

std::optional<double> CCustCharacterization::checkArm()
{
    const std::optional<double> arm = armValue(windowText(ArmLengthEdit));
    ValidityMark::show(this, ArmLengthMark, arm.has_value(), ArmTip);
    return arm;
}

void CCustCharacterization::writeStrokeLength(double stroke)
{
    // Without the device's stroke in the edit, the write would set another stroke.
    if (!m_StrokeRead && !m_StrokeEdited) {
        context().log().WriteLog(QStringLiteral("Write_Misc_cmd not sent: no Read_Valve_Travel_Cycle_Count reply"));
        return;
    }
    context().misc().WriteMiscWord(StrokeLengthWord, strokeWord(stroke));
}

void CCustCharacterization::OnApply()
{
    // A point the device cannot take would go out as another one: nothing
    // is written until every mark is clear.
    if (!checkPoints()) {
        context().log().WriteLog(
            QStringLiteral("Write_Charact_cmd not sent: a point is not one of the %1").arg(PointRange.describe()));
        return;
    }
    // The stroke goes out with the curve: as the user sees it, or nothing goes.
    const std::optional<double> stroke = checkStroke();
    if (!stroke) {
        context().log().WriteLog(
            QStringLiteral("Write_Charact_cmd not sent: the stroke length \"%1\" is not one of the %2")
                .arg(windowText(StrokeLengthEdit), StrokeRange.describe()));
        return;
    }
    m_Applied = 1;
    writeStrokeLength(*stroke);
    DeviceData& dd = data();
    dd.CharactPoints[0] = 0;
    for (int k = 1; k <= PointRows; ++k) {
        // Every point was checked above: a number from 0 to 100.
        const std::optional<double> point = pointValue(windowText(PointEdits[static_cast<size_t>(k - 1)]));
        dd.CharactPoints[static_cast<size_t>(k)] = pointWord(point.value_or(0.0));
    }
    dd.CharactPoints[20] = FullScalePoint;
    const bool firstHalf = write(HartCommand::WriteCharact);
    const bool secondHalf = write(HartCommand::WriteCharact2);
    // The curve just written is now the existing one, the one Reset and the
    // next activation bring back; a refused write leaves the device's as it was.
    if (firstHalf && secondHalf) {
        for (size_t k = 0; k < m_SavedCurve.size(); ++k)
            m_SavedCurve[k] = static_cast<int16_t>(dd.CharactPoints[k]) * 0.01;
        m_WorkingCurve = m_SavedCurve;
    }
}

void CCustCharacterization::OnBack()
{
    killTimer(StripTimerId);
    if (FormPage* selection = context().ReplaceView(SelectionPage))
        selection->ActivatePage();
}

// ---------------------------------------------------------------------------
// The linkage linearization procedure

void CCustCharacterization::SetUpLinearizationSteps()
{
    read(HartCommand::ReadActuator);
    switch (data().ActuatorCodes[1]) {
    case 0:
    case 1:
        enableControl(Step1Check, true);
        setChecked(Step1Check, false);
        OnStep1Clicked();
        break;
    case 2:
    case 3:
        enableControl(Step1Check, false);
        setChecked(Step1Check, false);
        OnStep1Clicked();
        break;
    case 99:
        for (int box : { Step1Check, Step2Check, Step3Check, Step4Check }) {
            enableControl(box, false);
            setChecked(box, false);
        }
        for (int control : { CalculateButton, ArmLengthEdit, StrokeLengthEdit })
            enableControl(control, false);
        break;
    default:
        break;
    }
}

void CCustCharacterization::OnStep1Clicked()
{
    if (checked(Step1Check)) {
        enableControl(Step2Check, true);
        return;
    }
    enableControl(Step2Check, false);
    setChecked(Step2Check, false);
    OnStep2Clicked();
}

void CCustCharacterization::OnStep2Clicked()
{
    if (checked(Step2Check)) {
        enableControl(Step3Check, true);
        enableControl(ArmLengthEdit, true);
        return;
    }
    enableControl(Step3Check, false);
    setChecked(Step3Check, false);
    enableControl(ArmLengthEdit, false);
    CheckArmLength();
}

void CCustCharacterization::OnStep3Clicked()
{
    CheckArmLength();
}

void CCustCharacterization::CheckArmLength()
{
    // An arm that is no number in its range counts as none entered.
    const std::optional<double> arm = checkArm();
    const bool step3 = checked(Step3Check);
    if (!(arm && *arm > 0.0) || !step3) {
        enableControl(Step4Check, false);
        setChecked(Step4Check, false);
        OnStep4Clicked();
        return;
    }
    enableControl(Step4Check, true);
}

void CCustCharacterization::OnStep4Clicked()
{
    const bool on = checked(Step4Check);
    enableControl(StrokeLengthEdit, on);
    enableControl(CalculateButton, on);
}

void CCustCharacterization::OnCalculate()
{
    // A stroke or an arm that is no number in its range would be written,
    // and computed with, as another one: nothing is sent, and no message of
    // an earlier run stands for this one.
    const std::optional<double> stroke = checkStroke();
    const std::optional<double> arm = checkArm();
    if (!stroke || !arm) {
        const AppLog& log = context().log();
        const QString line = QStringLiteral("Write_Misc_cmd not sent: the %1 length \"%2\" is not one of the %3");
        if (!stroke)
            log.WriteLog(line.arg(QStringLiteral("stroke"), windowText(StrokeLengthEdit), StrokeRange.describe()));
        if (!arm)
            log.WriteLog(line.arg(QStringLiteral("arm"), windowText(ArmLengthEdit), ArmRange.describe()));
        setWindowText(ErrorEdit, QString());
        return;
    }
    // The stroke goes to the device before the geometry's checks.
    writeStrokeLength(*stroke);
    // The position is the device's, as the page shows it; a text that is no
    // number gives the geometry no position.
    const std::optional<double> shown = WindowNumber(control(PositionEdit));
    const int wholePosition = shown ? static_cast<int>(std::clamp(std::trunc(*shown), -1.0, 1000.0)) : 0;

    const std::optional<LinkageGeometry::Result> result
        = LinkageGeometry::Linearize(*arm, wholeStroke(*stroke), wholePosition);
    // A geometry without an answer keeps the curve and the edits, and says
    // so: the message of an earlier run would pass for this one's.
    if (!result) {
        setWindowText(ErrorEdit, LinkageGeometry::text(LinkageGeometry::Message::InvalidGeometry));
        return;
    }
    if (result->curve) {
        m_WorkingCurve = *result->curve;
        const IPlotChannelPtr curve = m_pPlot->ChannelByName(CharacterizationCurve::ChannelName);
        curve->Clear();
        for (int k = 0; k < 21; ++k)
            curve->AddXY(5.0 * k, m_WorkingCurve[static_cast<size_t>(k)]);
        ShowCurveInEdits();
    }
    setWindowText(ErrorEdit, LinkageGeometry::text(result->message));
}

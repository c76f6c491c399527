#include "CControlHealth.h"

#include "AppLog.h"
#include "DeviceData.h"
#include "LimitFieldMarks.h"
#include "PageHelpers.h"
#include "ValidityMark.h"

#include "automation/DeviceWords.h"
#include "automation/NumberText.h"

#include <QAbstractButton>

#include <algorithm>

CControlHealth::CControlHealth(PageContext& context, QWidget* parent)
    : StripPage(context, QStringLiteral("CControlHealth"), DialogId, StripTimer::OnActivation, parent)
{
    buildPage(Template);
}

void CControlHealth::OnInitialUpdate()
{
    StripPage::OnInitialUpdate();
    m_pIllustration = CreateImageDisplayControl(
        this, controlScreenRect(IllustrationHost), IllustrationId, IllustrationPicture, context().log());
    onClicked(HelpButton, "ShowDeviationHelp", [this] { ShowDeviationHelp(); });
    onClicked(ApplyButton, "OnApply", [this] { OnApply(); });
    onClicked(RetrieveButton, "OnRetrieve", [this] { OnRetrieve(); });
    // A whole number the user types or steps past the band's or the time
    // frame's bounds is held there at once, so the box never shows one that
    // Apply would not write. A fraction the device would not keep stays as
    // typed, marked, and Apply writes nothing. The device's own values are
    // shown as they came.
    for (const auto& [spinId, range] :
        { std::pair { int(ToleranceSpin), ToleranceRange }, { TimeFrameSpin, TimeFrameRange } }) {
        on(spin(spinId), &SpinEditBox::valueChanged, "OnLimitSpinChanged", [this, spinId, range] {
            const ISpinEditBoxPtr box = spin(spinId);
            if (range.onStep(box->value()))
                box->setValue(std::clamp(box->value(), range.least, range.most));
            checkSpin(spinId);
        });
    }
    setToolTips(StripToolTips);
    setToolTips(ToolTips);
    // The help texts stand from the first display on.
    if (auto* button = controlAs<QAbstractButton>(HelpButton))
        button->setChecked(true);
    ShowDeviationHelp();
}

ISpinEditBoxPtr CControlHealth::spin(int spinId) const
{
    return ISpinEditBoxPtr::fromObject(control(spinId));
}

void CControlHealth::ActivatePage()
{
    StripPage::ActivatePage();
    every(DeviationTimerId, DeviationMs, "ReadActualDeviation", [this] { ReadActualDeviation(); });
    m_bAlertsRead = false;
    ReadActualDeviation();
    ReadDeviationLimits();
}

void CControlHealth::OnRetrieve()
{
    ReadDeviationLimits();
    ReadActualDeviation();
}

void CControlHealth::ReadDeviationLimits()
{
    if (read(HartCommand::ReadPositionAlert))
        m_bAlertsRead = true;
    // Without a reply the spins show the words last decoded.
    const DeviceData& dd = data();
    m_ToleranceWord = dd.PositionAlerts[2];
    m_TimeFrameWord = dd.PositionAlerts[3];
    m_TimeFrameInTenths = dd.PositionAlertFrameInTenths;
    m_ShownTolerance = static_cast<int16_t>(m_ToleranceWord) * 0.01;
    m_ShownTimeFrame = m_TimeFrameInTenths ? m_TimeFrameWord * 0.1 : double(m_TimeFrameWord);
    spin(ToleranceSpin)->setValueSilently(m_ShownTolerance);
    spin(TimeFrameSpin)->setValueSilently(m_ShownTimeFrame);
    checkSpin(ToleranceSpin);
    checkSpin(TimeFrameSpin);
}

void CControlHealth::ReadActualDeviation()
{
    read(HartCommand::ReadStatus);
    setWindowText(ActualValueEdit, NumberText::fromDouble(data().PositionDeviation() * 0.01));
}

bool CControlHealth::checkSpin(int spinId)
{
    const bool tolerance = spinId == ToleranceSpin;
    const double value = spin(spinId)->value();
    const bool taken = value == (tolerance ? m_ShownTolerance : m_ShownTimeFrame)
        || (tolerance ? ToleranceRange : TimeFrameRange).contains(value);
    ValidityMark::show(
        this, tolerance ? ToleranceMark : TimeFrameMark, taken, (tolerance ? ToleranceRange : TimeFrameRange).tip());
    return taken;
}

void CControlHealth::OnApply()
{
    // The two travel alert words go back as the device last gave them; before
    // a reply they would be zeros or another session's values.
    if (!m_bAlertsRead) {
        context().log().WriteLog(QStringLiteral("Write_Position_Alrt_cmd not sent: no Read_Position_Alrt_cmd reply"));
        return;
    }
    // A value the device would not keep as shown is not cut to one it would:
    // the box stays as typed, marked, and nothing is written.
    const bool toleranceTaken = checkSpin(ToleranceSpin);
    const bool timeFrameTaken = checkSpin(TimeFrameSpin);
    if (!toleranceTaken || !timeFrameTaken) {
        context().log().WriteLog(QStringLiteral("Write_Position_Alrt_cmd not sent: %1 is not one of the %2")
                                     .arg(toleranceTaken ? QStringLiteral("the deviation time frame")
                                                         : QStringLiteral("the tolerable error"),
                                         (toleranceTaken ? TimeFrameRange : ToleranceRange).describe()));
        return;
    }
    DeviceData& dd = data();
    const double tolerance = spin(ToleranceSpin)->value();
    const double timeFrame = spin(TimeFrameSpin)->value();
    // A value the user left as it was read goes back as the device gave it,
    // not cut to a whole number (15.75 % would become 15 %).
    if (tolerance == m_ShownTolerance)
        dd.PositionAlerts[2] = m_ToleranceWord;
    else
        dd.PositionAlerts[2] = DeviceWords::toU16(tolerance, 100.0);
    if (timeFrame == m_ShownTimeFrame) {
        dd.PositionAlerts[3] = m_TimeFrameWord;
        dd.PositionAlertFrameInTenths = m_TimeFrameInTenths;
    } else {
        dd.PositionAlerts[3] = DeviceWords::toU16(timeFrame, 1.0);
        dd.PositionAlertFrameInTenths = 0;
    }
    write(HartCommand::WritePositionAlert);
}

void CControlHealth::ShowDeviationHelp()
{
    auto* button = controlAs<QAbstractButton>(HelpButton);
    if (!button || !button->isChecked())
        return;
    setWindowText(SolutionsEdit, QString::fromLatin1(Solutions));
    setWindowText(ImplicationsEdit, QString::fromLatin1(Implications));
}

#include "CControlHealth.h"

#include "AppLog.h"
#include "DeviceData.h"
#include "PageHelpers.h"

#include "automation/DeviceWords.h"
#include "automation/NumberText.h"

#include <QAbstractButton>

#include <algorithm>
#include <cmath>

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
    // A value the user types or steps past the band's or the time frame's
    // bounds is held there at once, so the box never shows one that Apply
    // would not write. The device's own values are shown as they came.
    for (const auto& [spinId, maximum] :
        { std::pair { int(ToleranceSpin), MaxTolerance }, { TimeFrameSpin, MaxTimeFrame } }) {
        on(spin(spinId), &SpinEditBox::valueChanged, "OnLimitSpinChanged", [this, spinId, maximum] {
            const ISpinEditBoxPtr box = spin(spinId);
            box->setValue(std::clamp(box->value(), 0.0, maximum));
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
}

void CControlHealth::ReadActualDeviation()
{
    read(HartCommand::ReadStatus);
    setWindowText(ActualValueEdit, NumberText::fromDouble(data().PositionDeviation() * 0.01));
}

double CControlHealth::wholeWithin(const ISpinEditBoxPtr& spin, double maximum)
{
    spin->setValue(std::clamp(std::trunc(spin->value()), 0.0, maximum));
    return spin->value();
}

void CControlHealth::OnApply()
{
    // The two travel alert words go back as the device last gave them; before
    // a reply they would be zeros or another session's values.
    if (!m_bAlertsRead) {
        context().log().WriteLog(QStringLiteral("Write_Position_Alrt_cmd not sent: no Read_Position_Alrt_cmd reply"));
        return;
    }
    DeviceData& dd = data();
    const ISpinEditBoxPtr tolerance = spin(ToleranceSpin);
    const ISpinEditBoxPtr timeFrame = spin(TimeFrameSpin);
    // A value the user left as it was read goes back as the device gave it,
    // not cut to a whole number (15.75 % would become 15 %).
    if (tolerance->value() == m_ShownTolerance)
        dd.PositionAlerts[2] = m_ToleranceWord;
    else
        dd.PositionAlerts[2] = DeviceWords::toU16(wholeWithin(tolerance, MaxTolerance), 100.0);
    if (timeFrame->value() == m_ShownTimeFrame) {
        dd.PositionAlerts[3] = m_TimeFrameWord;
        dd.PositionAlertFrameInTenths = m_TimeFrameInTenths;
    } else {
        dd.PositionAlerts[3] = DeviceWords::toU16(wholeWithin(timeFrame, MaxTimeFrame), 1.0);
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

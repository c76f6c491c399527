#include "CCalibrationZeroSupply.h"

#include "MiscAccessors.h"
#include "PageHelpers.h"

#include <QLabel>

CCalibrationZeroSupply::CCalibrationZeroSupply(PageContext& context, QWidget* parent)
    : StripPage(context, QStringLiteral("CCalibrationZeroSupply"), DialogId, StripTimer::None, parent)
{
    buildPage(Template);
    for (QLabel* label : findChildren<QLabel*>()) {
        if (label->text().size() > 60)
            label->setWordWrap(true);
    }
}

void CCalibrationZeroSupply::OnInitialUpdate()
{
    StripPage::OnInitialUpdate();
    onClicked(CaptureButton, "OnCaptureZero", [this] { OnCaptureZero(); });
    onClicked(BackButton, "OnFinish", [this] { OnFinish(); });
    onClicked(FinishButton, "OnFinish", [this] { OnFinish(); });
    setToolTips(StripToolTips);
}

void CCalibrationZeroSupply::ActivatePage()
{
    enableControl(FinishButton, false);
    enableControl(BackButton, true);
    EvaluateStrip();
    every(
        CountTimerId, ReadMs, "OnTimer", [this] { OnCountTimer(); }, FirstReadMs);
    // Kept as the device holds them; the page never shows them.
    MiscAccessors& misc = context().misc();
    m_Span = misc.ReadMiscWord66();
    m_Zero = misc.ReadMiscWord64();
    m_Full = misc.ReadMiscWord65();
}

void CCalibrationZeroSupply::OnCountTimer()
{
    RefreshStrip();
    bool ok = false;
    const int16_t count = static_cast<int16_t>(context().misc().ReadMiscWord67(&ok));
    // A reply for another variable (or none) is no count.
    if (!ok)
        return;
    if (count > m_RunningMaximum)
        m_RunningMaximum = count;
    setWindowText(CountEdit, QString::number(count));
}

void CCalibrationZeroSupply::OnCaptureZero()
{
    enableControl(BackButton, false);
    // The zero is the count shown last, which may be up to 20 s old.
    m_Zero = static_cast<uint16_t>(GetWindowInt(control(CountEdit)));
    m_Full = static_cast<uint16_t>(m_RunningMaximum);
    m_Span = static_cast<uint16_t>(m_Full - m_Zero);
    if (static_cast<int16_t>(m_Span) <= MinimumSpan)
        return;
    killTimer(CountTimerId);
    MiscAccessors& misc = context().misc();
    misc.WriteMiscWord66(m_Span);
    misc.WriteMiscWord65(m_Full);
    misc.WriteMiscWord64(m_Zero);
    enableControl(FinishButton, true);
}

void CCalibrationZeroSupply::OnFinish()
{
    killTimer(CountTimerId);
    if (FormPage* next = context().ReplaceView(CalibrationPage))
        next->ActivatePage();
}

#include "CCalibrationZeroSupply.h"

#include "AppLog.h"
#include "MiscAccessors.h"
#include "PageHelpers.h"

#include "ui/Prompts.h"

#include <QLabel>

namespace
{
// The counts the edit shows: signed 16-bit words.
constexpr FieldRange CountRange { -32768.0, 32767.0, FieldStep::Whole };
} // namespace

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
    // The zero is the count shown last, which may be up to 20 s old. Before
    // the first count is shown there is none to capture: an empty edit is
    // no zero count of 0.
    const std::optional<double> shown = WindowNumberIn(control(CountEdit), CountRange);
    if (!shown) {
        context().log().WriteLog(QStringLiteral("Write_Misc_cmd not sent: no A/D count shown yet"));
        refuseCapture(NoCountYetText);
        return;
    }
    const uint16_t zero = static_cast<uint16_t>(static_cast<int16_t>(*shown));
    const uint16_t full = static_cast<uint16_t>(m_RunningMaximum);
    const uint16_t span = static_cast<uint16_t>(full - zero);
    // A refused capture keeps the words the page holds.
    if (static_cast<int16_t>(span) <= MinimumSpan) {
        refuseCapture(SpanTooSmallText.arg(static_cast<int16_t>(zero)).arg(static_cast<int16_t>(full)));
        return;
    }
    m_Zero = zero;
    m_Full = full;
    m_Span = span;
    // Captured: the way on is Finish, once the supply is back.
    enableControl(BackButton, false);
    killTimer(CountTimerId);
    MiscAccessors& misc = context().misc();
    misc.WriteMiscWord66(m_Span);
    misc.WriteMiscWord65(m_Full);
    misc.WriteMiscWord64(m_Zero);
    enableControl(FinishButton, true);
}

void CCalibrationZeroSupply::refuseCapture(const QString& why)
{
    // The count goes on being read, so the user may capture again once it
    // has fallen, or go back to the calibration.
    enableControl(BackButton, true);
    Prompts::show(why, RefusedCaption, Prompts::Buttons::Ok, Prompts::Icon::Warning, this);
}

void CCalibrationZeroSupply::OnFinish()
{
    killTimer(CountTimerId);
    if (FormPage* next = context().ReplaceView(CalibrationPage))
        next->ActivatePage();
}

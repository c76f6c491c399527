#include "AnalogInputWizardRules.h"

#include "IndicatorColours.h"

#include "automation/NumberText.h"

#include <algorithm>

namespace AnalogInputWizardRules
{

std::optional<StateDisplay> loopStateDisplay(WizardPage page, uint8_t state, bool fourMilliampSet, bool keepState12Text)
{
    using namespace IndicatorColour;
    const bool stepTwoToFive = page >= WizardPage::Step2;
    const StateDisplay error { QStringLiteral("Loop calibration error..."), Red };
    switch (state) {
    case 0:
        return StateDisplay { QStringLiteral("Ready"), Green };
    case 3:
        if (page == WizardPage::Step1)
            return StateDisplay { QStringLiteral("Initializing calibration..."), Green };
        if (stepTwoToFive)
            return StateDisplay { QStringLiteral("Reference point set..."), Green };
        return error;
    case 8:
        if (stepTwoToFive)
            return StateDisplay { QStringLiteral("Setting reference point..."), Green };
        return error;
    case 11:
        // Up to the 4 mA step the device waits for 4 mA until that point was
        // accepted; from the 0 % step on it waits for the 0 % level.
        if (page <= WizardPage::Step2 && !fourMilliampSet)
            return StateDisplay { QStringLiteral("Waiting to set 4mA..."), Yellow };
        return StateDisplay { QStringLiteral("Waiting to set 0%..."), Yellow };
    case 12:
        if (keepState12Text)
            return std::nullopt;
        return StateDisplay { QStringLiteral("Waiting to set 100%..."), Yellow };
    case 13:
        return StateDisplay { QStringLiteral("Waiting to set previous command..."), Yellow };
    case 14:
        return StateDisplay { QStringLiteral("Saving final values..."), Yellow };
    default:
        return error;
    }
}

uint32_t flagColour(uint8_t historyByte8, int flag)
{
    return (historyByte8 & FlagMasks.at(size_t(flag))) ? IndicatorColour::Red : IndicatorColour::Green;
}

LoopPass finishOutcome(bool answered, std::optional<uint8_t> historyByte8)
{
    if (!answered)
        return LoopPass::NotFinished;
    // Flags not read back are no sign of a range the device took: the ones
    // at hand are from before the Finish.
    if (!historyByte8)
        return LoopPass::NotConfirmed;
    if (*historyByte8 & FlagMasks[2])
        return LoopPass::RangeTooSmall;
    return LoopPass::Completed;
}

QString passStateText(LoopPass pass)
{
    switch (pass) {
    case LoopPass::Completed:
        return QStringLiteral("Calibration completed");
    case LoopPass::RangeTooSmall:
        return QStringLiteral("Calibration not completed: range too small");
    case LoopPass::NotConfirmed:
        return QStringLiteral("Calibration not completed: not confirmed by device");
    case LoopPass::NotFinished:
        break;
    }
    return QStringLiteral("Calibration not completed: not finished");
}

StateDisplay refusedRangeDisplay()
{
    return { QStringLiteral("Command Loop Range Too Small"), IndicatorColour::Red };
}

StateDisplay unconfirmedFinishDisplay()
{
    return { QStringLiteral("Finish not confirmed by device"), IndicatorColour::Yellow };
}

QString reportCountText(int count, LoopPass pass, CountReading reading)
{
    const QString text = QString::number(count);
    switch (reading) {
    case CountReading::NoReply:
        return QStringLiteral("No reply from device");
    case CountReading::LastReported:
        return text + QStringLiteral(" (last reported)");
    case CountReading::Answered:
        break;
    }
    if (pass == LoopPass::Completed)
        return text;
    return text + QStringLiteral(" (held by device)");
}

QString liveCountText(int count, CountReading reading)
{
    return reportCountText(count, LoopPass::Completed, reading);
}

CountReading combinedReading(CountReading first, CountReading second)
{
    return std::max(first, second);
}

int adRange(uint16_t zeroCount, uint16_t fullCount)
{
    return int(fullCount) - int(zeroCount);
}

QString percentText(double percent)
{
    return NumberText::fromDouble(percent) + QStringLiteral(" %");
}

double commandPercent(uint16_t commandWord)
{
    return int16_t(commandWord) * 0.01;
}

QString loopCalText(const QString& date, const QString& initials)
{
    return date + QLatin1Char(' ') + initials.left(3);
}

QString lastCalibrationDate(const QString& loopCalText)
{
    return StrokeCalibrationRules::lastDate(loopCalText);
}

QString lastCalibrationInitials(const QString& loopCalText)
{
    return StrokeCalibrationRules::lastInitials(loopCalText);
}

} // namespace AnalogInputWizardRules

#pragma once

#include "CCalibrationStorage.h"
#include "StrokeCalibrationRules.h"

#include <QDate>
#include <QString>

#include <array>
#include <cstdint>
#include <optional>

// What the analog input calibration wizard decides without its widgets: the
// state text and colour of each page, the flag colours, the initials check
// and the texts it shows and sends.
namespace AnalogInputWizardRules
{
// The six pages of the wizard, in their order.
enum class WizardPage { Start, Step1, Step2, Step3, Step4, Step5 };

struct StateDisplay {
    QString text;
    uint32_t colour;
};

// The state indicator for the device's loop calibration state on `page`.
// Nothing (the indicator keeps what it shows) for state 12 while
// `keepState12Text` is set.
std::optional<StateDisplay> loopStateDisplay(
    WizardPage page, uint8_t state, bool fourMilliampSet, bool keepState12Text = false);

// The three flag indicators ("0% Signal OORange", "100% Signal OORange",
// "Range Too Small") and their bits in byte 8 of the error history.
constexpr std::array<uint8_t, 3> FlagMasks { 0x04, 0x02, 0x01 };
// Red for a set bit, green for a clear one.
uint32_t flagColour(uint8_t historyByte8, int flag);

// What a Finish came to: not answered; answered, but the flags read back
// after it (`historyByte8`, nothing when that read got no whole reply) do
// not say whether the device took the range; the device's range-too-small
// flag raised after it (the device keeps its old zero and span); or completed.
using LoopPass = CCalibrationStorage::LoopPass;
LoopPass finishOutcome(bool answered, std::optional<uint8_t> historyByte8);
// The report's "Calibration State:" for a pass.
QString passStateText(LoopPass pass);
// The state indicator after a Finish the device refused for its range.
StateDisplay refusedRangeDisplay();
// The state indicator after a Finish the device answered without reporting
// its flags back.
StateDisplay unconfirmedFinishDisplay();
// How a count read for the report came back: answered now; not answered,
// with a value the device reported earlier; or never answered at all.
enum class CountReading { Answered, LastReported, NoReply };
// A count as the report prints it: as it is after a completed pass;
// otherwise it is not this pass's but the one the device still holds, and
// says so. A count the device did not answer now is the one it last
// reported, or none, and says that instead.
QString reportCountText(int count, LoopPass pass, CountReading reading = CountReading::Answered);
// The command A/D count as the report prints it: the count now when
// answered, otherwise as reportCountText says.
QString liveCountText(int count, CountReading reading);
// The reading of a value worked out from two counts: the less sure of the two.
CountReading combinedReading(CountReading first, CountReading second);
// The A/D range: the span from the 0 % count to the 100 % count, negative
// when the loop is reversed (100 % at the lower current).
int adRange(uint16_t zeroCount, uint16_t fullCount);

// The initials and the date are checked and written as for a stroke
// calibration: exactly 3 characters, not all blanks; "11/30/2029".
using StrokeCalibrationRules::dateText;
using StrokeCalibrationRules::initialsAcceptable;
// The initials as the pages show them: without the blanks the device pads
// them with, so a loop never calibrated leaves the field empty for the three
// letters the user types.
using StrokeCalibrationRules::shownInitials;

// A percentage as shown on the final page: the number's default text and " %".
QString percentText(double percent);
// The command of a status reply (hundredths of a percent, signed) in percent.
double commandPercent(uint16_t commandWord);
// The text sent with the final code: the date, a blank and the first 3
// characters of the initials.
QString loopCalText(const QString& date, const QString& initials);
// The date and the initials of the device's last loop calibration text, by
// their places in it as in a stroke calibration text.
QString lastCalibrationDate(const QString& loopCalText);
QString lastCalibrationInitials(const QString& loopCalText);
} // namespace AnalogInputWizardRules

#pragma once

#include "FieldRange.h"

#include <QString>

#include <cstdint>
#include <optional>

// What the characterization pages decide without widgets: the curve type
// codes of the configuration block, and the texts the user types turned into
// device words.
namespace CharacterizationRules
{

// The item of "Linear", "Equal %", "Custom" a curve type code shows: 0
// custom, 4 or 12 linear, 8 equal percentage; none for any other code.
std::optional<int> itemOfCode(uint8_t code);
// The code Apply writes for an item: 12, 8, 0; none without a selection.
std::optional<uint8_t> codeOfItem(int item);
// "Custom", "Linear" or "Equal %" for a code; none for any other code.
std::optional<QString> settingText(uint8_t code);

// The stroke length a typed text gives: the whole text as one number from 0
// to 655.35 in hundredths, as word 0x74 holds it; none for any other text
// ("abc", "12abc", "1,5", "-1", "700", "1.234"), which the stroke's mark
// calls out.
inline constexpr FieldRange StrokeRange { 0.0, 655.35, FieldStep::Hundredths };
std::optional<double> strokeValue(const QString& text);
inline const QString StrokeTip = StrokeRange.tip();
// A stroke length in hundredths, as word 0x74 takes it: 1.99 is 199.
uint16_t strokeWord(double stroke);
// The stroke as the linkage geometry uses it: its whole number.
int wholeStroke(double stroke);

// The feedback arm length a typed text gives, in the stroke's range: 0
// (not entered yet) to 655.35; none for any other text.
inline constexpr FieldRange ArmRange { 0.0, 655.35 };
std::optional<double> armValue(const QString& text);
inline const QString ArmTip = QStringLiteral("Please enter values between 0 and 655.35");

// A point's text as Apply may write it: a number from 0 to 100 in
// hundredths, as the device keeps it; none for any other text ("abc",
// "150", "-50", "12.345"), which the point's mark calls out.
inline constexpr FieldRange PointRange { 0.0, 100.0, FieldStep::Hundredths };
std::optional<double> pointValue(const QString& text);
inline const QString PointTip = PointRange.tip();

// A point's text as the plot and the spin show it: single precision, held
// to 0..100 ("120" shows 100); none for a text that is no number.
std::optional<double> pointPercent(const QString& text);
// A point as Apply writes it, in hundredths: held to 0..100 first, so 120
// is 10000 and -5 is 0; 8.29 is 829.
uint16_t pointWord(double point);
// The word of the 100 % point.
inline constexpr uint16_t FullScalePoint = 10000;

// The rangeability a typed text leaves in the spin: held to 30..300, the
// fraction dropped; none for a text that is no number.
std::optional<int> rangeability(const QString& text);

} // namespace CharacterizationRules

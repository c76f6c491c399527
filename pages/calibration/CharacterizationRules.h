#pragma once

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

// The stroke length text in hundredths, as word 0x74 takes it: read as a
// decimal ("1.99" is 199), held to 0..65535.
uint16_t strokeWord(const QString& text);
// The stroke as the linkage geometry uses it: the whole number of the text.
int wholeStroke(const QString& text);

// A point's text as Apply may write it: a number from 0 to 100; none for
// any other text ("abc", "150", "-50"), which the point's mark calls out.
std::optional<double> pointValue(const QString& text);
inline const QString PointTip = QStringLiteral("Please enter values between 0 and 100");

// A point's text as the plot and the spin show it: single precision, held to 0..100.
double pointPercent(const QString& text);
// A point's text as Apply writes it, in hundredths: held to 0..100 first, so
// "120" is 10000 and "-5" is 0; "8.29" is 829.
uint16_t pointWord(const QString& text);
// The word of the 100 % point.
inline constexpr uint16_t FullScalePoint = 10000;

// The rangeability a typed text leaves in the spin: held to 30..300, the fraction dropped.
int rangeability(const QString& text);

} // namespace CharacterizationRules

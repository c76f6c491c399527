#include "DiagnosticTestRules.h"

namespace DiagnosticTestRules
{

bool positionValid(double percent)
{
    return PositionRange.contains(percent);
}

double percentOf(int16_t word)
{
    return word * 0.01;
}

double pressureOf(int16_t word, double fullScale)
{
    return word * 0.01 * fullScale * 0.01;
}

double pressureOf(uint16_t word, double fullScale)
{
    return word * 0.01 * fullScale * 0.01;
}

} // namespace DiagnosticTestRules

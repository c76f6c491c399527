#include "RampSpringSet.h"

#include "core/ModuleStateGuard.h"
#include "core/PlotChannelHelpers.h"

#include <cmath>

namespace
{

double pressureFactor(uint8_t unit)
{
    switch (unit) {
    case 7:
        return 0.069;
    case 10:
        return 0.07;
    case 12:
        return 6.895;
    default:
        return 1.0;
    }
}

} // namespace

void DoSpringSet(uint8_t pressureUnit, double area, double strokeLength, AutoString firstChannel,
    AutoString secondChannel, IXYPlotPtr plot, double* springRate, double* springInitial, double* springFinal)
{
    ModuleStateGuard moduleState;
    const double g = pressureFactor(pressureUnit);
    const double k = pressureUnit == 6 ? 1.0 : 0.454;
    const IXYPlotChannelPtr first = GetDispatchDriverIXYPlotXChannelByName(plot, firstChannel);
    const IXYPlotChannelPtr second = GetDispatchDriverIXYPlotXChannelByName(plot, secondChannel);
    const IXYPlotChannelPtr chosen = second->GetYMax() < first->GetYMax() ? first : second;
    const bool isFirst = chosen->GetName() == firstChannel.toQString();
    const double a = isFirst ? chosen->GetYMax() : chosen->GetYMin();
    const double b = isFirst ? chosen->GetYMin() : chosen->GetYMax();
    const double xmax = chosen->GetXMax();
    const double xmin = chosen->GetXMin();
    const double h = (a - b) / (xmax - xmin);
    const double initial = std::abs(b - xmin * h) / area * g;
    const double final = g * (a + std::abs((100.0 - xmax) * h)) / area;
    const double rate = std::abs(100.0 * h * k) / strokeLength;
    *springInitial = initial;
    *springFinal = final;
    *springRate = rate;
}

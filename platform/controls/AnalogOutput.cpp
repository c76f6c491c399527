#include "AnalogOutput.h"

#include "ui/ControlRegistry.h"

#include <algorithm>
#include <cmath>

namespace
{
const ControlRegistration registration(
    QString::fromLatin1(AnalogOutput::ProgId), [](QWidget* parent) { return new AnalogOutput(parent); });
}

AnalogOutput::AnalogOutput(QWidget* parent)
    : NumericReadout(parent)
{
}

void AnalogOutput::setRange(double min, double max)
{
    m_rangeMin = std::min(min, max);
    m_rangeMax = std::max(min, max);
    setValue(value());
}

void AnalogOutput::setValue(double value)
{
    // A value that is not a number would be read back as a command.
    if (std::isnan(value))
        return;
    storeValue(std::clamp(value, m_rangeMin, m_rangeMax));
}

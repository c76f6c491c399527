#include "AnalogDisplay.h"

#include "ui/ControlRegistry.h"

namespace
{
const ControlRegistration registration(
    QStringLiteral("AnalogLib.AnalogDisplay"), [](QWidget* parent) { return new AnalogDisplay(parent); });
}

AnalogDisplay::AnalogDisplay(QWidget* parent)
    : NumericReadout(parent)
{
}

#include "AnalogDisplay.h"

#include "ui/ControlRegistry.h"

namespace
{
const ControlRegistration registration(
    QString::fromLatin1(AnalogDisplay::ProgId), [](QWidget* parent) { return new AnalogDisplay(parent); });
}

AnalogDisplay::AnalogDisplay(QWidget* parent)
    : NumericReadout(parent)
{
}

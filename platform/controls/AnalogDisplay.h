#pragma once

#include "NumericReadout.h"

#include "automation/InterfacePtr.h"

// A read-only value display: position, deviation, temperature.
class AnalogDisplay : public NumericReadout
{
    Q_OBJECT

public:
    // The name it is registered and created by.
    static constexpr const char* ProgId = "AnalogLib.AnalogDisplay";

public:
    explicit AnalogDisplay(QWidget* parent = nullptr);
};

using IAnalogDisplayPtr = InterfacePtr<AnalogDisplay>;

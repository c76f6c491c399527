#include "DiagnosticsHubRules.h"

#include "automation/DeviceWords.h"
#include "automation/NumberText.h"

#include <cmath>
#include <limits>

namespace DiagnosticsHubRules
{

namespace
{
constexpr double NoUpperEnd = std::numeric_limits<double>::infinity();

const ParameterRule Rules[ParameterCount] = {
    { -5, 105, PositionHint, false }, // ramp start
    { -5, 105, PositionHint, false }, // ramp stop
    { 2, 30, IntegerHint, true }, // ramp hold
    { 1, 300, IntegerHint, true }, // ramp duration
    { -5, 105, PositionHint, false }, // step start
    { -5, 105, PositionHint, false }, // step stop
    { 2, 300, StepHoldHint, false }, // step hold
    { -5, 105, PositionHint, false }, // partial stroke start
    { -5, 105, PositionHint, false }, // partial stroke stop
    { 0, 655, IntegerHint, true }, // time to target
    { 2, 655, IntegerHint, true }, // partial stroke duration
    { 6, NoUpperEnd, SettlingHint, false }, // settling time
};
} // namespace

const ParameterRule& rule(Parameter parameter)
{
    return Rules[static_cast<int>(parameter)];
}

bool valid(Parameter parameter, double value)
{
    const ParameterRule& r = rule(parameter);
    // A settling time of infinity would make the run's step period undefined.
    return std::isfinite(value) && value >= r.minimum && value <= r.maximum;
}

std::optional<QString> activationText(Parameter parameter, const SignatureSettings& settings)
{
    const auto& f = settings.floats;
    switch (parameter) {
    case Parameter::RampStart:
    case Parameter::StepStart:
    case Parameter::PstStart:
        return NumberText::fromFloat(f[0]);
    case Parameter::RampStop:
    case Parameter::StepStop:
    case Parameter::PstStop:
        return NumberText::fromFloat(f[1]);
    case Parameter::RampHold:
        return NumberText::fromFloat(f[3] < 1.0f ? 1.0f : f[3]);
    case Parameter::RampDuration:
        return NumberText::fromFloat(f[2] < 2.0f ? 2.0f : f[2]);
    case Parameter::StepHold:
    case Parameter::PstDuration:
        return NumberText::fromFloat(f[3]);
    case Parameter::PstTimeToTarget:
        return NumberText::fromDouble(settings.timeToTarget * 0.01);
    case Parameter::Settling:
    case Parameter::Count:
        break;
    }
    return std::nullopt;
}

uint16_t timeToTargetWord(double seconds)
{
    return DeviceWords::toU16(seconds, 100);
}

std::optional<Test> nextTest(const std::array<bool, TestCount>& ticked, const std::array<bool, TestCount>& done)
{
    for (int k = 0; k < TestCount; ++k) {
        if (ticked[static_cast<size_t>(k)] && !done[static_cast<size_t>(k)])
            return static_cast<Test>(k);
    }
    return std::nullopt;
}

Test testOf(Parameter parameter)
{
    switch (parameter) {
    case Parameter::RampStart:
    case Parameter::RampStop:
    case Parameter::RampHold:
    case Parameter::RampDuration:
        return Test::Ramp;
    case Parameter::StepStart:
    case Parameter::StepStop:
    case Parameter::StepHold:
        return Test::Step;
    case Parameter::PstStart:
    case Parameter::PstStop:
    case Parameter::PstTimeToTarget:
    case Parameter::PstDuration:
        return Test::PartialStroke;
    case Parameter::Settling:
    case Parameter::Count:
        break;
    }
    return Test::HDRL;
}

bool startAllowed(const std::array<bool, TestCount>& ticked, const std::array<bool, ParameterCount>& valid)
{
    bool anyTicked = false;
    for (bool box : ticked)
        anyTicked = anyTicked || box;
    if (!anyTicked)
        return false;
    for (int k = 0; k < ParameterCount; ++k) {
        if (ticked[static_cast<size_t>(testOf(Parameter(k)))] && !valid[static_cast<size_t>(k)])
            return false;
    }
    return true;
}

} // namespace DiagnosticsHubRules

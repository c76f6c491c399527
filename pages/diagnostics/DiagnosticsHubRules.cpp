#include "DiagnosticsHubRules.h"

#include "HDRLTestRules.h"
#include "PartialStrokeRules.h"
#include "RampTestRules.h"
#include "StepTestRules.h"

#include "automation/DeviceWords.h"
#include "automation/NumberText.h"

#include <algorithm>
#include <cmath>

namespace DiagnosticsHubRules
{

namespace
{
using DiagnosticTestRules::PositionRange;
using DiagnosticTestRules::PositionTip;

const ParameterRule Rules[ParameterCount] = {
    { PositionRange, PositionTip }, // ramp start
    { PositionRange, PositionTip }, // ramp stop
    { RampTestRules::HoldTimeRange, RampTestRules::HoldTimeTip }, // ramp hold
    { RampTestRules::DurationRange, RampTestRules::DurationTip }, // ramp duration
    { PositionRange, PositionTip }, // step start
    { PositionRange, PositionTip }, // step stop
    { StepTestRules::HoldTimeRange, StepTestRules::HoldTimeTip }, // step hold
    { PositionRange, PositionTip }, // partial stroke start
    { PositionRange, PositionTip }, // partial stroke stop
    { PartialStrokeRules::TimeToTargetRange, PartialStrokeRules::TimeToTargetTip }, // time to target
    { PartialStrokeRules::DurationRange, PartialStrokeRules::DurationTip }, // partial stroke duration
    { HDRLTestRules::SettlingRange, HDRLTestRules::SettlingTip }, // settling time
};
} // namespace

const ParameterRule& rule(Parameter parameter)
{
    return Rules[static_cast<int>(parameter)];
}

bool valid(Parameter parameter, double value)
{
    return rule(parameter).range.contains(value);
}

bool valid(Parameter parameter, const std::optional<double>& value)
{
    return value && valid(parameter, *value);
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
        // Raised to the least hold the ramp takes, so the hub never marks a
        // value it chose itself.
        return NumberText::fromFloat(std::max(f[3], float(RampTestRules::HoldTimeRange.least)));
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

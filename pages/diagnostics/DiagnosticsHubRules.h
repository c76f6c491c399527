#pragma once

#include "FieldRange.h"

#include <QString>

#include <array>
#include <cstdint>
#include <optional>

// What the diagnostics hub decides without its widgets: the range, the hint
// and the keys of each of its twelve parameters, the texts its activation
// shows for the device's signature settings, the device word of the partial
// stroke time to target, and which ticked test a multi-test run does next.
namespace DiagnosticsHubRules
{

enum class Parameter {
    RampStart,
    RampStop,
    RampHold,
    RampDuration,
    StepStart,
    StepStop,
    StepHold,
    PstStart,
    PstStop,
    PstTimeToTarget,
    PstDuration,
    Settling,
    Count
};
inline constexpr int ParameterCount = static_cast<int>(Parameter::Count);

// Each parameter takes what the same setting takes on its test page, and its
// hint names that range and step: the hub's values are the ones the page
// runs with. Every key reaches the edits; the range decides what is taken.
struct ParameterRule {
    FieldRange range; // both ends included
    const QString& hint;
};
const ParameterRule& rule(Parameter parameter);
bool valid(Parameter parameter, double value);
// A parameter's edit as read (the whole text a number, or none) is valid
// when it holds a number in the parameter's range.
bool valid(Parameter parameter, const std::optional<double>& value);

// The signature settings as the device keeps them: floats 1 to 4 and the
// time to target in hundredths of a second.
struct SignatureSettings {
    std::array<float, 4> floats {};
    uint16_t timeToTarget = 0;
};
// The text activation writes into a parameter's edit: float 1 for the start
// positions, float 2 for the stops, float 4 for the holds and the partial
// stroke duration (the ramp hold at least 2), float 3 for the ramp duration
// (at least 2), the time to target in seconds; in the C locale, shortest
// form. Nothing for the settling time, which activation leaves as it is.
std::optional<QString> activationText(Parameter parameter, const SignatureSettings& settings);

// The time to target in seconds as the device word: hundredths of a second,
// truncated toward zero with the shared tolerance (5.99 gives 599) and held
// to the word's range.
uint16_t timeToTargetWord(double seconds);

// The tests of a run, in the order it takes them.
enum class Test { Ramp, Step, PartialStroke, HDRL, Count };
inline constexpr int TestCount = static_cast<int>(Test::Count);
// The first test whose box is ticked and whose done flag is clear; none when
// the run is over.
std::optional<Test> nextTest(const std::array<bool, TestCount>& ticked, const std::array<bool, TestCount>& done);

// The test whose group holds a parameter.
Test testOf(Parameter parameter);
// Whether a run may start: at least one test ticked and every parameter of
// the ticked tests valid. A test left out does not hold Start by its
// parameters, whose edits the user cannot reach while its box is unticked.
bool startAllowed(const std::array<bool, TestCount>& ticked, const std::array<bool, ParameterCount>& valid);

} // namespace DiagnosticsHubRules

// What the diagnostics hub decides from numbers alone: which parameter values
// it accepts, the texts its activation shows for the device's settings, the
// time to target word a run stores, which ticked test runs next, and when a
// run may start.
#include "diagnostics/DiagnosticsHubRules.h"

#include "automation/NumberText.h"

#include <gtest/gtest.h>

#include <limits>

namespace
{
using namespace DiagnosticsHubRules;
using P = Parameter;

TEST(DiagnosticsHubRules, EachParameterTakesItsRangeWithBothEnds)
{
    const double inf = std::numeric_limits<double>::infinity();
    const double nan = std::numeric_limits<double>::quiet_NaN();
    const struct {
        Parameter parameter;
        double value;
        bool valid;
    } cases[] = {
        { P::RampStart, -5.0, true },
        { P::RampStart, -5.5, false },
        { P::RampStop, 105.0, true },
        { P::RampStop, 105.01, false },
        { P::StepStart, 0.0, true },
        { P::PstStop, nan, false },
        { P::RampHold, 1.0, false },
        { P::RampHold, 2.0, true },
        { P::RampHold, 30.0, true },
        { P::RampHold, 31.0, false },
        { P::RampDuration, 1.0, true },
        { P::RampDuration, 0.0, false },
        { P::RampDuration, 300.0, true },
        { P::RampDuration, 301.0, false },
        { P::StepHold, 1.99, false },
        { P::StepHold, 300.0, true },
        { P::PstTimeToTarget, 0.0, true },
        { P::PstTimeToTarget, 655.0, true },
        { P::PstTimeToTarget, 655.5, false },
        { P::PstDuration, 1.0, false },
        { P::PstDuration, 2.0, true },
        { P::Settling, 5.9, false },
        { P::Settling, 6.0, true },
        { P::Settling, 2147483.0, true },
        { P::Settling, 2147483.01, false },
        { P::Settling, 1e300, false },
        { P::Settling, inf, false },
        { P::Settling, nan, false },
    };
    for (const auto& c : cases)
        EXPECT_EQ(valid(c.parameter, c.value), c.valid) << int(c.parameter) << " " << c.value;
}

TEST(DiagnosticsHubRules, EachHintNamesTheRangeAndTheStepItsParameterTakes)
{
    const struct {
        Parameter parameter;
        const char* hint;
    } cases[] = {
        { P::RampStart, "Please enter values between -5 and 105" },
        { P::RampStop, "Please enter values between -5 and 105" },
        { P::RampHold, "Please enter values between 2 and 30" },
        { P::RampDuration, "Please enter values between 1 and 300" },
        { P::StepStart, "Please enter values between -5 and 105" },
        { P::StepStop, "Please enter values between -5 and 105" },
        { P::StepHold, "Please enter values between 2 and 300" },
        { P::PstStart, "Please enter values between -5 and 105" },
        { P::PstStop, "Please enter values between -5 and 105" },
        { P::PstTimeToTarget, "Please enter values between 0 and 655 in steps of 0.01" },
        { P::PstDuration, "Please enter whole numbers between 2 and 655" },
        { P::Settling, "Please Enter the value between 6 and 2147483" },
    };
    static_assert(std::size(cases) == ParameterCount);
    for (const auto& c : cases)
        EXPECT_EQ(rule(c.parameter).hint, QString::fromLatin1(c.hint)) << int(c.parameter);
}

TEST(DiagnosticsHubRules, ActivationShowsTheDeviceSettingsAsShortTexts)
{
    const SignatureSettings stored { { 12.5f, 87.5f, 1.5f, 0.5f }, 599 };
    const struct {
        Parameter parameter;
        const char* text;
    } cases[] = {
        { P::RampStart, "12.5" },
        { P::StepStart, "12.5" },
        { P::PstStart, "12.5" },
        { P::RampStop, "87.5" },
        { P::StepStop, "87.5" },
        { P::PstStop, "87.5" },
        { P::RampHold, "2" }, // raised to the least hold the ramp takes
        { P::RampDuration, "2" }, // raised to 2
        { P::StepHold, "0.5" },
        { P::PstDuration, "0.5" },
        { P::PstTimeToTarget, "5.99" },
    };
    for (const auto& c : cases)
        EXPECT_EQ(activationText(c.parameter, stored).value_or(QStringLiteral("none")), QString::fromLatin1(c.text))
            << int(c.parameter);
    EXPECT_FALSE(activationText(P::Settling, stored).has_value()) << "the settling time keeps its text";

    const SignatureSettings large { { 20.0f, 60.0f, 45.0f, 12.0f }, 1200 };
    EXPECT_EQ(activationText(P::RampHold, large), QStringLiteral("12"));
    EXPECT_EQ(activationText(P::RampDuration, large), QStringLiteral("45"));
    EXPECT_EQ(activationText(P::PstTimeToTarget, large), QStringLiteral("12"));
    EXPECT_EQ(activationText(P::PstTimeToTarget, SignatureSettings { {}, 0xFFFF }), QStringLiteral("655.35"));
}

TEST(DiagnosticsHubRules, TimeToTargetIsStoredInHundredthsTruncatedAndHeldToTheWord)
{
    const struct {
        double seconds;
        uint16_t word;
    } cases[] = {
        { 12.0, 1200 },
        { 4.99, 499 },
        { 5.99, 599 },
        { 0.29, 29 },
        { 12.345, 1234 },
        { 0.0, 0 },
        { 655.0, 65500 },
        { 700.0, 65535 },
        { -1.0, 0 },
        { std::numeric_limits<double>::infinity(), 65535 },
    };
    for (const auto& c : cases)
        EXPECT_EQ(timeToTargetWord(c.seconds), c.word) << c.seconds;
    // What activation shows for a stored word reads back as the same word.
    for (uint16_t word : { 599, 499, 1, 29, 1234, 65500 }) {
        const QString shown = *activationText(P::PstTimeToTarget, SignatureSettings { {}, word });
        EXPECT_EQ(timeToTargetWord(NumberText::toDouble(shown)), word) << shown.toStdString();
    }
}

TEST(DiagnosticsHubRules, TheNextTestIsTheFirstTickedOneNotDone)
{
    using T = DiagnosticsHubRules::Test;
    const struct {
        std::array<bool, TestCount> ticked;
        std::array<bool, TestCount> done;
        std::optional<T> next;
    } cases[] = {
        { { true, true, true, true }, { false, false, false, false }, T::Ramp },
        { { false, true, true, false }, { false, false, false, false }, T::Step },
        { { false, true, true, false }, { true, true, false, false }, T::PartialStroke },
        { { true, false, false, true }, { true, false, false, false }, T::HDRL },
        { { false, false, false, true }, { false, false, false, true }, std::nullopt },
        { { false, false, false, false }, { false, false, false, false }, std::nullopt },
    };
    for (const auto& c : cases)
        EXPECT_EQ(nextTest(c.ticked, c.done), c.next);
}

TEST(DiagnosticsHubRules, StartNeedsATickedTestAndOnlyTheTickedTestsParametersValid)
{
    // One invalid parameter in each group in turn, and none.
    const auto allValidBut = [](std::optional<Parameter> invalid) {
        std::array<bool, ParameterCount> valid {};
        valid.fill(true);
        if (invalid)
            valid[size_t(*invalid)] = false;
        return valid;
    };
    const struct {
        std::array<bool, TestCount> ticked;
        std::optional<Parameter> invalid;
        bool allowed;
    } cases[] = {
        { { false, false, false, false }, std::nullopt, false },
        { { false, false, false, false }, P::Settling, false },
        { { true, false, false, false }, std::nullopt, true },
        { { true, false, false, false }, P::RampDuration, false },
        { { true, false, false, false }, P::StepHold, true },
        { { false, true, false, false }, P::StepStart, false },
        { { false, true, false, false }, P::RampHold, true },
        { { false, false, true, false }, P::PstTimeToTarget, false },
        { { false, false, true, false }, P::Settling, true },
        { { false, false, false, true }, P::Settling, false },
        { { false, false, false, true }, P::PstDuration, true },
        { { true, true, true, true }, P::PstStop, false },
        { { true, true, false, true }, P::PstStop, true },
    };
    for (const auto& c : cases)
        EXPECT_EQ(startAllowed(c.ticked, allValidBut(c.invalid)), c.allowed)
            << c.ticked[0] << c.ticked[1] << c.ticked[2] << c.ticked[3] << " " << (c.invalid ? int(*c.invalid) : -1);
}

TEST(DiagnosticsHubRules, EachInvalidParameterHoldsStartOnlyWhileItsOwnTestIsTicked)
{
    using T = DiagnosticsHubRules::Test;
    // The hub's groups: the ramp's four edits, the step's three, the partial
    // stroke's four and the HDRL settling time.
    const std::pair<Parameter, T> groups[] = {
        { P::RampStart, T::Ramp },
        { P::RampStop, T::Ramp },
        { P::RampHold, T::Ramp },
        { P::RampDuration, T::Ramp },
        { P::StepStart, T::Step },
        { P::StepStop, T::Step },
        { P::StepHold, T::Step },
        { P::PstStart, T::PartialStroke },
        { P::PstStop, T::PartialStroke },
        { P::PstTimeToTarget, T::PartialStroke },
        { P::PstDuration, T::PartialStroke },
        { P::Settling, T::HDRL },
    };
    for (const auto& [parameter, owner] : groups) {
        std::array<bool, ParameterCount> valid {};
        valid.fill(true);
        valid[size_t(parameter)] = false;
        for (int k = 0; k < TestCount; ++k) {
            std::array<bool, TestCount> ticked {};
            ticked[size_t(k)] = true;
            EXPECT_EQ(startAllowed(ticked, valid), T(k) != owner) << int(parameter) << " with test " << k;
        }
    }
}

} // namespace

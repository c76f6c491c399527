#include "SwTest.h"

#include "core/ModuleStateGuard.h"
#include "core/SettingsComparison.h"
#include "ramp/CRampCompareReport.h"

#include <array>

namespace
{

// Eight settings of two partial stroke files, pairwise alike.
std::array<AutoString, 8> alikePairs()
{
    return { "25", "25", "75", "75", "", "", AutoString(), AutoString() };
}

bool sameSettings(const std::array<AutoString, 8>& s)
{
    return SameSettings(s[0], s[1], s[2], s[3], s[4], s[5], s[6], s[7]);
}

bool sameStepSettings(const std::array<AutoString, 8>& s, std::array<uint8_t, 4> b)
{
    return SameSettings(s[0], s[1], s[2], s[3], s[4], s[5], b[0], b[1], b[2], b[3], s[6], s[7]);
}

TEST(SettingsComparison, StringPairsAreEqualOnlyWhenPresentAlikeOrBothMissing)
{
    const AutoString shared("shared");
    struct Case {
        const char* what;
        AutoString first;
        AutoString second;
        bool same;
    } cases[] = {
        { "same text", "10.5", "10.5", true },
        { "letter case", "Yes", "yes", false },
        { "trailing blank", "10", "10 ", false },
        { "empty and missing", "", AutoString(), false },
        { "missing and empty", AutoString(), "", false },
        { "both missing", AutoString(), AutoString(), true },
        { "both empty", "", "", true },
        { "one shared buffer", shared, shared, true },
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        // The pair in every position of both forms.
        for (size_t pair = 0; pair < 4; ++pair) {
            std::array<AutoString, 8> settings = alikePairs();
            settings[2 * pair] = c.first;
            settings[2 * pair + 1] = c.second;
            EXPECT_EQ(sameSettings(settings), c.same) << "pair " << pair;
            EXPECT_EQ(sameStepSettings(settings, { 1, 1, 0, 0 }), c.same) << "pair " << pair;
        }
    }
    EXPECT_TRUE(sameSettings(alikePairs()));
    EXPECT_EQ(ModuleStateGuard::current(), ModuleStateGuard::Module::Program);
}

TEST(SettingsComparison, StepFlagsCompareByValue)
{
    struct Case {
        std::array<uint8_t, 4> flags;
        bool same;
    } cases[] = {
        { { 1, 1, 0, 0 }, true },
        { { 1, 0, 0, 0 }, false },
        { { 0, 0, 1, 0 }, false },
        { { 1, 2, 0, 0 }, false },
        // Flag 1 goes with 2 and 3 with 4, not 1 with 3.
        { { 0, 1, 0, 1 }, false },
    };
    for (const Case& c : cases)
        EXPECT_EQ(sameStepSettings(alikePairs(), c.flags), c.same)
            << int(c.flags[0]) << int(c.flags[1]) << int(c.flags[2]) << int(c.flags[3]);
}

// The ramp record's strings 8 to 20, by number.
AutoString CRampCompareReport::*const rampStrings[] = {
    &CRampCompareReport::m_strStartPosition1, // 8
    &CRampCompareReport::m_strStartPosition2,
    &CRampCompareReport::m_strStopPosition1, // 10
    &CRampCompareReport::m_strStopPosition2,
    &CRampCompareReport::m_strHoldTime1, // 12
    &CRampCompareReport::m_strHoldTime2,
    &CRampCompareReport::m_strTestDuration1, // 14
    &CRampCompareReport::m_strTestDuration2,
    &CRampCompareReport::m_strActuatorSize1, // 16
    &CRampCompareReport::m_strActuatorSize2,
    &CRampCompareReport::m_strActuatorSizeUnit, // 18
    &CRampCompareReport::m_strStrokeLength1, // 19
    &CRampCompareReport::m_strStrokeLength2,
};

// Its bytes 1 to 10, by number.
uint8_t CRampCompareReport::*const rampBytes[] = {
    &CRampCompareReport::m_bSingleActing1,
    &CRampCompareReport::m_bSingleActing2,
    &CRampCompareReport::m_bBiDirectional1,
    &CRampCompareReport::m_bBiDirectional2,
    &CRampCompareReport::m_bPressureSensor1,
    &CRampCompareReport::m_bPressureSensor2,
    &CRampCompareReport::m_bShowPressure1,
    &CRampCompareReport::m_bShowPressure2,
    &CRampCompareReport::m_nPressureUnit,
    &CRampCompareReport::m_nLengthUnit,
};

// Two ramp files recorded alike, with their own tags, dates and file names.
CRampCompareReport alikeRampFiles()
{
    CRampCompareReport report;
    report.m_strTag1 = "PV-101";
    report.m_strTag2 = "PV-102";
    report.m_strFileName1 = "/data/first.rmp";
    report.m_strFileName2 = "/data/second.rmp";
    for (auto member : rampStrings)
        report.*member = "12.5";
    return report;
}

TEST(SettingsComparison, RampFilesDifferingOnlyInTheActuatorSizeUnitHaveTheSameSettings)
{
    EXPECT_TRUE(alikeRampFiles().SameSettings());
    for (size_t i = 0; i < std::size(rampStrings); ++i) {
        const int number = static_cast<int>(i) + 8;
        CRampCompareReport report = alikeRampFiles();
        report.*rampStrings[i] = "12.50";
        EXPECT_EQ(report.SameSettings(), number == 18) << "string " << number;
        report.*rampStrings[i] = AutoString();
        EXPECT_EQ(report.SameSettings(), number == 18) << "missing string " << number;
    }
    for (size_t i = 0; i < std::size(rampBytes); ++i) {
        const int number = static_cast<int>(i) + 1;
        CRampCompareReport report = alikeRampFiles();
        report.*rampBytes[i] = 9;
        EXPECT_EQ(report.SameSettings(), number > 6) << "byte " << number;
    }
    EXPECT_EQ(ModuleStateGuard::current(), ModuleStateGuard::Module::Program);
}

} // namespace

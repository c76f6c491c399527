#include "core/ControlFactories.h"
#include "core/PlotConfiguration.h"
#include "core/TellboxOrdinals.h"

#include <gtest/gtest.h>

#include <QString>

#include <algorithm>

namespace
{

struct Expected {
    int ordinal;
    const char* name;
    TellboxProc proc; // the function of that name
};

const Expected expectedOrdinals[] = {
    { 1, "CreateLedRoundControl", TellboxProcOf(&CreateLedRoundControl) },
    { 2, "CreateEditXControl", TellboxProcOf(&CreateEditXControl) },
    { 3, "CreatePlotControl", TellboxProcOf(&CreatePlotControl) },
    { 4, "CreateRampPlotControl", TellboxProcOf(&CreateRampPlotControl) },
    { 5, "ConfigureStepTestPlotControl", TellboxProcOf(&ConfigureStepTestPlotControl) },
    { 6, "ConfigurePSTPlotControl", TellboxProcOf(&ConfigurePSTPlotControl) },
    { 7, "ConfigureRampPlotControl", TellboxProcOf(&ConfigureRampPlotControl) },
    { 8, "CreateChannels", TellboxProcOf(&CreateChannels) },
    { 9, "CreateRampChannels", TellboxProcOf(&CreateRampChannels) },
    { 10, "CreateReportControl", TellboxProcOf(&CreateReportControl) },
    { 11, "CreatePrintControl", TellboxProcOf(&CreatePrintControl) },
    { 12, "ConfigureHDRLPlotControl", TellboxProcOf(&ConfigureHDRLPlotControl) },
};

TEST(OrdinalTable, EachOrdinalGivesTheFunctionOfItsName)
{
    const auto table = TellboxOrdinalTable();
    ASSERT_EQ(table.size(), std::size(expectedOrdinals));
    for (std::size_t i = 0; i < table.size(); ++i) {
        const Expected& expected = expectedOrdinals[i];
        EXPECT_EQ(table[i].ordinal, expected.ordinal);
        EXPECT_STREQ(table[i].name, expected.name);
        const TellboxOrdinal* found = FindTellboxOrdinal(expected.ordinal);
        ASSERT_NE(found, nullptr) << expected.ordinal;
        EXPECT_STREQ(found->name, expected.name);
        EXPECT_EQ(found->proc, expected.proc) << expected.name;
    }
}

TEST(OrdinalTable, NumbersOutsideTheTableGiveNothing)
{
    for (int ordinal : { 0, -1, 13, 100 }) {
        EXPECT_EQ(FindTellboxOrdinal(ordinal), nullptr) << ordinal;
        EXPECT_EQ(BindTellboxOrdinal<void()>(ordinal), nullptr) << ordinal;
    }
}

TEST(OrdinalTable, TheProgramBindsThreeToSevenAndTenToTwelve)
{
    EXPECT_TRUE(std::ranges::equal(StrokewiseOrdinals, std::initializer_list<int> { 3, 4, 5, 6, 7, 10, 11, 12 }));
    for (int ordinal : StrokewiseOrdinals) {
        const TellboxOrdinal* entry = FindTellboxOrdinal(ordinal);
        ASSERT_NE(entry, nullptr);
        // Binding hands back exactly the table's function.
        ASSERT_NE(entry->proc, nullptr) << ordinal;
        EXPECT_EQ(reinterpret_cast<TellboxProc>(BindTellboxOrdinal<void(int)>(ordinal)), entry->proc);
    }
}

} // namespace

#include "core/TellboxOrdinals.h"

#include <gtest/gtest.h>

#include <QString>

#include <algorithm>

namespace
{

struct Expected {
    int ordinal;
    const char* name;
    TellboxProc proc; // the function of that name; null until the library holds it
};

// The factories and plot layouts come later; each row gets its function then.
const Expected expectedOrdinals[] = {
    { 1, "CreateLedRoundControl", nullptr },
    { 2, "CreateEditXControl", nullptr },
    { 3, "CreatePlotControl", nullptr },
    { 4, "CreateRampPlotControl", nullptr },
    { 5, "ConfigureStepTestPlotControl", nullptr },
    { 6, "ConfigurePSTPlotControl", nullptr },
    { 7, "ConfigureRampPlotControl", nullptr },
    { 8, "CreateChannels", nullptr },
    { 9, "CreateRampChannels", nullptr },
    { 10, "CreateReportControl", nullptr },
    { 11, "CreatePrintControl", nullptr },
    { 12, "ConfigureHDRLPlotControl", nullptr },
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
        // Binding hands back exactly the table's function, or nothing while
        // the library does not hold it yet.
        EXPECT_EQ(reinterpret_cast<TellboxProc>(BindTellboxOrdinal<void(int)>(ordinal)), entry->proc);
    }
}

} // namespace

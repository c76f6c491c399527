// The alarm pages' widget-free rules: the annunciator's colours, the
// configuration page's listing from the error-definition file, the status
// page's names and help texts.
#include "health/AlarmAnnunciatorRules.h"
#include "health/AlarmConfigRules.h"
#include "health/AlarmStatusTables.h"

#include "alarms/AlarmAnnunciatorIndex.h"

#include <gtest/gtest.h>

#include <set>

using namespace AlarmAnnunciatorRules;

namespace
{
constexpr uint32_t Unset = 0xFFFFFFFF;

struct PaintCase {
    int id;
    uint8_t deviceType;
    bool pressureBoard;
    bool k40FrictionModel;
    bool enabled;
    uint32_t color; // Unset: not set
    uint32_t errorColor;
    int maskedFlag; // -1: not written
};
} // namespace

TEST(AlarmAnnunciatorRulesTest, MaskPaintsByKindAvailabilityAndModel)
{
    using namespace Colour;
    const PaintCase cases[] = {
        // available: green / dark green, with the kind's active colour
        { 705, 5, true, false, true, Green, Red, 0 },
        { 705, 5, true, false, false, DarkGreen, DarkRed, 1 },
        { 726, 5, true, false, false, DarkGreen, DarkYellow, 1 },
        { 742, 5, true, false, true, Green, Red, 0 },
        // without the pressure board: both colours grey, the flag follows the bit
        { 742, 5, false, false, true, LightGrey, LightGrey, 0 },
        { 742, 5, false, false, false, DarkGrey, DarkGrey, 1 },
        { 745, 5, false, false, false, DarkGrey, DarkGrey, 1 },
        // the boxes that set only their normal colour, and those masked whatever the bit
        { 720, 5, false, false, true, LightGrey, Unset, 1 },
        { 720, 5, false, false, false, DarkGrey, Unset, 1 },
        { 721, 5, false, false, false, LightGrey, Unset, 1 },
        { 722, 5, false, false, true, LightGrey, Unset, 1 },
        { 723, 5, false, false, true, LightGrey, Unset, 0 },
        { 749, 5, false, false, true, LightGrey, Unset, 0 },
        { 749, 5, false, false, false, DimGrey, Unset, 1 },
        // the smaller model: friction only with its friction model
        { 749, 6, true, false, false, DimGrey, Unset, 1 },
        { 749, 6, true, true, false, DarkGreen, DarkRed, 1 },
        // device information
        { 686, 5, true, false, true, White, White, -1 },
        { 684, 5, true, false, false, LightGrey, LightGrey, -1 },
    };
    for (const PaintCase& c : cases) {
        SCOPED_TRACE(testing::Message() << "box " << c.id << " type " << int(c.deviceType) << " enabled " << c.enabled);
        Conditions conditions;
        conditions.deviceType = c.deviceType;
        conditions.pressureBoard = c.pressureBoard;
        conditions.k40FrictionModel = c.k40FrictionModel;
        const MaskPaint paint = maskPaint(*indicator(c.id), c.enabled, conditions);
        EXPECT_FALSE(paint.skip);
        EXPECT_EQ(paint.color.value_or(Unset), c.color);
        EXPECT_EQ(paint.errorColor.value_or(Unset), c.errorColor);
        EXPECT_EQ(paint.maskedFlag ? int(*paint.maskedFlag) : -1, c.maskedFlag);
    }
    Conditions k40;
    k40.deviceType = 6;
    for (int id : { 718, 719, 720 })
        EXPECT_TRUE(maskPaint(*indicator(id), true, k40).skip) << id;
}

TEST(AlarmAnnunciatorRulesTest, EveryBoxHasItsOwnMaskBitAndFlags)
{
    std::set<int> masks;
    std::set<int> flags;
    for (const Indicator& i : indicators()) {
        EXPECT_TRUE(masks.insert(i.maskByte * 8 + i.maskBit).second) << i.id;
        for (int flag : { i.activeFlag, i.maskedFlag })
            if (flag != NoFlag) {
                EXPECT_TRUE(flags.insert(flag).second) << i.id;
            }
    }
    EXPECT_EQ(indicators().size(), 63u);
    // Every flag but the inter-board communication pair is the page's.
    EXPECT_EQ(flags.size(), size_t(AlarmAnnunciatorIndex::FlagCount - 2));
    EXPECT_EQ(indicator(726)->activeFlag, AlarmAnnunciatorIndex::BoardTempHighAct);
    EXPECT_EQ(indicator(737)->maskedFlag, AlarmAnnunciatorIndex::AORangeTooSmallMsk);
}

TEST(AlarmAnnunciatorRulesTest, AnActiveBitTurnsTheBoxesThatMayBeGreyGreen)
{
    // The rows 742 to 749 as a range: both ends and one row beyond each.
    const std::set<int> green = { 712, 716, 718, 719, 720, 721, 722, 723, 737, 742, 743, 744, 745, 746, 747, 748, 749 };
    for (int id : { 711, 712, 713, 716, 717, 718, 723, 724, 736, 737, 738, 741, 742, 743, 748, 749, 750 })
        EXPECT_EQ(activeTurnsGreen(id), green.count(id) == 1) << id;
}

TEST(AlarmConfigRulesTest, DefinitionLinesAreListedByTheirStatusNumberAndMaskClass)
{
    QByteArray file = "// comment lines do not count\n";
    for (int n = 0; n < 85; ++n) {
        QByteArray line = QByteArray::number(n) + "\tName\tx\ty\t1\t30\n";
        if (n == 3)
            line = "3\tName\tx\t1\n"; // three TABs: no mask class
        if (n == 5)
            line = "5\tName\tx\ty\t300\t30\n"; // held to 255: configurable on the larger model
        if (n == 12)
            line = "x12\tName\tx\ty\t1\t30\n"; // no status number
        if (n == 20)
            line = "20\tName\tx\ty\t0\t30\n";
        if (n == 7)
            line = "80\tName\tx\ty\t1\t30\n"; // one past the last status bit: not listed
        if (n == 8)
            line = "79\tName\tx\ty\t1\t30\n"; // the last status bit: listed
        file += line;
    }
    const ErrorDefinitions definitions = ErrorDefinitions::parse(file);
    const std::vector<int> k90 = AlarmConfigRules::listedStatuses(definitions, 5, false);
    EXPECT_EQ(k90.size(), 76u); // 80 lines, without 3, 12, 20 and the one naming status 80
    EXPECT_EQ(std::count(k90.begin(), k90.end(), 5), 1);
    EXPECT_EQ(std::count(k90.begin(), k90.end(), 3), 0);
    EXPECT_EQ(std::count(k90.begin(), k90.end(), 12), 0);
    EXPECT_EQ(std::count(k90.begin(), k90.end(), 20), 0);
    EXPECT_EQ(k90.back(), 79);
    EXPECT_EQ(std::count(k90.begin(), k90.end(), 79), 2);
    EXPECT_EQ(std::count(k90.begin(), k90.end(), 80), 0);
    const std::vector<int> k40 = AlarmConfigRules::listedStatuses(definitions, 6, false);
    EXPECT_EQ(std::count(k40.begin(), k40.end(), 5), 0);
    EXPECT_EQ(AlarmConfigRules::listedStatuses(definitions, 6, true).size(), 76u);
    EXPECT_TRUE(AlarmConfigRules::listedStatuses(definitions, 0, true).empty());

    std::array<uint8_t, 10> mask {};
    AlarmConfigRules::setMaskBit(mask, 12, true);
    EXPECT_EQ(mask[1], 0x10);
    EXPECT_TRUE(AlarmConfigRules::maskBit(mask, 12));
    AlarmConfigRules::setMaskBit(mask, 12, false);
    EXPECT_EQ(mask[1], 0x00);
}

TEST(AlarmStatusTablesTest, NamesAndHelpTextsByStatusAndModel)
{
    EXPECT_EQ(GetAlarmName(62, 5), QStringLiteral("Jog Calibration State"));
    EXPECT_TRUE(GetAlarmHelp(62, 5).startsWith(QStringLiteral("JOG CALIBRATION STATE")));
    EXPECT_EQ(GetAlarmName(44, 6), QStringLiteral("Pressure Supply Out Of Range Warning"));
    EXPECT_EQ(GetAlarmName(46, 6), QStringLiteral("Pressure Supply Range Small Warning"));
    EXPECT_EQ(GetAlarmName(44, 5), QStringLiteral("Pressure Port 2 Out Of Range Warning"));
    EXPECT_EQ(GetAlarmName(46, 0), QStringLiteral("Pressure Port 2 Range Small Warning"));
    EXPECT_TRUE(GetAlarmHelp(44, 6).startsWith(QStringLiteral("PRESSURE SUPPLY OUT OF RANGE WARNING")));
    EXPECT_EQ(GetAlarmName(47, 5), QStringLiteral("Pneumatic Leak Warning"));
    const std::set<int> unused { 6, 7, 29, 30, 31, 38, 54, 55, 63, 68, 69, 70, 71, 76, 77, 78, 79 };
    for (int n = 0; n < 256; ++n) {
        const bool named = n < 80 && !unused.count(n);
        EXPECT_EQ(!GetAlarmName(uint8_t(n), 5).isEmpty(), named) << n;
        EXPECT_EQ(!GetAlarmHelp(uint8_t(n), 5).isEmpty(), named) << n;
        // Every help text is whole: it begins with its name's words and ends a sentence.
        if (named) {
            const QString help = GetAlarmHelp(uint8_t(n), 5);
            EXPECT_TRUE(help.endsWith(QLatin1Char('.'))) << n;
            EXPECT_FALSE(help.contains(QChar(0x2026))) << n;
        }
    }
    // The texts given by their first sentence go on in the same style.
    for (int n :
        { 1, 9, 10, 13, 15, 16, 17, 18, 20, 23, 32, 33, 39, 40, 41, 42, 47, 48, 49, 50, 51, 52, 53, 64, 72, 74, 75 })
        EXPECT_GE(GetAlarmHelp(uint8_t(n), 5).count(QStringLiteral(".  ")), 1) << n;
}

#include "CMyCCommandLineInfo.h"

#include <gtest/gtest.h>

TEST(CommandLine, SwitchesGiveDevicePathAndServerMachine)
{
    struct Case {
        QStringList arguments;
        const char* devicePath;
        const char* machine;
    };
    const Case cases[] = {
        { { "/dHART/ABC", "/sPLANT1" }, "HART/ABC", "PLANT1" },
        { { "/sPLANT1", "/dHART/ABC" }, "HART/ABC", "PLANT1" },
        { { "-dHART/ABC", "-sPLANT1" }, "HART/ABC", "PLANT1" },
        { { "/dsensor1" }, "sensor1", "" },
        { { "/dfirst", "/dsecond" }, "second", "" }, // a later switch replaces an earlier one
        { { "/DUPPER", "/SMACHINE", "/x" }, "", "" }, // the letters are case-sensitive; unknown ones ignored
        { {}, "", "" },
    };
    for (const Case& c : cases) {
        CMyCCommandLineInfo info;
        EXPECT_TRUE(info.ParseCommandLine(c.arguments)) << c.arguments.join(' ').toStdString();
        EXPECT_EQ(info.m_strDevicePath, QString::fromLatin1(c.devicePath));
        EXPECT_EQ(info.m_strServerMachine, QString::fromLatin1(c.machine));
    }
}

TEST(CommandLine, AParameterThatIsNoSwitchIsRefused)
{
    CMyCCommandLineInfo info;
    QString bad;
    EXPECT_FALSE(info.ParseCommandLine({ "/dSim/K90/PV-101", "report.pst" }, &bad));
    EXPECT_EQ(bad, QStringLiteral("report.pst"));
    EXPECT_TRUE(CMyCCommandLineInfo::usage().startsWith(QStringLiteral("usage: strokewise")));
}

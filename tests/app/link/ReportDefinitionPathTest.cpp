#include "ReportDefinitionPath.h"

#include <gtest/gtest.h>

namespace
{

struct DefinitionCase {
    const char* stem;
    int deviceType;
    const char* expected;
};

TEST(ReportDefinitionPath, OnlyTheSmallerModelTakesTheK40File)
{
    const QString folder = QStringLiteral("/opt/strokewise/");
    const DefinitionCase cases[] = {
        { "StepTestRept", 6, "/opt/strokewise/Dependencies/StepTestRept_K40.xml" },
        { "StepTestRept", 5, "/opt/strokewise/Dependencies/StepTestRept.xml" },
        { "StepTestRept", 0, "/opt/strokewise/Dependencies/StepTestRept.xml" },
        { "StepTestRept", 7, "/opt/strokewise/Dependencies/StepTestRept.xml" },
        { "StepTestRept", -6, "/opt/strokewise/Dependencies/StepTestRept.xml" },
        // The stem is taken as given: case kept, nothing stripped.
        { "AllTestReport", 6, "/opt/strokewise/Dependencies/AllTestReport_K40.xml" },
        { "trendrept", 5, "/opt/strokewise/Dependencies/trendrept.xml" },
    };
    for (const DefinitionCase& c : cases)
        EXPECT_EQ(
            ReportDefinitionPath(folder, QString::fromLatin1(c.stem), c.deviceType), QString::fromLatin1(c.expected))
            << c.stem << " on device type " << c.deviceType;
}

} // namespace

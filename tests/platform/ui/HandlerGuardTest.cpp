#include "SwTest.h"

#include "automation/ComError.h"
#include "ui/HandlerGuard.h"

#include <stdexcept>

using HandlerGuardTest = SwTest;

TEST_F(HandlerGuardTest, ThrownErrorsBecomeOneLogLineAndTheProgramGoesOn)
{
    QStringList lines;
    HandlerGuard::setLogHook([&](const QString& line) { lines << line; });

    EXPECT_FALSE(HandlerGuard::run(QStringLiteral("CRampTest OnTimer"),
        [] { throw ComError(ComError::InvalidPointer, QStringLiteral("Invalid pointer")); }));
    EXPECT_FALSE(HandlerGuard::run(QStringLiteral("CStepTest OnStart"), [] { throw std::runtime_error("bad data"); }));
    int ran = 0;
    EXPECT_TRUE(HandlerGuard::run(QStringLiteral("CStepTest OnStop"), [&] { ++ran; }));

    EXPECT_EQ(ran, 1);
    ASSERT_EQ(lines.size(), 2);
    EXPECT_EQ(lines[0], QStringLiteral("CRampTest OnTimer: automation error 0x80004003"));
    EXPECT_EQ(lines[1], QStringLiteral("CStepTest OnStart: error bad data"));
}

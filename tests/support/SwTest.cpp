#include "SwTest.h"

#include "ui/ControlRegistry.h"
#include "ui/HandlerGuard.h"

#include <cstdlib>

void SwTest::SetUp()
{
    ASSERT_TRUE(m_stateDir.isValid());
    m_hadStateHome = qEnvironmentVariableIsSet("XDG_STATE_HOME");
    m_oldStateHome = qgetenv("XDG_STATE_HOME");
    qputenv("XDG_STATE_HOME", m_stateDir.path().toLocal8Bit());
    Prompts::install(&m_prompts);
    TimerService::install(&m_clock);
}

void SwTest::TearDown()
{
    EXPECT_EQ(m_prompts.pendingAnswers(), 0) << "queued prompt answers were never asked for";
    TimerService::install(nullptr);
    Prompts::install(nullptr);
    HandlerGuard::setLogHook(nullptr);
    ControlRegistry::instance().restoreAll();
    if (m_hadStateHome)
        qputenv("XDG_STATE_HOME", m_oldStateHome);
    else
        qunsetenv("XDG_STATE_HOME");
}

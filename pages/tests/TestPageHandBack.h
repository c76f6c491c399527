#pragma once

#include "MultiTestRun.h"
#include "PageContext.h"

#include <QString>

// A test page that the multi-test hub started hands back when it finishes or
// is stopped: it marks its own test done, adds its status line to the run's
// list and shows the hub page again.
inline void HandBackToMultiTest(PageContext& context, bool MultiTestRun::*done, const QString& line, int hubCode)
{
    MultiTestRun& multi = context.multiTest();
    multi.*done = true;
    multi.m_TestStatusList.AddString(line);
    context.SelectPageCode(hubCode);
}

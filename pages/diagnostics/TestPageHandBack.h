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

// How the user stopped a test page's run: its Stop button, or leaving the
// page for another.
enum class UserStop { StopButton, LeavingPage };

// A test the user stopped during a multi-test run ends the whole run, so the
// valve does not move again unasked: the page adds its stop line and the run
// stops as the hub's Stop stops it. A stopped test has no result, so it never
// counts as done. Stop shows the hub with the run's lines; a page left for
// another leaves the user on the page they chose.
inline void EndMultiTestStoppedByUser(
    PageContext& context, bool MultiTestRun::*done, const QString& line, int hubCode, UserStop how)
{
    MultiTestRun& multi = context.multiTest();
    multi.*done = false;
    multi.m_TestStatusList.AddString(line);
    multi.StopByUser();
    if (how == UserStop::StopButton)
        context.SelectPageCode(hubCode);
}

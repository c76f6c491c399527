#pragma once

#include "ScriptedPrompts.h"

#include "diagnostics/CDiagnosticsMain.h"

#include <QAbstractButton>

// A test page of a multi-test run hands back to the diagnostics hub. With
// only the page's own test ticked there, the hub ends the run when the page
// has marked its completed test done (it would start the test again
// otherwise) and asks its save question, answered Cancel here. A test the
// user stops ends the run without that question (`completes` false).
inline void tickOnlyOnHub(CDiagnosticsMain& hub, ScriptedPrompts& prompts, int box, bool completes = true)
{
    hub.controlAs<QAbstractButton>(box)->setChecked(true);
    if (completes)
        prompts.answerMessage(Prompts::IdCancel, QStringLiteral("Do you want to save the multi tests?"));
}

inline const QString RunFinishedLine = QStringLiteral("Finished the selected tests");
inline const QString RunStoppedLine = QStringLiteral("Multi tests stopped");

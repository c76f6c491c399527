#pragma once

#include "QtPrinters.h"
#include "ScriptedPrompts.h"
#include "ui/TestClock.h"

#include <QTemporaryDir>

#include <gtest/gtest.h>

// The base of every test that touches the platform: a temporary state folder
// (XDG_STATE_HOME, where the log goes), scripted prompts and the test clock,
// all put back afterwards. A test that leaves queued answers unused fails.
class SwTest : public ::testing::Test
{
protected:
    void SetUp() override;
    void TearDown() override;

    ScriptedPrompts& prompts() { return m_prompts; }
    TestClock& clock() { return m_clock; }
    QString stateDir() const { return m_stateDir.path(); }
    // A fresh folder for files a test writes.
    QString tempPath(const QString& name) const { return m_stateDir.filePath(name); }

private:
    QTemporaryDir m_stateDir;
    ScriptedPrompts m_prompts;
    TestClock m_clock;
    QByteArray m_oldStateHome;
    bool m_hadStateHome = false;
};

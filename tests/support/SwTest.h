#pragma once

#include "QtPrinters.h"
#include "ScriptedPrompts.h"
#include "ui/TestClock.h"

#include <QStringList>
#include <QTemporaryDir>

#include <initializer_list>

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
    // Points the program folder (STROKEWISE_HOME) at a folder of this test's
    // own holding copies of the named shipped report definitions (a test may
    // change or remove them there); put back at TearDown. Returns its
    // Dependencies folder, with a trailing '/'.
    QString ownProgramFolder(std::initializer_list<const char*> definitions);
    // Points the system's temporary folder (TMPDIR) at an empty folder of
    // this test's own, so the test sees what is written there and whether it
    // is gone again; put back at TearDown. Returns the folder.
    QString ownTemporaryFolder();
    // What the test's own temporary folder holds, files and folders, by name.
    QStringList leftInTemporaryFolder() const;
    // Keeps a copy of a file a test wrote as a candidate seed for the plot data
    // file fuzzer, among the build's test artifacts (never in the checkout:
    // the committed corpus changes only by hand).
    static void keepAsFuzzSeed(const QString& path, const QString& seedName);

private:
    QTemporaryDir m_stateDir;
    ScriptedPrompts m_prompts;
    TestClock m_clock;
    QByteArray m_oldStateHome;
    bool m_hadStateHome = false;
    bool m_ownProgramFolder = false;
    bool m_ownTemporaryFolder = false;
    bool m_hadTemporaryFolder = false;
    QByteArray m_oldTemporaryFolder;
};

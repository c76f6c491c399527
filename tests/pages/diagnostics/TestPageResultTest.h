#pragma once

#include "DiagnosticsHubPageTest.h"

#include <QAbstractButton>

#include <functional>

#include <optional>
#include <utility>
#include <vector>

// The hub's fixture with a result of each of the four test pages at hand, by
// the page's tree code: a run with the settings the tests use, taken to its
// end (the partial stroke test's signature read back too), saved to a file
// and loaded back, each through the page's own handlers.
class TestPageResultTest : public DiagnosticsHubPrintTest
{
protected:
    using Settings = std::vector<std::pair<int, const char*>>;

    static constexpr int PageStartButton = 474; // the same id on the four test pages
    static constexpr int PageStopButton = 501;

    // The settings a run of the page's test is started with.
    static Settings runSettings(int pageCode)
    {
        switch (pageCode) {
        case RampTestCode:
            return { { CRampTest::StartEdit, "20" }, { CRampTest::StopEdit, "80" }, { CRampTest::HoldEdit, "2" },
                { CRampTest::DurationEdit, "3" } };
        case StepTestCode:
            return { { CStepTest::StartEdit, "70" }, { CStepTest::StopEdit, "50" }, { CStepTest::HoldEdit, "5" } };
        case PstCode:
            return { { CPartialStrokeTest::StartEdit, "80" }, { CPartialStrokeTest::StopEdit, "65" },
                { CPartialStrokeTest::TimeToTargetEdit, "5" }, { CPartialStrokeTest::DurationEdit, "12" } };
        default:
            return { { CHDRLTest::SettlingEdit, "6" } };
        }
    }

    // The settings typed, Start answered Yes, the run to its end; the page
    // shown already. `beforeStart` may set what the settings do not.
    void runResult(int pageCode, const std::function<void(FormPage&)>& beforeStart = {})
    {
        runResultWith(pageCode, runSettings(pageCode), beforeStart);
    }
    void runResultWith(int pageCode, const Settings& settings, const std::function<void(FormPage&)>& beforeStart = {})
    {
        FormPage& p = testPage(pageCode);
        for (const auto& [edit, text] : settings)
            p.setWindowText(edit, QString::fromLatin1(text));
        if (beforeStart)
            beforeStart(p);
        prompts().answerMessage(Prompts::IdYes, Movement);
        p.controlAs<QAbstractButton>(PageStartButton)->click();
        ASSERT_TRUE(testRunning(pageCode));
        runResultToEnd(pageCode);
        if (pageCode == PstCode) {
            pst().StartSignatureRetrieval();
            runResultToEnd(pageCode);
        }
    }
    void runResultToEnd(int pageCode)
    {
        for (qint64 passed = 0; passed < 1800000 && testRunning(pageCode); passed += 500)
            clock().advance(500);
        ASSERT_FALSE(testRunning(pageCode));
    }

    // Save, answering the file dialog with `file` (whose title, when given,
    // is `title`).
    void saveResult(int pageCode, const QString& file, const std::optional<QString>& title = std::nullopt)
    {
        prompts().answerFile(file, title);
        switch (pageCode) {
        case RampTestCode:
            ramp().SaveRampResults();
            break;
        case StepTestCode:
            step().OnSaveResults();
            break;
        case HDRLCode:
            hdrl().OnSave();
            break;
        default:
            pst().SavePstFile();
        }
    }
    // Load, answering the file dialog with `file` (nothing: Cancel).
    void loadResult(
        int pageCode, const std::optional<QString>& file, const std::optional<QString>& title = std::nullopt)
    {
        prompts().answerFile(file, title);
        switch (pageCode) {
        case RampTestCode:
            ramp().LoadRampResults();
            break;
        case StepTestCode:
            step().OnLoadResults();
            break;
        case HDRLCode:
            hdrl().OnLoad();
            break;
        default:
            pst().OnLoad();
        }
    }
};

#pragma once

#include "StepTestPageTest.h"

#include "ReportRecords.h"

#include "diagnostics/CDiagnosticsMain.h"
#include "diagnostics/CHDRLTest.h"
#include "diagnostics/CPartialStrokeTest.h"
#include "diagnostics/CRampTest.h"

#include "report/PrintBackend.h"
#include "report/RecordingPrintBackend.h"
#include "ui/Pictures.h"

#include <QAbstractButton>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>

#include <functional>

// The program against a simulated positioner with the diagnostics hub and
// the four test pages it runs at hand; the request record and the scripting
// are the step test fixture's.
class DiagnosticsHubPageTest : public StepTestPageTest
{
protected:
    using D = CDiagnosticsMain;
    static constexpr int RampTestCode = 41;
    static constexpr int HDRLCode = 43;
    static constexpr int PstCode = 46;
    static inline const QString Movement
        = QStringLiteral("The following procedure will cause closure member movement. Do you wish to continue?");
    static inline const QString SaveQuestion = QStringLiteral("Do you want to save the multi tests?");

    CDiagnosticsMain& hub() { return page<CDiagnosticsMain>(); }
    CRampTest& ramp() { return page<CRampTest>(); }
    CPartialStrokeTest& pst() { return page<CPartialStrokeTest>(); }
    CHDRLTest& hdrl() { return page<CHDRLTest>(); }
    MultiTestRun& run() { return app().multiTest(); }
    // A test page by its tree code, and whether its run (or the partial
    // stroke's signature retrieval) goes on.
    FormPage& testPage(int pageCode)
    {
        switch (pageCode) {
        case RampTestCode:
            return ramp();
        case StepTestCode:
            return step();
        case HDRLCode:
            return hdrl();
        default:
            return pst();
        }
    }
    // Print Report on a test page by its tree code.
    void printTestReport(int pageCode)
    {
        switch (pageCode) {
        case RampTestCode:
            ramp().PrintRampReport();
            break;
        case StepTestCode:
            step().OnPrintReport();
            break;
        case HDRLCode:
            hdrl().OnPrintReport();
            break;
        default:
            pst().OnPrintReport();
            break;
        }
    }
    bool testRunning(int pageCode)
    {
        switch (pageCode) {
        case RampTestCode:
            return ramp().testRunning();
        case StepTestCode:
            return step().testRunning();
        case HDRLCode:
            return hdrl().running();
        default:
            return pst().testRunning() || pst().retrieving();
        }
    }

    // Start-up on a model, past the first reads, and the hub shown.
    void showHub(const char* path = K90Path)
    {
        start({ QStringLiteral("/d") + QString::fromLatin1(path) });
        clock().advance(2000);
        select(DiagnosticCode);
        clock().advance(1000);
        device(path).clearRequests();
    }

    QString hubText(int id) { return hub().windowText(id); }
    bool hubEnabled(int id) { return hub().control(id)->isEnabled(); }
    bool hubChecked(int id) { return hub().controlAs<QAbstractButton>(id)->isChecked(); }
    // A user's click: the button's handler runs.
    void click(int id) { hub().controlAs<QAbstractButton>(id)->click(); }
    // Ticks a test box as the user does, unless it is ticked already.
    void tick(int box)
    {
        if (!hubChecked(box))
            click(box);
    }
    // Keys typed into an empty edit, one after the other: a digits-only
    // edit drops the others.
    void type(int edit, const char* keys)
    {
        auto* line = hub().controlAs<QLineEdit>(edit);
        line->clear();
        for (const char* key = keys; *key; ++key)
            line->insert(QString(QLatin1Char(*key)));
    }
    void setText(int edit, const char* text) { hub().setWindowText(edit, QString::fromLatin1(text)); }
    bool markShowsInvalid(int mark)
    {
        return hub().controlAs<QLabel>(mark)->pixmap().toImage() == Pictures::load(138).toImage();
    }
    bool markShowsValid(int mark)
    {
        return hub().controlAs<QLabel>(mark)->pixmap().toImage() == Pictures::load(139).toImage();
    }
    QStringList listed()
    {
        QStringList lines;
        const auto* list = hub().controlAs<QListWidget>(D::StatusList);
        for (int row = 0; row < list->count(); ++row)
            lines << list->item(row)->text();
        return lines;
    }

    // Valid texts for all twelve parameters.
    void fillParameters()
    {
        const std::pair<int, const char*> texts[] = { { D::RampStartEdit, "20" }, { D::RampStopEdit, "40" },
            { D::RampHoldEdit, "2" }, { D::RampDurationEdit, "10" }, { D::StepStartEdit, "20" },
            { D::StepStopEdit, "60" }, { D::StepHoldEdit, "5" }, { D::PSTStartEdit, "80" }, { D::PSTStopEdit, "65" },
            { D::PSTTimeToTargetEdit, "4.99" }, { D::PSTDurationEdit, "12" }, { D::SettlingEdit, "6" } };
        for (const auto& [edit, text] : texts)
            setText(edit, text);
    }

    void runUntil(const std::function<bool()>& done, qint64 limitMs = 1800000)
    {
        for (qint64 passed = 0; passed < limitMs && !done(); passed += 500) {
            clock().advance(500);
            processEvents();
        }
    }
    // Start pressed and the movement question answered Yes.
    void startRun()
    {
        prompts().answerMessage(Prompts::IdYes, Movement);
        click(D::StartButton);
        processEvents();
    }
    bool runEnded() { return !run().m_bMultiTestRunning; }
};

// The hub fixture with printing caught by a recorder, for the tests that print.
class DiagnosticsHubPrintTest : public DiagnosticsHubPageTest
{
protected:
    void SetUp() override
    {
        DiagnosticsHubPageTest::SetUp();
        PrintBackend::install(&m_printed);
    }
    void TearDown() override
    {
        PrintBackend::install(nullptr);
        DiagnosticsHubPageTest::TearDown();
    }
    RecordingPrintBackend m_printed;
};

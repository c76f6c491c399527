#pragma once

#include "DiagnosticsHubRules.h"
#include "StripPage.h"

#include "report/PrinterControl.h"
#include "report/ReportControl.h"

#include <QStringList>

#include <array>
#include <optional>

// The page "Diagnostic" (dialog 203), the entry page of the diagnostic
// branch. Its buttons lead to the other main pages and to the test pages.
// It is also the multi-test sequencer: the user ticks any of the ramp, step,
// partial stroke and HDRL tests, sets their parameters and starts; the hub
// then shows each ticked test's page in that order with its settings, the
// page starts by itself and hands back when it ends, and the hub goes on
// with the next. At the end it offers to save the results through the test
// pages' own Save; Print Report gathers what the four pages show into one
// multi-test report.
class CDiagnosticsMain : public StripPage
{
    Q_OBJECT

public:
    static constexpr int DialogId = 203;

    using Parameter = DiagnosticsHubRules::Parameter;
    using Test = DiagnosticsHubRules::Test;

    // Control ids of the page.
    enum : int {
        // Navigation
        DashboardButton = 437,
        AlarmsButton = 291,
        HealthButton = 602,
        DiagnosticButton = 435,
        CalibrationButton = 438,
        ConfigurationButton = 664,
        DataLoggerButton = 1026,
        TrendsButton = 303,
        RampTestButton = 308,
        StepTestButton = 307,
        HDRLButton = 310,
        PSTButton = 306,
        // Sequencer: the test boxes and the ramp's direction box
        RampBox = 1393,
        StepBox = 1394,
        PSTBox = 1395,
        HDRLBox = 1396,
        BidirectionalBox = 1400,
        // The twelve parameters and their validity marks
        RampStartEdit = 1397,
        RampStopEdit = 1055,
        RampHoldEdit = 1056,
        RampDurationEdit = 1057,
        StepStartEdit = 1058,
        StepStopEdit = 1059,
        StepHoldEdit = 1060,
        PSTStartEdit = 1061,
        PSTStopEdit = 1062,
        PSTTimeToTargetEdit = 1063,
        PSTDurationEdit = 1064,
        SettlingEdit = 1065,
        RampDurationMark = 1101,
        RampStartMark = 1102,
        RampStopMark = 1103,
        RampHoldMark = 1104,
        StepStartMark = 1105,
        StepStopMark = 1106,
        StepHoldMark = 1107,
        SettlingMark = 1108,
        PSTStartMark = 1109,
        PSTStopMark = 1110,
        PSTTimeToTargetMark = 1111,
        PSTDurationMark = 1112,
        StartButton = 1398,
        StopButton = 1021,
        PrintButton = 1023,
        StatusList = 1399,
        ReportHost = 1402,
        PrinterHost = 1403,
        ReportId = 7012,
        PrinterId = 7002,
    };

    // The dialog template and its tooltips (CDiagnosticsMainTemplate.cpp).
    static const PageTemplate Template;
    static const ToolTipTable ToolTips;

    // Where each navigation button leads: the tree item of a page code.
    static const NavigationButton NavigationButtons[11];

    // One parameter: its edit, its validity mark and its rule.
    struct ParameterRow {
        int edit;
        int mark;
        Parameter parameter;
    };
    static const ParameterRow Parameters[DiagnosticsHubRules::ParameterCount];

    // One test of a run: its box, the edits its box enables, the line the hub
    // adds when it starts it and the tree item of its page.
    struct TestRow {
        int box;
        std::array<int, 5> groupControls; // 0 ends a shorter group
        const char* startedLine;
        int pageCode;
    };
    static const TestRow Tests[DiagnosticsHubRules::TestCount];

    explicit CDiagnosticsMain(PageContext& context, QWidget* parent = nullptr);

    void OnInitialUpdate() override;
    void ActivatePage() override;

    void RunSequence();
    void OnStopMultiTest();
    void SaveMultiTests();
    void PrintMultiTestReport();
    void OnParameterChange(int edit);
    void OnTestBoxClicked(int box);
    void ResetIndicators();

    bool parameterValid(Parameter parameter) const { return m_bParamValid[static_cast<size_t>(parameter)]; }
    const IReportPtr& report() const { return m_pReport; }
    const IPrinterPtr& printer() const { return m_pPrinter; }

private:
    void connectHandlers();
    void showStatusLines();
    void showSignatureSettings();
    void writeParameter(int edit, const QString& text);
    // After a run, while the device holds what its last test left: each
    // test's edits as that test ran.
    void showRunSettings();
    void updateStartButton();
    void enableGroup(const TestRow& row, bool enable);
    void disableModelGatedControls();
    void startTest(Test test);
    void endRun();
    // The run is stopped: the settings of each ticked test it had not yet
    // started stay the test's, for its page to offer.
    void holdSettingsNotRun();
    void clearDoneFlags();
    bool checked(int box) const;
    void setChecked(int box, bool on);
    // A parameter's edit read whole: its number, or none.
    std::optional<double> number(int edit) const;
    std::array<bool, DiagnosticsHubRules::TestCount> tickedBoxes() const;
    // Checks a test's parameters again as their edits read now: whether it may run.
    bool testParametersValid(Test test);
    // What the marked parameters of `test` hold and what each takes, for the log.
    QStringList markedParameters(Test test) const;
    bool tickedParametersValid();
    const ParameterRow* parameterOf(int edit) const;

    IReportPtr m_pReport;
    IPrinterPtr m_pPrinter;
    std::array<bool, DiagnosticsHubRules::ParameterCount> m_bParamValid;
    // The device keeps one set of test settings, the last test's. The texts
    // each test of the last run ran with, by edit, and the settings the run
    // left on the device: while the device still holds those, activation
    // shows every test's own settings rather than the last test's in all groups.
    std::array<QString, DiagnosticsHubRules::ParameterCount> m_RanTexts;
    std::array<bool, DiagnosticsHubRules::TestCount> m_Ran {};
    std::optional<std::pair<std::array<float, 4>, uint16_t>> m_RunLeft;
    // The tests that completed in the run the user stopped, whose boxes the
    // stop unticked: the report still prints them as run, until their box
    // is clicked or another run starts.
    std::array<bool, DiagnosticsHubRules::TestCount> m_CompletedBeforeStop {};
};

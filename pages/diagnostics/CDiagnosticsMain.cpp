#include "CDiagnosticsMain.h"

#include "DeviceData.h"
#include "MultiTestRun.h"
#include "PageHelpers.h"
#include "ReportDefinitionPath.h"
#include "ReportHeaderFill.h"
#include "ReportRecords.h"
#include "TellboxImports.h"
#include "TestPageControls.h"
#include "ValidityMark.h"

#include "automation/AutoString.h"
#include "multi_test/MultiTestReport.h"
#include "ui/Prompts.h"

#include <QAbstractButton>
#include <QListWidget>
#include <QPointer>

#include <iterator>
#include <vector>

namespace
{

using namespace DiagnosticsHubRules;

const QString SaveQuestion = QStringLiteral("Do you want to save the multi tests?");
const QString SaveCaptionSuffix = QStringLiteral("-DAIGMAIN MULTI TESTS");
const QString NotApplicable = QStringLiteral("NA");
const QString NoSpringValue = QStringLiteral(" - ");

static_assert(int(Test::Ramp) == int(MultiTest::Ramp) && int(Test::Step) == int(MultiTest::Step)
        && int(Test::PartialStroke) == int(MultiTest::PartialStroke) && int(Test::HDRL) == int(MultiTest::HDRL)
        && TestCount == int(MultiTest::Count),
    "the hub's tests run in the order of the shared run state");

MultiTest shared(Test test)
{
    return static_cast<MultiTest>(static_cast<int>(test));
}

// What the report takes from a page's shown texts, or an empty text where the
// page gives fewer.
QString textAt(const QStringList& texts, int index)
{
    return texts.value(index);
}

} // namespace

CDiagnosticsMain::CDiagnosticsMain(PageContext& context, QWidget* parent)
    : StripPage(context, QStringLiteral("CDiagnosticsMain"), DialogId, StripTimer::OnActivation, parent)
{
    m_bParamValid.fill(true);
    buildPage(Template);
}

// ---------------------------------------------------------------------------
// Initial update

void CDiagnosticsMain::OnInitialUpdate()
{
    StripPage::OnInitialUpdate();
    const TellboxImports& imports = context().imports();
    CreateTestPageControl(this, imports.CreateReportControl, ReportHost, ReportId, m_pReport, ControlWindow::Hidden);
    CreateTestPageControl(this, imports.CreatePrintControl, PrinterHost, PrinterId, m_pPrinter, ControlWindow::Hidden);
    // The list shows the run's lines, whichever page adds them.
    context().multiTest().m_TestStatusList.setChanged([page = QPointer<CDiagnosticsMain>(this)] {
        if (page)
            page->showStatusLines();
    });
    showStatusLines();
    // A test page the user stops ends the run through the hub's own Stop.
    context().multiTest().StopMultiTest = [page = QPointer<CDiagnosticsMain>(this)] {
        if (page)
            page->OnStopMultiTest();
    };
    connectHandlers();
    setWindowText(SettlingEdit, QStringLiteral("6"));
    updateStartButton();
    enableControl(StopButton, false);
    for (const ParameterRow& row : Parameters)
        enableControl(row.edit, false);
    enableControl(BidirectionalBox, false);
    setToolTips(StripToolTips);
    setToolTips(ToolTips);
}

void CDiagnosticsMain::connectHandlers()
{
    connectNavigation(NavigationButtons);
    for (const ParameterRow& row : Parameters) {
        const int edit = row.edit;
        onTextChanged(edit, "OnParameterChange", [this, edit] { OnParameterChange(edit); });
    }
    for (const TestRow& row : Tests) {
        const int box = row.box;
        onClicked(box, "OnTestBoxClicked", [this, box] { OnTestBoxClicked(box); });
    }
    onClicked(StartButton, "RunSequence", [this] { RunSequence(); });
    onClicked(StopButton, "OnStopMultiTest", [this] { OnStopMultiTest(); });
    onClicked(PrintButton, "PrintMultiTestReport", [this] { PrintMultiTestReport(); });
}

void CDiagnosticsMain::showStatusLines()
{
    auto* list = controlAs<QListWidget>(StatusList);
    if (!list)
        return;
    list->clear();
    list->addItems(context().multiTest().m_TestStatusList.lines());
    list->scrollToBottom();
}

// ---------------------------------------------------------------------------
// Page contract

void CDiagnosticsMain::ActivatePage()
{
    StripPage::ActivatePage();
    disableModelGatedControls();
    MultiTestRun& multi = context().multiTest();
    if (multi.m_bMultiTestRunning) {
        RunSequence();
        return;
    }
    if (multi.m_bShowStoppedRun) {
        // The run the user stopped stays in view as it ended: its lines, its
        // settings and the buttons its Stop left.
        multi.m_bShowStoppedRun = false;
        return;
    }
    multi.m_TestStatusList.ResetContent();
    ResetIndicators();
    // Without a reply the edits show the settings last known.
    read(HartCommand::ReadSigSettings);
    showSignatureSettings();
    showRunSettings();
    // Activation leaves the settling time as it was: its mark shows again
    // what it holds, as every other parameter's does once written.
    OnParameterChange(SettlingEdit);
    updateStartButton();
}

void CDiagnosticsMain::disableModelGatedControls()
{
    // The smaller model without the option has no trends and no partial
    // stroke test: their tree items do not exist, and a run would wait
    // forever for a partial stroke page that never reports back.
    const DeviceData& dd = data();
    const bool gated = dd.DeviceType == 6 && dd.Config28Bit5 == 0;
    for (int id : { TrendsButton, PSTButton, PSTBox })
        enableControl(id, !gated);
    if (gated && checked(PSTBox)) {
        setChecked(PSTBox, false);
        enableGroup(Tests[int(Test::PartialStroke)], false);
    }
}

void CDiagnosticsMain::showSignatureSettings()
{
    const DeviceData& dd = data();
    const SignatureSettings settings { dd.SigSettings.Floats, dd.SigSettings.Word };
    for (const ParameterRow& row : Parameters) {
        if (const std::optional<QString> text = activationText(row.parameter, settings))
            writeParameter(row.edit, *text);
    }
}

void CDiagnosticsMain::showRunSettings()
{
    const DeviceData& dd = data();
    // Once another test has run, the device's settings are that test's.
    if (!m_RunLeft || *m_RunLeft != std::make_pair(dd.SigSettings.Floats, dd.SigSettings.Word)) {
        m_RunLeft.reset();
        return;
    }
    for (size_t k = 0; k < std::size(Parameters); ++k) {
        const ParameterRow& row = Parameters[k];
        const Test test = testOf(row.parameter);
        if (test != Test::Count && m_Ran[size_t(test)] && row.parameter != Parameter::Settling)
            writeParameter(row.edit, m_RanTexts[k]);
    }
}

void CDiagnosticsMain::writeParameter(int edit, const QString& text)
{
    // The check runs on every write, as it does when the text changes.
    const bool unchanged = windowText(edit) == text;
    setWindowText(edit, text);
    if (unchanged)
        OnParameterChange(edit);
}

// ---------------------------------------------------------------------------
// Parameters and boxes

const CDiagnosticsMain::ParameterRow* CDiagnosticsMain::parameterOf(int edit) const
{
    for (const ParameterRow& row : Parameters) {
        if (row.edit == edit)
            return &row;
    }
    return nullptr;
}

std::optional<double> CDiagnosticsMain::number(int edit) const
{
    return WindowNumber(control(edit));
}

void CDiagnosticsMain::OnParameterChange(int edit)
{
    const ParameterRow* row = parameterOf(edit);
    if (!row)
        return;
    const bool ok = ValidityMark::show(this, row->mark, valid(row->parameter, number(edit)), rule(row->parameter).hint);
    m_bParamValid[static_cast<size_t>(row->parameter)] = ok;
    updateStartButton();
}

bool CDiagnosticsMain::testParametersValid(Test test)
{
    // Read again from the edits: a test runs only with what they show now.
    bool all = true;
    for (const ParameterRow& row : Parameters) {
        if (testOf(row.parameter) != test)
            continue;
        OnParameterChange(row.edit);
        all = all && parameterValid(row.parameter);
    }
    return all;
}

QStringList CDiagnosticsMain::markedParameters(Test test) const
{
    QStringList marked;
    for (const ParameterRow& row : Parameters) {
        if (testOf(row.parameter) == test && !parameterValid(row.parameter))
            marked << QStringLiteral("\"%1\" is not one of the %2")
                          .arg(windowText(row.edit), rule(row.parameter).range.describe());
    }
    return marked;
}

bool CDiagnosticsMain::tickedParametersValid()
{
    bool all = true;
    for (int k = 0; k < TestCount; ++k) {
        if (checked(Tests[k].box) && !testParametersValid(Test(k)))
            all = false;
    }
    return all;
}

void CDiagnosticsMain::OnTestBoxClicked(int box)
{
    updateStartButton();
    for (int k = 0; k < TestCount; ++k) {
        if (Tests[k].box != box)
            continue;
        enableGroup(Tests[k], checked(box));
        // The box now says whether the test is printed.
        m_CompletedBeforeStop[size_t(k)] = false;
    }
}

void CDiagnosticsMain::ResetIndicators()
{
    for (const ParameterRow& row : Parameters)
        ValidityMark::show(this, row.mark, true, QString());
}

std::array<bool, TestCount> CDiagnosticsMain::tickedBoxes() const
{
    std::array<bool, TestCount> ticked {};
    for (int k = 0; k < TestCount; ++k)
        ticked[static_cast<size_t>(k)] = checked(Tests[k].box);
    return ticked;
}

void CDiagnosticsMain::updateStartButton()
{
    // No second run starts while one is on.
    enableControl(
        StartButton, startAllowed(tickedBoxes(), m_bParamValid) && !context().multiTest().m_bMultiTestRunning);
}

void CDiagnosticsMain::enableGroup(const TestRow& row, bool enable)
{
    for (int id : row.groupControls) {
        if (id)
            enableControl(id, enable);
    }
}

bool CDiagnosticsMain::checked(int box) const
{
    const auto* button = controlAs<QAbstractButton>(box);
    return button && button->isChecked();
}

void CDiagnosticsMain::setChecked(int box, bool on)
{
    if (auto* button = controlAs<QAbstractButton>(box))
        button->setChecked(on);
}

// ---------------------------------------------------------------------------
// The sequence

void CDiagnosticsMain::RunSequence()
{
    MultiTestRun& multi = context().multiTest();
    if (!multi.m_bMultiTestRunning && !tickedParametersValid()) {
        QStringList marked;
        for (int k = 0; k < TestCount; ++k) {
            if (checked(Tests[k].box))
                marked << markedParameters(Test(k));
        }
        context().log().WriteLog(
            QStringLiteral("CDiagnosticsMain multi tests not started: %1").arg(marked.join(QStringLiteral("; "))));
        return;
    }
    killTimer(StripTimerId);
    if (!multi.m_bMultiTestRunning) {
        multi.m_bShowStoppedRun = false;
        multi.m_TestStatusList.ResetContent();
        if (!userAllowsMovement(context().MessageCaption()))
            return;
        // A new run starts clean: every ticked test runs, and what an earlier
        // run finished is neither skipped nor saved as this run's result.
        clearDoneFlags();
        m_Ran.fill(false);
        multi.clearHeldSettings();
        m_RunLeft.reset();
        m_CompletedBeforeStop.fill(false);
    }
    multi.m_bMultiTestRunning = true;
    enableControl(StartButton, false);
    enableControl(StopButton, true);
    enableControl(PrintButton, false);
    std::array<bool, TestCount> ticked {};
    std::array<bool, TestCount> done {};
    for (int k = 0; k < TestCount; ++k) {
        ticked[static_cast<size_t>(k)] = checked(Tests[k].box);
        done[static_cast<size_t>(k)] = multi.done(shared(Test(k)));
    }
    if (const std::optional<Test> next = nextTest(ticked, done)) {
        startTest(*next);
        return;
    }
    endRun();
}

void CDiagnosticsMain::startTest(Test test)
{
    MultiTestRun& multi = context().multiTest();
    const TestRow& row = Tests[int(test)];
    // The ticked tests' parameters were valid when the run started and the
    // edits are out of reach while it goes on; a value that is no longer a
    // number in its range ends the run rather than reach the device.
    if (!testParametersValid(test)) {
        context().log().WriteLog(QStringLiteral("CDiagnosticsMain multi tests stopped: %1")
                                     .arg(markedParameters(test).join(QStringLiteral("; "))));
        OnStopMultiTest();
        return;
    }
    multi.m_TestStatusList.AddString(QString::fromLatin1(row.startedLine));
    m_Ran[size_t(test)] = true;
    for (size_t k = 0; k < std::size(Parameters); ++k) {
        if (testOf(Parameters[k].parameter) == test)
            m_RanTexts[k] = windowText(Parameters[k].edit);
    }
    DeviceData& dd = data();
    auto& floats = dd.SigSettings.Floats;
    const auto single = [this](int edit) { return static_cast<float>(number(edit).value_or(0.0)); };
    switch (test) {
    case Test::Ramp:
        floats[0] = single(RampStartEdit);
        floats[1] = single(RampStopEdit);
        floats[2] = single(RampDurationEdit);
        floats[3] = single(RampHoldEdit);
        dd.SigSettings.Word = 0;
        dd.RampBidirectional = checked(BidirectionalBox) ? 1 : 0;
        break;
    case Test::Step:
        multi.m_bRampDone = true;
        floats[0] = single(StepStartEdit);
        floats[1] = single(StepStopEdit);
        floats[3] = single(StepHoldEdit);
        break;
    case Test::PartialStroke:
        multi.m_bStepDone = true;
        floats[0] = single(PSTStartEdit);
        floats[1] = single(PSTStopEdit);
        floats[3] = single(PSTDurationEdit);
        dd.SigSettings.Word = timeToTargetWord(number(PSTTimeToTargetEdit).value_or(0.0));
        break;
    case Test::HDRL:
        multi.m_bPSTDone = true;
        if (multi.SetHDRLSettlingTime)
            multi.SetHDRLSettlingTime(windowText(SettlingEdit));
        break;
    case Test::Count:
        return;
    }
    // The test page starts its test when it is shown; the selection is the
    // last thing done here.
    context().SelectPageCode(row.pageCode);
}

void CDiagnosticsMain::endRun()
{
    MultiTestRun& multi = context().multiTest();
    armStripTimer(RefreshMs);
    multi.m_bHDRLDone = true;
    multi.m_bMultiTestRunning = false;
    m_RunLeft = std::make_pair(data().SigSettings.Floats, data().SigSettings.Word);
    multi.m_TestStatusList.AddString(QStringLiteral("Finished the selected tests"));
    if (Prompts::show(SaveQuestion, context().MessageCaption() + SaveCaptionSuffix, Prompts::Buttons::OkCancel,
            Prompts::Icon::None, this)
        == Prompts::IdOk)
        SaveMultiTests();
    else
        clearDoneFlags();
    updateStartButton();
    enableControl(StopButton, false);
    enableControl(PrintButton, true);
}

void CDiagnosticsMain::OnStopMultiTest()
{
    MultiTestRun& multi = context().multiTest();
    // The tests that ran before the stop keep showing what they ran with, as
    // after a run that ends by itself, and the report prints those that
    // completed as run.
    if (multi.m_bMultiTestRunning) {
        m_RunLeft = std::make_pair(data().SigSettings.Floats, data().SigSettings.Word);
        for (int k = 0; k < TestCount; ++k)
            m_CompletedBeforeStop[size_t(k)] = m_Ran[size_t(k)] && multi.done(shared(Test(k)));
        holdSettingsNotRun();
    }
    multi.m_bMultiTestRunning = false;
    multi.m_TestStatusList.AddString(QStringLiteral("Multi tests stopped"));
    // Every box is unticked, and each test's settings go grey with its box,
    // as a box unticked by hand leaves them.
    for (int box : { RampBox, StepBox, PSTBox, HDRLBox, BidirectionalBox })
        setChecked(box, false);
    for (const TestRow& row : Tests)
        enableGroup(row, false);
    // Start waits, as on a fresh visit, for a ticked box and its valid settings.
    updateStartButton();
    enableControl(StopButton, false);
    enableControl(PrintButton, true);
}

void CDiagnosticsMain::holdSettingsNotRun()
{
    MultiTestRun& multi = context().multiTest();
    for (int k = 0; k < TestCount; ++k) {
        const Test test = Test(k);
        if (!checked(Tests[k].box) || m_Ran[size_t(k)])
            continue;
        QStringList texts;
        bool valid = true;
        for (const ParameterRow& row : Parameters) {
            if (testOf(row.parameter) != test)
                continue;
            texts << windowText(row.edit);
            valid = valid && parameterValid(row.parameter);
        }
        // A value the hub would not have run with is no setting of the test.
        if (valid)
            multi.holdSettings(shared(test), texts);
    }
}

// ---------------------------------------------------------------------------
// Save and report

void CDiagnosticsMain::SaveMultiTests()
{
    MultiTestRun& multi = context().multiTest();
    if (!multi.m_bMultiTestRunning) {
        for (int k = 0; k < TestCount; ++k) {
            const MultiTestPage* page = multi.page(shared(Test(k)));
            // A cancelled or failed save does not stop the next one.
            if (checked(Tests[k].box) && multi.done(shared(Test(k))) && page && page->Save)
                page->Save();
        }
    }
    clearDoneFlags();
}

void CDiagnosticsMain::clearDoneFlags()
{
    MultiTestRun& multi = context().multiTest();
    multi.m_bRampDone = multi.m_bStepDone = multi.m_bPSTDone = multi.m_bHDRLDone = false;
}

void CDiagnosticsMain::PrintMultiTestReport()
{
    MultiTestRun& multi = context().multiTest();
    ReportRecords& records = context().records();
    DeviceData& dd = data();
    const QString folder = context().helpers().GetAppFolder();
    FillReportHeader(records.m_ReportHeader, dd, context().dispatch());

    // The report is filled from copies: the pages' own records keep what
    // they hold for their own save and print. A test left out prints "NA"
    // throughout, and nothing of a result its page no longer shows.
    CRampReport ramp = records.m_RampReport;
    ramp.m_bBiDirectional = 0;
    ramp.m_bSingleActing = 0;
    ramp.m_bPressureSensor = 0;
    ramp.m_bPressureData = 0;
    for (AutoString* text : { &ramp.m_strStartPosition, &ramp.m_strStopPosition, &ramp.m_strHoldTime,
             &ramp.m_strTestDuration, &ramp.m_strSpringRate, &ramp.m_strSpringInitial, &ramp.m_strSpringFinal,
             &ramp.m_strStrokeLength, &ramp.m_strActuatorSize })
        *text = AutoString(NotApplicable);
    for (AutoString* text : { &ramp.m_strSpringRateUnit, &ramp.m_strSpringPressureUnit, &ramp.m_strStrokeLengthUnit,
             &ramp.m_strActuatorSizeUnit })
        *text = AutoString(QString());

    CStepTestReport step = records.m_StepTestReport;
    for (AutoString* text : { &step.m_strStartPosition, &step.m_strStopPosition, &step.m_strHoldTime })
        *text = AutoString(NotApplicable);
    step.m_bSingleActing = dd.Config28Bit5 ? 1 : 0;
    step.m_bPressureSensor = dd.PressureSensorFlag ? 1 : 0;

    CPSTReport pst = records.m_PSTReport;
    for (AutoString* text :
        { &pst.m_strStartPosition, &pst.m_strStopPosition, &pst.m_strTimeToTarget, &pst.m_strTestDuration,
            &pst.m_strBreakAwayTime, &pst.m_strBreakAwayPressure, &pst.m_strTimeToTargetResult, &pst.m_strResult })
        *text = AutoString(NotApplicable);
    pst.m_strBreakAwayUnit = AutoString(QString());

    CHDRLReport hdrl = records.m_HDRLReport;
    for (AutoString* text : { &hdrl.m_strPosSettlingTime, &hdrl.m_strRepeatAverage, &hdrl.m_strRepeatMaximum,
             &hdrl.m_strHysDeadAverage, &hdrl.m_strHysDeadMaximum, &hdrl.m_strLinearError })
        *text = AutoString(NotApplicable);

    const auto texts = [&multi](Test test) {
        const MultiTestPage* page = multi.page(shared(test));
        return page && page->reportTexts ? page->reportTexts() : QStringList();
    };
    const auto as = [](const QString& text) { return AutoString(text); };

    // Which tests print as run. A test prints when its box is ticked, or it
    // completed in the run the user stopped, and its page shows a recorded
    // position, of a run or a file: nothing is printed as run that did not
    // run. The report names one device, that of the first test it prints; a
    // result another device recorded is left out, since it would print
    // under a device that did not record it.
    const auto showsResult = [&multi](Test test) {
        const MultiTestPage* page = multi.page(shared(test));
        const IPlotPtr plot = page && page->plot ? page->plot() : IPlotPtr();
        const IPlotChannelPtr position = plot ? plot->ChannelByName(QStringLiteral("Position")) : IPlotChannelPtr();
        return position && position->Count() > 0;
    };
    const auto deviceOf = [&multi, &dd](Test test) {
        const MultiTestPage* page = multi.page(shared(test));
        if (page && page->resultDevice)
            return page->resultDevice();
        MultiTestResultDevice device;
        device.model = dd.DeviceType;
        return device;
    };
    const QString connectedTag = UnpaddedTag(records.m_ReportHeader.m_strTag.toQString());
    const auto tagOf = [&connectedTag](const MultiTestResultDevice& device) {
        return device.fileTag ? UnpaddedTag(*device.fileTag) : connectedTag;
    };
    std::optional<MultiTestResultDevice> reportDevice;
    std::array<bool, TestCount> included {};
    std::array<MultiTestResultDevice, TestCount> devices {};
    for (int k = 0; k < TestCount; ++k) {
        const Test test = Test(k);
        if (!(checked(Tests[k].box) || m_CompletedBeforeStop[size_t(k)]) || !showsResult(test))
            continue;
        const MultiTestResultDevice device = deviceOf(test);
        if (reportDevice && (device.model != reportDevice->model || tagOf(device) != tagOf(*reportDevice))) {
            context().log().WriteLog(QStringLiteral("CDiagnosticsMain multi-test report: the %1 result of %2 left "
                                                    "out, the report names %3")
                                         .arg(QString::fromLatin1(Tests[k].startedLine).section(QLatin1Char(' '), 0, 0),
                                             tagOf(device), tagOf(*reportDevice)));
            continue;
        }
        if (!reportDevice)
            reportDevice = device;
        included[size_t(k)] = true;
        devices[size_t(k)] = device;
    }
    const auto printed = [&included](Test test) { return included[size_t(test)]; };
    // Each section is dated by the result it prints; a test left out prints no date.
    const auto dateOf = [&multi, &printed](Test test) {
        const MultiTestPage* page = multi.page(shared(test));
        return AutoString(printed(test) && page && page->resultDate ? page->resultDate() : QString());
    };
    ramp.m_strTestDate = dateOf(Test::Ramp);
    step.m_strTestDate = dateOf(Test::Step);
    pst.m_strTestDate = dateOf(Test::PartialStroke);
    hdrl.m_strTestDate = dateOf(Test::HDRL);

    CReportHeader header = records.m_ReportHeader;
    uint8_t model = dd.DeviceType;
    if (reportDevice) {
        if (reportDevice->fileTag)
            ShowLoadedResultHeader(header, *reportDevice->fileTag);
        model = reportDevice->model;
    }
    header.m_byModel = model;

    if (printed(Test::Ramp)) {
        const QStringList shown = texts(Test::Ramp);
        const MultiTestResultDevice& device = devices[size_t(Test::Ramp)];
        ramp.m_strStartPosition = as(textAt(shown, 0));
        ramp.m_strStopPosition = as(textAt(shown, 1));
        ramp.m_strHoldTime = as(textAt(shown, 2));
        ramp.m_strTestDuration = as(textAt(shown, 3));
        // The way the ramp shown ran; the hub's own direction box (not the
        // ramp page's) while the ramp page shows no run of its own.
        const MultiTestPage* rampPage = multi.page(MultiTest::Ramp);
        const std::optional<bool> ran = rampPage && rampPage->ranBothWays ? rampPage->ranBothWays() : std::nullopt;
        ramp.m_bBiDirectional = ran.value_or(checked(BidirectionalBox)) ? 1 : 0;
        ramp.m_bSingleActing = device.singleActing ? 1 : 0;
        ramp.m_bPressureSensor = device.pressureSensor ? 1 : 0;
        ramp.m_bPressureData = ramp.m_bPressureSensor;
        ramp.m_strSpringRateUnit = as(textAt(shown, 6));
        ramp.m_strSpringPressureUnit = as(textAt(shown, 8));
        if (ramp.m_bBiDirectional) {
            ramp.m_strSpringRate = as(textAt(shown, 5));
            ramp.m_strSpringInitial = as(textAt(shown, 7));
            ramp.m_strSpringFinal = as(textAt(shown, 9));
        } else {
            ramp.m_strSpringRate = ramp.m_strSpringInitial = ramp.m_strSpringFinal = AutoString(NoSpringValue);
        }
        ramp.m_strStrokeLength = as(textAt(shown, 11));
        ramp.m_strStrokeLengthUnit = as(textAt(shown, 12));
        ramp.m_strActuatorSize = as(textAt(shown, 13));
        ramp.m_strActuatorSizeUnit = as(textAt(shown, 14));
        if (const MultiTestPage* page = multi.page(MultiTest::Ramp); page && page->ResetView)
            page->ResetView();
    }
    if (printed(Test::Step)) {
        const QStringList shown = texts(Test::Step);
        const MultiTestResultDevice& device = devices[size_t(Test::Step)];
        step.m_strStartPosition = as(textAt(shown, 0));
        step.m_strStopPosition = as(textAt(shown, 1));
        step.m_strHoldTime = as(textAt(shown, 2));
        step.m_bSingleActing = device.singleActing ? 1 : 0;
        step.m_bPressureSensor = device.pressureSensor ? 1 : 0;
    }
    if (printed(Test::PartialStroke)) {
        const QStringList shown = texts(Test::PartialStroke);
        AutoString* fields[] = { &pst.m_strStartPosition, &pst.m_strStopPosition, &pst.m_strTimeToTarget,
            &pst.m_strTestDuration, &pst.m_strBreakAwayTime, &pst.m_strBreakAwayPressure, &pst.m_strBreakAwayUnit,
            &pst.m_strTimeToTargetResult, &pst.m_strResult };
        for (int k = 0; k < int(std::size(fields)); ++k)
            *fields[k] = as(textAt(shown, k));
    }
    if (printed(Test::HDRL)) {
        const QStringList shown = texts(Test::HDRL);
        hdrl.m_strPosSettlingTime = as(textAt(shown, 0));
        hdrl.m_strHysDeadAverage = as(textAt(shown, 1));
        hdrl.m_strHysDeadMaximum = as(textAt(shown, 2));
        hdrl.m_strRepeatAverage = as(textAt(shown, 3));
        hdrl.m_strRepeatMaximum = as(textAt(shown, 4));
        hdrl.m_strLinearError = as(textAt(shown, 5));
    }

    // A test left out is pictured from an empty plot of its kind, made for
    // this report alone: the page's own plot keeps its result.
    struct Scratches {
        std::vector<QPointer<QWidget>> windows;
        ~Scratches()
        {
            for (const QPointer<QWidget>& window : windows)
                delete window.data();
        }
    } scratches;
    const auto plotOf = [&](Test test) {
        const MultiTestPage* page = multi.page(shared(test));
        if (!page)
            return IPlotPtr();
        if (printed(test))
            return page->plot ? page->plot() : IPlotPtr();
        IPlotPtr scratch = page->MakeScratchPlot ? page->MakeScratchPlot(this) : IPlotPtr();
        if (scratch)
            scratches.windows.emplace_back(scratch.get());
        return scratch;
    };
    const IPlotPtr stepPlot = plotOf(Test::Step);
    const IPlotPtr pstPlot = plotOf(Test::PartialStroke);
    const IPlotPtr hdrlPlot = plotOf(Test::HDRL);
    const IPlotPtr rampPlot = plotOf(Test::Ramp);
    const IXYPlotPtr rampXYPlot = rampPlot ? rampPlot.query<XYPlot>() : IXYPlotPtr();

    const QString definition = ReportDefinitionPath(folder, QStringLiteral("AllTestReport"), model);
    GenerateMultiTestReport(header, ramp, step, pst, hdrl, stepPlot, pstPlot, hdrlPlot, rampXYPlot, m_pReport,
        m_pPrinter, AutoString(definition), this);
}

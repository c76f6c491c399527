#include "CRampTest.h"
#include "CRampTestTables.h"

#include "AppLog.h"
#include "CSigDataStorage.h"
#include "DeviceData.h"
#include "MiscAccessors.h"
#include "MultiTestRun.h"
#include "PageHelpers.h"
#include "ReportRecords.h"
#include "TellboxImports.h"
#include "TestPageControls.h"
#include "TestPageHandBack.h"
#include "ValidityMark.h"

#include "automation/NumberText.h"
#include "core/PlotChannelHelpers.h"
#include "ramp/RampTestReport.h"

using namespace RampTestRules;
using namespace RampTestPage;

CRampTest::CRampTest(PageContext& context, QWidget* parent)
    : DiagnosticTestPage(context, QStringLiteral("CRampTest"), DialogId, CompareCode,
        runControls<CRampTest>(ElapsedEdit, ElapsedTimerId, &MultiTestRun::m_bRampDone,
            QStringLiteral("Ramp test completed"), QStringLiteral("Ramp test stopped")),
        parent)
{
    buildPage(Template);
}

// ---------------------------------------------------------------------------
// Initial update

void CRampTest::OnInitialUpdate()
{
    context().log().WriteLog(QStringLiteral("CRampTest::OnInitialUpdate"));
    StripPage::OnInitialUpdate();
    const TellboxImports& imports = context().imports();
    CreateTestPageControl(this, imports.CreateRampPlotControl, PlotHost, PlotId, m_pPlot, ControlWindow::Added);
    if (m_pPlot) {
        guard("OnInitialUpdate", [this] {
            setUpPlot(m_pPlot);
            ShowRampTestView(data().Config28Bit5 != 0);
        });
    }
    enableControl(StopButton, false);
    setChecked(BidirectionalBox, true);
    createReportControls(ReportHost, ReportId, PrinterHost, PrinterId);
    // Checked after the column closes up: the hidden port 2 box stays checked.
    setUpChannelBoxes(bool(m_pPlot), HiddenPort2::Checked);
    setToolTips(StripToolTips);
    setToolTips(ToolTips);
    connectHandlers();
    registerWithMultiTest();
    context().log().WriteLog(QStringLiteral("CRampTest::OnInitialUpdate"));
}

void CRampTest::connectHandlers()
{
    for (int edit : { StartEdit, StopEdit, HoldEdit, DurationEdit })
        onTextChanged(edit, "ValidateRampSetting", [this, edit] { ValidateRampSetting(edit); });
    onClicked(StartButton, "StartRampTest", [this] { StartRampTest(); });
    onClicked(StopButton, "StopRampTest", [this] { StopRampTest(); });
    onClicked(SaveButton, "SaveRampResults", [this] { SaveRampResults(); });
    onClicked(LoadButton, "LoadRampResults", [this] { LoadRampResults(); });
    onClicked(PrintButton, "PrintRampReport", [this] { PrintRampReport(); });
    onClicked(CompareButton, "OnCompare", [this] { OnCompare(); });
    onClicked(RampViewButton, "OnViewRampTest", [this] { ShowRampTestView(viewFlag()); });
    onClicked(PressureViewButton, "OnViewPressureVsPosition", [this] { ShowPressureVsPositionView(viewFlag()); });
    onClicked(SignalsViewButton, "OnViewSignalsVsCommand", [this] { ShowSignalsVsCommandView(viewFlag()); });
    onClicked(FrictionViewButton, "OnBtnFrictionViewClicked", [this] {
        context().log().WriteLog(QStringLiteral("From OnBtnFrictionViewClicked"));
        ShowFrictionThrustView();
    });
    for (const BoxChannels& row : BoxTable) {
        const int box = row.box;
        onClicked(box, "OnChannelBoxClicked", [this, box] { OnChannelBoxClicked(box); });
    }
}

void CRampTest::registerWithMultiTest()
{
    MultiTestPage hand;
    hand.Save = [this] { guard("SaveRampResults", [this] { SaveRampResults(); }); };
    hand.plot = [this] { return m_pPlot ? m_pPlot.query<Plot>() : IPlotPtr(); };
    // The report shows the Ramp Test view, drawn for the shown result's own flag.
    hand.ResetView = [this] { guard("ShowRampTestView", [this] { ShowRampTestView(viewFlag()); }); };
    hand.ranBothWays = [this] { return shownBidirectional(); };
    // The ramp section of the multi-test report: settings, spring set, stroke and size.
    // The units as the page's own report prints them.
    hand.reportTexts = [this] {
        const bool both = runBidirectional();
        return QStringList { settingText(StartEdit), settingText(StopEdit), settingText(HoldEdit),
            settingText(DurationEdit), both ? QStringLiteral("Yes") : QStringLiteral("No"), windowText(SpringRateEdit),
            windowText(SpringRateUnit), windowText(SpringInitialEdit),
            both ? printedPressureUnit(windowText(SpringInitialUnit)) : windowText(SpringInitialUnit),
            windowText(SpringFinalEdit), windowText(SpringFinalUnit), windowText(StrokeLengthEdit),
            windowText(StrokeLengthUnit), windowText(ActuatorSizeEdit), printedAreaUnit(windowText(ActuatorSizeUnit)) };
    };
    hand.resultDevice = [this] { return resultDevice(context().records().m_RampReport); };
    hand.resultDate = [this] { return m_Result.date(); };
    hand.MakeScratchPlot = [this](QWidget* owner) {
        return CreateScratchPlot<IXYPlotPtr>(owner, context().imports().CreateRampPlotControl, this, PlotHost, PlotId,
            [this](const IXYPlotPtr& plot) { setUpPlot(plot); });
    };
    context().multiTest().registerPage(MultiTest::Ramp, std::move(hand));
}

void CRampTest::setUpPlot(const IXYPlotPtr& plot)
{
    const TellboxImports& imports = context().imports();
    if (imports.ConfigureRampPlotControl)
        imports.ConfigureRampPlotControl(plot);
    context().records().m_RampReport.SetupRampPlotChannels(plot);
    plot->ClearAllData();
}

// ---------------------------------------------------------------------------
// Page contract

void CRampTest::ActivatePage()
{
    StripPage::ActivatePage();
    readRampDeviceValues();
    const bool multi = context().multiTest().m_bMultiTestRunning;
    if (!multi && !m_Result.fromFile()) {
        readRampTestSettings();
        // The run shown keeps its own settings beside it: the device's are
        // those of whatever test ran last (another page's, in a multi-test run).
        if (m_Result.fromRun())
            showResultSettings();
        else
            showHeldSettings(MultiTest::Ramp, { StartEdit, StopEdit, HoldEdit, DurationEdit });
        PrepareRampPlot();
        enableControl(StopButton, false);
        showResultStatus();
    } else if (!multi) {
        showResultStatus();
        ShowRampTestView(context().records().m_RampReport.m_bSingleActing != 0);
        enableControl(StopButton, false);
    } else {
        showMultiTestRampSettings();
        StartRampTest();
    }
}

void CRampTest::StopTimers()
{
    StripPage::StopTimers();
    for (int id : { StripTimerId, ElapsedTimerId, RetrievalTimerId, PollTimerId })
        killTimer(id);
    if (m_TestRunning)
        guard("StopRampTest", [this] { stopRampRun(UserStop::LeavingPage); });
}

void CRampTest::readRampDeviceValues()
{
    DeviceData& dd = data();
    read(HartCommand::ReadActuator);
    m_DeviceUnits.actuatorArea = dd.ActuatorArea * 0.1;
    context().sigData().SetScale(m_DeviceUnits.actuatorArea);
    m_PressureSpan = context().misc().ReadMiscLong69();
    read(HartCommand::ReadValveTravelCycleCount);
    m_DeviceUnits.strokeLength = (dd.TravelCycle[5] & 0xFFFF) * 0.01;
    read(HartCommand::ReadUnits);
    m_DeviceUnits.pressure = dd.PressureUnit;
    m_DeviceUnits.pressureLabel = dd.PressureUnitLabel;
    m_DeviceUnits.travel = dd.TravelUnit;
    m_DeviceUnits.travelLabel = dd.TravelUnitLabel;
}

void CRampTest::showSettings(const DeviceData& dd)
{
    const auto& f = dd.SigSettings.Floats;
    setWindowText(StartEdit, NumberText::fromFloat(f[0]));
    setWindowText(StopEdit, NumberText::fromFloat(f[1]));
    setWindowText(DurationEdit, NumberText::fromFloat(f[2]));
    setWindowText(HoldEdit, NumberText::fromFloat(f[3]));
}

void CRampTest::readRampTestSettings()
{
    setWindowText(StatusEdit, QStringLiteral("Reading test settings"));
    DeviceData& dd = data();
    // Settings another kind of test wrote since are not offered as the ramp
    // test's own: the edits keep what they held.
    if (read(HartCommand::ReadSigSettings) && deviceSettingsAreOwn(RampSignatureType)) {
        // The shown duration is raised to 2 s and the hold time to the least
        // the page takes, 2 s: the page never marks a value it chose itself.
        auto& f = dd.SigSettings.Floats;
        if (f[2] < 2.0f)
            f[2] = 2.0f;
        if (f[3] < float(HoldTimeRange.least))
            f[3] = float(HoldTimeRange.least);
        showSettings(dd);
    }
    m_Bidirectional = checked(BidirectionalBox);
    dd.RampBidirectional = m_Bidirectional ? 1 : 0;
}

void CRampTest::showResultSettings()
{
    for (int edit : { StartEdit, StopEdit, HoldEdit, DurationEdit })
        setWindowText(edit, settingText(edit));
    setChecked(BidirectionalBox, runBidirectional());
}

void CRampTest::showMultiTestRampSettings()
{
    const DeviceData& dd = data();
    showSettings(dd);
    setChecked(BidirectionalBox, dd.RampBidirectional != 0);
}

// ---------------------------------------------------------------------------
// Settings edits

const CRampTest::SettingField CRampTest::SettingFields[4] = {
    { StartEdit, StartMark, PositionRange, &PositionTip },
    { StopEdit, StopMark, PositionRange, &PositionTip },
    { HoldEdit, HoldMark, HoldTimeRange, &HoldTimeTip },
    { DurationEdit, DurationMark, DurationRange, &DurationTip },
};

void CRampTest::ValidateRampSetting(int editId)
{
    for (size_t k = 0; k < std::size(SettingFields); ++k) {
        if (SettingFields[k].edit == editId)
            m_Valid[k] = checkSetting(SettingFields[k]).has_value();
    }
    updateStartButton();
}

bool CRampTest::settingsAllowStart() const
{
    return m_Valid[0] && m_Valid[1] && m_Valid[2] && m_Valid[3];
}

std::optional<bool> CRampTest::shownBidirectional() const
{
    if (m_Result.fromRun())
        return m_RunBidirectional;
    // A loaded file keeps the direction it was recorded in, whatever the box
    // says afterwards.
    if (m_Result.fromFile())
        return m_LoadedBidirectional;
    return std::nullopt;
}

uint8_t CRampTest::shownDirection() const
{
    return RampTestRules::directionCode(settingNumber(StartEdit), settingNumber(StopEdit));
}

bool CRampTest::runBidirectional() const
{
    return shownBidirectional().value_or(checked(BidirectionalBox));
}

// ---------------------------------------------------------------------------
// Views and channel boxes

bool CRampTest::viewFlag() const
{
    return m_Result.fromFile() ? context().records().m_RampReport.m_bSingleActing != 0 : data().Config28Bit5 != 0;
}

void CRampTest::addPoint(const char* channel, double x, double y)
{
    GetDispatchDriverIXYPlotXChannelByName(m_pPlot, AutoString(channel))->AddXY(x, y);
}

void CRampTest::showChannel(const QString& name, bool visible)
{
    OnCheckBoxChanged(m_pPlot, AutoString(name), visible);
}

void CRampTest::showTrace(const char* channel, bool shown)
{
    showChannel(s(channel), shown);
}

void CRampTest::showAxis(bool xAxis, const QString& name, bool visible)
{
    const IPlotAxisPtr axis = xAxis ? m_pPlot->XAxisByName(name) : m_pPlot->YAxisByName(name);
    axis->SetVisible(visible);
    axis->SetTitleVisible(visible);
}

void CRampTest::ResetPlotView()
{
    for (const char* name : { "PosnvCmdOpen", "PosnvCmdClose", "Port1vCmdOpen", "Port1vCmdClose", "Port2vCmdOpen",
             "Port2vCmdClose", "ILCmdvCmdOpen", "ILCmdvCmdClose", "ILPosnvCmdOpen", "ILPosnvCmdClose", "Friction",
             "ThrustOpen", "ThrustClose", "PvPPort1", "PvPPort1_2", "PvPPort2", "PvPPort2_2", "Position", "Command",
             "Port1", "Port2", "ILCmd", "ILPOS" })
        showChannel(s(name), false);
    for (const char* axis : { "Time", "Position", "Command" })
        showAxis(true, s(axis), false);
    for (const char* axis : { "Position", "Pressure", "FrictionY" })
        showAxis(false, s(axis), false);
}

void CRampTest::applyPortRules(bool config28Bit5)
{
    // The boxes follow the result shown, a run or a file alike: the friction
    // view takes them all away, and a loaded result must get them back as a
    // run does, or its pressures could no longer be switched.
    enableControl(Port1Box, true);
    // The result's model: another model's file draws what that model recorded.
    const uint8_t model = resultModel();
    if (config28Bit5 || model == SmallerModel) {
        setChecked(Port2Box, false);
        enableControl(Port2Box, false);
    } else if (model == LargerModel) {
        enableControl(Port2Box, true);
    }
}

void CRampTest::enterView(View view, const QString& title, int viewButton, bool config28Bit5)
{
    m_View = view;
    m_pPlot->SetTitle(title);
    for (int id : { RampViewButton, PressureViewButton, SignalsViewButton, FrictionViewButton })
        enableControl(id, id != viewButton);
    applyPortRules(config28Bit5);
    if (!frictionPictured())
        enableControl(FrictionViewButton, false);
}

bool CRampTest::frictionPictured() const
{
    // The shown result's flags as its reports take them: the page offers the
    // friction and thrust view exactly when they print it.
    const CRampReport& record = context().records().m_RampReport;
    const bool file = m_Result.fromFile();
    CRampReport shown;
    shown.m_bBiDirectional = runBidirectional() ? 1 : 0;
    shown.m_bSingleActing = (file ? record.m_bSingleActing != 0 : data().Config28Bit5 != 0) ? 1 : 0;
    shown.m_bPressureData = (file ? record.m_bPressureData != 0 : data().PressureSensorFlag != 0) ? 1 : 0;
    return RampFrictionPictured(shown, resultModel());
}

void CRampTest::ShowRampTestView(bool config28Bit5)
{
    enterView(View::Ramp, QStringLiteral("Ramp Test"), RampViewButton, config28Bit5);
    for (int id : { PositionBox, CommandBox, RelayCommandBox, RelayPositionBox })
        enableControl(id, true);
    ResetPlotView();
    for (const BoxChannels& row : BoxTable)
        showChannel(s(row.ramp), checked(row.box));
    showAxis(true, s("Time"), true);
    showAxis(false, s("Position"), true);
    showAxis(false, s("Pressure"), true);
}

void CRampTest::ShowPressureVsPositionView(bool config28Bit5)
{
    enterView(View::PressureVsPosition, QStringLiteral("Pressure Vs Position"), PressureViewButton, config28Bit5);
    for (int id : { PositionBox, CommandBox, RelayCommandBox, RelayPositionBox })
        enableControl(id, false);
    ResetPlotView();
    // The result shown went the way it ran, whatever the box, or the
    // settings the device keeps since, say now.
    const bool both = runBidirectional();
    const uint8_t direction = shownDirection();
    for (int box : { Port1Box, Port2Box }) {
        const BoxChannels& row = BoxTable[box == Port1Box ? 2 : 3];
        if (both || direction == Opening)
            showChannel(s(row.pressure[0]), checked(box));
        if (both || direction == Closing)
            showChannel(s(row.pressure[1]), checked(box));
    }
    showAxis(true, s("Position"), true);
    showAxis(false, s("Pressure"), true);
}

void CRampTest::ShowSignalsVsCommandView(bool config28Bit5)
{
    enterView(View::SignalsVsCommand, QStringLiteral("Signals Vs Command"), SignalsViewButton, config28Bit5);
    enableControl(CommandBox, false);
    for (int id : { PositionBox, RelayCommandBox, RelayPositionBox })
        enableControl(id, true);
    ResetPlotView();
    // The result shown went the way it ran, whatever the box, or the
    // settings the device keeps since, say now.
    const bool both = runBidirectional();
    const uint8_t direction = shownDirection();
    for (const BoxChannels& row : BoxTable) {
        if (!row.versusCommand[0])
            continue;
        if (both || direction == Opening)
            showChannel(s(row.versusCommand[0]), checked(row.box));
        if (both || direction == Closing)
            showChannel(s(row.versusCommand[1]), checked(row.box));
    }
    showAxis(true, s("Command"), true);
    showAxis(false, s("Position"), true);
    showAxis(false, s("Pressure"), true);
}

void CRampTest::ShowFrictionThrustView()
{
    m_View = View::FrictionThrust;
    m_pPlot->SetTitle(QStringLiteral("Friction & Thrust Vs Position"));
    enableControl(FrictionViewButton, false);
    for (int id : { RampViewButton, PressureViewButton, SignalsViewButton })
        enableControl(id, true);
    for (const BoxChannels& row : BoxTable)
        enableControl(row.box, false);
    ResetPlotView();
    for (const char* name : { "Friction", "ThrustOpen", "ThrustClose" })
        showChannel(s(name), true);
    showAxis(true, s("Position"), true);
    showAxis(false, s("FrictionY"), true);
}

void CRampTest::OnChannelBoxClicked(int boxId)
{
    for (const BoxChannels& row : BoxTable) {
        if (row.box != boxId)
            continue;
        const bool on = checked(boxId);
        switch (m_View) {
        case View::Ramp:
            showChannel(s(row.ramp), on);
            break;
        case View::PressureVsPosition:
            for (const char* name : row.pressure)
                if (name)
                    showChannel(s(name), on);
            break;
        case View::SignalsVsCommand:
            for (const char* name : row.versusCommand)
                if (name)
                    showChannel(s(name), on);
            break;
        case View::FrictionThrust:
            break;
        }
    }
}

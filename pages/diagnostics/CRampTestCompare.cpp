#include "CRampTestCompare.h"

#include "PageHelpers.h"
#include "ReportDefinitionPath.h"
#include "ReportRecords.h"
#include "TellboxImports.h"
#include "TestPageControls.h"

#include "core/PlotChannelHelpers.h"
#include "ramp/RampCompare.h"
#include "ramp/RampCompareReport.h"

#include <algorithm>

namespace
{
using namespace CompareBoxGrid;
using P = CRampTestCompare;

// Each box and the channels it shows in the three views the boxes drive.
// Null: the box does nothing in that view.
struct BoxChannels {
    int box;
    const char* ramp;
    const char* pressure[2];
    const char* command[2];
};
// clang-format off
constexpr BoxChannels Boxes[] = {
    { Position1, "Position", { nullptr, nullptr }, { "PosnvCmdOpen", "PosnvCmdClose" } },
    { Position2, "Position2", { nullptr, nullptr }, { "PosnvCmdOpen2", "PosnvCmdClose2" } },
    { PositionDiff, "PositionDiff", { nullptr, nullptr }, { "PosnvCmdOpenDiff", "PosnvCmdCloseDiff" } },
    { Command1, "Command", { nullptr, nullptr }, { nullptr, nullptr } },
    { Command2, "Command2", { nullptr, nullptr }, { nullptr, nullptr } },
    { CommandDiff, "CommandDiff", { nullptr, nullptr }, { nullptr, nullptr } },
    { Port1First, "Port1", { "PvPPort1", "PvPPort1_2" }, { "Port1vCmdOpen", "Port1vCmdClose" } },
    { Port1Second, "Port1_2", { "PvPPort12", "PvPPort1_2_2" }, { "Port1vCmdOpen2", "Port1vCmdClose2" } },
    { Port1Diff, "Port1Diff", { "PvPPort1Diff", "PvPPort1_2Diff" }, { "Port1vCmdOpenDiff", "Port1vCmdCloseDiff" } },
    { Port2First, "Port2", { "PvPPort2", "PvPPort2_2" }, { "Port2vCmdOpen", "Port2vCmdClose" } },
    { Port2Second, "Port2_2", { "PvPPort22", "PvPPort2_2_2" }, { "Port2vCmdOpen2", "Port2vCmdClose2" } },
    { Port2Diff, "Port2Diff", { "PvPPort2Diff", "PvPPort2_2Diff" }, { "Port2vCmdOpenDiff", "Port2vCmdCloseDiff" } },
    { RelayCommand1, "ILCmd", { nullptr, nullptr }, { "ILCmdvCmdOpen", "ILCmdvCmdClose" } },
    { RelayCommand2, "ILCmd2", { nullptr, nullptr }, { "ILCmdvCmdOpen2", "ILCmdvCmdClose2" } },
    { RelayCommandDiff, "ILCmdDiff", { nullptr, nullptr }, { "ILCmdvCmdOpenDiff", "ILCmdvCmdCloseDiff" } },
    { RelayPosition1, "ILPOS", { nullptr, nullptr }, { "ILPosnvCmdOpen", "ILPosnvCmdClose" } },
    { RelayPosition2, "ILPOS2", { nullptr, nullptr }, { "ILPosnvCmdOpen2", "ILPosnvCmdClose2" } },
    { RelayPositionDiff, "ILPOSDiff", { nullptr, nullptr }, { "ILPosnvCmdOpenDiff", "ILPosnvCmdCloseDiff" } },
};
// clang-format on

constexpr int File1Boxes[] = { Position1, Command1, Port1First, Port2First, RelayCommand1, RelayPosition1 };
constexpr int File2Boxes[] = { Position2, Command2, Port1Second, Port2Second, RelayCommand2, RelayPosition2 };
constexpr int DifferenceBoxes[]
    = { PositionDiff, CommandDiff, Port1Diff, Port2Diff, RelayCommandDiff, RelayPositionDiff };

// The boxes of the rows without pressure, of file 1 and of file 2 with the
// differences.
constexpr int SignalBoxes1[] = { Position1, Command1, RelayCommand1, RelayPosition1 };
constexpr int SignalBoxes2[] = { Position2, PositionDiff, Command2, CommandDiff, RelayCommand2, RelayCommandDiff,
    RelayPosition2, RelayPositionDiff };

constexpr int ViewButtons[]
    = { P::RampTestButton, P::PressureVsPositionButton, P::SignalsVsCommandButton, P::FrictionButton };

const char* const ViewTitles[]
    = { "Ramp Test", "Pressure Vs Position", "Signals Vs Command", "Friction & Thrust Vs Position" };

// The fields each file fills, its identity first; the unit texts are those
// of file 1.
using R = CRampCompareReport;
const ComparePageKit::FileField<R> Fields[] = {
    ComparePageKit::TagField<R>,
    ComparePageKit::DateField<R>,
    ComparePageKit::FileNameField<R>,
    { { P::Start1Edit, P::Start2Edit, -1 }, { &R::m_strStartPosition1, &R::m_strStartPosition2, nullptr } },
    { { P::Stop1Edit, P::Stop2Edit, -1 }, { &R::m_strStopPosition1, &R::m_strStopPosition2, nullptr } },
    { { P::Hold1Edit, P::Hold2Edit, -1 }, { &R::m_strHoldTime1, &R::m_strHoldTime2, nullptr } },
    { { P::Duration1Edit, P::Duration2Edit, -1 }, { &R::m_strTestDuration1, &R::m_strTestDuration2, nullptr } },
    { { P::StrokeLength1Edit, P::StrokeLength2Edit, -1 }, { &R::m_strStrokeLength1, &R::m_strStrokeLength2, nullptr } },
    { { P::StrokeLengthUnit, -1, -1 }, { &R::m_strStrokeLengthUnit, nullptr, nullptr } },
    { { P::ActuatorSize1Edit, P::ActuatorSize2Edit, -1 }, { &R::m_strActuatorSize1, &R::m_strActuatorSize2, nullptr } },
    { { P::ActuatorSizeUnit, -1, -1 }, { &R::m_strActuatorSizeUnit, nullptr, nullptr } },
    { { P::SpringRate1Edit, P::SpringRate2Edit, -1 }, { &R::m_strSpringRate1, &R::m_strSpringRate2, nullptr } },
    { { P::SpringRateUnit, -1, -1 }, { &R::m_strSpringRateUnit, nullptr, nullptr } },
    { { P::SpringInitial1Edit, P::SpringInitial2Edit, -1 },
        { &R::m_strSpringInitial1, &R::m_strSpringInitial2, nullptr } },
    { { P::SpringInitialUnit, -1, -1 }, { &R::m_strSpringPressureUnit, nullptr, nullptr } },
    { { P::SpringFinal1Edit, P::SpringFinal2Edit, -1 }, { &R::m_strSpringFinal1, &R::m_strSpringFinal2, nullptr } },
    { { P::SpringFinalUnit, -1, -1 }, { &R::m_strSpringPressureUnit, nullptr, nullptr } },
};
const ComparePageKit::FileFlag<R> Flags[] = {
    { { P::SingleActing1Edit, P::SingleActing2Edit }, { &R::m_bSingleActing1, &R::m_bSingleActing2 } },
    { { P::Sensors1Edit, P::Sensors2Edit }, { &R::m_bPressureSensor1, &R::m_bPressureSensor2 } },
    { { P::BiDirectional1Edit, P::BiDirectional2Edit }, { &R::m_bBiDirectional1, &R::m_bBiDirectional2 } },
};
constexpr ComparePageKit::YesNo Words { "Yes", "No" };

// The unit texts a file sets; before any file they are the dialog's.
constexpr int UnitTexts[]
    = { P::StrokeLengthUnit, P::ActuatorSizeUnit, P::SpringRateUnit, P::SpringInitialUnit, P::SpringFinalUnit };

} // namespace

CRampTestCompare::CRampTestCompare(PageContext& context, QWidget* parent)
    : ComparePage(context, Setup, parent)
{
}

// ---------------------------------------------------------------------------
// Initial update

void CRampTestCompare::setUpPage()
{
    const TellboxImports& imports = context().imports();
    CRampCompareReport& record = context().records().m_RampCompareReport;
    // The report and the printer are made once both plots are set up.
    createControls(
        { ReportHost, ReportId, PrinterHost, PrinterId, PlotHost, PlotId, ScratchHost, ScratchPlotId },
        imports.CreateRampPlotControl, imports.ConfigureRampPlotControl, [&] { record.SetupDestPlotChannels(m_pPlot); },
        [&] { record.SetupSrcPlotChannels(m_pScratchPlot); }, {}, CompareControlOrder::PlotsFirst);
    enableControl(PrintButton, false);
    enableControl(OpenFile2Button, false);
    setAllBoxes(false);
    guard("OnInitialUpdate", [this] { ApplyRampTestView(); });
    for (int box : { Port1First, Port1Second, Port1Diff, Port2First, Port2Second, Port2Diff })
        setChecked(box, false);
}

void CRampTestCompare::connectPageHandlers()
{
    onClicked(RampTestButton, "ApplyRampTestView", [this] { ApplyRampTestView(); });
    onClicked(PressureVsPositionButton, "ApplyPressureVsPositionView", [this] { ApplyPressureVsPositionView(); });
    onClicked(SignalsVsCommandButton, "ApplySignalsVsCommandView", [this] { ApplySignalsVsCommandView(); });
    onClicked(FrictionButton, "ApplyFrictionView", [this] { ApplyFrictionView(); });
    ConnectChannelBoxes(*this, Boxes, [this](int box) { OnChannelBox(box); });
}

// ---------------------------------------------------------------------------
// Boxes, channels and axes

void CRampTestCompare::SetChannelVisible(const QString& name, bool visible)
{
    const IXYPlotChannelPtr channel = GetDispatchDriverIXYPlotXChannelByName(m_pPlot, AutoString(name));
    channel->SetVisible(visible);
    channel->SetLegendVisible(visible);
}

void CRampTestCompare::EnableAllChannelBoxes()
{
    for (int box : allBoxes())
        enableControl(box, true);
}

void CRampTestCompare::CheckFile1ChannelBoxes()
{
    for (int box : File1Boxes)
        setChecked(box, true);
}

void CRampTestCompare::ResetCompareView()
{
    for (const char* name : RampCompare::HidingOrder)
        SetChannelVisible(QString::fromLatin1(name), false);
    for (const char* name : { "Time", "Position", "Command" }) {
        const IPlotAxisPtr axis = m_pPlot->XAxisByName(QString::fromLatin1(name));
        axis->SetVisible(false);
        axis->SetTitleVisible(false);
    }
    for (const char* name : { "Position", "Pressure", "FrictionY" }) {
        const IPlotAxisPtr axis = m_pPlot->YAxisByName(QString::fromLatin1(name));
        axis->SetVisible(false);
        axis->SetTitleVisible(false);
    }
}

void CRampTestCompare::showAxis(bool xAxis, const char* name)
{
    const IPlotAxisPtr axis
        = xAxis ? m_pPlot->XAxisByName(QString::fromLatin1(name)) : m_pPlot->YAxisByName(QString::fromLatin1(name));
    axis->SetVisible(true);
    axis->SetTitleVisible(true);
}

void CRampTestCompare::syncBox(int boxId)
{
    for (const BoxChannels& row : Boxes) {
        if (row.box != boxId)
            continue;
        const bool on = checked(boxId);
        switch (m_View) {
        case RampTestView:
            SetChannelVisible(QString::fromLatin1(row.ramp), on);
            break;
        case PressureVsPositionView:
            for (const char* name : row.pressure)
                if (name)
                    SetChannelVisible(QString::fromLatin1(name), on);
            break;
        case SignalsVsCommandView:
            for (const char* name : row.command)
                if (name)
                    SetChannelVisible(QString::fromLatin1(name), on);
            break;
        case FrictionView:
            break;
        }
    }
}

// ---------------------------------------------------------------------------
// Views

// A file's port boxes by its sensors and single-acting flags: without sensors
// both are cleared and disabled (and pressure against position cannot be
// viewed); port 2 needs a double-acting actuator on the larger model.
void CRampTestCompare::applyPortRule(View view, bool secondFile)
{
    const CRampCompareReport& record = context().records().m_RampCompareReport;
    const uint8_t sensors = secondFile ? record.m_bPressureSensor2 : record.m_bPressureSensor1;
    const uint8_t singleActing = secondFile ? record.m_bSingleActing2 : record.m_bSingleActing1;
    const int port1 = secondFile ? Port1Second : Port1First;
    const int port2 = secondFile ? Port2Second : Port2First;
    if (sensors) {
        const bool checkEnabled = view == PressureVsPositionView || (secondFile && view == RampTestView);
        enableControl(port1, true);
        if (checkEnabled)
            setChecked(port1, true);
        if (port2Possible(secondFile ? 2 : 1, singleActing)) {
            enableControl(port2, true);
            if (checkEnabled)
                setChecked(port2, true);
        } else {
            enableAndCheck(port2, false);
        }
    } else {
        enableAndCheck(port1, false);
        enableAndCheck(port2, false);
        enableControl(PressureVsPositionButton, false);
        if (view == RampTestView || view == SignalsVsCommandView) {
            enableAndCheck(Port1Diff, false);
            enableAndCheck(Port2Diff, false);
        }
    }
}

// A port difference box can be used only while both file boxes of its row
// are checked; it then is checked.
void CRampTestCompare::applyDifferenceRule(View view)
{
    const bool port1 = checked(Port1First) && checked(Port1Second);
    enableControl(Port1Diff, port1);
    setChecked(Port1Diff, port1);
    const bool port2 = checked(Port2First) && checked(Port2Second);
    enableControl(Port2Diff, port2);
    setChecked(Port2Diff, port2);
    if (view == RampTestView || view == SignalsVsCommandView) {
        const bool pressures = checked(Port1First) || checked(Port1Second);
        enableControl(PressureVsPositionButton, pressures);
        enableControl(FrictionButton, pressures);
    }
}

void CRampTestCompare::applyBoxView(View view)
{
    m_View = view;
    m_pPlot->SetTitle(QString::fromLatin1(ViewTitles[view]));
    for (int k = 0; k < 4; ++k)
        enableControl(ViewButtons[k], k != view);
    EnableAllChannelBoxes();
    ResetCompareView();
    const auto signalRowsOn = [view](int box) {
        if (view == PressureVsPositionView)
            return false;
        if (view == SignalsVsCommandView)
            return box != Command1 && box != Command2 && box != CommandDiff;
        return true;
    };
    if (m_File1Loaded) {
        for (int box : SignalBoxes1)
            enableControl(box, signalRowsOn(box));
        applyPortRule(view, false);
        for (int box : File1Boxes)
            syncBox(box);
    }
    if (m_File2Loaded) {
        for (int box : SignalBoxes2)
            enableControl(box, signalRowsOn(box));
        applyPortRule(view, true);
        applyDifferenceRule(view);
        for (int box : File2Boxes)
            syncBox(box);
        for (int box : DifferenceBoxes)
            syncBox(box);
    }
    // The pressure axis stands in every view that can draw a pressure, with
    // one file or two, whichever boxes are ticked now or later: the plot
    // leaves it out while no pressure trace is shown, and a trace drawn
    // without it would read on the position scale.
    switch (view) {
    case RampTestView:
        showAxis(true, "Time");
        showAxis(false, "Position");
        showAxis(false, "Pressure");
        break;
    case PressureVsPositionView:
        showAxis(true, "Position");
        showAxis(false, "Pressure");
        break;
    case SignalsVsCommandView:
        showAxis(true, "Command");
        showAxis(false, "Position");
        showAxis(false, "Pressure");
        break;
    case FrictionView:
        break;
    }
}

void CRampTestCompare::ApplyRampTestView()
{
    applyBoxView(RampTestView);
}

void CRampTestCompare::ApplyPressureVsPositionView()
{
    applyBoxView(PressureVsPositionView);
}

void CRampTestCompare::ApplySignalsVsCommandView()
{
    applyBoxView(SignalsVsCommandView);
}

void CRampTestCompare::ApplyFrictionView()
{
    m_View = FrictionView;
    m_pPlot->SetTitle(QString::fromLatin1(ViewTitles[FrictionView]));
    for (int k = 0; k < 4; ++k)
        enableControl(ViewButtons[k], k != FrictionView);
    for (int box : allBoxes())
        enableControl(box, false);
    ResetCompareView();
    const auto showAll = [this](std::initializer_list<const char*> names) {
        for (const char* name : names)
            SetChannelVisible(QString::fromLatin1(name), true);
    };
    if (m_File1Loaded)
        showAll({ "Friction", "ThrustOpen", "ThrustClose" });
    if (m_File2Loaded) {
        showAll({ "Friction2", "ThrustOpen2", "ThrustClose2" });
        showAll({ "FrictionDiff", "ThrustOpenDiff", "ThrustCloseDiff" });
    }
    showAxis(true, "Position");
    showAxis(false, "FrictionY");
}

void CRampTestCompare::OnChannelBox(int boxId)
{
    syncBox(boxId);
}

// ---------------------------------------------------------------------------
// Files

bool CRampTestCompare::loadFile(int file)
{
    ReportRecords& records = context().records();
    CRampCompareReport& record = records.m_RampCompareReport;
    return file == 1 ? record.LoadFile_1(m_pScratchPlot, m_pPlot, records.m_ReportHeader)
                     : record.LoadFile_2(m_pScratchPlot, m_pPlot, this, records.m_ReportHeader);
}

void CRampTestCompare::showFile(int file)
{
    const CRampCompareReport& record = context().records().m_RampCompareReport;
    if (file == 2) {
        ComparePageKit::showFileFields(*this, record, Fields, 2);
        ComparePageKit::showFileFlags(*this, record, Flags, 2, Words);
        setAllBoxes(true);
        ApplyRampTestView();
        return;
    }
    setAllBoxes(false);
    ComparePageKit::showFileFields(*this, record, Fields, 1);
    ComparePageKit::showFileFlags(*this, record, Flags, 1, Words);
    ComparePageKit::clearFileFields<R>(*this, Fields, 2);
    ComparePageKit::clearFileFlags<R>(*this, Flags, 2);
    CheckFile1ChannelBoxes();
    EnableAllChannelBoxes();
    for (const char* name : RampCompare::HidingOrder)
        SetChannelVisible(QString::fromLatin1(name), false);
    ApplyRampTestView();
    enableControl(OpenFile2Button, true);
    enableControl(PrintButton, true);
}

// Before any file: the units as the dialog has them and the ramp view.
void CRampTestCompare::showEmptyView()
{
    for (const ControlSpec& spec : Template.controls) {
        if (std::find(std::begin(UnitTexts), std::end(UnitTexts), spec.id) != std::end(UnitTexts))
            setWindowText(spec.id, spec.text);
    }
    ApplyRampTestView();
}

// ---------------------------------------------------------------------------
// Print and Back

void CRampTestCompare::OnPrintReport()
{
    const QString folder = context().helpers().GetAppFolder();
    ReportRecords& records = context().records();
    CRampCompareReport& record = records.m_RampCompareReport;
    read(HartCommand::ReadTagDescriptorDate);
    const DeviceData& dd = data();
    record.m_strSpare = AutoString(dd.Tag);
    if (dd.DeviceType == 6)
        records.m_ReportHeader.m_byModel = 6;
    // What the fields show is what prints, file 2's emptied fields included.
    const std::pair<AutoString*, int> texts[] = {
        { &record.m_strStrokeLength1, StrokeLength1Edit },
        { &record.m_strStrokeLength2, StrokeLength2Edit },
        { &record.m_strStrokeLengthUnit, StrokeLengthUnit },
        { &record.m_strActuatorSize1, ActuatorSize1Edit },
        { &record.m_strActuatorSize2, ActuatorSize2Edit },
        { &record.m_strActuatorSizeUnit, ActuatorSizeUnit },
        { &record.m_strSpringRate1, SpringRate1Edit },
        { &record.m_strSpringRate2, SpringRate2Edit },
        { &record.m_strSpringRateUnit, SpringRateUnit },
        { &record.m_strSpringInitial1, SpringInitial1Edit },
        { &record.m_strSpringInitial2, SpringInitial2Edit },
        { &record.m_strSpringPressureUnit, SpringInitialUnit },
        { &record.m_strSpringFinal1, SpringFinal1Edit },
        { &record.m_strSpringFinal2, SpringFinal2Edit },
    };
    for (const auto& [member, id] : texts)
        *member = AutoString(windowText(id));
    const CReportHeader header = reportHeader(record.m_strTag1);
    const QString definition = ReportDefinitionPath(folder, QStringLiteral("RampTestCmpRept"), header.m_byModel);
    GenerateRampCompareReport(record, m_pPlot, m_pReport, m_pPrinter, AutoString(definition), this, header);
    ApplyRampTestView();
}

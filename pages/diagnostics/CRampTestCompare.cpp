#include "CRampTestCompare.h"

#include "AppLog.h"
#include "ComparePageControls.h"
#include "ComparePageKit.h"
#include "DeviceData.h"
#include "PageHelpers.h"
#include "ReportDefinitionPath.h"
#include "ReportRecords.h"
#include "TellboxImports.h"
#include "TestPageControls.h"

#include "core/PlotChannelHelpers.h"
#include "ramp/RampCompare.h"
#include "ramp/RampCompareReport.h"

#include <QAbstractButton>
#include <QLabel>
#include <QPointer>

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

// The fields of file 2 a new file 1 empties.
constexpr int File2Fields[] = { P::Tag2Edit, P::Date2Edit, P::File2Edit, P::Start2Edit, P::Stop2Edit, P::Hold2Edit,
    P::Duration2Edit, P::StrokeLength2Edit, P::ActuatorSize2Edit, P::SpringRate2Edit, P::SpringInitial2Edit,
    P::SpringFinal2Edit, P::SingleActing2Edit, P::Sensors2Edit, P::BiDirectional2Edit };

// The unit texts a file sets; before any file they are the dialog's.
constexpr int UnitTexts[]
    = { P::StrokeLengthUnit, P::ActuatorSizeUnit, P::SpringRateUnit, P::SpringInitialUnit, P::SpringFinalUnit };

QString yesNo(uint8_t flag)
{
    return flag ? QStringLiteral("Yes") : QStringLiteral("No");
}

const QString LogLine = QStringLiteral("CRampTestCompare::OnInitialUpdate");
} // namespace

CRampTestCompare::CRampTestCompare(PageContext& context, QWidget* parent)
    : StripPage(context, QStringLiteral("CRampTestCompare"), DialogId, StripTimer::None, parent)
{
    buildPage(Template);
    // The column captions "1" and "2" stand out in bold above the settings,
    // the spring set and the boxes.
    ComparePageKit::boldCaptions(
        *this, { SettingsCaption1, SettingsCaption2, SpringCaption1, SpringCaption2, Caption1, Caption2 });
}

// ---------------------------------------------------------------------------
// Initial update

void CRampTestCompare::OnInitialUpdate()
{
    context().log().WriteLog(LogLine);
    StripPage::OnInitialUpdate();
    const TellboxImports& imports = context().imports();
    CRampCompareReport& record = context().records().m_RampCompareReport;
    CreateTestPageControl(this, imports.CreateRampPlotControl, PlotHost, PlotId, m_pPlot, ControlWindow::Added);
    // The scratch plot only receives each opened file; it is never shown.
    CreateTestPageControl(
        this, imports.CreateRampPlotControl, ScratchHost, ScratchPlotId, m_pScratchPlot, ControlWindow::Hidden);
    guard("OnInitialUpdate", [&] {
        if (m_pPlot) {
            if (imports.ConfigureRampPlotControl)
                imports.ConfigureRampPlotControl(m_pPlot);
            record.SetupDestPlotChannels(m_pPlot);
        }
        if (m_pScratchPlot) {
            if (imports.ConfigureRampPlotControl)
                imports.ConfigureRampPlotControl(m_pScratchPlot);
            record.SetupSrcPlotChannels(m_pScratchPlot);
        }
    });
    CreateTestPageControl(this, imports.CreateReportControl, ReportHost, ReportId, m_pReport, ControlWindow::Hidden);
    CreateTestPageControl(this, imports.CreatePrintControl, PrinterHost, PrinterId, m_pPrinter, ControlWindow::Hidden);
    enableControl(PrintButton, false);
    enableControl(OpenFile2Button, false);
    UncheckAllChannelBoxes();
    guard("OnInitialUpdate", [this] { ApplyRampTestView(); });
    for (int box : { Port1First, Port1Second, Port1Diff, Port2First, Port2Second, Port2Diff })
        setChecked(box, false);
    if (data().IsK40())
        RemovePort2Row(this);
    setToolTips(StripToolTips);
    setToolTips(ToolTips);
    connectHandlers();
    context().log().WriteLog(LogLine);
}

void CRampTestCompare::connectHandlers()
{
    ConnectCompareHandlers(*this,
        { [this] { OnOpenFile1(); }, [this] { OnOpenFile2(); }, [this] { OnPrintReport(); }, [this] { OnBack(); } });
    onClicked(RampTestButton, "ApplyRampTestView", [this] { ApplyRampTestView(); });
    onClicked(PressureVsPositionButton, "ApplyPressureVsPositionView", [this] { ApplyPressureVsPositionView(); });
    onClicked(SignalsVsCommandButton, "ApplySignalsVsCommandView", [this] { ApplySignalsVsCommandView(); });
    onClicked(FrictionButton, "ApplyFrictionView", [this] { ApplyFrictionView(); });
    ConnectChannelBoxes(*this, Boxes, [this](int box) { OnChannelBox(box); });
}

void CRampTestCompare::ActivatePage()
{
    // Only the strip, from what is known; nothing is sent to the device.
    StripPage::ActivatePage();
}

// ---------------------------------------------------------------------------
// Boxes, channels and axes

bool CRampTestCompare::checked(int boxId) const
{
    return ComparePageKit::isChecked(*this, boxId);
}

void CRampTestCompare::setChecked(int boxId, bool on)
{
    ComparePageKit::setChecked(*this, boxId, on);
}

void CRampTestCompare::disableAndClear(int boxId)
{
    setChecked(boxId, false);
    enableControl(boxId, false);
}

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

void CRampTestCompare::CheckAllChannelBoxes()
{
    for (int box : allBoxes())
        setChecked(box, true);
}

void CRampTestCompare::UncheckAllChannelBoxes()
{
    for (int box : allBoxes())
        setChecked(box, false);
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
        if (singleActing == 0 && data().DeviceType == 5) {
            enableControl(port2, true);
            if (checkEnabled)
                setChecked(port2, true);
        } else {
            disableAndClear(port2);
        }
    } else {
        disableAndClear(port1);
        disableAndClear(port2);
        enableControl(PressureVsPositionButton, false);
        if (view == RampTestView || view == SignalsVsCommandView) {
            disableAndClear(Port1Diff);
            disableAndClear(Port2Diff);
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
    switch (view) {
    case RampTestView:
        showAxis(true, "Time");
        showAxis(false, "Position");
        if (m_File2Loaded && (checked(Port1First) || checked(Port1Second)))
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

void CRampTestCompare::showFileFields(bool secondFile)
{
    const CRampCompareReport& r = context().records().m_RampCompareReport;
    const auto show = [this](int id, const AutoString& text) { setWindowText(id, text.toQString()); };
    if (!secondFile) {
        show(Tag1Edit, r.m_strTag1);
        show(Date1Edit, r.m_strTestDate1);
        show(File1Edit, r.m_strFileName1);
        show(Start1Edit, r.m_strStartPosition1);
        show(Stop1Edit, r.m_strStopPosition1);
        show(Hold1Edit, r.m_strHoldTime1);
        show(Duration1Edit, r.m_strTestDuration1);
        show(StrokeLength1Edit, r.m_strStrokeLength1);
        show(StrokeLengthUnit, r.m_strStrokeLengthUnit);
        show(ActuatorSize1Edit, r.m_strActuatorSize1);
        show(ActuatorSizeUnit, r.m_strActuatorSizeUnit);
        show(SpringRate1Edit, r.m_strSpringRate1);
        show(SpringRateUnit, r.m_strSpringRateUnit);
        show(SpringInitial1Edit, r.m_strSpringInitial1);
        show(SpringInitialUnit, r.m_strSpringPressureUnit);
        show(SpringFinal1Edit, r.m_strSpringFinal1);
        show(SpringFinalUnit, r.m_strSpringPressureUnit);
        setWindowText(SingleActing1Edit, yesNo(r.m_bSingleActing1));
        setWindowText(Sensors1Edit, yesNo(r.m_bPressureSensor1));
        setWindowText(BiDirectional1Edit, yesNo(r.m_bBiDirectional1));
        return;
    }
    // The unit texts stay those of file 1.
    show(Tag2Edit, r.m_strTag2);
    show(Date2Edit, r.m_strTestDate2);
    show(File2Edit, r.m_strFileName2);
    show(Start2Edit, r.m_strStartPosition2);
    show(Stop2Edit, r.m_strStopPosition2);
    show(Hold2Edit, r.m_strHoldTime2);
    show(Duration2Edit, r.m_strTestDuration2);
    show(StrokeLength2Edit, r.m_strStrokeLength2);
    show(ActuatorSize2Edit, r.m_strActuatorSize2);
    show(SpringRate2Edit, r.m_strSpringRate2);
    show(SpringInitial2Edit, r.m_strSpringInitial2);
    show(SpringFinal2Edit, r.m_strSpringFinal2);
    setWindowText(SingleActing2Edit, yesNo(r.m_bSingleActing2));
    setWindowText(Sensors2Edit, yesNo(r.m_bPressureSensor2));
    setWindowText(BiDirectional2Edit, yesNo(r.m_bBiDirectional2));
}

void CRampTestCompare::OnOpenFile1()
{
    ReportRecords& records = context().records();
    const bool ok = records.m_RampCompareReport.LoadFile_1(m_pScratchPlot, m_pPlot, records.m_ReportHeader);
    // A cancelled or refused file 1 forgets both files.
    m_File1Loaded = ok;
    m_File2Loaded = false;
    if (!ok) {
        showNoFile();
        return;
    }
    UncheckAllChannelBoxes();
    showFileFields(false);
    for (int id : File2Fields)
        setWindowText(id, QString());
    CheckFile1ChannelBoxes();
    EnableAllChannelBoxes();
    for (const char* name : RampCompare::HidingOrder)
        SetChannelVisible(QString::fromLatin1(name), false);
    ApplyRampTestView();
    enableControl(OpenFile2Button, true);
    enableControl(PrintButton, true);
}

void CRampTestCompare::OnOpenFile2()
{
    ReportRecords& records = context().records();
    // A file 2 cancelled, refused or not accepted at the settings question
    // leaves the file 2 shown before, if any.
    if (!records.m_RampCompareReport.LoadFile_2(m_pScratchPlot, m_pPlot, this, records.m_ReportHeader))
        return;
    m_File2Loaded = true;
    showFileFields(true);
    CheckAllChannelBoxes();
    ApplyRampTestView();
}

// The page as before any file: every field empty, the units as the dialog
// has them, the boxes clear, an empty plot in the ramp view, and neither
// file 2 nor Print to be had.
void CRampTestCompare::showNoFile()
{
    m_pPlot->ClearAllData();
    ComparePageKit::showNoFile(
        *this, ComparePageKit::editIds(Template), allBoxes(), ComparePageKit::NoFileBoxes::Untick, [this] {
            for (const ControlSpec& spec : Template.controls) {
                if (std::find(std::begin(UnitTexts), std::end(UnitTexts), spec.id) != std::end(UnitTexts))
                    setWindowText(spec.id, spec.text);
            }
            ApplyRampTestView();
        });
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
    const QString definition = ReportDefinitionPath(folder, QStringLiteral("RampTestCmpRept"), dd.DeviceType);
    GenerateRampCompareReport(
        record, m_pPlot, m_pReport, m_pPrinter, AutoString(definition), this, records.m_ReportHeader);
    ApplyRampTestView();
}

void CRampTestCompare::OnBack()
{
    context().SelectPageCode(RampTestCode);
}

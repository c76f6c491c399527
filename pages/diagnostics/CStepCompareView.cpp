#include "CStepCompareView.h"

#include "PageHelpers.h"
#include "ReportDefinitionPath.h"
#include "ReportRecords.h"
#include "TellboxImports.h"
#include "TestPageControls.h"

#include "core/PlotChannelHelpers.h"
#include "step/StepCompareReport.h"

#include <span>

namespace
{
using namespace CompareBoxGrid;
using P = CStepCompareView;

// Each box and the channel it shows in the step view and, for the port rows,
// in the pressure-versus-position view.
struct BoxChannel {
    int box;
    const char* stepChannel;
    const char* pressureChannel; // nullptr: the box does nothing in the pressure view
};
constexpr BoxChannel BoxChannels[] = {
    { Position1, "Position", nullptr },
    { Position2, "Position2", nullptr },
    { PositionDiff, "PositionDiff", nullptr },
    { Command1, "Command", nullptr },
    { Command2, "Command2", nullptr },
    { CommandDiff, "CommandDiff", nullptr },
    { Port1First, "Port1", "PvPPort1" },
    { Port1Second, "Port1_2", "PvPPort1_2" },
    { Port1Diff, "Port1Diff", "PvPPort1Diff" },
    { Port2First, "Port2", "PvPPort2" },
    { Port2Second, "Port2_2", "PvPPort2_2" },
    { Port2Diff, "Port2Diff", "PvPPort2Diff" },
    { RelayCommand1, "ILCmd", nullptr },
    { RelayCommand2, "ILCmd2", nullptr },
    { RelayCommandDiff, "ILCmdDiff", nullptr },
    { RelayPosition1, "ILPOS", nullptr },
    { RelayPosition2, "ILPOS2", nullptr },
    { RelayPositionDiff, "ILPOSDiff", nullptr },
};

// The file 2 and difference boxes of the four rows without pressure.
constexpr int SignalBoxes2[] = { Position2, PositionDiff, Command2, CommandDiff, RelayCommand2, RelayCommandDiff,
    RelayPosition2, RelayPositionDiff };

// The fields each file fills, its identity first.
using R = CStepTestCompareReport;
const ComparePageKit::FileField<R> Fields[] = {
    ComparePageKit::TagField<R>,
    ComparePageKit::DateField<R>,
    { { P::File1Edit, P::File2Edit, -1 }, { &R::m_strFile1, &R::m_strFile2, nullptr } },
    { { P::Start1Edit, P::Start2Edit, -1 }, { &R::m_strStartPosition1, &R::m_strStartPosition2, nullptr } },
    { { P::Stop1Edit, P::Stop2Edit, -1 }, { &R::m_strStopPosition1, &R::m_strStopPosition2, nullptr } },
    { { P::Hold1Edit, P::Hold2Edit, -1 }, { &R::m_strHoldTime1, &R::m_strHoldTime2, nullptr } },
};
constexpr std::span<const ComparePageKit::FileField<R>> Identity(Fields, 3);
const ComparePageKit::FileFlag<R> Flags[] = {
    { { P::SingleActing1Edit, P::SingleActing2Edit }, { &R::m_bSingleActing1, &R::m_bSingleActing2 } },
    { { P::Sensors1Edit, P::Sensors2Edit }, { &R::m_bPressureSensor1, &R::m_bPressureSensor2 } },
};
constexpr ComparePageKit::YesNo Words { "YES", "NO" };

} // namespace

CStepCompareView::CStepCompareView(PageContext& context, QWidget* parent)
    : ComparePage(context, Setup, parent)
{
}

// ---------------------------------------------------------------------------
// Initial update

void CStepCompareView::setUpPage()
{
    const TellboxImports& imports = context().imports();
    CStepTestCompareReport& record = context().records().m_StepTestCompareReport;
    createControls(
        { ReportHost, ReportId, PrinterHost, PrinterId, PlotFrame, PlotId, ScratchHost, ScratchPlotId },
        imports.CreatePlotControl, imports.ConfigureStepTestPlotControl, [&] { record.SetupDestPlotChannels(m_pPlot); },
        [&] { record.SetupSrcPlotChannels(m_pScratchPlot); });
    setAllBoxes(false);
    guard("OnInitialUpdate", [this] {
        if (m_pScratchPlot)
            m_pScratchPlot->ClearAllData();
        if (m_pPlot) {
            m_pPlot->ClearAllData();
            showEmptyView();
        }
    });
    m_PressureView = false;
    enableControl(StepViewButton, false);
    enableControl(PressureViewButton, true);
    enableControl(PrintButton, false);
    enableControl(OpenFile2Button, false);
}

void CStepCompareView::connectPageHandlers()
{
    ConnectChannelBoxes(*this, BoxChannels, [this](int box) { OnChannelBox(box); });
    onClicked(StepViewButton, "ShowStepView", [this] { ShowStepView(); });
    onClicked(PressureViewButton, "ShowPressureView", [this] { ShowPressureView(); });
}

// ---------------------------------------------------------------------------
// Boxes and views

void CStepCompareView::showAxis(bool xAxis, const char* name, bool shown)
{
    const IPlotAxisPtr axis
        = xAxis ? m_pPlot->XAxisByName(QString::fromLatin1(name)) : m_pPlot->YAxisByName(QString::fromLatin1(name));
    axis->SetVisible(shown);
    axis->SetTitleVisible(shown);
}

// A port difference box can be used only when both file boxes of its row
// are checked; it then starts checked.
void CStepCompareView::setDifferenceBoxes()
{
    const bool port1 = checked(Port1First) && checked(Port1Second);
    enableAndCheck(Port1Diff, port1);
    const bool port2 = checked(Port2First) && checked(Port2Second);
    enableAndCheck(Port2Diff, port2);
}

void CStepCompareView::ShowStepView()
{
    CStepTestCompareReport& record = context().records().m_StepTestCompareReport;
    m_PressureView = false;
    m_pPlot->SetTitle(QStringLiteral("Step Test"));
    enableControl(StepViewButton, false);
    enableControl(PressureViewButton, true);
    record.ResetGridView(m_pPlot);
    // The pressure axis stays whatever the port boxes say, now or later: the
    // plot leaves it out while no pressure trace is shown, and a port trace
    // drawn without it would read on the position scale.
    showAxis(true, "Time", true);
    showAxis(false, "Position", true);
    showAxis(false, "Pressure", true);
    if (m_File1Loaded) {
        for (int box : { Position1, Command1, RelayCommand1, RelayPosition1 })
            enableControl(box, true);
        if (record.m_bPressureSensor1) {
            enableControl(Port1First, true);
            enableControl(PressureViewButton, true);
            if (port2Possible(1, record.m_bSingleActing1))
                enableControl(Port2First, true);
            else
                enableAndCheck(Port2First, false);
        } else {
            enableAndCheck(Port1First, false);
            enableAndCheck(Port2First, false);
            enableControl(PressureViewButton, false);
        }
        sync("Position", Position1);
        sync("Command", Command1);
        sync("Port1", Port1First);
        sync("Port2", Port2First);
        sync("ILCmd", RelayCommand1);
        sync("ILPOS", RelayPosition1);
    }
    if (m_File2Loaded) {
        for (int box : SignalBoxes2)
            enableControl(box, true);
        if (record.m_bPressureSensor2) {
            enableControl(Port1Second, true);
            if (port2Possible(2, record.m_bSingleActing2))
                enableControl(Port2Second, true);
            else
                enableAndCheck(Port2Second, false);
        } else {
            enableAndCheck(Port1Second, false);
            enableAndCheck(Port2Second, false);
        }
        setDifferenceBoxes();
        sync("Position2", Position2);
        sync("PositionDiff", PositionDiff);
        sync("Command2", Command2);
        sync("CommandDiff", CommandDiff);
        sync("Port1_2", Port1Second);
        sync("Port1Diff", Port1Diff);
        sync("Port2_2", Port2Second);
        sync("Port2Diff", Port2Diff);
        sync("ILCmd2", RelayCommand2);
        sync("ILCmdDiff", RelayCommandDiff);
        sync("ILPOS2", RelayPosition2);
        sync("ILPOSDiff", RelayPositionDiff);
    }
}

void CStepCompareView::ShowPressureView()
{
    CStepTestCompareReport& record = context().records().m_StepTestCompareReport;
    m_PressureView = true;
    m_pPlot->SetTitle(QStringLiteral("Pressure Vs Position"));
    enableControl(StepViewButton, true);
    enableControl(PressureViewButton, false);
    record.ResetGridView(m_pPlot);
    showAxis(true, "Position", true);
    showAxis(false, "Pressure", true);
    if (m_File1Loaded) {
        for (int box : { Position1, Command1, RelayCommand1, RelayPosition1 })
            enableControl(box, false);
        if (record.m_bPressureSensor1) {
            enableAndCheck(Port1First, true);
            const bool port2 = port2Possible(1, record.m_bSingleActing1);
            enableAndCheck(Port2First, port2);
        } else {
            enableAndCheck(Port1First, false);
            enableAndCheck(Port2First, false);
        }
        sync("PvPPort1", Port1First);
        sync("PvPPort2", Port2First);
        showAxis(true, "Position", true);
        showAxis(false, "Pressure", true);
    }
    if (m_File2Loaded) {
        for (int box : SignalBoxes2)
            enableControl(box, false);
        // Without sensors the boxes keep what the step view, which always
        // ran before, gave them: disabled and clear.
        if (record.m_bPressureSensor2) {
            enableAndCheck(Port1Second, true);
            if (port2Possible(2, record.m_bSingleActing2))
                enableAndCheck(Port2Second, true);
        }
        setDifferenceBoxes();
        sync("PvPPort1_2", Port1Second);
        sync("PvPPort1Diff", Port1Diff);
        sync("PvPPort2_2", Port2Second);
        sync("PvPPort2Diff", Port2Diff);
    }
}

void CStepCompareView::OnChannelBox(int boxId)
{
    for (const BoxChannel& row : BoxChannels) {
        if (row.box != boxId)
            continue;
        if (!m_PressureView)
            sync(row.stepChannel, boxId);
        else if (row.pressureChannel)
            sync(row.pressureChannel, boxId);
    }
}

// ---------------------------------------------------------------------------
// Files

bool CStepCompareView::loadFile(int file)
{
    CStepTestCompareReport& record = context().records().m_StepTestCompareReport;
    return file == 1 ? record.LoadFile_1(m_pScratchPlot, m_pPlot) : record.LoadFile_2(m_pScratchPlot, m_pPlot, this);
}

void CStepCompareView::showFile(int file)
{
    CStepTestCompareReport& record = context().records().m_StepTestCompareReport;
    if (file == 2) {
        setAllBoxes(true);
        for (int box : SignalBoxes2)
            enableControl(box, true);
        enableControl(Port1Diff, true);
        enableControl(Port2Diff, true);
        ComparePageKit::showFileFields(*this, record, Fields, 2);
        ComparePageKit::showFileFlags(*this, record, Flags, 2, Words);
        ShowStepView();
        return;
    }
    ShowStepView();
    for (int id : ComparePageKit::editIds(Template))
        setWindowText(id, QString());
    setAllBoxes(false);
    for (int box : { Position1, Command1, Port1First, Port2First, RelayCommand1, RelayPosition1 })
        setChecked(box, true);
    for (const BoxChannel& row : BoxChannels) {
        OnCheckBoxChanged(m_pPlot, AutoString(row.stepChannel), false);
        if (row.pressureChannel)
            OnCheckBoxChanged(m_pPlot, AutoString(row.pressureChannel), false);
    }
    const bool sensors = record.m_bPressureSensor1 != 0;
    for (const char* name : { "Position", "Command", "ILCmd", "ILPOS" })
        OnCheckBoxChanged(m_pPlot, AutoString(name), true);
    OnCheckBoxChanged(m_pPlot, AutoString("Port1"), sensors);
    OnCheckBoxChanged(m_pPlot, AutoString("Port2"), sensors && port2Possible(1, record.m_bSingleActing1));
    for (int box : allBoxes())
        enableControl(box, true);
    ComparePageKit::showFileFields(*this, record, Fields, 1);
    ComparePageKit::showFileFlags(*this, record, Flags, 1, Words);
    enableControl(OpenFile2Button, true);
    enableControl(PressureViewButton, true);
    ShowStepView();
    enableControl(PrintButton, true);
}

// Before any file: the step view, every channel hidden.
void CStepCompareView::showEmptyView()
{
    ShowStepView();
    HideRowChannels(m_pPlot, BoxChannels, &BoxChannel::stepChannel, &BoxChannel::pressureChannel);
}

// ---------------------------------------------------------------------------
// Print and Back

void CStepCompareView::OnPrintReport()
{
    ReportRecords& records = context().records();
    const DeviceData& dd = data();
    if (dd.DeviceType == 6)
        records.m_ReportHeader.m_byModel = 6;
    CStepTestCompareReport& record = records.m_StepTestCompareReport;
    const CReportHeader header = reportHeader(record.m_strTag1);
    // File 1's identity is shown again as the record holds it, then every
    // field is read back into the record.
    ComparePageKit::showFileFields(*this, record, Identity, 1);
    ComparePageKit::readFileFields(*this, record, Fields);
    ComparePageKit::readFileFlags(*this, record, Flags, Words);
    const QString definition
        = ReportDefinitionPath(context().helpers().GetAppFolder(), QStringLiteral("StepTestCmpRept"), header.m_byModel);
    GenerateStepTestCompareReport(record, m_pPlot, m_pReport, m_pPrinter, AutoString(definition), this, header);
    ShowStepView();
}

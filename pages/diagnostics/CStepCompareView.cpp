#include "CStepCompareView.h"

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
#include "step/StepCompareReport.h"

#include <QAbstractButton>
#include <QLabel>
#include <QPointer>

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

QString yesNo(uint8_t flag)
{
    return flag ? QStringLiteral("YES") : QStringLiteral("NO");
}

const QString LogLine = QStringLiteral("CStepCompareView::OnInitialUpdate");
} // namespace

CStepCompareView::CStepCompareView(PageContext& context, QWidget* parent)
    : StripPage(context, QStringLiteral("CStepCompareView"), DialogId, StripTimer::None, parent)
{
    buildPage(Template);
    // The column captions "1" and "2" stand out in bold above both columns.
    ComparePageKit::boldCaptions(*this, { SettingsCaption1, SettingsCaption2, Caption1, Caption2 });
}

// ---------------------------------------------------------------------------
// Initial update

void CStepCompareView::OnInitialUpdate()
{
    context().log().WriteLog(LogLine);
    StripPage::OnInitialUpdate();
    context().log().WriteLog(LogLine);
    const TellboxImports& imports = context().imports();
    CStepTestCompareReport& record = context().records().m_StepTestCompareReport;
    CreateCompareControls(
        this, imports, { ReportHost, ReportId, PrinterHost, PrinterId, PlotFrame, PlotId, ScratchHost, ScratchPlotId },
        m_pReport, m_pPrinter, m_pPlot, m_pScratchPlot, imports.ConfigureStepTestPlotControl,
        [&] { record.SetupDestPlotChannels(m_pPlot); }, [&] { record.SetupSrcPlotChannels(m_pScratchPlot); });
    for (int box : allBoxes())
        setChecked(box, false);
    guard("OnInitialUpdate", [this] {
        if (m_pScratchPlot)
            m_pScratchPlot->ClearAllData();
        if (m_pPlot) {
            m_pPlot->ClearAllData();
            ShowStepView();
            HideRowChannels(m_pPlot, BoxChannels, &BoxChannel::stepChannel, &BoxChannel::pressureChannel);
        }
    });
    m_PressureView = false;
    enableControl(StepViewButton, false);
    enableControl(PressureViewButton, true);
    enableControl(PrintButton, false);
    enableControl(OpenFile2Button, false);
    if (data().IsK40())
        RemovePort2Row(this);
    setToolTips(StripToolTips);
    setToolTips(ToolTips);
    connectHandlers();
}

void CStepCompareView::connectHandlers()
{
    ConnectCompareHandlers(*this,
        { [this] { OnOpenFile1(); }, [this] { OnOpenFile2(); }, [this] { OnPrintReport(); }, [this] { OnBack(); } });
    ConnectChannelBoxes(*this, BoxChannels, [this](int box) { OnChannelBox(box); });
    onClicked(StepViewButton, "ShowStepView", [this] { ShowStepView(); });
    onClicked(PressureViewButton, "ShowPressureView", [this] { ShowPressureView(); });
}

void CStepCompareView::ActivatePage()
{
    // Only the strip, from what is known; nothing is sent to the device.
    StripPage::ActivatePage();
}

// ---------------------------------------------------------------------------
// Boxes and views

bool CStepCompareView::checked(int boxId) const
{
    return ComparePageKit::isChecked(*this, boxId);
}

void CStepCompareView::setChecked(int boxId, bool on)
{
    ComparePageKit::setChecked(*this, boxId, on);
}

void CStepCompareView::enableAndCheck(int boxId, bool enable, bool check)
{
    enableControl(boxId, enable);
    setChecked(boxId, check);
}

void CStepCompareView::sync(const char* channel, int boxId)
{
    SyncChannel(*this, m_pPlot, channel, boxId);
}

void CStepCompareView::showAxis(bool xAxis, const char* name, bool shown)
{
    const IPlotAxisPtr axis
        = xAxis ? m_pPlot->XAxisByName(QString::fromLatin1(name)) : m_pPlot->YAxisByName(QString::fromLatin1(name));
    axis->SetVisible(shown);
    axis->SetTitleVisible(shown);
}

bool CStepCompareView::port2Allowed(uint8_t singleActing) const
{
    return singleActing == 0 && data().DeviceType == 5;
}

// A port difference box can be used only when both file boxes of its row
// are checked; it then starts checked.
void CStepCompareView::setDifferenceBoxes()
{
    const bool port1 = checked(Port1First) && checked(Port1Second);
    enableAndCheck(Port1Diff, port1, port1);
    const bool port2 = checked(Port2First) && checked(Port2Second);
    enableAndCheck(Port2Diff, port2, port2);
}

void CStepCompareView::ShowStepView()
{
    CStepTestCompareReport& record = context().records().m_StepTestCompareReport;
    m_PressureView = false;
    m_pPlot->SetTitle(QStringLiteral("Step Test"));
    enableControl(StepViewButton, false);
    enableControl(PressureViewButton, true);
    record.ResetGridView(m_pPlot);
    showAxis(true, "Time", true);
    showAxis(false, "Position", true);
    showAxis(false, "Pressure", true);
    if (m_File1Loaded) {
        for (int box : { Position1, Command1, RelayCommand1, RelayPosition1 })
            enableControl(box, true);
        if (record.m_bPressureSensor1) {
            enableControl(Port1First, true);
            enableControl(PressureViewButton, true);
            if (port2Allowed(record.m_bSingleActing1))
                enableControl(Port2First, true);
            else
                enableAndCheck(Port2First, false, false);
        } else {
            enableAndCheck(Port1First, false, false);
            enableAndCheck(Port2First, false, false);
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
            if (port2Allowed(record.m_bSingleActing2))
                enableControl(Port2Second, true);
            else
                enableAndCheck(Port2Second, false, false);
        } else {
            enableAndCheck(Port1Second, false, false);
            enableAndCheck(Port2Second, false, false);
        }
        // The pressure axis follows the port 1 boxes only.
        showAxis(false, "Pressure", checked(Port1First) || checked(Port1Second));
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
            enableAndCheck(Port1First, true, true);
            const bool port2 = port2Allowed(record.m_bSingleActing1);
            enableAndCheck(Port2First, port2, port2);
        } else {
            enableAndCheck(Port1First, false, false);
            enableAndCheck(Port2First, false, false);
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
            enableAndCheck(Port1Second, true, true);
            if (port2Allowed(record.m_bSingleActing2))
                enableAndCheck(Port2Second, true, true);
        }
        setDifferenceBoxes();
        sync("PvPPort1_2", Port1Second);
        sync("PvPPort1Diff", Port1Diff);
        sync("PvPPort2_2", Port2Second);
        sync("PvPPort2Diff", Port2Diff);
        showAxis(true, "Position", true);
        showAxis(false, "Pressure", checked(Port1Second) || checked(Port2Second));
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

void CStepCompareView::OnOpenFile1()
{
    CStepTestCompareReport& record = context().records().m_StepTestCompareReport;
    const bool ok = record.LoadFile_1(m_pScratchPlot, m_pPlot);
    m_File1Loaded = ok;
    m_File2Loaded = false;
    if (!ok) {
        showNoFile();
        return;
    }
    ShowStepView();
    for (int id : { Tag1Edit, Date1Edit, File1Edit, Tag2Edit, Date2Edit, File2Edit, Start1Edit, Stop1Edit, Hold1Edit,
             SingleActing1Edit, Sensors1Edit, Start2Edit, Stop2Edit, Hold2Edit, SingleActing2Edit, Sensors2Edit })
        setWindowText(id, QString());
    for (int box : allBoxes())
        setChecked(box, false);
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
    OnCheckBoxChanged(m_pPlot, AutoString("Port2"), sensors && record.m_bSingleActing1 == 0);
    for (int box : allBoxes())
        enableControl(box, true);
    ComparePageKit::showFileIdentity(
        *this, 1, record.m_strTag1.toQString(), record.m_strTestDate1.toQString(), record.m_strFile1.toQString());
    setWindowText(Start1Edit, record.m_strStartPosition1.toQString());
    setWindowText(Stop1Edit, record.m_strStopPosition1.toQString());
    setWindowText(Hold1Edit, record.m_strHoldTime1.toQString());
    setWindowText(SingleActing1Edit, yesNo(record.m_bSingleActing1));
    setWindowText(Sensors1Edit, yesNo(record.m_bPressureSensor1));
    enableControl(OpenFile2Button, true);
    enableControl(PressureViewButton, true);
    ShowStepView();
    enableControl(PrintButton, true);
}

void CStepCompareView::OnOpenFile2()
{
    CStepTestCompareReport& record = context().records().m_StepTestCompareReport;
    // A file 2 cancelled, refused or not accepted at the settings question
    // leaves the file 2 shown before, if any.
    if (!record.LoadFile_2(m_pScratchPlot, m_pPlot, this))
        return;
    m_File2Loaded = true;
    for (int box : allBoxes())
        setChecked(box, true);
    for (int box : SignalBoxes2)
        enableControl(box, true);
    enableControl(Port1Diff, true);
    enableControl(Port2Diff, true);
    ComparePageKit::showFileIdentity(
        *this, 2, record.m_strTag2.toQString(), record.m_strTestDate2.toQString(), record.m_strFile2.toQString());
    setWindowText(Start2Edit, record.m_strStartPosition2.toQString());
    setWindowText(Stop2Edit, record.m_strStopPosition2.toQString());
    setWindowText(Hold2Edit, record.m_strHoldTime2.toQString());
    setWindowText(SingleActing2Edit, yesNo(record.m_bSingleActing2));
    setWindowText(Sensors2Edit, yesNo(record.m_bPressureSensor2));
    ShowStepView();
}

// The page as before any file: every field empty, the boxes clear, an empty
// plot in the step view, and neither file 2 nor Print to be had.
void CStepCompareView::showNoFile()
{
    m_pPlot->ClearAllData();
    ComparePageKit::showNoFile(
        *this, ComparePageKit::editIds(Template), allBoxes(), ComparePageKit::NoFileBoxes::UntickAndEnable, [this] {
            ShowStepView();
            HideRowChannels(m_pPlot, BoxChannels, &BoxChannel::stepChannel, &BoxChannel::pressureChannel);
        });
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
    // File 1's identity is shown again as the record holds it, then every
    // field is read back into the record.
    ComparePageKit::showFileIdentity(
        *this, 1, record.m_strTag1.toQString(), record.m_strTestDate1.toQString(), record.m_strFile1.toQString());
    const std::pair<AutoString*, int> texts[] = { { &record.m_strTag1, Tag1Edit }, { &record.m_strTag2, Tag2Edit },
        { &record.m_strTestDate1, Date1Edit }, { &record.m_strTestDate2, Date2Edit }, { &record.m_strFile1, File1Edit },
        { &record.m_strFile2, File2Edit }, { &record.m_strStartPosition1, Start1Edit },
        { &record.m_strStartPosition2, Start2Edit }, { &record.m_strStopPosition1, Stop1Edit },
        { &record.m_strStopPosition2, Stop2Edit }, { &record.m_strHoldTime1, Hold1Edit },
        { &record.m_strHoldTime2, Hold2Edit } };
    for (const auto& [member, id] : texts)
        *member = AutoString(windowText(id));
    const std::pair<uint8_t*, int> flags[]
        = { { &record.m_bSingleActing1, SingleActing1Edit }, { &record.m_bPressureSensor1, Sensors1Edit },
              { &record.m_bSingleActing2, SingleActing2Edit }, { &record.m_bPressureSensor2, Sensors2Edit } };
    for (const auto& [member, id] : flags)
        *member = windowText(id) == QStringLiteral("YES") ? 1 : 0;
    const QString definition
        = ReportDefinitionPath(context().helpers().GetAppFolder(), QStringLiteral("StepTestCmpRept"), dd.DeviceType);
    GenerateStepTestCompareReport(
        record, m_pPlot, m_pReport, m_pPrinter, AutoString(definition), this, records.m_ReportHeader);
    ShowStepView();
}

void CStepCompareView::OnBack()
{
    context().SelectPageCode(StepTestCode);
}

#include "CPSTCompare.h"

#include "ComparePageControls.h"
#include "DeviceData.h"
#include "PageHelpers.h"
#include "PartialStrokeRules.h"
#include "ReportDefinitionPath.h"
#include "ReportRecords.h"
#include "TellboxImports.h"
#include "TestPageControls.h"

#include "automation/NumberText.h"
#include "core/PlotChannelHelpers.h"
#include "partial_stroke/PstReport.h"

#include <QAbstractButton>
#include <QLabel>
#include <QPointer>

namespace
{
using namespace CompareBoxGrid;
using P = CPSTCompare;
using PartialStrokeRules::compareHasValue;
using PartialStrokeRules::compareValueText;

// Each box and the channel it shows.
struct BoxChannel {
    int box;
    const char* channel;
};
// In the order a reset hides them: file 1, file 2, the differences.
constexpr BoxChannel BoxChannels[] = {
    { Position1, "Position" },
    { Command1, "Command" },
    { Port1First, "Port1" },
    { Port2First, "Port2" },
    { RelayCommand1, "ILCmd" },
    { RelayPosition1, "ILPOS" },
    { Position2, "Position2" },
    { Command2, "Command2" },
    { Port1Second, "Port1_2" },
    { Port2Second, "Port2_2" },
    { RelayCommand2, "ILCmd2" },
    { RelayPosition2, "ILPOS2" },
    { PositionDiff, "PositionDiff" },
    { CommandDiff, "CommandDiff" },
    { Port1Diff, "Port1Diff" },
    { Port2Diff, "Port2Diff" },
    { RelayCommandDiff, "ILCmdDiff" },
    { RelayPositionDiff, "ILPOSDiff" },
};

constexpr int AllEdits[] = { P::Tag1Edit, P::Tag2Edit, P::Date1Edit, P::Date2Edit, P::File1Edit, P::File2Edit,
    P::Start1Edit, P::Start2Edit, P::Stop1Edit, P::Stop2Edit, P::TimeToTarget1Edit, P::TimeToTarget2Edit,
    P::Duration1Edit, P::Duration2Edit, P::Time1Edit, P::Time2Edit, P::TimeDiffEdit, P::Target1Edit, P::Target2Edit,
    P::TargetDiffEdit, P::Pressure1Edit, P::Pressure2Edit, P::PressureDiffEdit, P::Result1Edit, P::Result2Edit };
} // namespace

CPSTCompare::CPSTCompare(PageContext& context, QWidget* parent)
    : StripPage(context, QStringLiteral("CPSTCompare"), DialogId, StripTimer::None, parent)
{
    buildPage(Template);
    // The column captions "1" and "2" stand out in bold above the settings,
    // the results and the channel boxes.
    ComparePageKit::boldCaptions(
        *this, { SettingsCaption1, SettingsCaption2, BreakAwayCaption1, BreakAwayCaption2, Caption1, Caption2 });
}

void CPSTCompare::OnInitialUpdate()
{
    StripPage::OnInitialUpdate();
    const TellboxImports& imports = context().imports();
    CPSTCompareReport& record = context().records().m_PSTCompareReport;
    CreateCompareControls(
        this, imports, { ReportHost, ReportId, PrinterHost, PrinterId, PlotFrame, PlotId, ScratchHost, ScratchPlotId },
        m_pReport, m_pPrinter, m_pPlot, m_pScratchPlot, imports.ConfigurePSTPlotControl,
        [&] {
            m_pPlot->XAxisByName(QStringLiteral("Time"))->SetTitle(QStringLiteral("Time [ms]"));
            record.SetupDestPlotChannels(m_pPlot);
        },
        [&] { record.SetupSrcPlotChannels(m_pScratchPlot); });
    enableControl(PrintButton, false);
    for (int box : allBoxes())
        setChecked(box, false);
    guard("OnInitialUpdate", [this] {
        if (m_pPlot) {
            hideAllChannels();
            m_pPlot->ClearAllData();
        }
        if (m_pScratchPlot)
            m_pScratchPlot->ClearAllData();
    });
    if (data().IsK40())
        RemovePort2Row(this);
    setToolTips(StripToolTips);
    setToolTips(ToolTips);
    connectHandlers();
}

void CPSTCompare::connectHandlers()
{
    ConnectCompareHandlers(*this,
        { [this] { OnOpenFile1(); }, [this] { OnOpenFile2(); }, [this] { OnPrintReport(); }, [this] { OnBack(); } });
    ConnectChannelBoxes(*this, BoxChannels, [this](int box) { OnChannelBox(box); });
}

void CPSTCompare::ActivatePage()
{
    // Only the strip, from what is known; nothing is sent to the device.
    StripPage::ActivatePage();
}

bool CPSTCompare::checked(int boxId) const
{
    return ComparePageKit::isChecked(*this, boxId);
}

void CPSTCompare::setChecked(int boxId, bool on)
{
    ComparePageKit::setChecked(*this, boxId, on);
}

void CPSTCompare::enableAndCheck(int boxId, bool on)
{
    enableControl(boxId, on);
    setChecked(boxId, on);
}

void CPSTCompare::sync(const char* channel, int boxId)
{
    SyncChannel(*this, m_pPlot, channel, boxId);
}

void CPSTCompare::hideAllChannels()
{
    HideRowChannels(m_pPlot, BoxChannels, &BoxChannel::channel);
}

void CPSTCompare::OnChannelBox(int boxId)
{
    for (const BoxChannel& row : BoxChannels) {
        if (row.box == boxId)
            sync(row.channel, boxId);
    }
}

void CPSTCompare::OnOpenFile1()
{
    CPSTCompareReport& record = context().records().m_PSTCompareReport;
    if (!record.LoadFile_1(m_pScratchPlot, m_pPlot)) {
        showNoFile();
        return;
    }
    for (int id : AllEdits)
        setWindowText(id, QString());
    for (int box : allBoxes())
        setChecked(box, false);
    hideAllChannels();
    const bool large = data().DeviceType == 5;
    setChecked(Position1, true);
    setChecked(Command1, true);
    enableAndCheck(Port1First, record.m_bPressureSensor1 != 0);
    if (large)
        enableAndCheck(Port2First, record.m_bPressureSensor1 != 0 && record.m_bSingleActing1 == 0);
    setChecked(RelayCommand1, true);
    setChecked(RelayPosition1, true);
    for (const char* name : { "Position", "Command", "ILCmd", "ILPOS" })
        OnCheckBoxChanged(m_pPlot, AutoString(name), true);
    sync("Port1", Port1First);
    sync("Port2", Port2First);

    ComparePageKit::showFileIdentity(
        *this, 1, record.m_strTag1.toQString(), record.m_strTestDate1.toQString(), record.m_strFileName1.toQString());
    setWindowText(Start1Edit, record.m_strStartPosition1.toQString());
    setWindowText(Stop1Edit, record.m_strStopPosition1.toQString());
    setWindowText(TimeToTarget1Edit, record.m_strTimeToTarget1.toQString());
    setWindowText(Duration1Edit, record.m_strTestDuration1.toQString());
    m_NoTime1 = !compareHasValue(record.m_strBreakAwayTime1.toQString());
    setWindowText(Time1Edit, compareValueText(record.m_strBreakAwayTime1.toQString()));
    setWindowText(
        Pressure1Edit, NumberText::format("%.2f", NumberText::toDouble(record.m_strBreakAwayPressure1.toQString())));
    m_NoTarget1 = !compareHasValue(record.m_strTimeToTargetResult1.toQString());
    setWindowText(Target1Edit, compareValueText(record.m_strTimeToTargetResult1.toQString()));
    setWindowText(Result1Edit, record.m_strResult1.toQString());
    setWindowText(UnitLabel, record.m_strBreakAwayUnit1.toQString());
    enableControl(OpenFile2Button, true);
    enableControl(PrintButton, true);
}

void CPSTCompare::OnOpenFile2()
{
    CPSTCompareReport& record = context().records().m_PSTCompareReport;
    if (!record.LoadFile_2(m_pScratchPlot, m_pPlot, this))
        return;
    for (int box : { Position1, Position2, PositionDiff, Command1, Command2, CommandDiff, RelayCommand1, RelayCommand2,
             RelayCommandDiff, RelayPosition1, RelayPosition2, RelayPositionDiff })
        setChecked(box, true);
    const bool sensors1 = record.m_bPressureSensor1 != 0;
    const bool sensors2 = record.m_bPressureSensor2 != 0;
    enableAndCheck(Port1Second, sensors2);
    enableAndCheck(Port1Diff, sensors1 && sensors2);
    if (data().DeviceType == 5) {
        const bool single1 = record.m_bSingleActing1 != 0;
        const bool single2 = record.m_bSingleActing2 != 0;
        enableAndCheck(Port2Second, sensors2 && !single2);
        enableAndCheck(Port2Diff, sensors1 && sensors2 && !single1 && !single2);
    }
    sync("Port1_2", Port1Second);
    sync("Port1Diff", Port1Diff);
    sync("Port2_2", Port2Second);
    sync("Port2Diff", Port2Diff);

    ComparePageKit::showFileIdentity(
        *this, 2, record.m_strTag2.toQString(), record.m_strTestDate2.toQString(), record.m_strFileName2.toQString());
    setWindowText(Start2Edit, record.m_strStartPosition2.toQString());
    setWindowText(Stop2Edit, record.m_strStopPosition2.toQString());
    setWindowText(TimeToTarget2Edit, record.m_strTimeToTarget2.toQString());
    setWindowText(Duration2Edit, record.m_strTestDuration2.toQString());
    m_NoTime2 = !compareHasValue(record.m_strBreakAwayTime2.toQString());
    setWindowText(Time2Edit, compareValueText(record.m_strBreakAwayTime2.toQString()));
    setWindowText(
        Pressure2Edit, NumberText::format("%.2f", NumberText::toDouble(record.m_strBreakAwayPressure2.toQString())));
    m_NoTarget2 = !compareHasValue(record.m_strTimeToTargetResult2.toQString());
    setWindowText(Target2Edit, compareValueText(record.m_strTimeToTargetResult2.toQString()));
    setWindowText(Result2Edit, record.m_strResult2.toQString());
    // A difference that involves "nothing measured" is no difference.
    setWindowText(
        TimeDiffEdit, m_NoTime1 || m_NoTime2 ? QStringLiteral("-") : record.m_strBreakAwayTimeDiff.toQString());
    setWindowText(PressureDiffEdit, record.m_strBreakAwayPressureDiff.toQString());
    setWindowText(TargetDiffEdit,
        m_NoTarget1 || m_NoTarget2 ? QStringLiteral("-") : record.m_strTimeToTargetResultDiff.toQString());
    setWindowText(UnitLabel, record.m_strBreakAwayUnit1.toQString());
}

// The page as before any file: every field empty, the boxes clear, an empty
// plot, and neither file 2 nor Print to be had.
void CPSTCompare::showNoFile()
{
    m_pPlot->ClearAllData();
    ComparePageKit::showNoFile(*this, AllEdits, allBoxes(), ComparePageKit::NoFileBoxes::UntickAndEnable, [this] {
        setWindowText(UnitLabel, QString());
        hideAllChannels();
        m_NoTime1 = m_NoTime2 = m_NoTarget1 = m_NoTarget2 = false;
    });
}

void CPSTCompare::OnPrintReport()
{
    ReportRecords& records = context().records();
    CPSTCompareReport& record = records.m_PSTCompareReport;
    // File 1's identity is shown again as the record holds it, then the
    // record takes what the page shows, dashes included.
    ComparePageKit::showFileIdentity(
        *this, 1, record.m_strTag1.toQString(), record.m_strTestDate1.toQString(), record.m_strFileName1.toQString());
    const std::pair<AutoString*, int> texts[] = { { &record.m_strTag1, Tag1Edit }, { &record.m_strTag2, Tag2Edit },
        { &record.m_strTestDate1, Date1Edit }, { &record.m_strTestDate2, Date2Edit },
        { &record.m_strFileName1, File1Edit }, { &record.m_strFileName2, File2Edit },
        { &record.m_strStartPosition1, Start1Edit }, { &record.m_strStartPosition2, Start2Edit },
        { &record.m_strStopPosition1, Stop1Edit }, { &record.m_strStopPosition2, Stop2Edit },
        { &record.m_strTimeToTarget1, TimeToTarget1Edit }, { &record.m_strTimeToTarget2, TimeToTarget2Edit },
        { &record.m_strTestDuration1, Duration1Edit }, { &record.m_strTestDuration2, Duration2Edit },
        { &record.m_strBreakAwayTime1, Time1Edit }, { &record.m_strBreakAwayTime2, Time2Edit },
        { &record.m_strBreakAwayTimeDiff, TimeDiffEdit }, { &record.m_strTimeToTargetResult1, Target1Edit },
        { &record.m_strTimeToTargetResult2, Target2Edit }, { &record.m_strTimeToTargetResultDiff, TargetDiffEdit },
        { &record.m_strBreakAwayPressure1, Pressure1Edit }, { &record.m_strBreakAwayPressure2, Pressure2Edit },
        { &record.m_strBreakAwayPressureDiff, PressureDiffEdit }, { &record.m_strResult1, Result1Edit },
        { &record.m_strResult2, Result2Edit } };
    for (const auto& [member, id] : texts)
        *member = AutoString(windowText(id));
    const QString definition
        = ReportDefinitionPath(context().helpers().GetAppFolder(), QStringLiteral("PSTTestCmpRept"), data().DeviceType);
    GeneratePSTCompareReport(record, m_pPlot, m_pReport, m_pPrinter, AutoString(definition), this);
}

void CPSTCompare::OnBack()
{
    context().SelectPageCode(PartialStrokeCode);
}

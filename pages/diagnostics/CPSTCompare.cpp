#include "CPSTCompare.h"

#include "PageHelpers.h"
#include "PartialStrokeRules.h"
#include "ReportDefinitionPath.h"
#include "ReportRecords.h"
#include "TellboxImports.h"
#include "TestPageControls.h"

#include "automation/NumberText.h"
#include "core/PlotChannelHelpers.h"
#include "partial_stroke/PstReport.h"

#include <span>

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

// The break-away pressure as the page shows it, to two decimals.
QString pressureText(const QString& text)
{
    return NumberText::format("%.2f", NumberText::toDouble(text));
}

// The fields each file fills, its identity first, and the differences the
// page shows beside the results.
using R = CPSTCompareReport;
const ComparePageKit::FileField<R> Fields[] = {
    ComparePageKit::TagField<R>,
    ComparePageKit::DateField<R>,
    ComparePageKit::FileNameField<R>,
    { { P::Start1Edit, P::Start2Edit, -1 }, { &R::m_strStartPosition1, &R::m_strStartPosition2, nullptr } },
    { { P::Stop1Edit, P::Stop2Edit, -1 }, { &R::m_strStopPosition1, &R::m_strStopPosition2, nullptr } },
    { { P::TimeToTarget1Edit, P::TimeToTarget2Edit, -1 }, { &R::m_strTimeToTarget1, &R::m_strTimeToTarget2, nullptr } },
    { { P::Duration1Edit, P::Duration2Edit, -1 }, { &R::m_strTestDuration1, &R::m_strTestDuration2, nullptr } },
    { { P::Time1Edit, P::Time2Edit, P::TimeDiffEdit },
        { &R::m_strBreakAwayTime1, &R::m_strBreakAwayTime2, &R::m_strBreakAwayTimeDiff }, compareValueText },
    { { P::Pressure1Edit, P::Pressure2Edit, P::PressureDiffEdit },
        { &R::m_strBreakAwayPressure1, &R::m_strBreakAwayPressure2, &R::m_strBreakAwayPressureDiff }, pressureText },
    { { P::Target1Edit, P::Target2Edit, P::TargetDiffEdit },
        { &R::m_strTimeToTargetResult1, &R::m_strTimeToTargetResult2, &R::m_strTimeToTargetResultDiff },
        compareValueText },
    { { P::Result1Edit, P::Result2Edit, -1 }, { &R::m_strResult1, &R::m_strResult2, nullptr } },
};
constexpr std::span<const ComparePageKit::FileField<R>> Identity(Fields, 3);
} // namespace

CPSTCompare::CPSTCompare(PageContext& context, QWidget* parent)
    : ComparePage(context, Setup, parent)
{
}

void CPSTCompare::setUpPage()
{
    const TellboxImports& imports = context().imports();
    CPSTCompareReport& record = context().records().m_PSTCompareReport;
    createControls(
        { ReportHost, ReportId, PrinterHost, PrinterId, PlotFrame, PlotId, ScratchHost, ScratchPlotId },
        imports.CreatePlotControl, imports.ConfigurePSTPlotControl,
        [&] {
            m_pPlot->XAxisByName(QStringLiteral("Time"))->SetTitle(QStringLiteral("Time [ms]"));
            record.SetupDestPlotChannels(m_pPlot);
        },
        [&] { record.SetupSrcPlotChannels(m_pScratchPlot); });
    enableControl(PrintButton, false);
    setAllBoxes(false);
    guard("OnInitialUpdate", [this] {
        if (m_pPlot) {
            hideAllChannels();
            m_pPlot->ClearAllData();
        }
        if (m_pScratchPlot)
            m_pScratchPlot->ClearAllData();
    });
}

void CPSTCompare::connectPageHandlers()
{
    ConnectChannelBoxes(*this, BoxChannels, [this](int box) { OnChannelBox(box); });
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

bool CPSTCompare::loadFile(int file)
{
    CPSTCompareReport& record = context().records().m_PSTCompareReport;
    return file == 1 ? record.LoadFile_1(m_pScratchPlot, m_pPlot) : record.LoadFile_2(m_pScratchPlot, m_pPlot, this);
}

void CPSTCompare::showFile(int file)
{
    CPSTCompareReport& record = context().records().m_PSTCompareReport;
    if (file == 2) {
        for (int box : { Position1, Position2, PositionDiff, Command1, Command2, CommandDiff, RelayCommand1,
                 RelayCommand2, RelayCommandDiff, RelayPosition1, RelayPosition2, RelayPositionDiff })
            setChecked(box, true);
        const bool sensors1 = record.m_bPressureSensor1 != 0;
        const bool sensors2 = record.m_bPressureSensor2 != 0;
        enableAndCheck(Port1Second, sensors2);
        enableAndCheck(Port1Diff, sensors1 && sensors2);
        if (data().DeviceType == 5) {
            const bool port2 = sensors2 && port2Possible(2, record.m_bSingleActing2);
            const bool difference = sensors1 && port2Possible(1, record.m_bSingleActing1) && port2;
            enableAndCheck(Port2Second, port2);
            enableAndCheck(Port2Diff, difference);
        }
        sync("Port1_2", Port1Second);
        sync("Port1Diff", Port1Diff);
        sync("Port2_2", Port2Second);
        sync("Port2Diff", Port2Diff);

        m_NoTime2 = !compareHasValue(record.m_strBreakAwayTime2.toQString());
        m_NoTarget2 = !compareHasValue(record.m_strTimeToTargetResult2.toQString());
        ComparePageKit::showFileFields(*this, record, Fields, 2);
        // A difference that involves "nothing measured" is no difference.
        setWindowText(
            TimeDiffEdit, m_NoTime1 || m_NoTime2 ? QStringLiteral("-") : record.m_strBreakAwayTimeDiff.toQString());
        setWindowText(PressureDiffEdit, record.m_strBreakAwayPressureDiff.toQString());
        setWindowText(TargetDiffEdit,
            m_NoTarget1 || m_NoTarget2 ? QStringLiteral("-") : record.m_strTimeToTargetResultDiff.toQString());
        setWindowText(UnitLabel, record.m_strBreakAwayUnit1.toQString());
        return;
    }
    for (int id : ComparePageKit::editIds(Template))
        setWindowText(id, QString());
    setAllBoxes(false);
    hideAllChannels();
    const bool large = data().DeviceType == 5;
    const bool sensors = record.m_bPressureSensor1 != 0;
    setChecked(Position1, true);
    setChecked(Command1, true);
    enableAndCheck(Port1First, sensors);
    if (large) {
        const bool port2 = sensors && port2Possible(1, record.m_bSingleActing1);
        enableAndCheck(Port2First, port2);
    }
    setChecked(RelayCommand1, true);
    setChecked(RelayPosition1, true);
    for (const char* name : { "Position", "Command", "ILCmd", "ILPOS" })
        OnCheckBoxChanged(m_pPlot, AutoString(name), true);
    sync("Port1", Port1First);
    sync("Port2", Port2First);

    m_NoTime1 = !compareHasValue(record.m_strBreakAwayTime1.toQString());
    m_NoTarget1 = !compareHasValue(record.m_strTimeToTargetResult1.toQString());
    ComparePageKit::showFileFields(*this, record, Fields, 1);
    setWindowText(UnitLabel, record.m_strBreakAwayUnit1.toQString());
    enableControl(OpenFile2Button, true);
    enableControl(PrintButton, true);
}

// Before any file: no unit, every channel hidden, nothing "not measured".
void CPSTCompare::showEmptyView()
{
    setWindowText(UnitLabel, QString());
    hideAllChannels();
    m_NoTime1 = m_NoTime2 = m_NoTarget1 = m_NoTarget2 = false;
}

void CPSTCompare::OnPrintReport()
{
    ReportRecords& records = context().records();
    CPSTCompareReport& record = records.m_PSTCompareReport;
    // File 1's identity is shown again as the record holds it, then the
    // record takes what the page shows, dashes included.
    ComparePageKit::showFileFields(*this, record, Identity, 1);
    ComparePageKit::readFileFields(*this, record, Fields);
    // Printed for file 1's device, whatever is connected.
    const QString definition
        = ReportDefinitionPath(context().helpers().GetAppFolder(), QStringLiteral("PSTTestCmpRept"), reportModel());
    GeneratePSTCompareReport(record, m_pPlot, m_pReport, m_pPrinter, AutoString(definition), this);
}

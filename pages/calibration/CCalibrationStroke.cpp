#include "CCalibrationStroke.h"

#include "DeviceData.h"
#include "MiscAccessors.h"
#include "ReportRecords.h"
#include "ValidityMark.h"

#include "automation/NumberText.h"
#include "core/Tellbox.h"

using namespace StrokeCalibrationRules;

CCalibrationStroke::CCalibrationStroke(PageContext& context, QWidget* parent)
    : CalibrationRunPage(context, QStringLiteral("CCalibrationStroke"), DialogId, Run, Template, parent)
{
}

void CCalibrationStroke::OnInitialUpdate()
{
    StripPage::OnInitialUpdate();
    for (int k = 0; k < 6; ++k)
        m_pFlagLeds[size_t(k)] = createFlagLed(FirstFlagHost + k, FirstFlagLed + k);
    createReportControls();
    connectRunControls();

    setToolTips(StripToolTips);
    setToolTips(ToolTips);
    setToolTips(strokeFlagTips(FirstFlagLed));
    setToolTips(TrailingToolTips);
}

void CCalibrationStroke::ActivatePage()
{
    ValidityMark::show(this, InitialsMark, true, InitialsTip);
    enableControl(PrintButton, false);
    activateRun();
    read(HartCommand::ReadStatus);
    showPosition();
}

void CCalibrationStroke::showPosition()
{
    setWindowText(PositionEdit, NumberText::fromDouble(int16_t(data().Position) * 0.01));
}

void CCalibrationStroke::OnChangeNewCalibrationBy()
{
    // The initials the device reported: Start waits for the user's own.
    if (takeDeviceInitials()) {
        enableControl(StartButton, false);
        return;
    }
    enableControl(StartButton, markInitials());
}

void CCalibrationStroke::OnStartCalibration()
{
    if (!mayStartRun())
        return;
    // A new run starts with its flags clear; within the run they stay once seen.
    clearStrokeFlags(context().records().m_StrokeCalibReport);
    for (const ILedRoundPtr& led : m_pFlagLeds) {
        if (led)
            led->setLit(false);
    }
    startRun([this] {
        PollCalibrationState();
        PollCalibrationFlags();
    });
}

void CCalibrationStroke::PollCalibrationState()
{
    pollRunState();
}

void CCalibrationStroke::PollCalibrationFlags()
{
    read(HartCommand::ReadErrorHist);
    const uint8_t byte7 = data().ErrorHistory[7];
    // A flag once seen stays lit through the run; a clear bit changes nothing.
    for (int k = 0; k < 6; ++k) {
        if ((byte7 & StrokeFlags[k].bit) && m_pFlagLeds[size_t(k)])
            m_pFlagLeds[size_t(k)]->setLit(true);
    }
    markStrokeFlags(context().records().m_StrokeCalibReport, byte7);
    read(HartCommand::ReadStatus);
    showPosition();
    RefreshStrip();
}

void CCalibrationStroke::OnAbortCalibration()
{
    abortRun();
}

void CCalibrationStroke::FillStrokeCalibResults()
{
    CStrokeCalibReport& record = context().records().m_StrokeCalibReport;
    MiscAccessors& misc = context().misc();
    record.m_strILO = AutoString(QString::number(misc.ReadMiscWord11()));
    record.m_strLoADVal = AutoString(QString::number(misc.ReadMiscWord50()));
    const uint16_t low = misc.ReadMiscWord50();
    record.m_strHiADVal = AutoString(QString::number(misc.ReadMiscWord51()));
    const uint16_t high = misc.ReadMiscWord51();
    record.m_strADRange = AutoString(QString::number(int(low) - int(high)));
}

void CCalibrationStroke::OnPrintReport()
{
    printRunReport(
        context().records().m_StrokeCalibReport, QStringLiteral("StrokeCalRept"), [this] { FillStrokeCalibResults(); },
        GenerateStrokeCalibTestReport);
}

#include "AnalogCalibrationReports.h"

#include "CalibrationReportBlock.h"

#include <utility>

using CalibrationReportBlock::flagText;
using CalibrationReportBlock::heading;
using Row = CalibrationReportBlock::Row;

ReportFrameDescriptor AICalibReportDescriptor(const CAICalibReport& calibration)
{
    ReportFrameDescriptor descriptor { ReportFrameRows::AICalibration };
    // The record is copied into the descriptor, so the fields see the values
    // as they were when the report was asked for.
    descriptor.fields = [calibration](const ReportFrameFields& fields) {
        // The labels of the "by" and range rows start with a blank, and the
        // 4 mA label runs the number and the unit together.
        const Row rows[] = {
            heading("CalInfoLbl", "Calibration Information"),
            { "DateLastLbl", "Calibration Date:", "LastCalDate", calibration.m_strLastCalDate.toQString() },
            { "NewCalByLbl", " Calibration By:", "NewCalBy", calibration.m_strNewCalBy.toQString() },
            heading("CalResultsLbl", "Calibration Results"),
            { "CalStateLbl", "Calibration State:", "CalState", calibration.m_strState.toQString() },
            { "AICal4mALbl", "A/D Value at 4mA:", "AICal4mAValue", calibration.m_strAD4mA.toQString() },
            { "AICal0Lbl", "A/D Value at 0%:", "AICal0Value", calibration.m_strAD0.toQString() },
            { "AICal100Lbl", "A/D Value at 100%:", "AICal100Value", calibration.m_strAD100.toQString() },
            { "AICalADRangeLbl", " A/D Range:", "AICalADRangeValue", calibration.m_strADRange.toQString() },
            { "StrkCal0PosOutLbl", "0% Signal OORange", "StrkCal0PosOutChk", flagText(calibration.m_b0SignalOut) },
            { "StrkCal100PosOutLbl", "100% Signal OORange", "StrkCal100PosOutChk",
                flagText(calibration.m_b100SignalOut) },
            { "StrkCalFdbkSmallLbl", "Comm Range Small", "StrkCalFdbkSmall", flagText(calibration.m_bCommSmall) },
        };
        CalibrationReportBlock::write(fields, rows);
    };
    return descriptor;
}

ReportFrameDescriptor AOCalibReportDescriptor(const CAOCalibReport& calibration)
{
    ReportFrameDescriptor descriptor { ReportFrameRows::AOCalibration };
    descriptor.fields = [calibration](const ReportFrameFields& fields) {
        // The value keys say 0 and 100 while their labels say 4 mA and 20 mA.
        const Row rows[] = {
            heading("CalInfoLbl", "Calibration Information"),
            { "DateLastLbl", "Calibration Date:", "LastCalDate", calibration.m_strLastCalDate.toQString() },
            { "NewCalByLbl", "Calibration By:", "NewCalBy", calibration.m_strNewCalBy.toQString() },
            heading("CalResultsLbl", "Calibration Results"),
            { "CalStateLbl", "Calibration State:", "CalState", calibration.m_strState.toQString() },
            { "AOCal0Lbl", "D/A Value at 4 mA:", "AOCal0Value", calibration.m_strDA4mA.toQString() },
            { "AOCal100Lbl", "D/A Value at 20 mA:", "AOCal100Value", calibration.m_strDA20mA.toQString() },
            { "AOCalDARangeLbl", "D/A Range:", "AOCalDARangeValue", calibration.m_strDARange.toQString() },
        };
        CalibrationReportBlock::write(fields, rows);
    };
    return descriptor;
}

void GenerateAICalibTestReport(CReportHeader header, CAICalibReport calibration, IReportPtr report, IPrinterPtr printer,
    AutoString definitionPath, QWidget* parent)
{
    const ReportFrameDescriptor descriptor = AICalibReportDescriptor(calibration);
    // The frame takes the by-value arguments over and lets them go on every
    // way out; the record's copy goes with the descriptor.
    ReportFrame::Generate(
        descriptor, std::move(header), std::move(report), std::move(printer), std::move(definitionPath), parent);
}

void GenerateAOCalibTestReport(CReportHeader header, CAOCalibReport calibration, IReportPtr report, IPrinterPtr printer,
    AutoString definitionPath, QWidget* parent)
{
    const ReportFrameDescriptor descriptor = AOCalibReportDescriptor(calibration);
    ReportFrame::Generate(
        descriptor, std::move(header), std::move(report), std::move(printer), std::move(definitionPath), parent);
}

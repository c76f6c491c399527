#include "StrokeCalibrationReports.h"

#include "CalibrationReportBlock.h"

#include <utility>
#include <vector>

using CalibrationReportBlock::flagText;
using CalibrationReportBlock::heading;
using Row = CalibrationReportBlock::Row;

namespace
{
// The six stroke flags as both reports print them. The first label starts
// with the letter O, and the texts keep their own spelling.
template <class Record> std::vector<Row> strokeFlagRows(const Record& calibration)
{
    return {
        { "StrkCal0PosOutLbl", "O% Pos Out Of Range", "StrkCal0PosOutChk", flagText(calibration.m_b0PosOut) },
        { "StrkCal100PosOutLbl", "100% Pos O O Range", "StrkCal100PosOutChk", flagText(calibration.m_b100PosOut) },
        { "StrkCalFdbkSmallLbl", "Fdbk Range Small", "StrkCalFdbkSmall", flagText(calibration.m_bFdbkSmall) },
        { "StrkCalILOTOLbl", "ILO Time Out", "StrkCalILOTO", flagText(calibration.m_bILOTO) },
        { "StrkCalNoMoTOLbl", "No Motion time Out", "StrkCalNoMoTO", flagText(calibration.m_bNoMoTO) },
        { "StrkCalNoSetTimeOutLbl", "Non-Settle Time Out", "StrkCalNoSetTimeOut",
            flagText(calibration.m_bNoSetTimeOut) },
    };
}

constexpr uint8_t LargerModel = 5;
constexpr uint8_t SmallerModel = 6;
} // namespace

ReportFrameDescriptor ActCalibReportDescriptor(const CActuatorCalibReport& calibration, uint8_t model)
{
    ReportFrameDescriptor descriptor { ReportFrameRows::ActuatorCalibration };
    descriptor.fields = [calibration, model](const ReportFrameFields& fields) {
        std::vector<Row> rows = {
            heading("StrokeCalInfoLbl", "Calibration Information"),
            { "DateLastLbl", "Calibrated Date:", "LastCalDate", calibration.m_strLastCalDate.toQString() },
            { "NewCalByLbl", "Calibrated by:", "NewCalBy", calibration.m_strNewCalBy.toQString() },
            { "SupPressLbl", "Supply Pressure:", "StrkCalPressure", calibration.m_strPressure.toQString() },
        };
        // The unit is a value of its own, without a label.
        const auto writeRows
            = [&fields](const std::vector<Row>& block) { CalibrationReportBlock::write(fields, block); };
        writeRows(rows);
        fields.setText(QStringLiteral("StrkCalPressureUnit"), calibration.m_strPressureUnit.toQString());
        writeRows({
            { "ActSizeLbl", "Actuator Size:", "StrkCalActSize", calibration.m_strCalActSize.toQString() },
            { "StrkCalStateLbl", "Calibration State:", "StrkCalState", calibration.m_strState.toQString() },
            heading("StrkCalFlagsLbl", "Calibration Flags"),
        });
        // The supply and port rows: their labels are the record's own texts,
        // and the first port writes its mark before its label.
        fields.setText(QStringLiteral("SuppLoLbl"), calibration.m_strSuppLoLbl.toQString());
        fields.setText(QStringLiteral("SuppLoChk"), flagText(calibration.m_bSuppLo));
        fields.setText(QStringLiteral("SuppP1Chk"), flagText(calibration.m_bSuppP1));
        fields.setText(QStringLiteral("SuppP1Lbl"), calibration.m_strSuppP1Lbl.toQString());
        // Only the larger model has a second port row; other definitions need not hold it.
        if (model == LargerModel) {
            fields.setText(QStringLiteral("SuppP2Lbl"), calibration.m_strSuppP2Lbl.toQString());
            fields.setText(QStringLiteral("SuppP2Chk"), flagText(calibration.m_bSuppP2));
        }
        writeRows(strokeFlagRows(calibration));
        writeRows({
            heading("StrkCalPosnLbl", "Position"),
            { "StrkCalILOLbl", "Inner Loop Offset:", "StrkCalILO", calibration.m_strILO.toQString() },
            { "StrkLowADLbl", "A/D Value at 0% Position:", "StrkCalLoADVal", calibration.m_strLoADVal.toQString() },
            { "StrkHiADLbl", "A/D Value at 100% Position:", "StrkCalHiADVal", calibration.m_strHiADVal.toQString() },
            { "StrkCalADRangeLbl", "A/D Range:", "StrkCalADRange", calibration.m_strADRange.toQString() },
            heading("StrkCalPort1Lbl", "Port1"),
            { "StrkCalP1LoLbl", "A/D Value at low pressure:", "StrkCalPort1Lo", calibration.m_strPort1Lo.toQString() },
            { "StrkCalP1HiLbl", "A/D Value at high pressure:", "StrkCalPort1Hi", calibration.m_strPort1Hi.toQString() },
            { "StrkCalP1RangeLbl", "A/D Range:", "StrkCalPort1Range", calibration.m_strPort1Range.toQString() },
            heading("StrkCalPort2Lbl", model == SmallerModel ? "Supply" : "Port2"),
            { "StrkCalP2LoLbl", "A/D Value at low pressure:", "StrkCalPort2Lo", calibration.m_strPort2Lo.toQString() },
            { "StrkCalP2HiLbl", "A/D Value at high pressure:", "StrkCalPort2Hi", calibration.m_strPort2Hi.toQString() },
            { "StrkCalP2RangeLbl", "A/D Range:", "StrkCalPort2Range", calibration.m_strPort2Range.toQString() },
            heading("blbFriction", "Friction"),
            { "StrkCalDerFricLbl", "Derived Friction:", "StrkCalFricValue", calibration.m_strFricValue.toQString() },
        });
    };
    return descriptor;
}

ReportFrameDescriptor StrokeCalibReportDescriptor(const CStrokeCalibReport& calibration)
{
    ReportFrameDescriptor descriptor { ReportFrameRows::StrokeCalibration };
    descriptor.fields = [calibration](const ReportFrameFields& fields) {
        std::vector<Row> rows = {
            heading("StrokeCalInfoLbl", "Calibration Information"),
            { "DateLastLbl", "Calibrated Date:", "LastCalDate", calibration.m_strLastCalDate.toQString() },
            { "NewCalByLbl", "Calibration By:", "NewCalBy", calibration.m_strNewCalBy.toQString() },
            heading("StrokeCalResultsLbl", "Calibration Results"),
            { "StrkCalStateLbl", "Calibration State:", "StrkCalState", calibration.m_strState.toQString() },
            { "StrkCalILOLbl", "Inner Loop Offset:", "StrkCalILO", calibration.m_strILO.toQString() },
            { "StrkLowADLbl", "A/D Value at 0% Position:", "StrkCalLoADVal", calibration.m_strLoADVal.toQString() },
            { "StrkHiADLbl", "A/D Value at 100% Position:", "StrkCalHiADVal", calibration.m_strHiADVal.toQString() },
            { "StrkCalADRangeLbl", "A/D Range:", "StrkCalADRange", calibration.m_strADRange.toQString() },
        };
        const std::vector<Row> flags = strokeFlagRows(calibration);
        rows.insert(rows.end(), flags.begin(), flags.end());
        CalibrationReportBlock::write(fields, rows);
    };
    return descriptor;
}

void GenerateActCalibTestReport(CReportHeader header, CActuatorCalibReport calibration, IReportPtr report,
    IPrinterPtr printer, AutoString definitionPath, QWidget* parent)
{
    const ReportFrameDescriptor descriptor = ActCalibReportDescriptor(calibration, header.m_byModel);
    // The frame takes the by-value arguments over and lets them go on every
    // way out; the record's copy goes with the descriptor.
    ReportFrame::Generate(
        descriptor, std::move(header), std::move(report), std::move(printer), std::move(definitionPath), parent);
}

void GenerateStrokeCalibTestReport(CReportHeader header, CStrokeCalibReport calibration, IReportPtr report,
    IPrinterPtr printer, AutoString definitionPath, QWidget* parent)
{
    const ReportFrameDescriptor descriptor = StrokeCalibReportDescriptor(calibration);
    ReportFrame::Generate(
        descriptor, std::move(header), std::move(report), std::move(printer), std::move(definitionPath), parent);
}

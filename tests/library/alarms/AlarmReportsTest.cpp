// The two alarm reports on the shipped definitions and on definitions that
// also hold the largest model's keys, rendered to PDF and read back.
#include "alarms/AlarmReports.h"

#include "ReportTestSupport.h"
#include "alarms/AlarmAnnunciatorIndex.h"
#include "report/RecordingPrintBackend.h"

#include <QFile>
#include <QRegularExpression>

#include <map>

using namespace ReportTestSupport;
namespace Index = AlarmAnnunciatorIndex;

namespace
{

class AlarmReportsTest : public SwTest
{
protected:
    void SetUp() override
    {
        SwTest::SetUp();
        PrintBackend::install(&m_printed);
        m_report = IReportPtr(&m_reportControl);
        m_printer = IPrinterPtr(&m_printerControl);
        m_grid = IGridPtr(&m_gridControl);
        m_header.m_strTag = AutoString(QStringLiteral("PV-7"));
        clock().setLocalStart(QDateTime(QDate(2030, 1, 5), QTime(7, 4, 9)));
    }
    void TearDown() override
    {
        PrintBackend::install(nullptr);
        SwTest::TearDown();
    }

    // A copy of a shipped definition with extra fields in its "Detail"
    // section, as a definition for the largest model would hold them.
    QString definitionWith(const QString& shipped, const QStringList& extraKeys)
    {
        QFile in(shippedDefinition(shipped));
        EXPECT_TRUE(in.open(QIODevice::ReadOnly));
        QString text = QString::fromUtf8(in.readAll());
        QString fields;
        int top = 100;
        for (const QString& key : extraKeys)
            fields += QStringLiteral("<field key=\"%1\" left=\"0\" top=\"%2\" width=\"3000\" height=\"285\"/>\n")
                          .arg(key)
                          .arg(top += 10);
        const int detail = text.indexOf(QStringLiteral("<section name=\"Detail\""));
        const int end = text.indexOf(QStringLiteral("</section>"), detail);
        text.insert(end, fields);
        const QString path = tempPath(QStringLiteral("fixture_") + shipped);
        QFile out(path);
        EXPECT_TRUE(out.open(QIODevice::WriteOnly | QIODevice::Truncate));
        out.write(text.toUtf8());
        return path;
    }

    // Saves the PDF where asked and declines the print question.
    QString expectPdf(const QString& name, const QString& title)
    {
        const QString pdf = tempPath(name);
        prompts().answerFile(pdf, title);
        prompts().answerMessage(Prompts::IdNo, QStringLiteral("Do you want to print the Report?"));
        return pdf;
    }

    void annunciator(const QString& definition, const QString& model)
    {
        prompts().answerFile(std::nullopt);
        prompts().answerMessage(Prompts::IdNo);
        GenerateAlarmAnnuncReport(
            m_header, m_annunciator, m_report, m_printer, AutoString(definition), AutoString(model), &m_page);
    }
    void status(const QString& definition, const QString& model)
    {
        GenerateAlarmStausReport(
            m_header, m_status, m_grid, m_report, m_printer, AutoString(definition), AutoString(model), &m_page);
    }

    QString field(const QString& key) const
    {
        const auto document = m_reportControl.layoutDocument();
        const ReportPageItem* item = document.find(key);
        return item ? item->text : QStringLiteral("<no such field>");
    }
    // The fields added at run time, in the order they were added.
    std::vector<const ReportItem*> addedLines() const
    {
        std::vector<const ReportItem*> lines;
        const ReportSectionDefinition* detail = m_reportControl.definition().section(QStringLiteral("Detail"));
        for (const ReportItem& item : detail->items)
            if (item.kind == ReportItemKind::Field && item.key.isEmpty())
                lines.push_back(&item);
        return lines;
    }
    QStringList boxes() const
    {
        QStringList texts;
        for (const auto& message : const_cast<AlarmReportsTest*>(this)->prompts().messages())
            texts << message.text;
        return texts;
    }
    void fillLog(int rows)
    {
        m_gridControl.SetCols(1);
        m_gridControl.SetRows(0);
        for (int r = 0; r < rows; ++r)
            m_gridControl.AddItem(QStringLiteral("01/05/2030  7:04:%1 Event line %2 Start")
                                      .arg(r % 60, 2, 10, QLatin1Char('0'))
                                      .arg(r + 1));
    }

    RecordingPrintBackend m_printed;
    ReportControl m_reportControl;
    PrinterControl m_printerControl;
    GridControl m_gridControl;
    QWidget m_page;
    IReportPtr m_report;
    IPrinterPtr m_printer;
    IGridPtr m_grid;
    CReportHeader m_header;
    CAlarmAnnunciatorReport m_annunciator;
    CAlarmStatusReport m_status;
};

const QStringList K95AnnunciatorKeys { QStringLiteral("LossInterCom"), QStringLiteral("LossInterAct"),
    QStringLiteral("LossInterMask"), QStringLiteral("OOSlbl"), QStringLiteral("OOSAct"),
    QStringLiteral("CalibrationInfo"), QStringLiteral("PressureInfo"), QStringLiteral("MPCValue") };

} // namespace

TEST_F(AlarmReportsTest, AnnunciatorReportWritesTheRowsOfItsModelString)
{
    for (int k = 0; k < Index::TextCount; ++k)
        m_annunciator.m_strTexts[k] = AutoString(QStringLiteral("text %1").arg(k));

    // The largest model: its own alarm row and transducer block, no analog tail.
    m_annunciator.m_bFlags[Index::LossInterAct] = 1;
    m_annunciator.m_bFlags[Index::LossInterMask] = 1;
    m_annunciator.m_bFlags[Index::CommRangeSmallAct] = 1;
    annunciator(definitionWith(QStringLiteral("AlarmReport-K90.xml"), K95AnnunciatorKeys), QStringLiteral("SerratK95"));
    EXPECT_EQ(boxes(), QStringList() << QStringLiteral("Do you want to print the Report?"));
    EXPECT_EQ(field(QStringLiteral("LossInterAct")), QStringLiteral("X"));
    EXPECT_EQ(field(QStringLiteral("LossInterMask")), QStringLiteral("X"));
    EXPECT_EQ(field(QStringLiteral("LossInterCom")), QStringLiteral("Loss of Inter PCB Com"));
    EXPECT_EQ(field(QStringLiteral("OOSlbl")), QStringLiteral("Transducer Block"));
    EXPECT_EQ(field(QStringLiteral("MPCValue")), QStringLiteral("text 29"));
    EXPECT_EQ(field(QStringLiteral("PneumaticLeakUnit")), QStringLiteral("text 2"));
    EXPECT_NE(field(QStringLiteral("AOBoardLbl")), QStringLiteral("text 47"));
    EXPECT_NE(field(QStringLiteral("CommRangeSmallAct")), QStringLiteral("X"));

    // The larger model: a masked flag with its active flag clear.
    m_annunciator = CAlarmAnnunciatorReport();
    m_annunciator.m_bFlags[Index::ZeroSignalOORangeMsk] = 1;
    annunciator(shippedDefinition(QStringLiteral("AlarmReport-K90.xml")), QStringLiteral("SerratK90"));
    EXPECT_EQ(field(QStringLiteral("0SignalOORangeMsk")), QStringLiteral("X"));
    EXPECT_EQ(field(QStringLiteral("0SignalOORangeAct")), QString());
    EXPECT_EQ(field(QStringLiteral("PneumaticFailSafeLbl")), QStringLiteral("Pneumatic Fail Safe"));
    EXPECT_EQ(field(QStringLiteral("Port2RangeSmallLbl")), QStringLiteral("Port 2 Range Small"));

    // A string that matches no model: the common rows only.
    for (uint8_t& flag : m_annunciator.m_bFlags)
        flag = 1;
    m_annunciator.m_strTexts[Index::AOBoardLbl] = AutoString(QStringLiteral("AO Board Present"));
    annunciator(shippedDefinition(QStringLiteral("AlarmReport-K90.xml")), QStringLiteral("SerratK90 "));
    EXPECT_EQ(field(QStringLiteral("Port2RangeSmallLbl")), QStringLiteral("Port 2 Range Small"));
    EXPECT_EQ(field(QStringLiteral("NoMotionTimeOutAct")), QStringLiteral("X"));
    EXPECT_NE(field(QStringLiteral("PneumaticLeakAct")), QStringLiteral("X"));
    EXPECT_NE(field(QStringLiteral("CommRangeSmallAct")), QStringLiteral("X"));
    EXPECT_NE(field(QStringLiteral("AOBoardLbl")), QStringLiteral("AO Board Present"));

    // The smaller model names its second port the supply port.
    annunciator(shippedDefinition(QStringLiteral("AlarmReport_K40.xml")), QStringLiteral("SerratK40"));
    EXPECT_EQ(field(QStringLiteral("Port2RangeSmallLbl")), QStringLiteral("Supply Range Small"));
    EXPECT_EQ(field(QStringLiteral("Port2OutOfRangeLbl")), QStringLiteral("Supply Out Of Range"));
    EXPECT_EQ(field(QStringLiteral("CommRangeSmallAct")), QStringLiteral("X"));
    EXPECT_EQ(field(QStringLiteral("AOBoardLbl")), QStringLiteral("AO Board Present"));
    EXPECT_EQ(boxes().count(QStringLiteral("Report Definition file could not be found/matched.")), 0);
}

TEST_F(AlarmReportsTest, AnnunciatorFlagsAndTextsPrintInTheirCellsOfBothShippedDefinitions)
{
    // Every field each model string writes is in its shipped file: a missing
    // key would end the run with the failure box.
    for (uint8_t& flag : m_annunciator.m_bFlags)
        flag = 0;
    m_annunciator.m_bFlags[Index::BoardTempHighAct] = 1;
    m_annunciator.m_bFlags[Index::BoardTempHighMsk] = 1;
    m_annunciator.m_bFlags[Index::SupplyPressureLowAct] = 1;
    m_annunciator.m_bFlags[Index::SupplyPressureLowActW] = 1;
    m_annunciator.m_strTexts[Index::SupplyPressureLowValue] = AutoString(QStringLiteral(" 1.50"));
    m_annunciator.m_strTexts[Index::PressControlLbl] = AutoString(QStringLiteral("Press Control Inctive"));
    const QString k90 = expectPdf(QStringLiteral("k90.pdf"), QStringLiteral("Save Alarm Annunce Report As"));
    GenerateAlarmAnnuncReport(m_header, m_annunciator, m_report, m_printer,
        AutoString(shippedDefinition(QStringLiteral("AlarmReport-K90.xml"))), AutoString(QStringLiteral("SerratK90")),
        &m_page);
    EXPECT_EQ(field(QStringLiteral("BoardTempHighAct")), QStringLiteral("X"));
    EXPECT_EQ(field(QStringLiteral("BoardTempHighMsk")), QStringLiteral("X"));
    EXPECT_EQ(field(QStringLiteral("BoardTempLowAct")), QString());
    EXPECT_EQ(field(QStringLiteral("SupplyPressureLowActW")), QStringLiteral("X"));
    EXPECT_EQ(field(QStringLiteral("SupplyPressureLowValueW")), QStringLiteral(" 1.50"));
    EXPECT_EQ(field(QStringLiteral("SupplyPressureHighValue")), QStringLiteral(" 1.50"));
    const QString k90Text = pdfText(k90);
    EXPECT_TRUE(k90Text.contains(QStringLiteral("Alarm / Alerts Report"))) << k90Text.toStdString();
    EXPECT_TRUE(k90Text.contains(QStringLiteral("Pneumatic Leak")));
    EXPECT_TRUE(k90Text.contains(QStringLiteral("Press Control Inctive")));

    const QString k40 = expectPdf(QStringLiteral("k40.pdf"), QStringLiteral("Save Alarm Annunce Report As"));
    GenerateAlarmAnnuncReport(m_header, m_annunciator, m_report, m_printer,
        AutoString(shippedDefinition(QStringLiteral("AlarmReport_K40.xml"))), AutoString(QStringLiteral("SerratK40")),
        &m_page);
    const QString k40Text = pdfText(k40);
    EXPECT_TRUE(k40Text.contains(QStringLiteral("Supply Range Small"))) << k40Text.toStdString();
    EXPECT_FALSE(k40Text.contains(QStringLiteral("Pneumatic Leak")));
    EXPECT_EQ(boxes().count(QStringLiteral("Report Definition file could not be found/matched.")), 0);
    const auto dialogs = prompts().records();
    ASSERT_FALSE(dialogs.empty());
    EXPECT_EQ(dialogs.front().dialog.initialName, QStringLiteral("PV-7_AlarmAnnuncReport_2030_1_5_7h_4m"));
}

TEST_F(AlarmReportsTest, StatusReportPrintsEveryLogRowInOrderOnAsManyPagesAsNeeded)
{
    for (int k = 0; k < 16; ++k) {
        m_status.m_strErrorCode[k] = AutoString(QString::number(40 + k));
        m_status.m_strDescription[k] = AutoString(QStringLiteral("Description %1").arg(k + 1));
    }
    fillLog(41);
    m_gridControl.Select(17, 0);
    m_gridControl.SetText(QStringLiteral("a line holding [Page] and \" & [Pages]"));
    const QString pdf = expectPdf(QStringLiteral("status.pdf"), QStringLiteral("Save Alarm Status Report As"));
    status(shippedDefinition(QStringLiteral("AlarmStatReport-K90.xml")), QStringLiteral("SerratK90"));

    const auto lines = addedLines();
    ASSERT_EQ(lines.size(), 41u);
    EXPECT_EQ(lines[26]->rect, QRect(150, 15405, 11115, 285));
    EXPECT_TRUE(lines[26]->singleLine);
    EXPECT_EQ(lines[0]->rect.top(), 7605);

    const int pages = pdfPages(pdf);
    EXPECT_GE(pages, 2);
    const QString text = pdfText(pdf);
    int at = 0;
    for (int r = 0; r < 41; ++r) {
        const QString expected = r == 17 ? QStringLiteral("a line holding [Page] and \" & [Pages]")
                                         : QStringLiteral("Event line %1 Start").arg(r + 1);
        const int found = text.indexOf(expected, at);
        ASSERT_GE(found, 0) << "row " << r << " missing or out of order";
        at = found + int(expected.size());
    }
    for (int page = 1; page <= pages; ++page)
        EXPECT_TRUE(pdfText(pdf, page).contains(QStringLiteral("Page %1/%2").arg(page).arg(pages))) << page;
    EXPECT_TRUE(text.contains(QStringLiteral("Alarm Log(While Connected to Device)")));
    EXPECT_TRUE(text.contains(QStringLiteral("Description 8")));
    EXPECT_FALSE(text.contains(QStringLiteral("Description 9")));
    EXPECT_EQ(prompts().records().front().dialog.initialName, QStringLiteral("PV-7_AlarmStatusReport_2030_1_5_7h_4m"));
}

TEST_F(AlarmReportsTest, StatusReportLogStartsByModelStringAndFailsWithOneBoxWithoutADefinition)
{
    QStringList k95Keys;
    for (int k = 9; k <= 16; ++k)
        k95Keys << QStringLiteral("IECode%1Lbl").arg(k) << QStringLiteral("IEDesc%1").arg(k);
    m_status.m_strDescription[15] = AutoString(QStringLiteral("sixteenth"));
    fillLog(2);
    struct Case {
        const char* model;
        int start;
        bool sixteenRows;
    };
    for (const Case& c :
        { Case { "SerratK95", 10300, true }, Case { "SerratK90", 7605, false }, Case { "XYZ", 7605, false } }) {
        prompts().answerFile(std::nullopt);
        prompts().answerMessage(Prompts::IdNo);
        status(definitionWith(QStringLiteral("AlarmStatReport-K90.xml"), k95Keys), QString::fromLatin1(c.model));
        const auto lines = addedLines();
        ASSERT_EQ(lines.size(), 2u) << c.model;
        EXPECT_EQ(lines[0]->rect.top(), c.start) << c.model;
        EXPECT_EQ(lines[1]->rect.top(), c.start + 300) << c.model;
        EXPECT_EQ(field(QStringLiteral("IEDesc16")) == QStringLiteral("sixteenth"), c.sixteenRows) << c.model;
    }
    EXPECT_EQ(boxes().count(QStringLiteral("Report Definition file could not be found/matched.")), 0);

    // The page passes an empty path for a device that is neither model.
    prompts().answerMessage(Prompts::IdOk, QStringLiteral("Report Definition file could not be found/matched."));
    status(QString(), QStringLiteral("SerratK90"));
    EXPECT_EQ(boxes().count(QStringLiteral("Report Definition file could not be found/matched.")), 1);
    EXPECT_EQ(boxes().count(QStringLiteral("Do you want to print the Report?")), 3);
}

TEST_F(AlarmReportsTest, AnnunciatorReportPrintsEachFlagAndTextOfTheRecordInItsOwnCell)
{
    // The record counted from 1, as the report's rows name its members.
    struct Cell {
        const char* key;
        int member;
    };
    const Cell flags[] = {
        { "NoMotionTimeOutAct", 1 },
        { "NoMotionTimeOutMsk", 19 },
        { "NonSettleTimeOutAct", 2 },
        { "NonSettleTimeOutMsk", 20 },
        { "ILOTimeOutAct", 3 },
        { "ILOTimeOutMsk", 21 },
        { "FdbkRangeSmallAct", 4 },
        { "FdbkRangeSmallMsk", 22 },
        { "0PosOutOfRangeAct", 5 },
        { "0PosOutOfRangeMsk", 23 },
        { "100PosOORangeAct", 6 },
        { "100PosOORangeMsk", 24 },
        { "SupplyPressureLowAct", 7 },
        { "SupplyPressureLowMsk", 25 },
        { "NVRAMChecksumAct", 8 },
        { "NVRAMChecksumMsk", 26 },
        { "WatchDogTimeOutAct", 9 },
        { "WatchDogTimeOutMsk", 27 },
        { "ShuntVoltageRefAct", 10 },
        { "ShuntVoltageRefMsk", 28 },
        { "HallSensorUpperPosAct", 11 },
        { "HallSensorUpperPosMsk", 29 },
        { "HallSensorLowerPosAct", 12 },
        { "HallSensorLowerPosMsk", 30 },
        { "PiezoVoltageAct", 13 },
        { "PiezoVoltageMsk", 31 },
        { "PilotRelayResponseAct", 14 },
        { "PilotRelayResponseMsk", 32 },
        { "FrictionLowAct", 15 },
        { "FrictionLowMsk", 33 },
        { "FrictionHighAct", 16 },
        { "FrictionHighMsk", 34 },
        { "PositionDeviationAct", 17 },
        { "PositionDeviationMsk", 35 },
        { "ValveCyclesAct", 37 },
        { "ValveCyclesMsk", 46 },
        { "ValveTravelAct", 38 },
        { "ValveTravelMsk", 47 },
        { "PilotCyclesLimitAct", 39 },
        { "PilotCyclesLimitMsk", 48 },
        { "PilotTravelLimitAct", 40 },
        { "PilotTravelLimitMsk", 49 },
        { "SoftStopUpperLimitAct", 41 },
        { "SoftStopUpperLimitMsk", 50 },
        { "SoftStopLowerLimitAct", 42 },
        { "SoftStopLowerLimitMsk", 51 },
        { "PositionUpperLimitAct", 43 },
        { "PositionUpperLimitMsk", 52 },
        { "PositionLowerLimitAct", 44 },
        { "PositionLowerLimitMsk", 53 },
        { "ErrorHistoryResetAct", 45 },
        { "ErrorHistoryResetMsk", 54 },
        { "Port1RangeSmallAct", 55 },
        { "Port1RangeSmallMsk", 70 },
        { "Port2RangeSmallAct", 56 },
        { "Port2RangeSmallMsk", 71 },
        { "SupplyPressureHighAct", 57 },
        { "SupplyPressureHighMsk", 72 },
        { "SupplyPressureLowActW", 58 },
        { "SupplyPressureLowMskW", 73 },
        { "Port1OutOfRangeAct", 59 },
        { "Port1OutOfRangeMsk", 74 },
        { "Port2OutOfRangeAct", 60 },
        { "Port2OutOfRangeMsk", 75 },
        { "BoardTempLowAct", 61 },
        { "BoardTempLowMsk", 76 },
        { "BoardTempHighAct", 62 },
        { "BoardTempHighMsk", 77 },
        { "PneumaticFailSafeAct", 63 },
        { "PneumaticFailSafeMsk", 78 },
        { "ElectronicFailSafeAct", 64 },
        { "ElectronicFailSafeMsk", 79 },
        { "FrictionLowActW", 65 },
        { "FrictionLowMskW", 80 },
        { "FrictionHighActW", 66 },
        { "FrictionHighMskW", 81 },
        { "PilotRelayResponseActW", 67 },
        { "PilotRelayResponseMskW", 82 },
        { "PneumaticLeakAct", 68 },
        { "PneumaticLeakMsk", 83 },
        { "ActuationRatioAct", 69 },
        { "ActuationRatioMsk", 84 },
        { "InitializingAct", 85 },
        { "InitializingMsk", 91 },
        { "SettingILOAct", 86 },
        { "SettingILOMsk", 92 },
        { "StrokeCalibrationAct", 87 },
        { "StrokeCalibrationMsk", 93 },
        { "PressureCalibrationAct", 88 },
        { "PressureCalibrationMsk", 94 },
        { "SignatureinProgressAct", 89 },
        { "SignatureinProgressMsk", 95 },
        { "MPCActiveAct", 90 },
        { "MPCActiveMsk", 96 },
        { "FactoryResetStateAct", 97 },
        { "FactoryResetStateMsk", 100 },
        { "JogCommandStateAct", 98 },
        { "JogCommandStateMsk", 101 },
        { "JogCalSet100Act", 99 },
        { "JogCalSet100Msk", 102 },
        { "AnalogOutputCalAct", 112 },
        { "AnalogOutputCalMsk", 115 },
        { "DigitalCommSourceAct", 113 },
        { "DigitalCommSourceMsk", 116 },
        { "CommandCalibrationAct", 111 },
        { "CommandCalibrationMsk", 114 },
        { "AORangeTooSmallAct", 103 },
        { "AORangeTooSmallMsk", 107 },
        { "0SignalOORangeAct", 104 },
        { "0SignalOORangeMsk", 108 },
        { "100SignalOORangeAct", 105 },
        { "100SignalOORangeMsk", 109 },
        { "CommRangeSmallAct", 106 },
        { "CommRangeSmallMsk", 110 },
    };
    const Cell texts[] = {
        { "SupplyPressureLowUnit", 1 },
        { "SupplyPressureHighUnit", 1 },
        { "SupplyPressureLowUnitW", 1 },
        { "PneumaticLeakUnit", 3 },
        { "BoardTempLowUnit", 2 },
        { "BoardTempHighUnit", 2 },
        { "BoardTempLowSet", 32 },
        { "BoardTempHighSet", 31 },
        { "BoardTempLowValue", 33 },
        { "BoardTempHighValue", 33 },
        { "SupplyPressureLowValue", 7 },
        { "SupplyPressureHighValue", 7 },
        { "SupplyPressureLowValueW", 7 },
        { "FrictionLowValue", 15 },
        { "FrictionHighValue", 15 },
        { "FrictionLowValueW", 15 },
        { "FrictionHighValueW", 15 },
        { "PilotRelayResponseValue", 10 },
        { "PilotRelayResponseValueW", 10 },
        { "SupplyPressureLowSet", 4 },
        { "PilotRelayResponseSet", 8 },
        { "FrictionLowSet", 11 },
        { "FrictionHighSet", 12 },
        { "PositionDeviationValue", 17 },
        { "PositionDeviationSet", 16 },
        { "ValveCyclesValue", 20 },
        { "ValveCyclesSet", 18 },
        { "ValveTravelValue", 21 },
        { "ValveTravelSet", 19 },
        { "PilotCyclesLimitValue", 24 },
        { "PilotCyclesLimitSet", 22 },
        { "PilotTravelLimitValue", 25 },
        { "PilotTravelLimitSet", 23 },
        { "SoftStopUpperLimitSet", 26 },
        { "SoftStopLowerLimitSet", 27 },
        { "PositionUpperLimitValue", 30 },
        { "PositionUpperLimitSet", 28 },
        { "PositionLowerLimitValue", 30 },
        { "PositionLowerLimitSet", 29 },
        { "SupplyPressureHighSet", 6 },
        { "SupplyPressureLowSetW", 5 },
        { "FrictionLowSetW", 13 },
        { "FrictionHighSetW", 14 },
        { "PilotRelayResponseSetW", 9 },
        { "PneumaticLeakValue", 35 },
        { "PneumaticLeakSet", 34 },
        { "ActuationRatioValue", 37 },
        { "ActuationRatioSet", 36 },
        { "MPCLowSetPointSet", 38 },
        { "MPCHighSetpointSet", 39 },
        { "LocalInterfaceLbl", 42 },
        { "PressControlLbl", 41 },
        { "PotRotationLbl", 43 },
        { "PressBoardLbl", 44 },
        { "AOBoardLbl", 48 },
        { "SquawkModeLbl", 47 },
    };
    for (int k = 0; k < Index::TextCount; ++k)
        m_annunciator.m_strTexts[k] = AutoString(QStringLiteral("string %1").arg(k + 1));

    // Seven prints, print b setting the flags whose number has bit b: the
    // cells marked "X" spell the number of the flag each cell prints.
    std::map<QString, int> spelled;
    for (int b = 0; b < 7; ++b) {
        for (int n = 1; n <= Index::FlagCount; ++n)
            m_annunciator.m_bFlags[n - 1] = uint8_t((n >> b) & 1);
        annunciator(shippedDefinition(QStringLiteral("AlarmReport-K90.xml")), QStringLiteral("SerratK90"));
        for (const Cell& cell : flags) {
            const QString value = field(QString::fromLatin1(cell.key));
            ASSERT_TRUE(value == QStringLiteral("X") || value.isEmpty()) << cell.key << ": " << value.toStdString();
            if (value == QStringLiteral("X"))
                spelled[QString::fromLatin1(cell.key)] |= 1 << b;
        }
        if (b == 0) {
            for (const Cell& cell : texts)
                EXPECT_EQ(field(QString::fromLatin1(cell.key)), QStringLiteral("string %1").arg(cell.member))
                    << cell.key;
        }
    }
    for (const Cell& cell : flags)
        EXPECT_EQ(spelled[QString::fromLatin1(cell.key)], cell.member) << cell.key;
    EXPECT_EQ(boxes().count(QStringLiteral("Report Definition file could not be found/matched.")), 0);
}

// Every report definition the program ships must hold every key its report
// sets; a gap would only show at print time as "Report Definition file could
// not be found/matched.".
#include "ReportTestSupport.h"

#include "report/ReportLayout.h"

#include <QDir>
#include <QFileInfo>

using namespace ReportTestSupport;

namespace
{

QStringList words(const char* text)
{
    return QString::fromLatin1(text).split(QLatin1Char(' '), Qt::SkipEmptyParts);
}

const char* const HeaderBlock = "DeviceLine ActInfoLine BodInfoLine ";
const char* const FileKeys = "FIleSettingsLbl File1TagLbl File1DateLbl File1NameLbl File1Lbl File2Lbl Tag1Value "
                             "Tag2Value TestDate1Value TestDate2Value FileName1Value FileName2Value ";
const char* const CalFlagPairs = "StrkCal0PosOutLbl StrkCal0PosOutChk StrkCal100PosOutLbl StrkCal100PosOutChk "
                                 "StrkCalFdbkSmallLbl StrkCalFdbkSmall StrkCalILOTOLbl StrkCalILOTO StrkCalNoMoTOLbl "
                                 "StrkCalNoMoTO StrkCalNoSetTimeOutLbl StrkCalNoSetTimeOut ";
const char* const RampSettings = "TestSettingsLbl StartPosLbl StartPosn StopPosLbl StopPosn HoldTimeLbl HoldTime "
                                 "TestDurLbl TestDuration BiDirLbl BiDirValue SpringSetLbl SpRateLbl SpRateValue "
                                 "SpRateUnit SpInitLbl SpInitValue SpInitUnit SpFinLbl SpFinValue SpFinUnit StLenLbl "
                                 "StLenValue StLenUnit ActSizeLbl ActSizeValue ActSizeUnit ";

// The annunciator rows: a stem with Lbl, Act and Msk, plus Value, Set and
// Unit where the row has them; a warning twin puts W after the column word.
QStringList stems(const QStringList& rows, const QString& suffix = QString())
{
    QStringList keys;
    for (const QString& row : rows) {
        const QStringList parts = row.split(QLatin1Char('+'));
        const QString& stem = parts[0];
        QStringList columns { QStringLiteral("Lbl"), QStringLiteral("Act"), QStringLiteral("Msk") };
        if (parts.contains(QStringLiteral("V")))
            columns << QStringLiteral("Value");
        if (parts.contains(QStringLiteral("S")))
            columns << QStringLiteral("Set");
        if (parts.contains(QStringLiteral("U")))
            columns << QStringLiteral("Unit");
        for (const QString& column : columns)
            keys << stem + column + suffix;
    }
    return keys;
}

QStringList alarmAnnunciatorKeys(bool largerModel)
{
    QStringList keys = words("TitleLbl DeviceLine ActInfoLine BodInfoLine AlarmsLbl ActiveLbl ActiveLbl1 MaskLbl "
                             "MaskLbl1 ValueLbl ValueLbl1 SettingsLbl SettingsLbl1 DevAlertLbl DevWarnLbl DevModeLbl "
                             "DevStateLbl DevInfoLbl MPCLowSetLbl MPCLowSetPointSet MPCHighSetpointLbl "
                             "MPCHighSetpointSet LocalInterfaceLbl PressControlLbl PotRotationLbl PressBoardLbl "
                             "AOBoardLbl SquawkModeLbl");
    keys << stems(words("NoMotionTimeOut NonSettleTimeOut ILOTimeOut FdbkRangeSmall 0PosOutOfRange 100PosOORange "
                        "SupplyPressureLow+V+S+U NVRAMChecksum WatchDogTimeOut ShuntVoltageRef HallSensorUpperPos "
                        "HallSensorLowerPos PiezoVoltage PilotRelayResponse+V+S FrictionLow+V+S FrictionHigh+V+S "
                        "PositionDeviation+V+S"));
    keys << stems(words("ValveCycles+V+S ValveTravel+V+S PilotCyclesLimit+V+S PilotTravelLimit+V+S "
                        "PositionUpperLimit+V+S PositionLowerLimit+V+S SoftStopUpperLimit+S SoftStopLowerLimit+S "
                        "ErrorHistoryReset"));
    keys << stems(words("Port1RangeSmall Port2RangeSmall SupplyPressureHigh+V+S+U Port1OutOfRange Port2OutOfRange "
                        "BoardTempLow+V+S+U BoardTempHigh+V+S+U ElectronicFailSafe ActuationRatio+V+S"));
    keys << stems(
        words("SupplyPressureLow+V+S+U FrictionLow+V+S FrictionHigh+V+S PilotRelayResponse+V+S"), QStringLiteral("W"));
    keys << stems(words("Initializing SettingILO StrokeCalibration PressureCalibration SignatureinProgress MPCActive "
                        "FactoryResetState JogCommandState JogCalSet100 AnalogOutputCal DigitalCommSource "
                        "CommandCalibration AORangeTooSmall 0SignalOORange 100SignalOORange CommRangeSmall"));
    if (largerModel)
        keys << stems(words("PneumaticFailSafe PneumaticLeak+V+S+U"));
    return keys;
}

QStringList alarmStatusKeys()
{
    QStringList keys = words("TitleLbl DeviceLine ActInfoLine BodInfoLine AlarmHistLbl IECLbl IECDescLbl ErrLogLbl");
    for (int k = 1; k <= 8; ++k)
        keys << QStringLiteral("IECode%1Lbl").arg(k) << QStringLiteral("IEDesc%1").arg(k);
    return keys;
}

struct Shipped {
    QString file;
    QString pageKey;
    QStringList detailKeys;
};

std::vector<Shipped> shippedDefinitions()
{
    struct Pair {
        const char* k90;
        const char* k40;
        const char* pageKey;
        QStringList keys;
    };
    const std::vector<Pair> pairs = {
        { "PSTestRept.xml", "PSTestRept_K40.xml", "PageLine1",
            words((QByteArray("TitleLbl lblTestDate lblTestDateResult RampGrph ") + HeaderBlock
                + "TestSettingsLbl StartPosLbl StartPosn StopPosLbl StopPosn lblTimeTargetSettings TimeTargetValue "
                  "TestDurLbl TestDuration BreakAwayInfo lblTime StartPosn1 lblPressure PressureValue BwUnits "
                  "lblTimeTargetInfo TimeTargetValueInfo lblResult ResultValue")
                      .constData()) },
        { "PSTTestCmpRept.xml", "PSTTestCmpRept_K40.xml", "PageLine1",
            words((QByteArray("TitleLbl CntrolGrph ") + FileKeys
                + "PSTSetTitle StartTitle StopTitle TgtTimeTitle TestDurTitle StartPosValue1 StartPosValue2 "
                  "StopPosValue1 StopPosValue2 TimeTgtValue1 TimeTgtValue2 TestDurValue1 TestDurValue2 "
                  "BrkAwayTitle ResTimeTitle ResTgtTimeTitle ResPressTitle TestResultTitle ResTimeValue1 "
                  "ResTimeValue2 ResTimeValueDiff ResTgtTimeValue1 ResTgtTimeValue2 ResTgtTimeValueDiff "
                  "ResPressValue1 ResPressValue2 ResPressValueDiff ResTestResult1 ResTestResult2 ResUnitsLbl "
                  "ResUnitsLbl1 ResUnitsLbl2")
                      .constData()) },
        { "StepTestRept.xml", "StepTestRept_K40.xml", "PageLine1",
            words((QByteArray("TitleLbl lblTestDate lblTestDateResult RampGrph RampGrph2 ") + HeaderBlock
                + "TestSettingsLbl StartPosLbl StartPosn StopPosLbl StopPosn HoldTimeLbl HoldTime")
                      .constData()) },
        { "StepTestCmpRept.xml", "StepTestCmpRept_K40.xml", "PageLine1",
            words((QByteArray("TitleLbl StepGrph StepGrph2 ") + FileKeys
                + "StartPos1Lbl StartPosn StopPos1Lbl StopPosn StartPos2Lbl StartPosn2 StopPos2Lbl StopPosn2 "
                  "HoldTime1Lbl HoldTime HoldTime2Lbl HoldTime2 SingleActing1Lbl SingleAct1Value "
                  "SingleActing2Lbl SingleAct2Value SensorsAvail1Lbl SensorsAvail1Value SensorsAvail2Lbl "
                  "SensorsAvail2Value")
                      .constData()) },
        { "RampTestRept.xml", "RampTestRept_K40.xml", "PageLine1",
            words((QByteArray("TitleLbl lblTestDate lblTestDateResult RampGrph RampGrph2 RampGrph3 RampGrph4 ")
                + HeaderBlock + RampSettings)
                      .constData()) },
        { "RampTestCmpRept.xml", "RampTestCmpRept_K40.xml", "PageLine1",
            words("TitleLbl RampGrph RampGrph2 RampGrph3 RampGrph4 FIleSettingsLbl File1Lbl File1TagLbl Tag1Value "
                  "File1DateLbl TestDate1Value File1NameLbl FileName1Value File2Lbl File2TagLbl Tag2Value "
                  "File2DateLbl TestDate2Value File2NameLbl FileName2Value StartPos1Lbl StartPosn StopPos1Lbl "
                  "StopPosn HoldTime1Lbl HoldTime TestDur1Lbl TestDuration StartPosn2 StopPosn2 HoldTime2 "
                  "TestDuration2 SingleActing1Lbl SingleAct1Value SingleAct2Value BiDir1Lbl BiDir1Value BiDir2Value "
                  "SensorsAvail1Lbl SensorsAvail1Value SensorsAvail2Value SLenLabel1 SLenValue1 SLenValue2 SLenUnit "
                  "ActSizeLbl1 ActSizeValue1 ActSizeValue2 ActSizeUnit2 SpringSetLbl SprRateLbl SprRateValue1 "
                  "SprRateValue2 SprRateUnit SprInitLbl SprInitValue1 SprInitValue2 SprInitUnit SprFinLbl "
                  "SprFinValue1 SprFinValue2 SprFinUnit") },
        { "HDRLTestRept.xml", "HDRLTestRept_K40.xml", "PageLine1",
            words((QByteArray("TitleLbl lblTestDateResult RampGrph RampGrph2 RampGrph3 ") + HeaderBlock
                + "HysDeadResult lblRepeat lblLinearError TestSettingsLbl1 lblTestDateHeader lblAverage "
                  "lblAverageValue lblMaximum lblMaximumValue lblAverage1 lblAverageValueReapt lblMaximum1 "
                  "lblMaximumValueReapt lblLinearErrorValue lblPosSettlingTime lblPosSettlingTimeValue")
                      .constData()) },
        { "HDRLTestCmpRept.xml", "HDRLTestCmpRept_K40.xml", "PageLine1",
            words((QByteArray("TitleLbl CntrolGrph HDRGrph LinGrph ") + FileKeys
                + "PosnSetLbl PosSetTime PosSetTime2 HandDbandTitle RepeatTitle LinErrTitle HandDAvgTitle "
                  "HandDMaxTitle RepeatAvgTitle RepeatMaxTitle HandDAvg1Value HandDAvg2Value HandDAvgDelta "
                  "HandDMax1Value HandDMax2Value HandDMaxDelta RepeatAvg1Value RepeatAvg2Value RepeatAvgDelta "
                  "RepeatMax1Value RepeatMax2Value RepeatMaxDelta LinErr1Value LinErr2Value LinErrDelta")
                      .constData()) },
        { "TrendRept.xml", "TrendRept_K40.xml", "PageLine1",
            words((QByteArray("TitleLbl RampGrph RampGrph2 RampGrph3 RampGrph4 ") + HeaderBlock
                + "lblPosActive lblCommActive lblDevActive lblFricActive lblSupActive lblPTempActive lblPosition "
                  "lblCommand lblDeviation lblFriction lblSupply lblTemp")
                      .constData()) },
        { "DataLogRept.xml", "DataLogRept_K40.xml", "PageLine1",
            words((QByteArray("TitleLbl DataLogGrph ") + HeaderBlock
                + "TestSettingsLbl IntrvalLbl IntrvalValue DurationLbl DurationValue DurationUnitValue")
                      .constData()) },
        { "AllTestReport.xml", "AllTestReport_K40.xml", "PageLine1",
            words((QByteArray(HeaderBlock) + RampSettings
                + "lblTestDate lblTestDateResult StepStartPosn StepStopPosn StepHoldTime SteplblTestDateResult "
                  "PSTStartPosn PSTStopPosn PSTTimeTargetValue PSTTestDuration PSTlblTestDateResult PSTStartPosn1 "
                  "PSTPressureValue BwUnits TimeTargetValueInfo PSTResultValue lblAverageValue lblMaximumValue "
                  "lblAverageValueReapt lblMaximumValueReapt lblLinearErrorValue lblPosSettlingTimeValue "
                  "HDRLlblTestDateResult RampGrph RampGrph2 RampGrph3 RampGrph4 StepRampGrph StepRampGrph2 "
                  "PSTRampGrph HDRLRampGrph HDRLRampGrph2 HDRLRampGrph3")
                      .constData()) },
        { "ActStrokeFricCalRept.xml", "ActStrokeFricCalRept_K40.xml", "PageLine",
            words((QByteArray("ActStrkFricCalTitleLbl ") + HeaderBlock + CalFlagPairs
                + "StrokeCalInfoLbl DateLastLbl LastCalDate NewCalByLbl NewCalBy SupPressLbl StrkCalPressure "
                  "StrkCalPressureUnit ActSizeLbl StrkCalActSize StrkCalStateLbl StrkCalState StrkCalFlagsLbl "
                  "SuppLoLbl SuppLoChk SuppP1Chk SuppP1Lbl SuppP2Lbl SuppP2Chk StrkCalPosnLbl StrkCalILOLbl "
                  "StrkCalILO StrkLowADLbl StrkCalLoADVal StrkHiADLbl StrkCalHiADVal StrkCalADRangeLbl "
                  "StrkCalADRange StrkCalPort1Lbl StrkCalP1LoLbl StrkCalPort1Lo StrkCalP1HiLbl StrkCalPort1Hi "
                  "StrkCalP1RangeLbl StrkCalPort1Range StrkCalPort2Lbl StrkCalP2LoLbl StrkCalPort2Lo "
                  "StrkCalP2HiLbl StrkCalPort2Hi StrkCalP2RangeLbl StrkCalPort2Range blbFriction "
                  "StrkCalDerFricLbl StrkCalFricValue")
                      .constData()) },
        { "StrokeCalRept.xml", "StrokeCalRept_K40.xml", "PageLine",
            words((QByteArray("StrokeTitleLbl ") + HeaderBlock + CalFlagPairs
                + "StrokeCalInfoLbl DateLastLbl LastCalDate NewCalByLbl NewCalBy StrokeCalResultsLbl "
                  "StrkCalStateLbl StrkCalState StrkCalILOLbl StrkCalILO StrkLowADLbl StrkCalLoADVal StrkHiADLbl "
                  "StrkCalHiADVal StrkCalADRangeLbl StrkCalADRange")
                      .constData()) },
        { "AnaInputCalRept.xml", "AnaInputCalRept_K40.xml", "PageLine",
            words((QByteArray("TitleLbl ") + HeaderBlock
                + "CalInfoLbl DateLastLbl LastCalDate NewCalByLbl NewCalBy CalResultsLbl CalStateLbl CalState "
                  "AICal4mALbl AICal4mAValue AICal0Lbl AICal0Value AICal100Lbl AICal100Value AICalADRangeLbl "
                  "AICalADRangeValue StrkCal0PosOutLbl StrkCal0PosOutChk StrkCal100PosOutLbl StrkCal100PosOutChk "
                  "StrkCalFdbkSmallLbl StrkCalFdbkSmall")
                      .constData()) },
        { "AlarmStatReport-K90.xml", "AlarmStatReport_K40.xml", "PageLine", alarmStatusKeys() },
    };
    std::vector<Shipped> out;
    for (const auto& pair : pairs) {
        out.push_back({ QString::fromLatin1(pair.k90), QString::fromLatin1(pair.pageKey), pair.keys });
        out.push_back({ QString::fromLatin1(pair.k40), QString::fromLatin1(pair.pageKey), pair.keys });
    }
    out.push_back({ QStringLiteral("AlarmReport-K90.xml"), QStringLiteral("PageLine"), alarmAnnunciatorKeys(true) });
    out.push_back({ QStringLiteral("AlarmReport_K40.xml"), QStringLiteral("PageLine"), alarmAnnunciatorKeys(false) });
    return out;
}

QStringList missingKeys(const IReportPtr& report, const QString& section, const QStringList& keys)
{
    QStringList missing;
    const IReportFieldsPtr fields = report->Sections()->Section(section)->Fields();
    for (const QString& key : keys) {
        try {
            fields->Field(key);
        } catch (const ComError&) {
            missing << key;
        }
    }
    return missing;
}

} // namespace

using ShippedDefinitionsTest = SwTest;

TEST_F(ShippedDefinitionsTest, EveryDefinitionHoldsEveryKeyItsReportSets)
{
    ReportControl control;
    const IReportPtr report(&control);
    for (const Shipped& shipped : shippedDefinitions()) {
        SCOPED_TRACE(shipped.file.toStdString());
        ASSERT_NO_THROW(report->LoadReport(shippedDefinition(shipped.file), QStringLiteral("New Report")));
        EXPECT_EQ(missingKeys(report, QStringLiteral("Page Header"), { shipped.pageKey }), QStringList());
        EXPECT_EQ(missingKeys(report, QStringLiteral("Detail"), shipped.detailKeys), QStringList());
    }
}

TEST_F(ShippedDefinitionsTest, TheAnalogOutputFixtureHoldsItsKeys)
{
    ReportControl control;
    const IReportPtr report(&control);
    report->LoadReport(fixtureDefinition(QStringLiteral("AnaOutputCalRept.xml")), QStringLiteral("New Report"));
    EXPECT_EQ(missingKeys(report, QStringLiteral("Page Header"), { QStringLiteral("PageLine") }), QStringList());
    EXPECT_EQ(missingKeys(report, QStringLiteral("Detail"),
                  words("TitleLbl DeviceLine ActInfoLine BodInfoLine CalInfoLbl DateLastLbl LastCalDate "
                        "NewCalByLbl NewCalBy CalResultsLbl CalStateLbl CalState AOCal0Lbl AOCal0Value "
                        "AOCal100Lbl AOCal100Value AOCalDARangeLbl AOCalDARangeValue")),
        QStringList());
}

TEST_F(ShippedDefinitionsTest, NothingShippedIsLeftUnchecked)
{
    QStringList checked;
    for (const Shipped& shipped : shippedDefinitions())
        checked << shipped.file;
    QStringList shippedFiles = QDir(dependenciesDir()).entryList({ QStringLiteral("*.xml") }, QDir::Files);
    checked.sort();
    shippedFiles.sort();
    EXPECT_EQ(shippedFiles, checked);
}

TEST_F(ShippedDefinitionsTest, AlarmStatusTablesLeaveRoomForTheLogBelowThem)
{
    // The log lines are added at run time from 7605 twips down.
    for (const char* file : { "AlarmStatReport-K90.xml", "AlarmStatReport_K40.xml" }) {
        SCOPED_TRACE(file);
        const ReportDefinition definition
            = ReportDefinition::load(shippedDefinition(QString::fromLatin1(file)), QStringLiteral("New Report"));
        EXPECT_LE(definition.section(QStringLiteral("Detail"))->contentBottom(), 7605);
    }
}

TEST_F(ShippedDefinitionsTest, NoHeadingIsLeftAtTheFootOfAPage)
{
    // A bold heading or column title whose rows went on to the next page
    // reads as an empty table.
    for (const Shipped& shipped : shippedDefinitions()) {
        SCOPED_TRACE(shipped.file.toStdString());
        const ReportDocument document = ReportLayout::layout(
            ReportDefinition::load(shippedDefinition(shipped.file), QStringLiteral("New Report")));
        for (int k = 0; k + 1 < document.pageCount(); ++k) {
            const ReportPageItem* lowest = nullptr;
            for (const ReportPageItem& item : document.pages[static_cast<size_t>(k)].items)
                if (!item.text.isEmpty() && (!lowest || item.rect.top() >= lowest->rect.top()))
                    lowest = &item;
            ASSERT_NE(lowest, nullptr);
            EXPECT_FALSE(lowest->font.bold) << "page " << k + 1 << ": " << lowest->text.toStdString();
        }
    }
}

TEST_F(ShippedDefinitionsTest, OnlyThePageLineOfEachDefinitionIsAnExpression)
{
    // Any other field marked so would evaluate tags, names and log lines.
    for (const Shipped& shipped : shippedDefinitions()) {
        SCOPED_TRACE(shipped.file.toStdString());
        const ReportDefinition definition
            = ReportDefinition::load(shippedDefinition(shipped.file), QStringLiteral("New Report"));
        QStringList expressions;
        for (const auto& section : definition.sections)
            for (const auto& item : section.items)
                if (item.expression)
                    expressions << section.name + QLatin1Char('/') + item.key;
        EXPECT_EQ(expressions, QStringList { QStringLiteral("Page Header/") + shipped.pageKey });
    }
}

#include "PstReport.h"

#include "core/ModuleStateGuard.h"

void GeneratePSTReport(CReportHeader header, CPSTReport record, IPlotPtr plot, IReportPtr report, IPrinterPtr printer,
    AutoString definitionPath, QWidget* page)
{
    ModuleStateGuard moduleState;
    ReportFrameDescriptor descriptor(PstReportText::Row);
    descriptor.dateLabelKey = QStringLiteral("lblTestDate");
    descriptor.resultDates = { { QStringLiteral("lblTestDateResult"), record.m_strTestDate.toQString() } };
    descriptor.picturePlace = ReportFrameDescriptor::PicturePlace::BeforeFields;
    descriptor.pictures = { { plot, nullptr, PstReportText::Picture, QStringLiteral("RampGrph") } };
    descriptor.fields = [&record](const ReportFrameFields& fields) {
        const auto set
            = [&fields](const char* key, const QString& text) { fields.setText(QString::fromLatin1(key), text); };
        set("TestSettingsLbl", QStringLiteral("Partial Stroke Test Settings"));
        set("StartPosLbl", QStringLiteral("Start Position:"));
        set("StartPosn", record.m_strStartPosition.toQString());
        set("StopPosLbl", QStringLiteral("Stop Position:"));
        set("StopPosn", record.m_strStopPosition.toQString());
        set("lblTimeTargetSettings", QStringLiteral("Time to Target:"));
        set("TimeTargetValue", record.m_strTimeToTarget.toQString());
        set("TestDurLbl", QStringLiteral("Test Duration:"));
        set("TestDuration", record.m_strTestDuration.toQString());
        set("BreakAwayInfo", QStringLiteral("Break Away Information"));
        set("lblTime", QStringLiteral("Time:"));
        set("StartPosn1", record.m_strBreakAwayTime.toQString());
        set("lblPressure", QStringLiteral("Pressure:"));
        set("PressureValue", record.m_strBreakAwayPressure.toQString());
        set("BwUnits", record.m_strBreakAwayUnit.toQString());
        set("lblTimeTargetInfo", QStringLiteral("Time to Target:"));
        set("TimeTargetValueInfo", record.m_strTimeToTargetResult.toQString());
        set("lblResult", QStringLiteral("Result:"));
        set("ResultValue", record.m_strResult.toQString());
    };
    ReportFrame::Generate(descriptor, header, report, printer, definitionPath, page);
}

void GeneratePSTCompareReport(CPSTCompareReport record, IPlotPtr plot, IReportPtr report, IPrinterPtr printer,
    AutoString definitionPath, QWidget* page)
{
    ModuleStateGuard moduleState;
    ReportFrameDescriptor descriptor(PstReportText::CompareRow);
    descriptor.headerBlock = false;
    descriptor.fileTag = record.m_strTag1;
    descriptor.picturePlace = ReportFrameDescriptor::PicturePlace::BeforeFields;
    descriptor.pictures = { { plot, nullptr, PstReportText::ComparePicture, QStringLiteral("CntrolGrph") } };
    descriptor.fields = [&record](const ReportFrameFields& fields) {
        const auto set
            = [&fields](const char* key, const QString& text) { fields.setText(QString::fromLatin1(key), text); };
        SetCompareFileInformation(fields, record.m_strTag1, record.m_strTag2, record.m_strTestDate1,
            record.m_strTestDate2, record.m_strFileName1, record.m_strFileName2);
        set("PSTSetTitle", QStringLiteral("Partial Stroke Test Settings"));
        set("StartTitle", QStringLiteral("Start Position:"));
        set("StopTitle", QStringLiteral("Stop Position:"));
        set("TgtTimeTitle", QStringLiteral("Time to Target:"));
        set("TestDurTitle", QStringLiteral("Test Duration:"));
        set("StartPosValue1", record.m_strStartPosition1.toQString());
        set("StartPosValue2", record.m_strStartPosition2.toQString());
        set("StopPosValue1", record.m_strStopPosition1.toQString());
        set("StopPosValue2", record.m_strStopPosition2.toQString());
        set("TimeTgtValue1", record.m_strTimeToTarget1.toQString());
        set("TimeTgtValue2", record.m_strTimeToTarget2.toQString());
        set("TestDurValue1", record.m_strTestDuration1.toQString());
        set("TestDurValue2", record.m_strTestDuration2.toQString());
        set("BrkAwayTitle", QStringLiteral("Break Away Information"));
        set("ResTimeTitle", QStringLiteral("Time:"));
        set("ResTgtTimeTitle", QStringLiteral("Time to Target:"));
        set("ResPressTitle", QStringLiteral("Pressure:"));
        set("TestResultTitle", QStringLiteral("Result:"));
        set("ResTimeValue1", record.m_strBreakAwayTime1.toQString());
        set("ResTimeValue2", record.m_strBreakAwayTime2.toQString());
        set("ResTimeValueDiff", record.m_strBreakAwayTimeDiff.toQString());
        set("ResTgtTimeValue1", record.m_strTimeToTargetResult1.toQString());
        set("ResTgtTimeValue2", record.m_strTimeToTargetResult2.toQString());
        set("ResTgtTimeValueDiff", record.m_strTimeToTargetResultDiff.toQString());
        set("ResPressValue1", record.m_strBreakAwayPressure1.toQString());
        set("ResPressValue2", record.m_strBreakAwayPressure2.toQString());
        set("ResPressValueDiff", record.m_strBreakAwayPressureDiff.toQString());
        set("ResTestResult1", record.m_strResult1.toQString());
        set("ResTestResult2", record.m_strResult2.toQString());
        // The unit stands once, in the unit column; under the values only
        // when file 2 was measured in another unit than file 1.
        const QString unit1 = record.m_strBreakAwayUnit1.toQString();
        const QString unit2 = record.m_strBreakAwayUnit2.toQString();
        const bool file2 = !record.m_strFileName2.toQString().isEmpty();
        const bool unitsDiffer = file2 && unit1 != unit2;
        set("ResUnitsLbl", unitsDiffer ? QString() : unit1);
        set("ResUnitsLbl1", unitsDiffer ? unit1 : QString());
        set("ResUnitsLbl2", unitsDiffer ? unit2 : QString());
        if (!file2)
            LeaveOutSecondFile(fields,
                { "Tag2Value", "TestDate2Value", "FileName2Value", "StartPosValue2", "StopPosValue2", "TimeTgtValue2",
                    "TestDurValue2", "ResTimeValue2", "ResTimeValueDiff", "ResTgtTimeValue2", "ResTgtTimeValueDiff",
                    "ResPressValue2", "ResPressValueDiff", "ResTestResult2" });
    };
    ReportFrame::Generate(descriptor, CReportHeader(), report, printer, definitionPath, page);
}

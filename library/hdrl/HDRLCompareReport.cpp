#include "HDRLCompareReport.h"

#include "core/ModuleStateGuard.h"

void GenerateHDRLTestCompareReport(CHDRLCompareReport record, IPlotPtr plot, IReportPtr report, IPrinterPtr printer,
    AutoString definitionPath, QWidget* page)
{
    ModuleStateGuard moduleState;
    using namespace HDRLCompareReportText;
    ReportFrameDescriptor descriptor(Row);
    descriptor.headerBlock = false;
    descriptor.fileTag = record.m_strTag1;
    descriptor.picturePlace = ReportFrameDescriptor::PicturePlace::BeforeFields;
    descriptor.pictures = {
        { plot, [&] { record.OnCompareControl(plot); }, ControlPicture, QStringLiteral("CntrolGrph") },
        { plot, [&] { record.OnCompareHDR(plot); }, HDRPicture, QStringLiteral("HDRGrph") },
        { plot, [&] { record.OnCompareLinearity(plot); }, LinearityPicture, QStringLiteral("LinGrph") },
    };
    descriptor.fields = [&record](const ReportFrameFields& fields) {
        const auto text
            = [&fields](const char* key, const QString& value) { fields.setText(QString::fromLatin1(key), value); };
        const auto value = [&text](const char* key, const AutoString& s) { text(key, s.toQString()); };
        SetCompareFileInformation(fields, record.m_strTag1, record.m_strTag2, record.m_strTestDate1,
            record.m_strTestDate2, record.m_strFileName1, record.m_strFileName2);
        text("PosnSetLbl", QStringLiteral("Position Settling Time:"));
        value("PosSetTime", record.m_strPosSettlingTime1);
        value("PosSetTime2", record.m_strPosSettlingTime2);
        text("HandDbandTitle", QStringLiteral("Hysteresis And Deadband"));
        text("RepeatTitle", QStringLiteral("Repeatability"));
        text("LinErrTitle", QStringLiteral("Linearity Error"));
        text("HandDAvgTitle", QStringLiteral("Average:"));
        text("HandDMaxTitle", QStringLiteral("Maximum:"));
        text("RepeatAvgTitle", QStringLiteral("Average:"));
        text("RepeatMaxTitle", QStringLiteral("Maximum:"));
        value("HandDAvg1Value", record.m_strHysDeadAverage1);
        value("HandDAvg2Value", record.m_strHysDeadAverage2);
        value("HandDAvgDelta", record.m_strHysDeadAverageDiff);
        value("HandDMax1Value", record.m_strHysDeadMaximum1);
        value("HandDMax2Value", record.m_strHysDeadMaximum2);
        value("HandDMaxDelta", record.m_strHysDeadMaximumDiff);
        value("RepeatAvg1Value", record.m_strRepeatAverage1);
        value("RepeatAvg2Value", record.m_strRepeatAverage2);
        value("RepeatAvgDelta", record.m_strRepeatAverageDiff);
        value("RepeatMax1Value", record.m_strRepeatMaximum1);
        value("RepeatMax2Value", record.m_strRepeatMaximum2);
        value("RepeatMaxDelta", record.m_strRepeatMaximumDiff);
        value("LinErr1Value", record.m_strLinearError1);
        value("LinErr2Value", record.m_strLinearError2);
        value("LinErrDelta", record.m_strLinearErrorDiff);
        if (record.m_strFileName2.toQString().isEmpty())
            LeaveOutSecondFile(fields,
                { "Tag2Value", "TestDate2Value", "FileName2Value", "PosSetTime2", "HandDAvg2Value", "HandDAvgDelta",
                    "HandDMax2Value", "HandDMaxDelta", "RepeatAvg2Value", "RepeatAvgDelta", "RepeatMax2Value",
                    "RepeatMaxDelta", "LinErr2Value", "LinErrDelta" });
    };
    ReportFrame::Generate(descriptor, CReportHeader(), report, printer, definitionPath, page);
}

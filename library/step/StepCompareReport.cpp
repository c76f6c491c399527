#include "StepCompareReport.h"

#include "core/ModuleStateGuard.h"

namespace
{

// A flag prints "YES" only when its byte is exactly 1.
QString yesNo(uint8_t flag)
{
    return flag == 1 ? QStringLiteral("YES") : QStringLiteral("NO");
}

} // namespace

void GenerateStepTestCompareReport(CStepTestCompareReport record, IPlotPtr plot, IReportPtr report, IPrinterPtr printer,
    AutoString definitionPath, QWidget* page, CReportHeader header)
{
    ModuleStateGuard moduleState;
    ReportFrameDescriptor descriptor(StepCompareReportText::Row);
    descriptor.headerBlock = false;
    descriptor.fileTag = record.m_strTag1;
    descriptor.picturePlace = ReportFrameDescriptor::PicturePlace::BeforeFields;
    descriptor.pictures = {
        { plot, [&] { record.SetStepView(plot, header); }, StepCompareReportText::StepPicture,
            QStringLiteral("StepGrph") },
        { plot, [&] { record.OnPvPView(plot, header); }, StepCompareReportText::PressurePicture,
            QStringLiteral("StepGrph2") },
    };
    descriptor.fields = [&record](const ReportFrameFields& fields) {
        const auto set
            = [&fields](const char* key, const QString& text) { fields.setText(QString::fromLatin1(key), text); };
        SetCompareFileInformation(fields, record.m_strTag1, record.m_strTag2, record.m_strTestDate1,
            record.m_strTestDate2, record.m_strFile1, record.m_strFile2);
        set("StartPos1Lbl", QStringLiteral("Start Position:"));
        set("StartPosn", record.m_strStartPosition1.toQString());
        set("StopPos1Lbl", QStringLiteral("Stop Position:"));
        set("StopPosn", record.m_strStopPosition1.toQString());
        set("StartPos2Lbl", QStringLiteral("Start Position:"));
        set("StartPosn2", record.m_strStartPosition2.toQString());
        set("StopPos2Lbl", QStringLiteral("Stop Position:"));
        set("StopPosn2", record.m_strStopPosition2.toQString());
        set("HoldTime1Lbl", QStringLiteral("Hold Time:"));
        set("HoldTime", record.m_strHoldTime1.toQString());
        set("HoldTime2Lbl", QStringLiteral("Hold Time:"));
        set("HoldTime2", record.m_strHoldTime2.toQString());
        set("SingleActing1Lbl", QStringLiteral("Single Acting:"));
        set("SingleAct1Value", yesNo(record.m_bSingleActing1));
        set("SingleActing2Lbl", QStringLiteral("Single Acting:"));
        set("SingleAct2Value", yesNo(record.m_bSingleActing2));
        set("SensorsAvail1Lbl", QStringLiteral("Sensors Available:"));
        set("SensorsAvail1Value", yesNo(record.m_bPressureSensor1));
        set("SensorsAvail2Lbl", QStringLiteral("Sensors Available:"));
        set("SensorsAvail2Value", yesNo(record.m_bPressureSensor2));
        if (record.m_strFile2.toQString().isEmpty())
            LeaveOutSecondFile(fields,
                { "Tag2Value", "TestDate2Value", "FileName2Value", "StartPos2Lbl", "StartPosn2", "StopPos2Lbl",
                    "StopPosn2", "HoldTime2Lbl", "HoldTime2", "SingleActing2Lbl", "SingleAct2Value", "SensorsAvail2Lbl",
                    "SensorsAvail2Value" });
    };
    ReportFrame::Generate(descriptor, header, report, printer, definitionPath, page);
}

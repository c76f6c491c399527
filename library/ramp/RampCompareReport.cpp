#include "RampCompareReport.h"

#include "core/ModuleStateGuard.h"

namespace
{

// The flags print "Yes" only when their byte is exactly 1.
QString yesNo(uint8_t flag)
{
    return flag == 1 ? QStringLiteral("Yes") : QStringLiteral("No");
}

} // namespace

void GenerateRampCompareReport(CRampCompareReport record, IXYPlotPtr plot, IReportPtr report, IPrinterPtr printer,
    AutoString definitionPath, QWidget* page, CReportHeader header)
{
    ModuleStateGuard moduleState;
    using namespace RampCompareReportText;
    ReportFrameDescriptor descriptor(Row);
    descriptor.headerBlock = false;
    descriptor.fileTag = record.m_strSpare;
    descriptor.innerCatch = true;
    descriptor.picturePlace = ReportFrameDescriptor::PicturePlace::BeforeFields;
    const IPlotPtr picturePlot = plot ? plot.query<Plot>() : IPlotPtr();
    const bool pressures = record.m_bShowPressure1 != 0 || record.m_bShowPressure2 != 0;
    const bool biDirectional = record.m_bBiDirectional1 == 1 || record.m_bBiDirectional2 == 1;
    descriptor.pictures.push_back(
        { picturePlot, [&] { record.SetRampView(plot, header); }, RampPicture, QStringLiteral("RampGrph") });
    if (pressures)
        descriptor.pictures.push_back({ picturePlot, [&] { record.SetPressureVPosView(plot, header); }, PressurePicture,
            QStringLiteral("RampGrph2") });
    descriptor.pictures.push_back(
        { picturePlot, [&] { record.SetSigVCommandView(plot, header); }, SignalsPicture, QStringLiteral("RampGrph3") });
    if (biDirectional && pressures)
        descriptor.pictures.push_back(
            { picturePlot, [&] { record.SetFrictionView(plot); }, FrictionPicture, QStringLiteral("RampGrph4") });
    descriptor.fields = [&record](const ReportFrameFields& fields) {
        const auto set
            = [&fields](const char* key, const QString& text) { fields.setText(QString::fromLatin1(key), text); };
        const auto value = [&set](const char* key, const AutoString& text) { set(key, text.toQString()); };
        set("FIleSettingsLbl", QStringLiteral("File Information"));
        set("File1Lbl", QStringLiteral("File#1"));
        set("File1TagLbl", QStringLiteral("Tag:"));
        value("Tag1Value", record.m_strTag1);
        set("File1DateLbl", QStringLiteral("File Date:"));
        value("TestDate1Value", record.m_strTestDate1);
        set("File1NameLbl", QStringLiteral("Filename:"));
        value("FileName1Value", record.m_strFileName1);
        set("File2Lbl", QStringLiteral("File#2"));
        set("File2TagLbl", QStringLiteral("Tag:"));
        value("Tag2Value", record.m_strTag2);
        set("File2DateLbl", QStringLiteral("File Date:"));
        value("TestDate2Value", record.m_strTestDate2);
        set("File2NameLbl", QStringLiteral("Filename:"));
        value("FileName2Value", record.m_strFileName2);
        set("StartPos1Lbl", QStringLiteral("Start Position:"));
        value("StartPosn", record.m_strStartPosition1);
        set("StopPos1Lbl", QStringLiteral("Stop Position:"));
        value("StopPosn", record.m_strStopPosition1);
        set("HoldTime1Lbl", QStringLiteral("Hold Time:"));
        value("HoldTime", record.m_strHoldTime1);
        set("TestDur1Lbl", QStringLiteral("Test Duration:"));
        value("TestDuration", record.m_strTestDuration1);
        value("StartPosn2", record.m_strStartPosition2);
        value("StopPosn2", record.m_strStopPosition2);
        value("HoldTime2", record.m_strHoldTime2);
        value("TestDuration2", record.m_strTestDuration2);
        set("SingleActing1Lbl", QStringLiteral("Single Acting:"));
        set("SingleAct1Value", yesNo(record.m_bSingleActing1));
        set("SingleAct2Value", yesNo(record.m_bSingleActing2));
        set("BiDir1Lbl", QStringLiteral("Bi-directional:"));
        set("BiDir1Value", yesNo(record.m_bBiDirectional1));
        set("BiDir2Value", yesNo(record.m_bBiDirectional2));
        set("SensorsAvail1Lbl", QStringLiteral("Sensors Available:"));
        set("SensorsAvail1Value", yesNo(record.m_bPressureSensor1));
        set("SensorsAvail2Value", yesNo(record.m_bPressureSensor2));
        set("SLenLabel1", QStringLiteral("Stroke Length:"));
        value("SLenValue1", record.m_strStrokeLength1);
        value("SLenValue2", record.m_strStrokeLength2);
        value("SLenUnit", record.m_strStrokeLengthUnit);
        set("ActSizeLbl1", QStringLiteral("Actuator Size:"));
        value("ActSizeValue1", record.m_strActuatorSize1);
        value("ActSizeValue2", record.m_strActuatorSize2);
        value("ActSizeUnit2", record.m_strActuatorSizeUnit);
        set("SpringSetLbl", QStringLiteral("Spring Set"));
        set("SprRateLbl", QStringLiteral("Spring Rate:"));
        value("SprRateValue1", record.m_strSpringRate1);
        value("SprRateValue2", record.m_strSpringRate2);
        value("SprRateUnit", record.m_strSpringRateUnit);
        set("SprInitLbl", QStringLiteral("Spring Initial:"));
        value("SprInitValue1", record.m_strSpringInitial1);
        value("SprInitValue2", record.m_strSpringInitial2);
        value("SprInitUnit", record.m_strSpringPressureUnit);
        set("SprFinLbl", QStringLiteral("Spring Final:"));
        value("SprFinValue1", record.m_strSpringFinal1);
        value("SprFinValue2", record.m_strSpringFinal2);
        value("SprFinUnit", record.m_strSpringPressureUnit);
    };
    ReportFrame::Generate(descriptor, header, report, printer, definitionPath, page);
}

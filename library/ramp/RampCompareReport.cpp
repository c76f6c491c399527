#include "RampCompareReport.h"

#include "core/ModuleStateGuard.h"

namespace
{

// The flags print "Yes" only when their byte is exactly 1.
QString yesNo(uint8_t flag)
{
    return flag == 1 ? QStringLiteral("Yes") : QStringLiteral("No");
}

// One field of the report: a fixed label, a text of the record, or a flag.
struct Field {
    const char* key;
    const char* label = nullptr;
    AutoString CRampCompareReport::*value = nullptr;
    uint8_t CRampCompareReport::*flag = nullptr;
};

using R = CRampCompareReport;

// In the order they are filled.
const Field Fields[] = {
    { "FIleSettingsLbl", "File Information" },
    { "File1Lbl", "File#1" },
    { "File1TagLbl", "Tag:" },
    { "Tag1Value", nullptr, &R::m_strTag1 },
    { "File1DateLbl", "File Date:" },
    { "TestDate1Value", nullptr, &R::m_strTestDate1 },
    { "File1NameLbl", "Filename:" },
    { "FileName1Value", nullptr, &R::m_strFileName1 },
    { "File2Lbl", "File#2" },
    { "File2TagLbl", "Tag:" },
    { "Tag2Value", nullptr, &R::m_strTag2 },
    { "File2DateLbl", "File Date:" },
    { "TestDate2Value", nullptr, &R::m_strTestDate2 },
    { "File2NameLbl", "Filename:" },
    { "FileName2Value", nullptr, &R::m_strFileName2 },
    { "StartPos1Lbl", "Start Position:" },
    { "StartPosn", nullptr, &R::m_strStartPosition1 },
    { "StopPos1Lbl", "Stop Position:" },
    { "StopPosn", nullptr, &R::m_strStopPosition1 },
    { "HoldTime1Lbl", "Hold Time:" },
    { "HoldTime", nullptr, &R::m_strHoldTime1 },
    { "TestDur1Lbl", "Test Duration:" },
    { "TestDuration", nullptr, &R::m_strTestDuration1 },
    { "StartPosn2", nullptr, &R::m_strStartPosition2 },
    { "StopPosn2", nullptr, &R::m_strStopPosition2 },
    { "HoldTime2", nullptr, &R::m_strHoldTime2 },
    { "TestDuration2", nullptr, &R::m_strTestDuration2 },
    { "SingleActing1Lbl", "Single Acting:" },
    { "SingleAct1Value", nullptr, nullptr, &R::m_bSingleActing1 },
    { "SingleAct2Value", nullptr, nullptr, &R::m_bSingleActing2 },
    { "BiDir1Lbl", "Bi-directional:" },
    { "BiDir1Value", nullptr, nullptr, &R::m_bBiDirectional1 },
    { "BiDir2Value", nullptr, nullptr, &R::m_bBiDirectional2 },
    { "SensorsAvail1Lbl", "Sensors Available:" },
    { "SensorsAvail1Value", nullptr, nullptr, &R::m_bPressureSensor1 },
    { "SensorsAvail2Value", nullptr, nullptr, &R::m_bPressureSensor2 },
    { "SLenLabel1", "Stroke Length:" },
    { "SLenValue1", nullptr, &R::m_strStrokeLength1 },
    { "SLenValue2", nullptr, &R::m_strStrokeLength2 },
    { "SLenUnit", nullptr, &R::m_strStrokeLengthUnit },
    { "ActSizeLbl1", "Actuator Size:" },
    { "ActSizeValue1", nullptr, &R::m_strActuatorSize1 },
    { "ActSizeValue2", nullptr, &R::m_strActuatorSize2 },
    { "ActSizeUnit2", nullptr, &R::m_strActuatorSizeUnit },
    { "SpringSetLbl", "Spring Set" },
    { "SprRateLbl", "Spring Rate:" },
    { "SprRateValue1", nullptr, &R::m_strSpringRate1 },
    { "SprRateValue2", nullptr, &R::m_strSpringRate2 },
    { "SprRateUnit", nullptr, &R::m_strSpringRateUnit },
    { "SprInitLbl", "Spring Initial:" },
    { "SprInitValue1", nullptr, &R::m_strSpringInitial1 },
    { "SprInitValue2", nullptr, &R::m_strSpringInitial2 },
    { "SprInitUnit", nullptr, &R::m_strSpringPressureUnit },
    { "SprFinLbl", "Spring Final:" },
    { "SprFinValue1", nullptr, &R::m_strSpringFinal1 },
    { "SprFinValue2", nullptr, &R::m_strSpringFinal2 },
    { "SprFinUnit", nullptr, &R::m_strSpringPressureUnit },
};

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
    // Both files' signals against command with their differences make up to
    // thirty legend entries: that picture spans the page, laid out as wide,
    // so the traces keep their room and the legend the plot's own font.
    descriptor.pictures.push_back({ picturePlot, [&] { record.SetSigVCommandView(plot, header); }, SignalsPicture,
        QStringLiteral("RampGrph3"), true });
    if (biDirectional && pressures)
        descriptor.pictures.push_back(
            { picturePlot, [&] { record.SetFrictionView(plot); }, FrictionPicture, QStringLiteral("RampGrph4") });
    descriptor.fields = [&record](const ReportFrameFields& fields) {
        for (const Field& field : Fields) {
            QString text;
            if (field.label)
                text = QString::fromUtf8(field.label);
            else if (field.value)
                text = (record.*field.value).toQString();
            else
                text = yesNo(record.*field.flag);
            fields.setText(QString::fromLatin1(field.key), text);
        }
        if (record.m_strFileName2.toQString().isEmpty())
            LeaveOutSecondFile(fields,
                { "File2TagLbl", "Tag2Value", "File2DateLbl", "TestDate2Value", "File2NameLbl", "FileName2Value",
                    "StartPosn2", "StopPosn2", "HoldTime2", "TestDuration2", "SingleAct2Value", "BiDir2Value",
                    "SensorsAvail2Value", "SLenValue2", "ActSizeValue2", "SprRateValue2", "SprInitValue2",
                    "SprFinValue2" });
    };
    ReportFrame::Generate(descriptor, header, report, printer, definitionPath, page);
}

#include "RampTestReport.h"

#include "core/ModuleStateGuard.h"

void FillRampSectionFields(const ReportFrameFields& fields, const CRampReport& record)
{
    const auto text
        = [&fields](const char* key, const QString& value) { fields.setText(QString::fromLatin1(key), value); };
    text("TestSettingsLbl", QStringLiteral("Ramp Test Settings"));
    text("StartPosLbl", QStringLiteral("Start Position:"));
    text("StartPosn", record.m_strStartPosition.toQString());
    text("StopPosLbl", QStringLiteral("Stop Position:"));
    text("StopPosn", record.m_strStopPosition.toQString());
    text("HoldTimeLbl", QStringLiteral("Hold Time:"));
    text("HoldTime", record.m_strHoldTime.toQString());
    text("TestDurLbl", QStringLiteral("Test Duration:"));
    text("TestDuration", record.m_strTestDuration.toQString());
    text("BiDirLbl", QStringLiteral("Bi-Directional:"));
    text("BiDirValue", record.m_bBiDirectional == 1 ? QStringLiteral("Yes") : QStringLiteral("No"));
    text("SpringSetLbl", QStringLiteral("Spring Set:"));
    text("SpRateLbl", QStringLiteral("Spring Rate:"));
    text("SpRateValue", record.m_strSpringRate.toQString());
    text("SpRateUnit", record.m_strSpringRateUnit.toQString());
    text("SpInitLbl", QStringLiteral("Spring Initial:"));
    text("SpInitValue", record.m_strSpringInitial.toQString());
    text("SpInitUnit", record.m_strSpringPressureUnit.toQString());
    text("SpFinLbl", QStringLiteral("Spring Final:"));
    text("SpFinValue", record.m_strSpringFinal.toQString());
    text("SpFinUnit", record.m_strSpringPressureUnit.toQString());
    text("StLenLbl", QStringLiteral("Stroke Length:"));
    text("StLenValue", record.m_strStrokeLength.toQString());
    text("StLenUnit", record.m_strStrokeLengthUnit.toQString());
    text("ActSizeLbl", QStringLiteral("Actuator Size:"));
    text("ActSizeValue", record.m_strActuatorSize.toQString());
    text("ActSizeUnit", record.m_strActuatorSizeUnit.toQString());
}

bool RampFrictionPictured(const CRampReport& record, uint8_t model)
{
    constexpr uint8_t SmallerModel = 6;
    return record.m_bBiDirectional != 0 && record.m_bPressureData != 0
        && !(model == SmallerModel && record.m_bSingleActing == 0);
}

void GenerateRampReport(CReportHeader header, CRampReport record, IXYPlotPtr plot, IReportPtr report,
    IPrinterPtr printer, AutoString definitionPath, QWidget* page)
{
    ModuleStateGuard moduleState;
    using namespace RampTestReportText;
    ReportFrameDescriptor descriptor(Row);
    descriptor.dateLabelKey = QStringLiteral("lblTestDate");
    descriptor.dateLabelText = DateLabel;
    descriptor.resultDates = { { QStringLiteral("lblTestDateResult"), record.m_strTestDate.toQString() } };
    descriptor.picturePlace = ReportFrameDescriptor::PicturePlace::BeforeFields;
    const IPlotPtr picturePlot = plot ? plot.query<Plot>() : IPlotPtr();
    descriptor.pictures = {
        { picturePlot, [&] { record.SetRampView(plot, header); }, RampPicture, QStringLiteral("RampGrph") },
        { picturePlot, [&] { record.SetPressureVPosView(plot, header); }, PressurePicture,
            QStringLiteral("RampGrph2") },
        { picturePlot, [&] { record.SetSigVCommandView(plot, header); }, SignalsPicture, QStringLiteral("RampGrph3") },
    };
    if (RampFrictionPictured(record, header.m_byModel))
        descriptor.pictures.push_back(
            { picturePlot, [&] { record.SetFrictionView(plot); }, FrictionPicture, QStringLiteral("RampGrph4") });
    descriptor.fields = [&record](const ReportFrameFields& fields) { FillRampSectionFields(fields, record); };
    ReportFrame::Generate(descriptor, header, report, printer, definitionPath, page);
}

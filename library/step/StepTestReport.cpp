#include "StepTestReport.h"

#include "core/ModuleStateGuard.h"

void GenerateStepTestReport(CReportHeader header, CStepTestReport record, IPlotPtr plot, IReportPtr report,
    IPrinterPtr printer, AutoString definitionPath, QWidget* page)
{
    ModuleStateGuard moduleState;
    ReportFrameDescriptor descriptor(StepTestReportText::Row);
    descriptor.dateLabelKey = QStringLiteral("lblTestDate");
    descriptor.resultDates = { { QStringLiteral("lblTestDateResult"), record.m_strTestDate.toQString() } };
    descriptor.picturePlace = ReportFrameDescriptor::PicturePlace::BeforeFields;
    descriptor.pictures = {
        { plot, [&] { record.OnStepClick(plot, header); }, StepTestReportText::StepPicture,
            QStringLiteral("RampGrph") },
        { plot, [&] { record.OnPvPClick(plot, header); }, StepTestReportText::PressurePicture,
            QStringLiteral("RampGrph2") },
    };
    descriptor.fields = [&record](const ReportFrameFields& fields) {
        fields.setText(QStringLiteral("TestSettingsLbl"), QStringLiteral("Step Test Settings"));
        fields.setText(QStringLiteral("StartPosLbl"), QStringLiteral("Start Position:"));
        fields.setText(QStringLiteral("StartPosn"), record.m_strStartPosition.toQString());
        fields.setText(QStringLiteral("StopPosLbl"), QStringLiteral("Stop Position:"));
        fields.setText(QStringLiteral("StopPosn"), record.m_strStopPosition.toQString());
        fields.setText(QStringLiteral("HoldTimeLbl"), QStringLiteral("Hold Time:"));
        fields.setText(QStringLiteral("HoldTime"), record.m_strHoldTime.toQString());
    };
    ReportFrame::Generate(descriptor, header, report, printer, definitionPath, page);
}

#include "HDRLTestReport.h"

#include "core/ModuleStateGuard.h"

void GenerateHDRLTestReport(CReportHeader header, CHDRLReport record, IPlotPtr plot, IReportPtr report,
    IPrinterPtr printer, AutoString definitionPath, QWidget* page)
{
    ModuleStateGuard moduleState;
    using namespace HDRLTestReportText;
    ReportFrameDescriptor descriptor(Row);
    descriptor.resultDates = { { QStringLiteral("lblTestDateResult"), record.m_strTestDate.toQString() } };
    descriptor.picturePlace = ReportFrameDescriptor::PicturePlace::BeforeFields;
    descriptor.pictures = {
        { plot, [&] { record.ControlClick(plot); }, ControlPicture, QStringLiteral("RampGrph") },
        { plot, [&] { record.HDRClicked(plot); }, HDRPicture, QStringLiteral("RampGrph2") },
        { plot, [&] { record.LinearityClicked(plot); }, LinearityPicture, QStringLiteral("RampGrph3") },
    };
    descriptor.fields = [&record](const ReportFrameFields& fields) {
        const auto text
            = [&fields](const char* key, const QString& value) { fields.setText(QString::fromLatin1(key), value); };
        text("HysDeadResult", QStringLiteral("Hysteresis And Deadband"));
        text("lblRepeat", QStringLiteral("Repeatability"));
        text("lblLinearError", QStringLiteral("Linearity Error"));
        text("TestSettingsLbl1", QStringLiteral("Test Settings"));
        text("lblTestDateHeader", QStringLiteral("Test Date"));
        text("lblAverage", QStringLiteral("Average:"));
        text("lblAverageValue", record.m_strHysDeadAverage.toQString());
        text("lblMaximum", QStringLiteral("Maximum:"));
        text("lblMaximumValue", record.m_strHysDeadMaximum.toQString());
        text("lblAverage1", QStringLiteral("Average:"));
        text("lblAverageValueReapt", record.m_strRepeatAverage.toQString());
        text("lblMaximum1", QStringLiteral("Maximum:"));
        text("lblMaximumValueReapt", record.m_strRepeatMaximum.toQString());
        text("lblLinearErrorValue", record.m_strLinearError.toQString());
        text("lblPosSettlingTime", QStringLiteral("Position Settling Time:"));
        text("lblPosSettlingTimeValue", record.m_strPosSettlingTime.toQString());
    };
    ReportFrame::Generate(descriptor, header, report, printer, definitionPath, page);
}

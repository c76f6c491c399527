#include "data_logger/DataLoggerReport.h"

#include "core/ModuleStateGuard.h"

ReportFrameDescriptor DataLoggerReportDescriptor(const CDataLoggerReport& record, const IPlotPtr& plot)
{
    ReportFrameDescriptor descriptor(ReportFrameRows::DataLogger);
    descriptor.headerBlock = true;
    descriptor.pictures.push_back(
        ReportFramePicture { plot, nullptr, QStringLiteral("DataLogger.bmp"), QStringLiteral("DataLogGrph") });
    descriptor.picturePlace = ReportFrameDescriptor::PicturePlace::BeforeFields;
    descriptor.fields = [record](const ReportFrameFields& fields) {
        fields.setText(QStringLiteral("TestSettingsLbl"), QStringLiteral("Data Logger Settings"));
        fields.setText(QStringLiteral("IntrvalLbl"), QStringLiteral("Interval"));
        fields.setText(QStringLiteral("IntrvalValue"), record.m_strInterval.toQString());
        fields.setText(QStringLiteral("DurationLbl"), QStringLiteral("Duration:"));
        fields.setText(QStringLiteral("DurationValue"), record.m_strDuration.toQString());
        fields.setText(QStringLiteral("DurationUnitValue"), record.m_strDurationUnit.toQString());
    };
    return descriptor;
}

void GenerateDataLoggerReport(CReportHeader header, CDataLoggerReport record, IPlotPtr plot, IReportPtr report,
    IPrinterPtr printer, AutoString definitionPath, QWidget* parent)
{
    ModuleStateGuard moduleState;
    ReportFrame::Generate(DataLoggerReportDescriptor(record, plot), std::move(header), std::move(report),
        std::move(printer), std::move(definitionPath), parent);
}

#include "trends_logger_calibration/TrendsReport.h"

#include "core/ModuleStateGuard.h"
#include "core/PlotChannelHelpers.h"
#include "core/ReportFrame.h"
#include "trends_logger_calibration/TrendsFile.h"
#include "trends_logger_calibration/TrendsPlots.h"

namespace
{

// Which signal each "shown" field reports, read from the 24-hours plot.
constexpr const char* ActiveFields[TrendsChannels::SignalCount] { "lblPosActive", "lblCommActive", "lblDevActive",
    "lblFricActive", "lblSupActive", "lblPTempActive" };

struct Picture {
    const char* fileName;
    const char* fieldKey;
};
constexpr Picture Pictures[TrendsChannels::PeriodCount] { { "TrendHours.bmp", "RampGrph" },
    { "TrendDays.bmp", "RampGrph2" }, { "TrendMonths.bmp", "RampGrph3" }, { "TrendYears.bmp", "RampGrph4" } };

} // namespace

void GenerateTrendsReport(CReportHeader header, CTrendsReport record, IPlotPtr hours, IPlotPtr days,
    IPlotPtr months, IPlotPtr years, IReportPtr report, IPrinterPtr printer, AutoString definitionPath,
    QWidget* parent)
{
    ModuleStateGuard moduleState;
    ReportFrameDescriptor descriptor { ReportFrameRows::Trends };
    // The plots are pictured as they are shown, before anything is filled.
    descriptor.picturePlace = ReportFrameDescriptor::PicturePlace::BeforeFields;
    descriptor.fileTag = TrendsNameTag(header.m_strTag);
    const IPlotPtr plots[TrendsChannels::PeriodCount] { hours, days, months, years };
    for (int p = 0; p < TrendsChannels::PeriodCount; ++p) {
        descriptor.pictures.push_back({ plots[p], {}, QString::fromLatin1(Pictures[p].fileName),
            QString::fromLatin1(Pictures[p].fieldKey) });
    }
    const QString pressureUnit = record.PressureUnitText.toQString();
    const QString temperatureUnit = record.TemperatureUnitText.toQString();
    descriptor.fields = [hours, pressureUnit, temperatureUnit](const ReportFrameFields& fields) {
        for (int s = 0; s < TrendsChannels::SignalCount; ++s) {
            const IPlotChannelPtr channel
                = GetDispatchDriverIPlotXChannelByName(hours, AutoString(TrendsChannels::Signals[size_t(s)]));
            fields.setText(QString::fromLatin1(ActiveFields[s]),
                channel->GetVisible() ? QStringLiteral("Yes") : QStringLiteral("No"));
        }
        fields.setText(QStringLiteral("lblPosition"), QStringLiteral("Position(%)"));
        fields.setText(QStringLiteral("lblCommand"), QStringLiteral("Command(%)"));
        fields.setText(QStringLiteral("lblDeviation"), QStringLiteral("Deviation(%)"));
        fields.setText(QStringLiteral("lblFriction"), QStringLiteral("Friction(lbs)"));
        fields.setText(QStringLiteral("lblSupply"), QStringLiteral("Supply Pressure(") + pressureUnit + QStringLiteral(")"));
        fields.setText(QStringLiteral("lblTemp"), QStringLiteral("Temperature(") + temperatureUnit + QStringLiteral(")"));
    };
    ReportFrame::Generate(descriptor, std::move(header), std::move(report), std::move(printer),
        std::move(definitionPath), parent);
}

#include "trends/TrendsReport.h"

#include "core/ModuleStateGuard.h"
#include "core/PlotChannelHelpers.h"
#include "core/ReportFrame.h"
#include "trends/TrendsPlots.h"

#include <array>

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

// The trend plots stand narrow and tall on their page; a picture taken at
// that shape would be squeezed into the report's wide picture. Each plot is
// laid out at a report-shaped size for its picture and gets its own size
// back once the pictures are taken, before the user sees the page again, and
// on every way out.
constexpr QSize PictureLayoutSize { 566, 300 };

class PictureLayout
{
public:
    explicit PictureLayout(const std::array<IPlotPtr, TrendsChannels::PeriodCount>& plots)
        : m_plots(plots)
    {
        for (size_t p = 0; p < m_plots.size(); ++p) {
            m_sizes[p] = m_plots[p] ? m_plots[p]->size() : QSize();
            m_legends[p] = m_plots[p] && m_plots[p]->GetLegendVisible();
        }
    }
    ~PictureLayout() { restore(); }
    // Back to the sizes the page gave them, before the page is seen again.
    void restore()
    {
        for (size_t p = 0; p < m_plots.size(); ++p) {
            try {
                if (!m_plots[p])
                    continue;
                if (m_plots[p]->size() != m_sizes[p])
                    m_plots[p]->resize(m_sizes[p]);
                m_plots[p]->SetLegendVisible(m_legends[p]);
            } catch (...) {
                // A plot that is gone has no size to get back.
            }
        }
    }
    PictureLayout(const PictureLayout&) = delete;
    PictureLayout& operator=(const PictureLayout&) = delete;

    // On paper the page's own colour key is missing: each picture carries
    // the plot's legend instead. The axes follow the values, as on the page.
    void widen(size_t p) const
    {
        const IPlotPtr& plot = m_plots[p];
        plot->resize(PictureLayoutSize);
        plot->SetLegendVisible(true);
    }

private:
    std::array<IPlotPtr, TrendsChannels::PeriodCount> m_plots;
    std::array<QSize, TrendsChannels::PeriodCount> m_sizes;
    std::array<bool, TrendsChannels::PeriodCount> m_legends {};
};

} // namespace

void GenerateTrendsReport(CReportHeader header, CTrendsReport record, IPlotPtr hours, IPlotPtr days, IPlotPtr months,
    IPlotPtr years, IReportPtr report, IPrinterPtr printer, AutoString definitionPath, QWidget* parent)
{
    ModuleStateGuard moduleState;
    ReportFrameDescriptor descriptor { ReportFrameRows::Trends };
    // The plots are pictured as they are shown, before anything is filled.
    descriptor.picturePlace = ReportFrameDescriptor::PicturePlace::BeforeFields;
    const std::array<IPlotPtr, TrendsChannels::PeriodCount> plots { hours, days, months, years };
    PictureLayout layout(plots);
    for (size_t p = 0; p < plots.size(); ++p) {
        const IPlotPtr plot = plots[p];
        descriptor.pictures.push_back({ plot, [&layout, p] { layout.widen(p); },
            QString::fromLatin1(Pictures[p].fileName), QString::fromLatin1(Pictures[p].fieldKey) });
    }
    // Once pictured, each plot shows its screen bar again before the report
    // is filled, so the page behind the PDF dialog and the print question
    // looks as the user left it.
    descriptor.afterPictures = [&layout, &plots] {
        layout.restore();
        for (const IPlotPtr& plot : plots)
            plot->ScreenBar(0)->SetVisible(true);
    };
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
        fields.setText(
            QStringLiteral("lblSupply"), QStringLiteral("Supply Pressure(") + pressureUnit + QStringLiteral(")"));
        fields.setText(
            QStringLiteral("lblTemp"), QStringLiteral("Temperature(") + temperatureUnit + QStringLiteral(")"));
    };
    ReportFrame::Generate(
        descriptor, std::move(header), std::move(report), std::move(printer), std::move(definitionPath), parent);
}

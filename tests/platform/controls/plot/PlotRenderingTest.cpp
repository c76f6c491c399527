#include "DrawnPlotTexts.h"
#include "SwTest.h"

#include "automation/ComError.h"
#include "controls/Plot.h"
#include "controls/PlotTraceRenderer.h"
#include "controls/WinColor.h"

#include <QCoreApplication>
#include <QDir>
#include <QEvent>
#include <QImage>
#include <QPainter>
#include <QRandomGenerator>

#include <cmath>
#include <limits>

namespace
{

constexpr uint32_t Red = 0x000000FFu;

// Pictures the rendering tests looked at stay beside the test program.
void keepArtifact(const QImage& image, const char* name)
{
    const QString folder = QCoreApplication::applicationDirPath() + QStringLiteral("/artifacts/plot");
    QDir().mkpath(folder);
    image.save(folder + QLatin1Char('/') + QString::fromLatin1(name) + QStringLiteral(".png"));
}

QImage grabbed(Plot& plot, const char* name)
{
    QImage image = plot.grab().toImage().convertToFormat(QImage::Format_RGB32);
    keepArtifact(image, name);
    return image;
}

int countColour(const QImage& image, const QRect& box, const QColor& colour)
{
    int count = 0;
    const QRect inside = box.intersected(image.rect());
    for (int y = inside.top(); y <= inside.bottom(); ++y)
        for (int x = inside.left(); x <= inside.right(); ++x)
            if (image.pixelColor(x, y) == colour)
                ++count;
    return count;
}

QRect around(const QPointF& at, int radius)
{
    const QPoint p = at.toPoint();
    return QRect(p.x() - radius, p.y() - radius, 2 * radius + 1, 2 * radius + 1);
}

// A plot on axes 0..10 and 0..100 with one red channel from (0, 0) to (10, 100).
class PlotRendering : public SwTest
{
protected:
    void SetUp() override
    {
        SwTest::SetUp();
        plot.resize(640, 400);
        plot.SetTitle(QStringLiteral("Step Test"));
        plot.XAxis(0)->SetName(QStringLiteral("Time"));
        plot.XAxis(0)->SetTitle(QStringLiteral("Step Time [s]"));
        plot.XAxis(0)->SetMin(0);
        plot.XAxis(0)->SetSpan(10);
        plot.YAxis(0)->SetName(QStringLiteral("Position"));
        plot.YAxis(0)->SetTitle(QStringLiteral("Position [%]"));
        plot.YAxis(0)->SetMin(0);
        plot.YAxis(0)->SetSpan(100);
        plot.SetGridVisible(false);
        channel = plot.Channel(plot.AddChannel());
        channel->SetName(QStringLiteral("Position"));
        channel->SetColor(Red);
        channel->SetLineWidth(2);
        channel->SetXAxisName(QStringLiteral("Time"));
        channel->SetYAxisName(QStringLiteral("Position"));
    }

    QPointF at(double x, double y) const
    {
        const QRectF area = plot.plotArea();
        return QPointF(area.left() + x / 10.0 * area.width(), area.bottom() - y / 100.0 * area.height());
    }

    // The eighteen traces of a two-file compare plot (file 1, file 2, the
    // difference), each from 10 % at 0 s, rising to 90 % at 10 s when `rising`.
    void addEighteenCompareTraces(bool rising)
    {
        const char* const names[] = { "Position", "Command", "Port1 Pressure", "Port2 Pressure", "Pilot Relay Command",
            "Pilot Relay Position" };
        for (const char* suffix : { " 1", " 2", " Delta" })
            for (const char* name : names) {
                const IPlotChannelPtr added = plot.Channel(plot.AddChannel());
                added->SetTitle(QString::fromLatin1(name) + QString::fromLatin1(suffix));
                added->SetXAxisName(QStringLiteral("Time"));
                added->SetYAxisName(QStringLiteral("Position"));
                added->AddXY(0, 10);
                if (rising)
                    added->AddXY(10, 90);
            }
    }

    Plot plot;
    IPlotChannelPtr channel;
};

} // namespace

TEST_F(PlotRendering, TraceRunsFromCornerToCornerOfThePlotArea)
{
    channel->AddXY(0, 0);
    channel->AddXY(10, 100);
    const QImage image = grabbed(plot, "trace_corner_to_corner");
    const QColor red = WinColor::toQColor(Red);
    const QRectF area = plot.plotArea();
    EXPECT_GT(countColour(image, around(area.bottomLeft(), 2), red), 0);
    EXPECT_GT(countColour(image, around(area.topRight(), 2), red), 0);
    EXPECT_GT(countColour(image, around(at(5, 50), 2), red), 0);
    // Nowhere near the other two corners.
    EXPECT_EQ(countColour(image, around(area.topLeft(), 20), red), 0);
    EXPECT_EQ(countColour(image, around(area.bottomRight(), 20), red), 0);
}

TEST_F(PlotRendering, HiddenChannelOrOneOnAnAxisNoneDrawsNothing)
{
    plot.SetLegendVisible(false);
    const QImage empty = grabbed(plot, "no_points");
    channel->AddXY(0, 0);
    channel->AddXY(10, 100);

    channel->SetVisible(false);
    EXPECT_EQ(grabbed(plot, "hidden_channel"), empty);

    channel->SetVisible(true);
    channel->SetXAxisName(QStringLiteral("None"));
    channel->SetYAxisName(QStringLiteral("None"));
    EXPECT_EQ(grabbed(plot, "channel_on_axis_none"), empty);
}

TEST_F(PlotRendering, MarkerStylesAreThreeDistinctShapes)
{
    channel->SetLineWidth(1);
    channel->SetMarkersVisible(true);
    channel->SetMarkerSize(3);
    channel->AddXY(5, 50);
    const QColor red = WinColor::toQColor(Red);
    std::vector<QImage> markers;
    for (int style : { 0, 1, 5 }) {
        channel->SetMarkerStyle(style);
        const QImage image = grabbed(plot,
            style == 0       ? "marker_style_0"
                : style == 1 ? "marker_style_1"
                             : "marker_style_5");
        const QRect box = around(at(5, 50), 5);
        EXPECT_GE(countColour(image, box, red), 6) << "style " << style;
        markers.push_back(image.copy(box));
    }
    EXPECT_NE(markers[0], markers[1]);
    EXPECT_NE(markers[0], markers[2]);
    EXPECT_NE(markers[1], markers[2]);
}

TEST_F(PlotRendering, IndividualMarkingShowsMarkersOnlyAtMarkedPoints)
{
    // The legend's sample shows the marker too: only the trace is looked at.
    plot.SetLegendVisible(false);
    for (int x = 1; x <= 9; x += 2)
        channel->AddXY(x, 50);
    channel->SetLineWidth(1);
    const QImage plain = grabbed(plot, "no_markers");
    channel->SetMarkersVisible(true);
    channel->SetMarkerStyle(5);
    channel->SetIndividualMarking(true);
    const QImage everyPoint = grabbed(plot, "markers_at_every_point");
    channel->MarkPoint(2, true);
    const QImage onePoint = grabbed(plot, "marker_at_point_2");

    // No point marked: a marker at every point.
    for (int x = 1; x <= 9; x += 2)
        EXPECT_NE(everyPoint.copy(around(at(x, 50), 5)), plain.copy(around(at(x, 50), 5))) << x;
    // One point marked: the picture differs from the plain trace only there.
    const QRect marked = around(at(5, 50), 6);
    for (int y = 0; y < plain.height(); ++y)
        for (int x = 0; x < plain.width(); ++x)
            if (plain.pixel(x, y) != onePoint.pixel(x, y)) {
                ASSERT_TRUE(marked.contains(x, y)) << x << "," << y;
            }
    EXPECT_NE(onePoint.copy(marked), plain.copy(marked));
}

TEST_F(PlotRendering, DenseTraceKeepsItsLineWidth)
{
    for (int i = 0; i <= 5000; ++i)
        channel->AddXY(i * 0.002, 50.0);
    const QColor red = WinColor::toQColor(Red);
    for (int width : { 1, 2, 3 }) {
        channel->SetLineWidth(width);
        const QImage image = plot.renderImage(plot.size());
        const QPoint middle = at(5, 50).toPoint();
        EXPECT_EQ(countColour(image, QRect(middle.x(), middle.y() - 6, 1, 13), red), width) << "width " << width;
    }
}

TEST_F(PlotRendering, AHugeLineWidthOrMarkerSizeFromAFileIsDrawnAtAPaintableSize)
{
    // A data file may carry any width; drawing it as it stands took minutes a frame.
    for (int i = 0; i <= 5000; ++i)
        channel->AddXY(i * 0.002, 50.0);
    channel->SetLineWidth(std::numeric_limits<int>::max());
    const QColor red = WinColor::toQColor(Red);
    const QPoint middle = at(5, 50).toPoint();
    const QImage wide = plot.renderImage(plot.size());
    keepArtifact(wide, "huge_line_width");
    EXPECT_EQ(countColour(wide, QRect(middle.x(), middle.y() - 40, 1, 81), red), 32);
    EXPECT_EQ(channel->GetLineWidth(), std::numeric_limits<int>::max()) << "the setting itself is kept";

    channel->Clear();
    channel->AddXY(5, 50);
    channel->SetLineWidth(1);
    channel->SetMarkersVisible(true);
    channel->SetMarkerStyle(1);
    channel->SetMarkerSize(std::numeric_limits<int>::max());
    const QImage marker = plot.renderImage(plot.size());
    keepArtifact(marker, "huge_marker_size");
    // A circle of radius 32 across the column through its centre; its antialiased rim may miss exact red.
    EXPECT_NEAR(countColour(marker, QRect(middle.x(), 0, 1, marker.height()), red), 64, 2);
}

TEST_F(PlotRendering, PicturesTakeTheFormatOfTheirExtensionAndTheAskedSize)
{
    channel->AddXY(0, 0);
    channel->AddXY(10, 100);
    const QString bmp = tempPath(QStringLiteral("StepTest.bmp"));
    plot.SaveImage(bmp, QSize(2000, 1060));
    const QImage report(bmp, "BMP");
    ASSERT_FALSE(report.isNull());
    EXPECT_EQ(report.size(), QSize(2000, 1060));
    keepArtifact(report, "report_picture_2000x1060");
    EXPECT_GT(countColour(report, report.rect(), WinColor::toQColor(Red)), 2000);

    const QString png = tempPath(QStringLiteral("StepTest.png"));
    plot.SaveImage(png);
    EXPECT_EQ(QImage(png, "PNG").size(), plot.size());

    EXPECT_THROW(plot.SaveImage(tempPath(QStringLiteral("StepTest.xyz"))), ComError);
}

TEST_F(PlotRendering, ScreenBarIsLeftOutOfThePictureWhenHidden)
{
    const QColor barFace = WinColor::toQColor(WinColor::ButtonFace);
    const QRect topStrip(0, 0, plot.width(), 4);
    EXPECT_EQ(countColour(plot.renderImage(plot.size()), topStrip, barFace), topStrip.width() * topStrip.height());
    plot.ScreenBar(0)->SetVisible(false);
    const QImage without = plot.renderImage(plot.size());
    keepArtifact(without, "without_screen_bar");
    EXPECT_EQ(countColour(without, topStrip, barFace), 0);
    EXPECT_THROW(plot.ScreenBar(1), ComError);
}

TEST_F(PlotRendering, AxisLabelsStayOnTheIncrementWhileTheyFitAndThinToRoundStepsWhereTheyWouldTouch)
{
    const auto labelsOf = [](const std::vector<PlotPainter::DrawnText>& drawn) {
        QStringList texts;
        for (const PlotPainter::DrawnText& label : drawn)
            texts << label.text;
        return texts;
    };
    // Room enough: every tick of the increment keeps its label.
    plot.XAxis(0)->SetIncrement(1);
    plot.YAxis(0)->SetIncrement(10);
    {
        DrawnPlotTexts drawn;
        plot.renderImage(plot.size());
        ASSERT_EQ(drawn.paintings().size(), 1u);
        const auto& axes = drawn.paintings()[0].texts.axisLabels;
        ASSERT_EQ(axes.size(), 2u);
        EXPECT_EQ(labelsOf(axes[0]), QStringList({ "0", "1", "2", "3", "4", "5", "6", "7", "8", "9", "10" }));
        EXPECT_EQ(labelsOf(axes[1]), QStringList({ "0", "10", "20", "30", "40", "50", "60", "70", "80", "90", "100" }));
    }
    // A force axis over nearly 3000 lbf at an increment of 100, its first
    // tick at an odd minimum, in a small picture; and a time axis of twenty
    // thousand milliseconds across a narrow plot.
    plot.resize(320, 240);
    plot.YAxis(0)->SetMin(203.4);
    plot.YAxis(0)->SetSpan(2870);
    plot.YAxis(0)->SetIncrement(100);
    plot.YAxis(0)->SetStartValue(0);
    plot.XAxis(0)->SetSpan(20000);
    plot.XAxis(0)->SetIncrement(0);
    DrawnPlotTexts drawn;
    plot.renderImage(plot.size());
    ASSERT_EQ(drawn.paintings().size(), 1u);
    EXPECT_EQ(DrawnPlotTexts::faultsOf(drawn.paintings()[0]), QStringList());
    const auto& axes = drawn.paintings()[0].texts.axisLabels;
    ASSERT_EQ(axes.size(), 2u);
    const QStringList time = labelsOf(axes[0]);
    const QStringList force = labelsOf(axes[1]);
    EXPECT_GE(time.size(), 3) << time.join(' ').toStdString();
    EXPECT_GE(force.size(), 3) << force.join(' ').toStdString();
    EXPECT_LT(force.size(), 29) << force.join(' ').toStdString();
    // Every label on a round step: 200, 500, 1000, ... apart.
    const auto onStep = [](const QStringList& labels, std::initializer_list<double> steps) {
        for (double step : steps) {
            bool all = labels.size() > 1 && std::abs(labels[1].toDouble() - labels[0].toDouble() - step) < 1e-9;
            for (const QString& label : labels)
                all = all && std::fmod(label.toDouble(), step) == 0.0;
            if (all)
                return true;
        }
        return false;
    };
    EXPECT_TRUE(onStep(force, { 200, 500, 1000 })) << force.join(' ').toStdString();
    EXPECT_TRUE(onStep(time, { 4000, 5000, 10000 })) << time.join(' ').toStdString();
}

TEST_F(PlotRendering, AFittedAxisIsLabelledAtBothEndsOnScreenAsInAPicture)
{
    const auto labelsOf = [](const std::vector<PlotPainter::DrawnText>& drawn) {
        QStringList texts;
        for (const PlotPainter::DrawnText& label : drawn)
            texts << label.text;
        return texts;
    };
    // A ramp's position from -5 to 105 % fits -10..110 on its steps of 10;
    // thirty days of trends fit 0..35 on steps of 5. Neither end stands on
    // the every-other label a small plot thins its labels to.
    const struct {
        const char* what;
        QSize screen;
        PlotAxis::Fit fit;
        double keptUpper;
        double increment;
        std::vector<double> values;
        bool onY;
        QString lowerEnd;
        QString upperEnd;
    } cases[] = {
        { "ramp position", QSize(497, 263), PlotAxis::Fit::Value, 100, 10, { -5, 50, 105 }, true, "-10", "110" },
        { "thirty days", QSize(260, 200), PlotAxis::Fit::Time, 30, 5, { 0, 15, 30 }, false, "0", "35" },
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        plot.resize(c.screen);
        plot.SetAxesFitShownTraces(true);
        PlotAxis& axis = c.onY ? *plot.YAxis(0) : *plot.XAxis(0);
        PlotAxis& other = c.onY ? *plot.XAxis(0) : *plot.YAxis(0);
        axis.SetFit(c.fit);
        axis.SetKeptRange(0, c.keptUpper);
        axis.SetIncrement(c.increment);
        axis.SetStartValue(0);
        other.SetFit(c.onY ? PlotAxis::Fit::Time : PlotAxis::Fit::Value);
        other.SetKeptRange(0, std::numeric_limits<double>::quiet_NaN());
        other.SetIncrement(0);
        channel->Clear();
        for (size_t k = 0; k < c.values.size(); ++k)
            channel->AddXY(c.onY ? double(k) : c.values[k], c.onY ? c.values[k] : 40.0 + double(k));
        ASSERT_EQ(axis.GetMin(), c.lowerEnd.toDouble());
        ASSERT_EQ(axis.GetMax(), c.upperEnd.toDouble());

        DrawnPlotTexts drawn;
        grabbed(plot, "fitted_ends_screen");
        plot.renderImage(QSize(2000, 2000 * c.screen.height() / c.screen.width()));
        ASSERT_EQ(drawn.paintings().size(), 2u);
        for (const DrawnPlotTexts::Painting& painting : drawn.paintings()) {
            const std::string where = painting.texts.picture ? "picture" : "screen";
            EXPECT_EQ(DrawnPlotTexts::faultsOf(painting), QStringList()) << where;
            ASSERT_EQ(painting.texts.axisLabels.size(), 2u) << where;
            const QStringList labels = labelsOf(painting.texts.axisLabels[c.onY ? 1 : 0]);
            ASSERT_GE(labels.size(), 2) << where;
            EXPECT_EQ(labels.front(), c.lowerEnd) << where << ": " << labels.join(' ').toStdString();
            EXPECT_EQ(labels.back(), c.upperEnd) << where << ": " << labels.join(' ').toStdString();
        }
    }
}

TEST_F(PlotRendering, EighteenLegendEntriesInASmallPictureAreEachDrawnWhole)
{
    addEighteenCompareTraces(true);
    channel->SetVisible(false);
    // The compare plots' sizes on the page and in their report pictures,
    // taken as a report takes them: without the tool strip.
    plot.ScreenBar(0)->SetVisible(false);
    for (const QSize& size : { QSize(497, 263), QSize(497, 507), QSize(518, 275) }) {
        plot.resize(size);
        DrawnPlotTexts drawn;
        keepArtifact(plot.renderImage(QSize(2000, 2000 * size.height() / size.width())),
            QStringLiteral("eighteen_entries_%1x%2").arg(size.width()).arg(size.height()).toLatin1().constData());
        ASSERT_EQ(drawn.paintings().size(), 1u);
        EXPECT_EQ(drawn.paintings()[0].texts.legendEntries.size(), 18u);
        EXPECT_EQ(DrawnPlotTexts::faultsOf(drawn.paintings()[0]), QStringList())
            << size.width() << "x" << size.height();
    }
}

// What the axis and legend check sees: a legend entry whose end the painter
// clips off (the " 1" or " 2" that tells compared traces apart) is cut even
// inside the legend's frame, labels that touch read as one number, and an
// axis title longer than its room loses its ends.
TEST_F(PlotRendering, TextsClippedShortOrTouchingAreFaultsOfThePainting)
{
    using Text = PlotPainter::DrawnText;
    const QRectF legend(300, 0, 200, 200);
    const Text whole { QStringLiteral("Position 1"), QRectF(330, 10, 60, 14), QRectF(330, 10, 70, 14) };
    const Text cutEnd { QStringLiteral("Pilot Relay Command 1"), QRectF(330, 30, 130, 14), QRectF(330, 30, 120, 14) };
    const Text zero { QStringLiteral("0"), QRectF(10, 280, 8, 14), QRectF(9, 280, 10, 14) };
    const auto labelAt = [](const char* text, double left) {
        const QRectF box(left, 280, 30, 14);
        return Text { QString::fromLatin1(text), box, box.adjusted(-1, 0, 1, 0) };
    };
    struct Case {
        const char* what;
        std::vector<Text> labels;
        std::vector<Text> entries;
        QStringList faults;
        std::vector<Text> titles = {};
    };
    // A value axis's title, upright: 219 px of text in a band 210 px tall.
    const Text longTitle { QStringLiteral("Position Error %fs (Command - Position)"), QRectF(4, 40, 12.8, 218.8),
        QRectF(4, 44.35, 12.8, 210.1) };
    const Text title { QStringLiteral("Time [s]"), QRectF(200, 280, 50, 14), QRectF(100, 280, 300, 14) };
    const QString where = QStringLiteral("\"Ramp\" 500x300: ");
    const Case cases[] = {
        { "whole texts a pixel apart", { zero, labelAt("2000", 50), labelAt("4000", 81) }, { whole }, {} },
        { "an entry clipped short of its end", { zero }, { whole, cutEnd },
            { where + QStringLiteral("legend entry \"Pilot Relay Command 1\" is cut") } },
        { "a label clipped short",
            { Text { QStringLiteral("2000"), QRectF(50, 280, 30, 14), QRectF(50, 280, 20, 14) } }, {},
            { where + QStringLiteral("label \"2000\" is cut") } },
        { "labels that touch", { labelAt("2000", 50), labelAt("4000", 80) }, {},
            { where + QStringLiteral("labels \"2000\" and \"4000\" overlap") } },
        { "labels a pixel into each other", { labelAt("2000", 50), labelAt("4000", 79) }, {},
            { where + QStringLiteral("labels \"2000\" and \"4000\" overlap") } },
        { "a label past the picture's edge", { labelAt("10000", 480) }, {},
            { where + QStringLiteral("label \"10000\" runs off the picture") } },
        { "a whole time axis title", { zero }, {}, {}, { title } },
        { "a value axis title longer than its band", { zero }, {},
            { where
                + QStringLiteral(
                    "axis title \"Position Error %fs (Command - Position)\" is cut: 12.8 x 218.8 in 12.8 x 210.1") },
            { longTitle } },
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        DrawnPlotTexts::Painting painting;
        painting.plotTitle = QStringLiteral("Ramp");
        painting.texts.size = QSizeF(500, 300);
        painting.texts.axisLabels = { c.labels };
        painting.texts.legendEntries = c.entries;
        painting.texts.legendRoom = c.entries.empty() ? QRectF() : legend;
        painting.texts.axisTitles = c.titles;
        EXPECT_EQ(DrawnPlotTexts::faultsOf(painting), c.faults);
    }
}

// File 1, file 2 and their difference share a colour: only the sample of
// each entry (the line, and the marker in its middle) tells them apart.
TEST_F(PlotRendering, EachLegendEntryDrawsItsTracesLineAndMarker)
{
    channel->SetTitle(QStringLiteral("Position 1"));
    channel->AddXY(0, 10);
    struct Entry {
        const char* title;
        int markerStyle; // -1: no markers
    };
    for (const Entry& entry : { Entry { "Position 2", 0 }, Entry { "Position Delta", 5 } }) {
        const IPlotChannelPtr added = plot.Channel(plot.AddChannel());
        added->SetTitle(QString::fromLatin1(entry.title));
        added->SetColor(Red);
        added->SetLineWidth(2);
        added->SetMarkersVisible(true);
        added->SetMarkerStyle(entry.markerStyle);
        added->SetMarkerSize(3);
        added->SetXAxisName(QStringLiteral("Time"));
        added->SetYAxisName(QStringLiteral("Position"));
        added->AddXY(0, 10);
    }
    DrawnPlotTexts drawn;
    const QImage image = grabbed(plot, "legend_samples");
    const PlotPainter::Layout parts = PlotPainter(plot).layout(QSizeF(plot.size()), &plot);
    ASSERT_EQ(parts.legendSlots.size(), 3u);
    // Whether the pixel at that offset from the middle of an entry's sample is inked.
    const auto inked = [&](size_t entry, double dx, double dy) {
        const QPointF at = parts.legendSlots[entry].line.center() + QPointF(dx, dy);
        return image.pixelColor(int(std::floor(at.x())), int(std::floor(at.y()))) != QColor(Qt::white);
    };
    for (size_t entry = 0; entry < 3; ++entry) {
        SCOPED_TRACE(entry);
        // The line runs through the middle and out to either side.
        EXPECT_TRUE(inked(entry, 0, 0));
        EXPECT_TRUE(inked(entry, -8, 0));
        EXPECT_TRUE(inked(entry, 8, 0));
    }
    // 2.5 pixels above the middle: clear of the line; the square fills its
    // corner, the triangle only its apex.
    EXPECT_FALSE(inked(0, 0, -2.5));
    EXPECT_FALSE(inked(0, -2, -2.5));
    EXPECT_TRUE(inked(1, -2, -2.5));
    EXPECT_TRUE(inked(1, 0, -2.5));
    EXPECT_FALSE(inked(2, -2, -2.5));
    EXPECT_TRUE(inked(2, 0, -2.5));
    ASSERT_FALSE(drawn.paintings().empty());
    EXPECT_EQ(DrawnPlotTexts::faultsOf(drawn.paintings().back()), QStringList());
}

// A grid on the ticks of a hidden axis stands between the labels read: the
// hidden time axis of 0 to 40 s would put the vertical lines at 12.5 % steps
// under labels at every 10 %, the hidden position axis would put the
// horizontal ones 5.5 psi apart under pressure labels every 5 psi.
TEST_F(PlotRendering, TheGridStandsOnTheTicksOfTheAxesShownWhereItsOwnAreHidden)
{
    plot.SetGridVisible(true);
    plot.XAxis(0)->SetSpan(40);
    plot.XAxis(0)->SetVisible(false);
    plot.YAxis(0)->SetVisible(false);
    plot.SetXAxisCount(2);
    plot.SetYAxisCount(2);
    plot.XAxis(1)->SetName(QStringLiteral("Position"));
    plot.XAxis(1)->SetTitle(QStringLiteral("Position [%]"));
    plot.XAxis(1)->SetMin(0);
    plot.XAxis(1)->SetSpan(100);
    plot.YAxis(1)->SetName(QStringLiteral("Pressure"));
    plot.YAxis(1)->SetTitle(QStringLiteral("Pressure [psi]"));
    plot.YAxis(1)->SetMin(0);
    plot.YAxis(1)->SetSpan(55);
    channel->SetXAxisName(QStringLiteral("Position"));
    channel->SetYAxisName(QStringLiteral("Pressure"));
    DrawnPlotTexts drawn;
    const QImage image = grabbed(plot, "grid_on_the_axes_shown");
    const QRectF area = plot.plotArea();
    const QColor grid(0xDC, 0xDC, 0xDC);
    // A grid line within a pixel of that place, looked for along a row and a
    // column that no line of the other direction crosses, hidden axes' or not.
    const double clearRow = area.bottom() - 2.5 / 55.0 * area.height();
    const double clearColumn = area.left() + 0.05 * area.width();
    const auto vertical = [&](double fraction) {
        const double x = area.left() + fraction * area.width();
        return countColour(image, QRect(int(x) - 1, int(clearRow), 3, 1), grid) > 0;
    };
    const auto horizontal = [&](double psi) {
        const double y = area.bottom() - psi / 55.0 * area.height();
        return countColour(image, QRect(int(clearColumn), int(y) - 1, 1, 3), grid) > 0;
    };
    for (int k = 1; k <= 9; ++k) {
        EXPECT_TRUE(vertical(k / 10.0)) << k * 10 << " %";
        EXPECT_TRUE(horizontal(5.0 * k)) << 5 * k << " psi";
        EXPECT_FALSE(horizontal(5.5 * k)) << 5.5 * k << " psi";
    }
    for (double fraction : { 0.125, 0.375, 0.625, 0.875 })
        EXPECT_FALSE(vertical(fraction)) << fraction * 100 << " %";
    ASSERT_FALSE(drawn.paintings().empty());
    EXPECT_EQ(DrawnPlotTexts::faultsOf(drawn.paintings().back()), QStringList());
}

// What the legend and grid check sees: two entries drawn alike for traces
// that look different on the plot (the same sample, or the same line in
// colours only a shade apart), and a grid that misses a label.
TEST_F(PlotRendering, EntriesDrawnAlikeForDifferentTracesAndAGridOffTheLabelsAreFaults)
{
    using Text = PlotPainter::DrawnText;
    QImage line(20, 12, QImage::Format_RGB32);
    line.fill(Qt::white);
    QImage square = line;
    square.setPixel(10, 3, 0xFF0000);
    using Trace = DrawnPlotTexts::Trace;
    const Trace plain { Red, 2, -1, 0 };
    const Trace squares { Red, 2, 0, 3 };
    // A two-pixel line of that colour (0xRRGGBB) across the sample.
    const auto lineOf = [&line](QRgb rgb) {
        QImage drawn = line;
        for (int x = 2; x < 18; ++x)
            for (int y : { 5, 6 })
                drawn.setPixel(x, y, rgb);
        return drawn;
    };
    const Trace green { 0x008B00, 2, -1, 0 };
    const Trace darkGreen { 0x006400, 2, -1, 0 };
    const Trace teal { 0x808000, 2, -1, 0 };
    const Trace red { 0x0A0AFF, 2, -1, 0 };
    const Trace orange { 0x0066FF, 2, -1, 0 };
    const auto label = [](const char* text, double centre) {
        const QRectF box(centre - 10, 280, 20, 14);
        return Text { QString::fromLatin1(text), box, box.adjusted(-1, 0, 1, 0) };
    };
    struct Case {
        const char* what;
        std::vector<DrawnPlotTexts::Sample> samples;
        std::vector<double> gridXs;
        QStringList faults;
    };
    const QString where = QStringLiteral("\"Step Test\" 500x300: ");
    const Case cases[] = {
        { "file 1 and file 2 drawn alike",
            { { QStringLiteral("Position 1"), line, plain }, { QStringLiteral("Position 2"), line, squares } }, {},
            { where + QStringLiteral("legend entries \"Position 1\" and \"Position 2\" are drawn alike") } },
        { "file 2 with its marker",
            { { QStringLiteral("Position 1"), line, plain }, { QStringLiteral("Position 2"), square, squares } }, {},
            {} },
        { "two alike traces drawn alike",
            { { QStringLiteral("Position 1"), line, plain }, { QStringLiteral("Command 1"), line, plain } }, {}, {} },
        { "two greens a shade apart",
            { { QStringLiteral("Port 1 Pressure (closing)"), lineOf(0x008B00), green },
                { QStringLiteral("Pilot Relay Position (closing)"), lineOf(0x006400), darkGreen } },
            {},
            { where
                + QStringLiteral("legend entries \"Port 1 Pressure (closing)\" and \"Pilot Relay Position (closing)\" "
                                 "are drawn alike") } },
        { "green and teal",
            { { QStringLiteral("Port 1 Pressure (closing)"), lineOf(0x008B00), green },
                { QStringLiteral("Pilot Relay Position (closing)"), lineOf(0x008080), teal } },
            {}, {} },
        { "red and orange",
            { { QStringLiteral("Position (opening)"), lineOf(0xFF0A0A), red },
                { QStringLiteral("Pilot Relay Command (closing)"), lineOf(0xFF6600), orange } },
            {}, {} },
        { "a grid on every label and between them", {}, { 100, 150, 200 }, {} },
        { "a grid between the labels", {}, { 100, 162.5, 225 },
            { where + QStringLiteral("the vertical grid stands off the labels") } },
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        DrawnPlotTexts::Painting painting;
        painting.plotTitle = QStringLiteral("Step Test");
        painting.texts.size = QSizeF(500, 300);
        painting.texts.axisLabels = { { label("0", 100), label("10", 150), label("20", 200) } };
        painting.texts.xAxisCount = 1;
        painting.texts.gridXs = c.gridXs;
        painting.samples = c.samples;
        EXPECT_EQ(DrawnPlotTexts::faultsOf(painting), c.faults);
    }
}

// A trace drawn without its own axis reads on another axis's scale: the
// check names it, while a hidden trace or one whose axis is shown is no fault.
TEST_F(PlotRendering, ATraceDrawnWithoutItsAxisIsAFaultOfThePainting)
{
    plot.SetYAxisCount(2);
    plot.YAxis(1)->SetName(QStringLiteral("Pressure"));
    plot.YAxis(1)->SetTitle(QStringLiteral("Pressure [psi]"));
    plot.YAxis(1)->SetMin(0);
    plot.YAxis(1)->SetSpan(50);
    channel->AddXY(0, 10);
    channel->AddXY(10, 90);
    const IPlotChannelPtr port = plot.Channel(plot.AddChannel());
    port->SetTitle(QStringLiteral("Port1 Pressure"));
    port->SetXAxisName(QStringLiteral("Time"));
    port->SetYAxisName(QStringLiteral("Pressure"));
    port->AddXY(0, 5);
    port->AddXY(10, 30);
    const struct {
        bool axisShown;
        bool traceShown;
        QStringList faults;
    } cases[] = {
        { false, true,
            { QStringLiteral("\"Step Test\" 640x400: trace \"Port1 Pressure\" is drawn against the hidden axis "
                             "\"Pressure\"") } },
        { true, true, {} },
        { false, false, {} },
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::Message() << "axis shown " << c.axisShown << ", trace shown " << c.traceShown);
        plot.YAxis(1)->SetVisible(c.axisShown);
        port->SetVisible(c.traceShown);
        DrawnPlotTexts drawn;
        grabbed(plot, "trace_without_its_axis");
        ASSERT_EQ(drawn.paintings().size(), 1u);
        EXPECT_EQ(DrawnPlotTexts::faultsOf(drawn.paintings()[0]), c.faults);
    }
}

// Points beyond an axis are faults of the painting; a plot whose axes fit
// their shown traces ranges them over the shown traces only, with room, to
// the axis's own increment or round steps, and its legend lists only the
// traces it draws.
TEST_F(PlotRendering, AxesThatFitTheirShownTracesHoldThemAndTheLegendListsOnlyTracesDrawn)
{
    plot.YAxis(0)->SetMin(50);
    plot.YAxis(0)->SetSpan(60);
    plot.YAxis(0)->SetIncrement(10);
    channel->SetTitle(QStringLiteral("Position"));
    channel->AddXY(0, 12.5);
    channel->AddXY(14, 95);
    const IPlotChannelPtr hidden = plot.Channel(plot.AddChannel());
    hidden->SetTitle(QStringLiteral("Pilot Relay Command"));
    hidden->SetXAxisName(QStringLiteral("Time"));
    hidden->SetYAxisName(QStringLiteral("Position"));
    hidden->AddXY(0, -40);
    hidden->SetVisible(false);
    const IPlotChannelPtr empty = plot.Channel(plot.AddChannel());
    empty->SetTitle(QStringLiteral("Position(closing) 2"));
    empty->SetXAxisName(QStringLiteral("Time"));
    empty->SetYAxisName(QStringLiteral("Position"));
    const QString where = QStringLiteral("\"Step Test\" 640x400: ");
    {
        SCOPED_TRACE("axes as set");
        DrawnPlotTexts drawn;
        grabbed(plot, "traces_outside_their_axes");
        ASSERT_EQ(drawn.paintings().size(), 1u);
        EXPECT_EQ(DrawnPlotTexts::faultsOf(drawn.paintings()[0]),
            QStringList({ where
                + QStringLiteral("trace \"Position\" has 2 points outside its axes (x 0..10, y 50..110), the "
                                 "first at 0, 12.5") }));
        EXPECT_EQ(plot.YAxis(0)->GetMin(), 50.0);
    }
    plot.SetAxesFitShownTraces(true);
    {
        SCOPED_TRACE("axes that fit their shown traces");
        DrawnPlotTexts drawn;
        grabbed(plot, "axes_fitting_their_traces");
        ASSERT_EQ(drawn.paintings().size(), 1u);
        EXPECT_EQ(DrawnPlotTexts::faultsOf(drawn.paintings()[0]), QStringList());
        // Position 12.5..95: the increments beyond, 0 to 100, whatever was
        // set; time 0..14: from 0 to the round step of 2 past 14.
        EXPECT_EQ(plot.YAxis(0)->GetMin(), 0.0);
        EXPECT_EQ(plot.YAxis(0)->GetMax(), 100.0);
        EXPECT_EQ(plot.XAxis(0)->GetMin(), 0.0);
        EXPECT_EQ(plot.XAxis(0)->GetMax(), 16.0);
        QStringList entries;
        for (const PlotPainter::DrawnText& entry : drawn.paintings()[0].texts.legendEntries)
            entries << entry.text;
        EXPECT_EQ(entries, QStringList({ QStringLiteral("Position") }));
    }
    {
        // A line wider than the room the fit leaves reaches the border: the
        // check names the points it hides there, the bottom one first.
        SCOPED_TRACE("a line wider than the room");
        channel->SetLineWidth(60);
        DrawnPlotTexts drawn;
        grabbed(plot, "line_wider_than_the_room");
        ASSERT_EQ(drawn.paintings().size(), 1u);
        EXPECT_EQ(DrawnPlotTexts::faultsOf(drawn.paintings()[0]),
            QStringList({ where
                + QStringLiteral("trace \"Position\" has 2 points on the bottom border of Position (0..100), the "
                                 "first at 0, 12.5") }));
    }
}

// A picture shrunk onto paper keeps its legend at 7 pt there: printed at
// half its laid-out width, it is laid out at 14 pt; printed larger, at the
// plot's own size.
TEST_F(PlotRendering, APictureLegendIsLaidOutAtSevenPointsOnThePaperItPrintsOn)
{
    plot.SetPlotFont(QFont(QStringLiteral("DejaVu Sans"), 8));
    plot.ScreenBar(0)->SetVisible(false);
    plot.resize(600, 400);
    channel->SetTitle(QStringLiteral("Position"));
    channel->AddXY(0, 10);
    channel->AddXY(10, 90);
    const struct {
        double paperPoints;
        double legendPoints;
    } cases[] = { { 0.0, 8.0 }, { 225.0, 14.0 }, { 900.0, 8.0 } };
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::Message() << "printed " << c.paperPoints << " pt wide");
        DrawnPlotTexts drawn;
        plot.renderImage(QSize(2000, 1333), 1.0, c.paperPoints);
        ASSERT_EQ(drawn.paintings().size(), 1u);
        EXPECT_EQ(drawn.paintings()[0].texts.legendPoints, c.legendPoints);
    }
}

// A picture prints at about half the size the screen shows it: a crowded
// legend that goes down to 6 pt on screen stops at 7 pt in a picture.
TEST_F(PlotRendering, ACrowdedLegendStopsAtSixPointsOnScreenAndSevenInAPicture)
{
    plot.SetPlotFont(QFont(QStringLiteral("DejaVu Sans"), 8));
    plot.ScreenBar(0)->SetVisible(false);
    plot.resize(497, 263);
    addEighteenCompareTraces(false);
    channel->SetVisible(false);
    DrawnPlotTexts drawn;
    grabbed(plot, "crowded_legend_on_screen");
    plot.renderImage(QSize(2000, 1058));
    ASSERT_EQ(drawn.paintings().size(), 2u);
    EXPECT_FALSE(drawn.paintings()[0].texts.picture);
    EXPECT_EQ(drawn.paintings()[0].texts.legendPoints, 6.0);
    EXPECT_TRUE(drawn.paintings()[1].texts.picture);
    EXPECT_EQ(drawn.paintings()[1].texts.legendPoints, 7.0);
}

// What a report's picture keeps for its reader: a legend of at least 7 pt
// (the plot's own size when that is smaller), and at least half of the room
// the traces would have without it. On screen neither is asked.
TEST_F(PlotRendering, APictureWithASmallerLegendOrTracesUnderHalfTheirRoomIsAFault)
{
    const QString where = QStringLiteral("\"Signals Vs Command\" 500x400: ");
    const struct {
        const char* what;
        bool picture;
        double plotPoints;
        double legendPoints;
        double tracesHeight; // of 300 without the legend
        QStringList faults;
    } cases[] = {
        { "a picture at the plot's font, half the room kept", true, 8, 8, 150, {} },
        { "a picture's legend at 7 pt", true, 8, 7, 200, {} },
        { "a picture's legend at 6.5 pt", true, 8, 6.5, 200,
            { where + QStringLiteral("the legend is drawn at 6.5 pt, below the 7 pt a picture is read at") } },
        { "a plot of 6 pt with its legend at 6 pt", true, 6, 6, 200, {} },
        { "traces at 49 % of their room", true, 8, 8, 147,
            { where + QStringLiteral("the legend leaves the traces 49 % of their room") } },
        { "the same on screen", false, 8, 6, 80, {} },
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        DrawnPlotTexts::Painting painting;
        painting.plotTitle = QStringLiteral("Signals Vs Command");
        painting.plotPoints = c.plotPoints;
        painting.texts.size = QSizeF(500, 400);
        painting.texts.picture = c.picture;
        painting.texts.legendPoints = c.legendPoints;
        painting.texts.areaWithoutLegend = QRectF(60, 40, 400, 300);
        painting.texts.area = QRectF(60, 40, 400, c.tracesHeight);
        EXPECT_EQ(DrawnPlotTexts::faultsOf(painting), c.faults);
    }
}

// A legend sample is as thick as its trace is drawn.
TEST_F(PlotRendering, ALegendSampleIsAsThickAsItsTrace)
{
    channel->SetLineWidth(1);
    channel->AddXY(0, 10);
    const IPlotChannelPtr thick = plot.Channel(plot.AddChannel());
    thick->SetTitle(QStringLiteral("Command"));
    thick->SetColor(0xC00000);
    thick->SetLineWidth(3);
    thick->SetXAxisName(QStringLiteral("Time"));
    thick->SetYAxisName(QStringLiteral("Position"));
    thick->AddXY(0, 20);
    const QImage image = grabbed(plot, "legend_sample_widths");
    const PlotPainter::Layout parts = PlotPainter(plot).layout(QSizeF(plot.size()), &plot);
    ASSERT_EQ(parts.legendSlots.size(), 2u);
    // The inked rows of the column through the middle of each sample.
    const auto thickness = [&](size_t entry) {
        const QRectF& line = parts.legendSlots[entry].line;
        const int x = int(std::floor(line.center().x()));
        int rows = 0;
        for (int y = int(line.top()) - 6; y <= int(line.top()) + 6; ++y)
            rows += image.pixelColor(x, y) != QColor(Qt::white) ? 1 : 0;
        return rows;
    };
    EXPECT_EQ(thickness(0), 1);
    EXPECT_EQ(thickness(1), 3);
}

TEST_F(PlotRendering, ABurstOfChangesRepaintsOnce)
{
    struct PaintCounter : QObject {
        int paints = 0;
        bool eventFilter(QObject*, QEvent* event) override
        {
            paints += event->type() == QEvent::Paint;
            return false;
        }
    } counter;
    plot.show();
    QCoreApplication::processEvents();
    plot.installEventFilter(&counter);

    for (int i = 0; i < 10000; ++i)
        channel->AddXY(i * 0.001, i % 100);
    plot.YAxis(0)->SetSpan(120);
    QCoreApplication::processEvents();
    EXPECT_EQ(counter.paints, 1);

    // The next change after a paint is shown again.
    channel->SetColor(0x00FF0000u);
    QCoreApplication::processEvents();
    EXPECT_EQ(counter.paints, 2);
    plot.removeEventFilter(&counter);
}

// The rasteriser rounds a run of tiny segments a little differently from the
// few segments that replace it, so single pixels may move by one; no pixel
// may appear or vanish away from the other picture's trace, and few differ.
void expectDrawnAlike(const QImage& all, const QImage& thin)
{
    const QRgb background = qRgb(255, 255, 255);
    auto drawnNear = [&](const QImage& image, int x, int y) {
        for (int dy = -1; dy <= 1; ++dy)
            for (int dx = -1; dx <= 1; ++dx)
                if (image.rect().contains(x + dx, y + dy) && image.pixel(x + dx, y + dy) != background)
                    return true;
        return false;
    };
    int drawn = 0;
    int differing = 0;
    for (int yy = 0; yy < all.height(); ++yy)
        for (int xx = 0; xx < all.width(); ++xx) {
            drawn += all.pixel(xx, yy) != background;
            if (all.pixel(xx, yy) == thin.pixel(xx, yy))
                continue;
            ++differing;
            const QImage& other = all.pixel(xx, yy) != background ? thin : all;
            ASSERT_TRUE(drawnNear(other, xx, yy)) << xx << "," << yy;
        }
    EXPECT_GT(drawn, 1000);
    EXPECT_LE(differing, drawn / 20) << differing << " of " << drawn << " pixels differ";
}

// Drawing the thinned polyline must look like drawing every point.
TEST(PlotTraceRenderer, DecimatedTraceDrawsLikeEveryPoint)
{
    const int count = 200000;
    std::vector<double> xs(count);
    std::vector<double> ys(count);
    QRandomGenerator generator(11);
    double y = 50.0;
    for (int i = 0; i < count; ++i) {
        xs[i] = i * 0.0001 - 2.0; // starts left of the area and ends right of it
        y += generator.bounded(2.0) - 1.0;
        ys[i] = y;
    }
    PlotTraceRenderer::Mapping mapping;
    mapping.xMin = 0.0;
    mapping.xSpan = 16.0;
    mapping.yMin = y - 200.0;
    mapping.ySpan = 400.0;
    mapping.area = QRectF(20, 10, 600, 300);

    auto draw = [&](bool thin) {
        std::vector<QPointF> points;
        if (thin)
            PlotTraceRenderer::decimate(xs.data(), ys.data(), xs.size(), mapping, points);
        else
            PlotTraceRenderer::mapAll(xs.data(), ys.data(), xs.size(), mapping, points);
        QImage image(640, 320, QImage::Format_RGB32);
        image.fill(Qt::white);
        QPainter painter(&image);
        painter.setClipRect(mapping.area);
        painter.setPen(QPen(Qt::red, 0));
        painter.drawPolyline(points.data(), static_cast<int>(points.size()));
        return std::make_pair(image, points.size());
    };
    const auto [all, allCount] = draw(false);
    const auto [thin, thinCount] = draw(true);
    keepArtifact(thin, "decimated_trace");
    keepArtifact(all, "every_point_trace");
    EXPECT_LE(thinCount, 4u * 602u + 4u);
    EXPECT_LT(thinCount * 20, allCount);

    expectDrawnAlike(all, thin);
}

// A dense channel at the line widths the pages use, thinned and drawn as the
// plot draws it, against every point drawn the same way (whole pixels, the
// thin line shifted across the width), on an area at half a pixel as a
// printer maps it.
TEST(PlotTraceRenderer, ThinnedDenseTraceDrawsLikeEveryPointAtEachLineWidth)
{
    const int count = 300000;
    PlotChannelData channel;
    channel.xs.resize(count);
    channel.ys.resize(count);
    QRandomGenerator generator(5);
    double y = 0.0;
    for (int i = 0; i < count; ++i) {
        channel.xs[i] = i * 0.0001 - 1.0; // starts left of the area and ends right of it
        y += generator.bounded(2.0) - 1.0;
        channel.ys[i] = y + 30.0 * std::sin(i * 0.0002);
    }
    PlotTraceRenderer::Mapping mapping;
    mapping.xMin = 0.0;
    mapping.xSpan = 28.0;
    mapping.yMin = -150.0;
    mapping.ySpan = 300.0;
    mapping.area = QRectF(20.5, 10.5, 600, 300);
    for (int width : { 1, 2 }) {
        SCOPED_TRACE(width);
        const QPen pen(Qt::red, width);
        auto picture = [&](bool thin) {
            QImage image(640, 320, QImage::Format_RGB32);
            image.fill(Qt::white);
            QPainter painter(&image);
            painter.setClipRect(mapping.area);
            if (thin) {
                PlotTraceRenderer::drawTrace(painter, channel, mapping, pen);
            } else {
                std::vector<QPointF> points;
                PlotTraceRenderer::mapAll(channel.xs.data(), channel.ys.data(), count, mapping, points);
                PlotTraceRenderer::drawDensePolyline(painter, points, pen);
            }
            return image;
        };
        const QImage all = picture(false);
        const QImage thin = picture(true);
        keepArtifact(thin, width == 1 ? "dense_trace_thinned_1px" : "dense_trace_thinned_2px");
        keepArtifact(all, width == 1 ? "dense_trace_every_point_1px" : "dense_trace_every_point_2px");
        expectDrawnAlike(all, thin);
    }
}

namespace
{

// Each run of consecutive points in one pixel column, and each run left or
// right of the area (more than a pixel beyond its edge), as drawn.
struct ColumnRun {
    QString place;
    QPointF first, last;
    double top = 0.0, bottom = 0.0;
    size_t points = 0;
};

std::vector<ColumnRun> columnRuns(const std::vector<QPointF>& points, const QRectF& area, double columnOffset)
{
    std::vector<ColumnRun> runs;
    for (const QPointF& p : points) {
        const QString place = p.x() < area.left() - 1.0 ? QStringLiteral("left")
            : p.x() > area.right() + 1.0                ? QStringLiteral("right")
                                                        : QString::number(std::floor(p.x() + columnOffset));
        if (runs.empty() || runs.back().place != place) {
            runs.push_back({ place, p, p, p.y(), p.y(), 1 });
            continue;
        }
        ColumnRun& run = runs.back();
        run.last = p;
        run.top = std::min(run.top, p.y());
        run.bottom = std::max(run.bottom, p.y());
        ++run.points;
    }
    return runs;
}

} // namespace

// Thinning keeps, of every run of points in one pixel column, the first and
// the last point and the highest and lowest, so the column is drawn exactly as
// far up and down and joins its neighbours where every point would; a run off
// the area keeps its first and last point. The scales are powers of two and the
// values binary fractions, so any way of mapping them gives the same
// coordinates, and points fall exactly on column edges and on the area's
// edges (in the area up to one pixel beyond them).
TEST(PlotTraceRenderer, ThinnedColumnsKeepTheirEndsAndTheirHighestAndLowestPoint)
{
    struct Case {
        const char* name;
        QRectF area;
        double xMin, xSpan, yMin, ySpan;
        double xFirst, xStep;
        int count;
        bool withGaps; // NaN samples now and then
        double columnOffset = 0.0;
    };
    const Case cases[] = {
        { "area at the origin, across both edges", QRectF(0, 0, 256, 128), 0, 256, 0, 256, -4.0, 1.0 / 16, 264 * 16,
            false },
        { "area at half a pixel, as a printer maps it", QRectF(20.5, 10.25, 256, 128), 0, 512, -128, 256, -10.0,
            1.0 / 32, 540 * 32, false },
        { "trace going back", QRectF(16.5, 8, 128, 64), 0, 128, 0, 128, 140.0, -1.0 / 8, 160 * 8, false },
        { "trace going back across the left edge at the origin", QRectF(0, 0, 64, 32), 0, 64, 0, 64, 80.0, -1.0 / 8,
            88 * 8, false },
        { "a point every other column", QRectF(0, 0, 64, 64), 0, 64, 0, 128, -8.0, 2.0, 40, false },
        { "samples missing now and then", QRectF(0, 0, 256, 128), 0, 256, 0, 256, -4.0, 1.0 / 16, 264 * 16, true },
        { "columns half a pixel off, as a two-pixel line is drawn", QRectF(0, 0, 256, 128), 0, 256, 0, 256, -4.0,
            1.0 / 16, 264 * 16, false, 0.5 },
    };
    const double nan = std::nan("");
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        std::vector<double> xs(c.count);
        std::vector<double> ys(c.count);
        QRandomGenerator generator(7);
        double y = c.yMin + c.ySpan / 2;
        for (int i = 0; i < c.count; ++i) {
            xs[i] = c.xFirst + i * c.xStep;
            y += (static_cast<int>(generator.bounded(33u)) - 16) / 16.0;
            ys[i] = y;
            if (c.withGaps && i % 101 == 50)
                ys[i] = nan;
            if (c.withGaps && i % 103 == 60)
                xs[i] = nan;
        }
        PlotTraceRenderer::Mapping mapping;
        mapping.xMin = c.xMin;
        mapping.xSpan = c.xSpan;
        mapping.yMin = c.yMin;
        mapping.ySpan = c.ySpan;
        mapping.area = c.area;
        std::vector<QPointF> all;
        std::vector<QPointF> thin;
        PlotTraceRenderer::mapAll(xs.data(), ys.data(), xs.size(), mapping, all);
        PlotTraceRenderer::decimate(xs.data(), ys.data(), xs.size(), mapping, thin, c.columnOffset);

        const std::vector<ColumnRun> expected = columnRuns(all, c.area, c.columnOffset);
        const std::vector<ColumnRun> drawn = columnRuns(thin, c.area, c.columnOffset);
        ASSERT_EQ(drawn.size(), expected.size());
        for (size_t r = 0; r < expected.size(); ++r) {
            const ColumnRun& e = expected[r];
            const ColumnRun& d = drawn[r];
            SCOPED_TRACE(("run " + e.place).toStdString());
            EXPECT_EQ(d.place, e.place);
            EXPECT_EQ(d.first, e.first);
            EXPECT_EQ(d.last, e.last);
            const bool offArea = e.place == QLatin1String("left") || e.place == QLatin1String("right");
            if (offArea) {
                EXPECT_EQ(d.points, std::min<size_t>(e.points, 2));
                continue;
            }
            EXPECT_LE(d.points, std::min<size_t>(e.points, 4));
            EXPECT_EQ(d.top, e.top);
            EXPECT_EQ(d.bottom, e.bottom);
        }
    }
}

TEST(PlotTraceRenderer, NotANumberIsLeftOutAndFarValuesStayDrawable)
{
    const double nan = std::nan("");
    const double xs[] = { 0.0, 1.0, nan, 2.0, 3.0, 1e300 };
    const double ys[] = { 0.0, nan, 5.0, 1.0, -1e300, 2.0 };
    PlotTraceRenderer::Mapping mapping;
    mapping.xSpan = 10.0;
    mapping.ySpan = 10.0;
    mapping.area = QRectF(0, 0, 100, 100);
    std::vector<QPointF> points;
    PlotTraceRenderer::decimate(xs, ys, std::size(xs), mapping, points);
    ASSERT_EQ(points.size(), 4u);
    auto expectDrawable = [](const std::vector<QPointF>& points) {
        for (const QPointF& p : points) {
            EXPECT_TRUE(std::isfinite(p.x()) && std::isfinite(p.y()));
            EXPECT_LT(std::abs(p.x()), 1e6);
            EXPECT_LT(std::abs(p.y()), 1e6);
        }
    };
    expectDrawable(points);

    // A span so small that the scale overflows: the point at the minimum has
    // no place (0 times infinity), the others lie far off the area.
    mapping.xSpan = 5e-324;
    mapping.ySpan = 5e-324;
    const double near[] = { 0.0, 1.0, -1.0 };
    PlotTraceRenderer::decimate(near, near, std::size(near), mapping, points);
    EXPECT_EQ(points.size(), 2u);
    expectDrawable(points);
}

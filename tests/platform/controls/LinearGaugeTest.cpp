#include "Grab.h"
#include "Mouse.h"
#include "SwTest.h"

#include "automation/ComError.h"
#include "controls/LinearGauge.h"
#include "controls/ScaleTicks.h"
#include "controls/WinColor.h"

#include <QFontMetricsF>

#include <vector>

namespace
{

class LinearGaugeTest : public SwTest
{
protected:
    void SetUp() override
    {
        SwTest::SetUp();
        gauge.resize(300, 60);
        limit = gauge.addPointer();
        gauge.setPointerColor(limit, 0x0000FF);
        gauge.setPointerPositionSilent(limit, 25);
        QObject::connect(&gauge, &LinearGauge::pointerMoved, [this](int index) {
            moved.push_back(index);
            positionInsideHandler = gauge.pointerPosition(index);
        });
        QObject::connect(
            &gauge, &LinearGauge::mouseReleased, [this](short button, short, int, int) { releases.push_back(button); });
    }

    LinearGauge gauge;
    int limit = -1;
    std::vector<int> moved;
    std::vector<short> releases;
    double positionInsideHandler = 0;
};

} // namespace

TEST_F(LinearGaugeTest, OrdinaryMoveRaisesPointerMovedOnlyForRealLimitChanges)
{
    struct Case {
        const char* what;
        void (LinearGauge::*move)(int, double);
        int index;
        double to;
        std::vector<int> moved;
    } cases[] = {
        { "ordinary move", &LinearGauge::setPointerPosition, 1, 40, { 1 } },
        { "ordinary move to where it is", &LinearGauge::setPointerPosition, 1, 25, {} },
        { "silent move", &LinearGauge::setPointerPositionSilent, 1, 40, {} },
        { "live value by the ordinary move", &LinearGauge::setPointerPosition, 0, 40, {} },
        { "not a number", &LinearGauge::setPointerPosition, 1, std::nan(""), {} },
    };
    for (const Case& c : cases) {
        gauge.setPointerPositionSilent(1, 25);
        gauge.setValue(25);
        moved.clear();
        (gauge.*c.move)(c.index, c.to);
        EXPECT_EQ(moved, c.moved) << c.what;
    }
    gauge.setPointerPosition(1, 60);
    EXPECT_EQ(positionInsideHandler, 60.0) << "raised synchronously, after the move";
    gauge.setValue(70);
    EXPECT_EQ(gauge.pointerPosition(0), 70.0);
}

TEST_F(LinearGaugeTest, UnknownPointerRaisesTheControlsError)
{
    try {
        gauge.setPointerPosition(5, 10);
        FAIL() << "no error raised";
    } catch (const ComError& error) {
        EXPECT_EQ(error.code(), ComError::InvalidArgument);
    }
    EXPECT_THROW(gauge.pointerColor(-1), ComError);
}

TEST_F(LinearGaugeTest, DraggingALimitPointerMovesItAndReleasesOnce)
{
    const int upper = gauge.addPointer();
    gauge.setPointerPositionSilent(upper, 75);
    struct Case {
        int index;
        double from;
        double to;
        int other;
        double otherStays;
    } cases[] = {
        { limit, 25, 50, upper, 75 },
        { upper, 75, 60, limit, 50 },
    };
    for (const Case& c : cases) {
        moved.clear();
        releases.clear();
        const QPointF from = gauge.scalePoint(c.from);
        const QPointF to = gauge.scalePoint(c.to);
        Mouse::press(gauge, from);
        Mouse::move(gauge, (from + to) / 2);
        Mouse::move(gauge, to);
        Mouse::release(gauge, to);

        EXPECT_NEAR(gauge.pointerPosition(c.index), c.to, 0.5) << c.index;
        EXPECT_EQ(gauge.pointerPosition(c.other), c.otherStays) << c.index;
        EXPECT_GE(moved.size(), 2u) << c.index << ": raised during the drag, not only at its end";
        EXPECT_EQ(moved, std::vector<int>(moved.size(), c.index)) << "every drag step names the dragged pointer";
        EXPECT_EQ(positionInsideHandler, gauge.pointerPosition(c.index));
        EXPECT_EQ(releases, std::vector<short> { 1 }) << "one mouse release per drag, left button";
    }
}

TEST_F(LinearGaugeTest, PointerGrabbedBesideItsTipFollowsTheMouseWithoutJumping)
{
    const QPointF tip = gauge.scalePoint(25);
    const double pixelsPerUnit = (gauge.scalePoint(100).x() - gauge.scalePoint(0).x()) / 100;
    struct Case {
        const char* what;
        double moveBy; // pixels along the scale
        double position;
        bool raised;
    } cases[] = {
        { "click, no move", 0, 25, false },
        { "dragged 30 px up the scale", 30, 25 + 30 / pixelsPerUnit, true },
    };
    for (const Case& c : cases) {
        gauge.setPointerPositionSilent(limit, 25);
        moved.clear();
        releases.clear();
        const QPointF grab = tip + QPointF(4, 0); // within reach, not on the tip
        const QPointF to = grab + QPointF(c.moveBy, 0);
        Mouse::press(gauge, grab);
        Mouse::move(gauge, to);
        Mouse::release(gauge, to);

        if (c.raised)
            EXPECT_NEAR(gauge.pointerPosition(limit), c.position, 0.01) << c.what;
        else
            EXPECT_EQ(gauge.pointerPosition(limit), c.position) << c.what;
        EXPECT_EQ(!moved.empty(), c.raised) << c.what;
        EXPECT_EQ(releases.size(), 1u) << c.what;
    }
}

TEST_F(LinearGaugeTest, DraggingTheLiveValueRaisesOnlyTheRelease)
{
    gauge.setPointerPositionSilent(limit, 90);
    gauge.setValue(10);
    const QPointF to = gauge.scalePoint(37.5);
    Mouse::press(gauge, gauge.scalePoint(10));
    Mouse::move(gauge, to);
    Mouse::release(gauge, to);

    EXPECT_NEAR(gauge.value(), 37.5, 0.5);
    EXPECT_TRUE(moved.empty());
    EXPECT_EQ(releases.size(), 1u);
}

TEST_F(LinearGaugeTest, PointersThatMayNotBeDraggedStayPut)
{
    struct Case {
        const char* what;
        bool draggable;
        bool visible;
        bool active;
    } cases[] = {
        { "drag not allowed", false, true, true },
        { "hidden", true, false, true },
        { "gauge switched off", true, true, false },
    };
    for (const Case& c : cases) {
        gauge.setPointerPositionSilent(limit, 25);
        gauge.setPointerDraggable(limit, c.draggable);
        gauge.setPointerVisible(limit, c.visible);
        gauge.setPointerVisible(0, false);
        gauge.setActive(c.active);
        Mouse::press(gauge, gauge.scalePoint(25));
        Mouse::move(gauge, gauge.scalePoint(80));
        Mouse::release(gauge, gauge.scalePoint(80));
        EXPECT_EQ(gauge.pointerPosition(limit), 25.0) << c.what;
    }
    EXPECT_TRUE(moved.empty());
}

TEST_F(LinearGaugeTest, DragStopsAtTheEndsOfTheScale)
{
    Mouse::press(gauge, gauge.scalePoint(25));
    Mouse::move(gauge, { -50, 20 });
    Mouse::release(gauge, { -50, 20 });
    EXPECT_EQ(gauge.pointerPosition(limit), 0.0);
}

TEST_F(LinearGaugeTest, LimitPointerIsDrawnAtItsPlaceInItsColour)
{
    struct Case {
        QSize size;
        const char* artifact;
    } cases[] = {
        { { 300, 60 }, "linear_gauge_horizontal" },
        { { 60, 300 }, "linear_gauge_vertical" },
        { { 120, 24 }, "linear_gauge_small" },
    };
    for (const Case& c : cases) {
        gauge.resize(c.size);
        gauge.setValue(60);
        gauge.setIndicatorColor(0x00FF00);
        const Grab grab(gauge, QString::fromLatin1(c.artifact));
        // The scale as drawn: the track's inside, white beyond the green value bar.
        const QRectF track = grab.boundsOf(Qt::white).united(grab.boundsOf(QColor(0, 255, 0)));
        const double length = gauge.vertical() ? track.height() : track.width();
        EXPECT_GT(length, 0.7 * std::max(c.size.width(), c.size.height()))
            << c.artifact << ": the scale spans the gauge";

        int pixels = 0;
        const QPointF drawn = grab.centroidOf(QColor(255, 0, 0), &pixels);
        ASSERT_GT(pixels, 4) << c.artifact;
        if (gauge.vertical())
            EXPECT_NEAR(drawn.y(), track.bottom() - 0.25 * length, 2.0) << c.artifact << ": bottom to top";
        else
            EXPECT_NEAR(drawn.x(), track.left() + 0.25 * length, 2.0) << c.artifact;
    }
}

TEST_F(LinearGaugeTest, LampIsLitAtFullScaleAndDarkAtZero)
{
    gauge.resize(30, 20);
    gauge.setStyle(LinearGauge::Style::Lamp);
    gauge.setIndicatorColor(0x00FFFF);
    gauge.setValue(100);
    EXPECT_EQ(Grab(gauge, QStringLiteral("linear_gauge_lamp_lit")).at(15, 10), QColor(255, 255, 0));
    gauge.setValue(0);
    EXPECT_NE(Grab(gauge, QStringLiteral("linear_gauge_lamp_dark")).at(15, 10), QColor(255, 255, 0));
}

TEST_F(LinearGaugeTest, LongScaleLabelsAreSpacedSoThatTheyNeverRunTogether)
{
    // A counter gauge: 0 to 400 million across a gauge 317 pixels wide.
    gauge.applyFactoryDefaults();
    gauge.resize(317, 70);
    gauge.setScaleMax(400000000);
    gauge.setValue(0);
    const Grab grab(gauge, QStringLiteral("linear_gauge_long_labels"));
    const QFontMetricsF metrics(gauge.font());
    const double oneLabel = metrics.horizontalAdvance(QStringLiteral("400000000"));
    // The label row: below the track, where every dark pixel is text.
    const QRectF track = grab.boundsOf(Qt::white);
    ASSERT_FALSE(track.isEmpty());
    // A label is a run of inked columns with gaps of at most two pixels
    // between its digits.
    int widestRun = 0;
    int start = -1;
    int lastInk = -100;
    for (int x = 0; x < gauge.width(); ++x) {
        bool ink = false;
        for (int y = int(track.bottom()) + 6; y < gauge.height() && !ink; ++y)
            ink = qGray(grab.at(x, y).rgb()) < 128;
        if (!ink)
            continue;
        if (x - lastInk > 3)
            start = x;
        lastInk = x;
        widestRun = std::max(widestRun, x - start + 1);
    }
    EXPECT_GT(widestRun, 0) << "labels are drawn";
    EXPECT_LE(widestRun, oneLabel + 2) << "two labels ran into one another";
}

TEST_F(LinearGaugeTest, FilledBarShowsItsValueAsTheShareOfTheBarInItsColour)
{
    gauge.resize(200, 20);
    gauge.setStyle(LinearGauge::Style::Fill);
    gauge.setSegmentCount(11);
    gauge.setIndicatorColor(0x00FFFF);
    const QColor yellow(255, 255, 0);
    struct Case {
        double value;
        double filled; // share of the bar
    };
    const Case cases[] = { { 30, 0.30 }, { 64, 0.64 }, { 0, 0.0 }, { 100, 1.0 }, { 10400, 1.0 }, { -5, 0.0 } };
    for (const Case& c : cases) {
        gauge.setValue(c.value);
        const Grab grab(gauge, QStringLiteral("linear_gauge_fill_%1").arg(c.value));
        const QRectF track = gauge.fillTrack();
        int pixels = 0;
        grab.centroidOf(yellow, &pixels);
        if (c.filled == 0.0) {
            EXPECT_EQ(pixels, 0) << c.value;
            continue;
        }
        const QRectF bounds = grab.boundsOf(yellow);
        EXPECT_NEAR(bounds.left(), track.left(), 1.0) << c.value;
        EXPECT_NEAR(bounds.right() + 1 - bounds.left(), c.filled * track.width(), 1.5) << c.value;
    }
    // Standing upright, the bar fills from the bottom.
    gauge.resize(20, 200);
    gauge.setValue(30);
    const Grab upright(gauge, QStringLiteral("linear_gauge_fill_upright"));
    const QRectF track = gauge.fillTrack();
    const QRectF filled = upright.boundsOf(yellow);
    EXPECT_NEAR(filled.bottom() + 1, track.bottom(), 1.0);
    EXPECT_NEAR(filled.bottom() + 1 - filled.top(), 0.3 * track.height(), 1.5);

    // A click never moves a filled bar's value.
    gauge.resize(200, 20);
    gauge.setValue(30);
    Mouse::press(gauge, QPoint(150, 10));
    Mouse::release(gauge, QPoint(150, 10));
    EXPECT_EQ(gauge.value(), 30);
    EXPECT_TRUE(moved.empty());
}

TEST_F(LinearGaugeTest, ScaleLabelsNeverRunIntoEachOther)
{
    const double maxima[] = { 100, 600, 10000, 1100000, 2000000, 60000000, 110000000, 400000000, 900000000 };
    gauge.resize(530, 60);
    const QFontMetricsF metrics(gauge.font());
    for (double maximum : maxima) {
        gauge.setScaleMax(maximum);
        const std::vector<double> ticks = gauge.scaleTickValues();
        ASSERT_GE(ticks.size(), 2u) << maximum;
        const std::vector<QString> labels = ScaleTicks::labels(ticks);
        for (size_t k = 1; k < ticks.size(); ++k) {
            const double left = gauge.scalePoint(ticks[k - 1]).x() + metrics.horizontalAdvance(labels[k - 1]) / 2;
            const double right = gauge.scalePoint(ticks[k]).x() - metrics.horizontalAdvance(labels[k]) / 2;
            EXPECT_GT(right - left, 2.0) << maximum << ": " << labels[k - 1].toStdString() << " and "
                                         << labels[k].toStdString();
        }
    }
    gauge.setScaleMax(100);
    EXPECT_GE(gauge.scaleTickValues().size(), 10u) << "short labels keep their ticks";
}

TEST_F(LinearGaugeTest, NeighbouringScaleLabelsStandAtLeastACharacterApart)
{
    // The counters of the positioner health page (0 to 400 million on a bar
    // 317 x 49 pixels), other long scales, and an upright one.
    const struct {
        int width;
        int height;
        double pointSize;
        double maximum;
    } cases[] = {
        { 317, 49, 8.0, 400000000 },
        { 317, 49, 8.0, 2000000 },
        { 250, 49, 8.0, 150000 },
        { 317, 49, 8.0, 1000 },
        { 120, 300, 8.0, 400000000 },
    };
    for (const auto& c : cases) {
        const std::string label = std::to_string(c.width) + "x" + std::to_string(c.height) + " "
            + std::to_string(c.pointSize) + "pt 0.." + std::to_string(c.maximum);
        QFont font = gauge.font();
        font.setPointSizeF(c.pointSize);
        gauge.setFont(font);
        gauge.resize(c.width, c.height);
        gauge.setScaleMax(c.maximum);
        const QFontMetricsF metrics(font);
        const double character = metrics.horizontalAdvance(QLatin1Char('0'));
        const std::vector<double> ticks = gauge.scaleTickValues();
        ASSERT_GE(ticks.size(), 2u) << label;
        const std::vector<QString> labels = ScaleTicks::labels(ticks);
        for (size_t k = 1; k < ticks.size(); ++k) {
            const QPointF from = gauge.scalePoint(ticks[k - 1]);
            const QPointF to = gauge.scalePoint(ticks[k]);
            const double gap = gauge.vertical() ? from.y() - to.y() - metrics.height()
                                                : to.x() - from.x()
                    - (metrics.horizontalAdvance(labels[k - 1]) + metrics.horizontalAdvance(labels[k])) / 2;
            EXPECT_GE(gap, character) << label << ": " << labels[k - 1].toStdString() << " and "
                                      << labels[k].toStdString();
        }
        // The rectangles the labels are drawn in say the same, and the end
        // labels stay inside the gauge along its scale.
        const std::vector<QRectF> drawn = gauge.scaleLabelRects();
        EXPECT_EQ(drawn.size(), ticks.size()) << label;
        EXPECT_TRUE(ScaleTicks::apart(drawn, character)) << label;
        for (const QRectF& box : drawn) {
            if (gauge.vertical())
                EXPECT_TRUE(box.top() >= 0 && box.bottom() <= gauge.height()) << label;
            else
                EXPECT_TRUE(box.left() >= 0 && box.right() <= gauge.width()) << label;
        }
    }
}

#include "Grab.h"
#include "SwTest.h"

#include "controls/AngularGauge.h"
#include "controls/WinColor.h"

#include <QLineF>
#include <QtMath>

#include <cmath>
#include <vector>

using AngularGaugeTest = SwTest;

namespace
{
QPointF along(const QRectF& dial, double degrees, double fraction)
{
    const double radius = dial.width() / 2 * fraction;
    const double radians = qDegreesToRadians(degrees);
    return dial.center() + QPointF(radius * std::cos(radians), -radius * std::sin(radians));
}
} // namespace

TEST_F(AngularGaugeTest, NeedlePointsWhereTheValueSays)
{
    // Minimum at the lower left, half scale straight up, maximum at the lower right.
    struct Case {
        double value;
        double degrees;
        const char* artifact;
    } cases[] = {
        { 0, 225, "angular_gauge_min" },
        { 75, 90, "angular_gauge_half" },
        { 150, -45, "angular_gauge_max" },
        { 37.5, 157.5, "angular_gauge_quarter" },
        { 400, -45, "angular_gauge_beyond" },
        { -10, 225, "angular_gauge_below" },
    };
    for (const Case& c : cases) {
        AngularGauge gauge;
        gauge.resize(160, 160);
        gauge.applyFactoryDefaults();
        gauge.setScaleMax(150);
        gauge.setMajorTicks(7);
        gauge.setUnitText(QStringLiteral("psi"));
        gauge.setValueText(QStringLiteral("%5.2f"));
        gauge.setNeedleColor(0x0000FF);
        gauge.setValue(c.value);

        const QRectF dial = gauge.dialRect();
        const Grab grab(gauge, QString::fromLatin1(c.artifact));
        EXPECT_EQ(grab.at(along(dial, c.degrees, 0.6)), QColor(255, 0, 0)) << c.artifact;
        EXPECT_NE(grab.at(along(dial, c.degrees + 90, 0.6)), QColor(255, 0, 0)) << c.artifact;
    }
}

TEST_F(AngularGaugeTest, SwitchedOffDialShowsItsDisabledFace)
{
    AngularGauge gauge;
    gauge.resize(100, 100);
    gauge.setDisabledFaceColor(0xB5B5B5);
    gauge.setActive(false);
    const QRectF dial = gauge.dialRect();
    // Below the hub, between the value text and the rim.
    const QPointF face = along(dial, -90, 0.8);
    EXPECT_EQ(Grab(gauge, QStringLiteral("angular_gauge_off")).at(face), QColor(0xB5, 0xB5, 0xB5));
}

TEST_F(AngularGaugeTest, SwitchedOffDialDrawsNoNeedle)
{
    AngularGauge gauge;
    gauge.resize(100, 100);
    gauge.setNeedleColor(0x0000FF);
    gauge.setValue(50);
    const QRectF dial = gauge.dialRect();
    const QPointF onNeedle = along(dial, 90, 0.6); // mid-scale points straight up
    EXPECT_EQ(Grab(gauge, QStringLiteral("angular_gauge_needle_on")).at(onNeedle), QColor(255, 0, 0));
    gauge.setActive(false);
    EXPECT_NE(Grab(gauge, QStringLiteral("angular_gauge_needle_off")).at(onNeedle), QColor(255, 0, 0));
}

namespace
{
// The pixels where two pictures of the same widget differ.
QRect differences(const Grab& one, const Grab& other, const QSize& size)
{
    QRect bounds;
    for (int y = 0; y < size.height(); ++y)
        for (int x = 0; x < size.width(); ++x)
            if (one.at(x, y) != other.at(x, y))
                bounds |= QRect(x, y, 1, 1);
    return bounds;
}

struct DialCase {
    int width;
    int height;
    double scaleMax; // the full scales of the pressure units the dashboard offers
    const char* artifact;
};

const DialCase kDialCases[] = {
    { 146, 116, 150, "dashboard_psi" }, // the dashboard's 97 x 71 dialog units
    { 146, 116, 1050, "dashboard_kpa" },
    { 146, 116, 12, "dashboard_bar" },
    { 100, 80, 150, "small_psi" },
    { 100, 80, 1050, "small_kpa" },
    { 240, 200, 1050, "large_kpa" },
};

// A pressure dial as the dashboard configures it.
void configurePressureDial(AngularGauge& gauge, const DialCase& c)
{
    gauge.resize(c.width, c.height);
    gauge.applyFactoryDefaults();
    gauge.setFaceColor(0xF5F5F5);
    gauge.setUnitText(QStringLiteral("psi"));
    gauge.setScaleMax(c.scaleMax);
    gauge.setMajorTicks(7);
}

// The value text's ink: what changes when the text is blanked out.
QRect valueTextInk(AngularGauge& gauge, const QString& artifact)
{
    const Grab shown(gauge, artifact);
    const QString text = gauge.valueText();
    gauge.setValueText(QString());
    const Grab blank(gauge, artifact + QStringLiteral("_blank"));
    gauge.setValueText(text);
    return differences(shown, blank, gauge.size());
}

void expectClearOfScaleLabels(const AngularGauge& gauge, const QRect& ink, const char* artifact)
{
    ASSERT_FALSE(ink.isEmpty()) << artifact << ": no value text drawn";
    EXPECT_GE(ink.height(), 5) << artifact << ": value text too small to read";
    EXPECT_TRUE(gauge.valueTextRect().adjusted(-1, -1, 1, 1).contains(QRectF(ink)))
        << artifact << ": the value text is drawn outside its rectangle";
    const std::vector<QRectF> labels = gauge.scaleLabelRects();
    ASSERT_EQ(labels.size(), 7u) << artifact;
    for (const QRectF& label : labels) {
        EXPECT_FALSE(label.intersects(gauge.valueTextRect())) << artifact << ": the value text's rectangle meets a "
                                                              << "scale label at " << label.x() << "," << label.y();
        EXPECT_FALSE(label.intersects(QRectF(ink)))
            << artifact << ": the value text is drawn over a scale label at " << label.x() << "," << label.y();
    }
}
} // namespace

TEST_F(AngularGaugeTest, SwitchedOffDialShowsDisabledClearOfItsScaleNumbers)
{
    for (const DialCase& c : kDialCases) {
        AngularGauge gauge;
        configurePressureDial(gauge, c);
        gauge.setValueText(QStringLiteral("Disabled"));
        gauge.setDisabledFaceColor(0xB5B5B5);
        gauge.setActive(false);
        const QString artifact = QStringLiteral("angular_gauge_disabled_") + QLatin1String(c.artifact);
        expectClearOfScaleLabels(gauge, valueTextInk(gauge, artifact), c.artifact);
    }
}

TEST_F(AngularGaugeTest, ReadingStaysClearOfItsScaleNumbers)
{
    for (const DialCase& c : kDialCases) {
        AngularGauge gauge;
        configurePressureDial(gauge, c);
        gauge.setValueText(c.scaleMax >= 1000 ? QStringLiteral("1050.00") : QStringLiteral("150.00"));
        gauge.setValue(c.scaleMax / 2);
        const QString artifact = QStringLiteral("angular_gauge_reading_") + QLatin1String(c.artifact);
        expectClearOfScaleLabels(gauge, valueTextInk(gauge, artifact), c.artifact);
    }
}

// The unit stands above the hub apart from the scale numbers, a pixel at
// least: at the dashboard's size the top number ("75", "525") would otherwise
// sit on "psi" and read as one word with it.
TEST_F(AngularGaugeTest, UnitTextStandsApartFromTheScaleNumbersAboveTheHub)
{
    for (const DialCase& c : kDialCases) {
        SCOPED_TRACE(c.artifact);
        AngularGauge gauge;
        configurePressureDial(gauge, c);
        const QRectF unit = gauge.unitTextRect();
        const QRectF dial = gauge.dialRect();
        EXPECT_NEAR(unit.center().x(), dial.center().x(), 0.5);
        EXPECT_LT(unit.bottom(), dial.center().y() - 3);
        for (const QRectF& label : gauge.scaleLabelRects())
            EXPECT_FALSE(label.adjusted(-1, -1, 1, 1).intersects(unit))
                << "the unit meets a scale number at " << label.x() << "," << label.y();
    }
    // With room, the unit keeps its place a third of the way up the dial.
    AngularGauge roomy;
    configurePressureDial(roomy, { 240, 200, 150, "large_psi" });
    EXPECT_NEAR(
        roomy.unitTextRect().center().y(), roomy.dialRect().center().y() - roomy.dialRect().height() / 2 * 0.35, 0.5);
}

TEST_F(AngularGaugeTest, ReadingWithRoomKeepsItsPlaceBelowTheHub)
{
    AngularGauge gauge;
    configurePressureDial(gauge, { 240, 200, 150, "large_psi" });
    gauge.setValueText(QStringLiteral("75.00"));
    const QRectF dial = gauge.dialRect();
    const QRectF text = gauge.valueTextRect();
    EXPECT_NEAR(text.center().x(), dial.center().x(), 0.5);
    EXPECT_NEAR(text.center().y(), dial.center().y() + dial.height() / 2 * 0.55, 0.5);
}

namespace
{
struct LabelCase {
    int width;
    int height;
    double scaleMin;
    double scaleMax;
    int majorTicks;
    std::vector<QString> texts; // the labels shown, minimum first
    const char* artifact;
};

// Every pixel of the scale numbers, the needle, value and unit texts left out:
// what is drawn on a switched-off dial's face inside the major ticks.
std::vector<QPoint> labelInk(const AngularGauge& gauge, const Grab& grab)
{
    const QRectF dial = gauge.dialRect();
    const double inside = dial.width() / 2 * 0.76 - 2;
    const QColor face = WinColor::toQColor(gauge.disabledFaceColor());
    std::vector<QPoint> ink;
    for (int y = 0; y < gauge.height(); ++y)
        for (int x = 0; x < gauge.width(); ++x) {
            const QPointF centre(x + 0.5, y + 0.5);
            if (QLineF(centre, dial.center()).length() < inside && grab.at(x, y) != face)
                ink.emplace_back(x, y);
        }
    return ink;
}
} // namespace

// A scale that divides into repeating decimals (the dashboard's percent dials
// while no device tells the pressure unit: 0 to 100 in six steps) shows labels
// as precise as their spacing needs, drawn apart from one another; on a dial
// too small for every label, every second one (or third, ...) is shown.
TEST_F(AngularGaugeTest, ScaleLabelsTakeThePrecisionTheirSpacingNeedsAndNeverOverlap)
{
    const std::vector<QString> sixths = { "0", "17", "33", "50", "67", "83", "100" };
    const LabelCase cases[] = {
        { 146, 116, 0, 100, 7, sixths, "dashboard_percent" },
        { 100, 80, 0, 100, 7, sixths, "small_percent" },
        { 146, 116, 0, 100, 4, { "0", "33", "67", "100" }, "dashboard_thirds" },
        { 146, 116, 0, 10, 7, { "0", "1.7", "3.3", "5", "6.7", "8.3", "10" }, "dashboard_tenth_sixths" },
        { 146, 116, -1, 1, 7, { "-1", "-0.67", "-0.33", "0", "0.33", "0.67", "1" }, "dashboard_signed_thirds" },
        { 146, 116, 0, 1, 5, { "0", "0.25", "0.5", "0.75", "1" }, "dashboard_quarters" },
        { 146, 116, 0, 1050, 7, { "0", "175", "350", "525", "700", "875", "1050" }, "dashboard_kpa" },
        { 146, 116, 0, 100, 13, sixths, "dashboard_twelfths_every_second" },
        { 60, 50, 0, 100, 13, { "0", "33", "67", "100" }, "tiny_twelfths_every_fourth" },
    };
    for (const LabelCase& c : cases) {
        SCOPED_TRACE(c.artifact);
        AngularGauge gauge;
        gauge.resize(c.width, c.height);
        gauge.applyFactoryDefaults();
        gauge.setScaleMin(c.scaleMin);
        gauge.setScaleMax(c.scaleMax);
        gauge.setMajorTicks(c.majorTicks);
        gauge.setActive(false);
        const Grab grab(gauge, QStringLiteral("angular_gauge_labels_") + QLatin1String(c.artifact));

        const std::vector<AngularGauge::ScaleLabel> labels = gauge.scaleLabels();
        std::vector<QString> texts;
        for (const AngularGauge::ScaleLabel& label : labels)
            texts.push_back(label.text);
        EXPECT_EQ(texts, c.texts);
        for (size_t i = 0; i < labels.size(); ++i)
            for (size_t j = i + 1; j < labels.size(); ++j)
                EXPECT_FALSE(labels[i].box.intersects(labels[j].box))
                    << labels[i].text.toStdString() << " meets " << labels[j].text.toStdString();

        // As drawn: each label's ink inside its own box, and every box inked.
        std::vector<int> inkIn(labels.size(), 0);
        for (const QPoint& pixel : labelInk(gauge, grab)) {
            int owners = 0;
            for (size_t i = 0; i < labels.size(); ++i)
                if (labels[i].box.adjusted(-1, -1, 1, 1).contains(QPointF(pixel) + QPointF(0.5, 0.5))) {
                    ++owners;
                    ++inkIn[i];
                }
            EXPECT_EQ(owners, 1) << "ink at " << pixel.x() << "," << pixel.y();
        }
        for (size_t i = 0; i < labels.size(); ++i)
            EXPECT_GT(inkIn[i], 3) << labels[i].text.toStdString() << " is not drawn in its box";
    }
}

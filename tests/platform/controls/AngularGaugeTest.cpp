#include "Grab.h"
#include "SwTest.h"

#include "controls/AngularGauge.h"

#include <QtMath>

#include <cmath>

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

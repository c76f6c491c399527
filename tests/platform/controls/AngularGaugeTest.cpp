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

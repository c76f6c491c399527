#include "HealthPageTest.h"
#include "PixelColours.h"

#include "ui/DialogUnits.h"

#include <QFontMetricsF>
#include <QLabel>
#include <QLineEdit>
#include <QPixmap>
#include <QStyle>

#include <cmath>

namespace
{
// One page as drawn, with its pixels looked up through the widgets on it.
class PagePicture
{
public:
    PagePicture(QWidget& page, const QString& artifact)
        : m_page(page)
        , m_image(page.grab().toImage())
    {
        m_image.save(artifact);
    }

    QColor at(const QWidget* widget, QPointF point) const
    {
        return m_image.pixelColor(widget->mapTo(&m_page, point.toPoint()));
    }
    QColor centreOf(const QWidget* widget) const { return at(widget, QPointF(widget->rect().center())); }
    // The darkest pixel within `radius` of a point.
    int darkestNear(const QWidget* widget, QPointF point, int radius) const
    {
        const QPoint centre = widget->mapTo(&m_page, point.toPoint());
        int darkest = 255;
        for (int dx = -radius; dx <= radius; ++dx)
            for (int dy = -radius; dy <= radius; ++dy)
                darkest = std::min(darkest, qGray(m_image.pixel(centre + QPoint(dx, dy))));
        return darkest;
    }

private:
    QWidget& m_page;
    QImage m_image;
};

}

class HealthPageRenderingTest : public HealthPageTest
{
};

TEST_F(HealthPageRenderingTest, DashboardGaugesShowTheSimulatedPositionSupplyAndHealth)
{
    startK90();
    clock().advance(2000);
    device().setSupplyPsi(90.0);
    scriptData(194, words({ 10000, 0, 0, 0 })); // the valve row in alarm
    dashboard().RefreshPressures();
    data().Position = 2500;
    dashboard().UpdateFromStatus();

    const PagePicture picture(dashboard(), artifactPath(QStringLiteral("dashboard.png")));

    // The position bar rises from the bottom of its scale up to 25 %.
    LinearGauge* position = dashboard().positionGauge().get();
    const QPointF top = position->scalePoint(25.0);
    EXPECT_TRUE(isGreen(picture.at(position, top + QPointF(0, 4)))) << rgb(picture.at(position, top + QPointF(0, 4)));
    EXPECT_TRUE(isWhite(picture.at(position, top - QPointF(0, 4)))) << rgb(picture.at(position, top - QPointF(0, 4)));

    // The supply needle points at 90 psi of the 150 psi dial.
    AngularGauge* supply = dashboard().supplyDial().get();
    EXPECT_NEAR(supply->value(), 90.0, 0.01);
    const QPointF centre = supply->dialRect().center();
    const double radius = supply->dialRect().width() / 2 * 0.55;
    const double angle = supply->needleAngle() * M_PI / 180.0;
    const QPointF onNeedle = centre + QPointF(std::cos(angle), -std::sin(angle)) * radius;
    const QPointF across = centre + QPointF(std::cos(angle + M_PI / 2), -std::sin(angle + M_PI / 2)) * radius;
    EXPECT_LT(picture.darkestNear(supply, onNeedle, 1), 90) << "the needle is drawn where it points";
    EXPECT_GT(picture.darkestNear(supply, across, 1), 150) << "and not a quarter turn away";

    // Lit and dark lamps of the health matrix.
    const QColor valveAlarm
        = picture.centreOf(dashboard().healthLamp(CAdvDashboard::Valve, CAdvDashboard::Alarm).get());
    const QColor controlAlarm
        = picture.centreOf(dashboard().healthLamp(CAdvDashboard::Control, CAdvDashboard::Alarm).get());
    const QColor valveHealthy
        = picture.centreOf(dashboard().healthLamp(CAdvDashboard::Valve, CAdvDashboard::Healthy).get());
    EXPECT_TRUE(isBrightRed(valveAlarm)) << rgb(valveAlarm);
    EXPECT_LT(controlAlarm.red(), 100) << rgb(controlAlarm);
    EXPECT_TRUE(isGreen(valveHealthy)) << rgb(valveHealthy);
}

TEST_F(HealthPageRenderingTest, ActuatorHealthGaugesAndLedsShowTheSimulatedDevice)
{
    startK90();
    clock().advance(2000);
    device().setSupplyPsi(45.0); // in the low warning band: the indicator turns yellow
    device().setStatus(43, true); // port 1 sensor out of range
    select(ActuatorHealthCode);

    const PagePicture picture(actuatorHealth(), artifactPath(QStringLiteral("actuator-health.png")));

    LinearGauge* supply = actuatorHealth().gauge(CActuatorHealth::Supply).get();
    const QColor inBar = picture.at(supply, supply->scalePoint(40.0));
    const QColor pastValue = picture.at(supply, supply->scalePoint(50.0));
    EXPECT_TRUE(isYellow(inBar)) << rgb(inBar);
    EXPECT_TRUE(isWhite(pastValue)) << rgb(pastValue);

    const QColor failSafe = picture.centreOf(actuatorHealth().troubleLed(0).get());
    const QColor port1 = picture.centreOf(actuatorHealth().troubleLed(1).get());
    EXPECT_TRUE(isGreen(failSafe)) << rgb(failSafe);
    EXPECT_TRUE(isYellow(port1)) << rgb(port1);

    // Half a second later the blink has turned the supply indicator black.
    clock().advance(CActuatorHealth::BlinkMs);
    const PagePicture dark(actuatorHealth(), artifactPath(QStringLiteral("actuator-health-blink.png")));
    EXPECT_LT(qGray(dark.at(supply, supply->scalePoint(40.0)).rgb()), 60);
}

namespace
{
// Whether a caption or an edit's text is shown whole on one line in its box.
bool showsWhole(const QWidget* widget)
{
    const QFontMetricsF metrics(widget->font());
    if (const auto* edit = qobject_cast<const QLineEdit*>(widget)) {
        // Inside the frame, a line edit keeps two pixels clear on either side.
        const int frame = edit->style()->pixelMetric(QStyle::PM_DefaultFrameWidth, nullptr, edit);
        return metrics.horizontalAdvance(edit->text()) <= edit->width() - 2 * frame - 4;
    }
    const auto* label = qobject_cast<const QLabel*>(widget);
    return label && metrics.horizontalAdvance(label->text()) <= label->width();
}
}

TEST_F(HealthPageRenderingTest, TextsThePagesSetWhileRunningAreShownWhole)
{
    startK90();
    device().setMiscByte(0x82, 0x00); // no pressure sensors: the "(Disabled)" captions
    dashboard().RefreshAll();
    for (int id : { CAdvDashboard::SupplyCaptionId, CAdvDashboard::Port1CaptionId, CAdvDashboard::Port2CaptionId })
        EXPECT_TRUE(showsWhole(dashboard().control(id))) << dashboard().windowText(id).toStdString();
    const std::pair<int, const char*> modes[] = {
        { CAdvDashboard::CutOffEditId, "Active" },
        { CAdvDashboard::CutOffEditId, "Dormant" },
        { CAdvDashboard::HighFrictionEditId, "Active" },
        { CAdvDashboard::HighFrictionEditId, "Inactive" },
    };
    for (const auto& [id, text] : modes) {
        dashboard().setWindowText(id, QString::fromLatin1(text));
        EXPECT_TRUE(showsWhole(dashboard().control(id))) << id << " " << text;
    }
    // Back to sensors: the captions take the page's own font again.
    device().setMiscByte(0x82, 0x01);
    dashboard().RefreshAll();
    EXPECT_EQ(
        dashboard().control(CAdvDashboard::SupplyCaptionId)->font().pointSizeF(), dashboard().font().pointSizeF());
}

TEST_F(HealthPageRenderingTest, SmallerModelSupplySensorCaptionIsShownWhole)
{
    start({ QStringLiteral("/dSim/K40/PV-102") });
    const QWidget* caption = actuatorHealth().control(CActuatorHealth::Port2Caption);
    EXPECT_EQ(actuatorHealth().windowText(CActuatorHealth::Port2Caption),
        QStringLiteral("Supply Pressure Sensor Out of Range"));
    EXPECT_TRUE(showsWhole(caption));
}

TEST_F(HealthPageRenderingTest, DashboardHartEditsLieWhollyBelowTheirGroupsFrameLine)
{
    startK90();
    const PagePicture picture(dashboard(), artifactPath(QStringLiteral("dashboard_hart_group.png")));
    // The "HART" group of the template (101, 26, 234, 24 dialog units) and its request edit.
    const QRect group = DialogUnits::toPx(101, 26, 234, 24);
    const QRect edit = dashboard().controlRect(CAdvDashboard::RequestEditId);
    const QColor background = picture.at(&dashboard(), QPointF(group.right() - 20, group.top() - 4));
    // The frame line: the first row from the group's top whose right-hand stretch,
    // clear of title and edits, is one colour other than the page's.
    int frameRow = -1;
    for (int y = group.top(); y < group.bottom() && frameRow < 0; ++y) {
        const QColor first = picture.at(&dashboard(), QPointF(group.right() - 40, y));
        bool even = first != background;
        for (int x = group.right() - 40; x <= group.right() - 10 && even; ++x)
            even = picture.at(&dashboard(), QPointF(x, y)) == first;
        if (even)
            frameRow = y;
    }
    ASSERT_GE(frameRow, 0) << "no frame line found";
    EXPECT_LT(frameRow + 1, edit.top()) << "the edit straddles the frame line";
    EXPECT_LT(frameRow + 1, dashboard().controlRect(CAdvDashboard::ReplyEditId).top());
}

TEST_F(HealthPageRenderingTest, DisabledPressureDialsShowDisabledClearOfTheirScaleNumbers)
{
    startK90();
    data().PressureSensorFlag = 0;
    dashboard().UpdateEnableStates();
    const PagePicture picture(dashboard(), artifactPath(QStringLiteral("dashboard_dials_disabled.png")));
    for (const IAngularGaugePtr& dial :
        { dashboard().supplyDial(), dashboard().port1Dial(), dashboard().port2Dial() }) {
        ASSERT_EQ(dial->valueText(), QStringLiteral("Disabled"));
        const QRectF text = dial->valueTextRect();
        ASSERT_FALSE(text.isEmpty());
        for (const QRectF& label : dial->scaleLabelRects())
            EXPECT_FALSE(text.intersects(label)) << dial->objectName().toStdString();
        EXPECT_TRUE(QRectF(dial->rect()).contains(text)) << "the text stays on the dial";
    }
}

TEST_F(HealthPageRenderingTest, PercentDialsOfAnUnknownUnitShowShortLabelsThatNeverOverlap)
{
    startK90();
    // A unit the program does not know: the dials run 0 to 100 % in seven major ticks.
    scriptData(220, QByteArray(4, '\0'));
    dashboard().ApplyUnits();
    const PagePicture picture(dashboard(), artifactPath(QStringLiteral("dashboard_percent_dials.png")));
    for (const IAngularGaugePtr& dial :
        { dashboard().supplyDial(), dashboard().port1Dial(), dashboard().port2Dial() }) {
        ASSERT_EQ(dial->scaleMax(), 100.0);
        const std::vector<AngularGauge::ScaleLabel> labels = dial->scaleLabels();
        ASSERT_GE(labels.size(), 2u);
        for (size_t a = 0; a < labels.size(); ++a) {
            EXPECT_LE(labels[a].text.size(), 5) << labels[a].text.toStdString();
            for (size_t b = a + 1; b < labels.size(); ++b)
                EXPECT_FALSE(labels[a].box.intersects(labels[b].box))
                    << labels[a].text.toStdString() << " meets " << labels[b].text.toStdString();
        }
    }
}

TEST_F(HealthPageRenderingTest, FrictionToleranceGaugeShowsTheSimulatedFrictionInItsZoneColour)
{
    startK90();
    ValveModelParams physics = device().physics();
    physics.staticFrictionLbf = physics.dynamicFrictionLbf = 450.0; // between the high warning 400 and alarm 500
    device().setPhysics(physics);
    clock().advance(2000);
    tree().SelectItem(tree().itemForCode(311));
    auto& tolerance = page<CValveHealthToleranceSettings>();
    clock().advance(CValveHealthToleranceSettings::ZoneMs);
    if (tolerance.gauge()->pointerColor(0) == IndicatorColour::Black)
        clock().advance(CValveHealthToleranceSettings::ZoneMs);

    const PagePicture picture(tolerance, artifactPath(QStringLiteral("friction-tolerance.png")));
    LinearGauge* gauge = tolerance.gauge().get();
    const QColor inBar = picture.at(gauge, gauge->scalePoint(200.0));
    const QColor pastValue = picture.at(gauge, gauge->scalePoint(550.0));
    EXPECT_TRUE(isYellow(inBar)) << rgb(inBar);
    EXPECT_TRUE(isWhite(pastValue)) << rgb(pastValue);

    clock().advance(CValveHealthToleranceSettings::ZoneMs);
    const PagePicture dark(tolerance, artifactPath(QStringLiteral("friction-tolerance-blink.png")));
    EXPECT_LT(qGray(dark.at(gauge, gauge->scalePoint(200.0)).rgb()), 60);

    // Past the high alarm, at the next friction reading, the bar is red.
    physics.staticFrictionLbf = physics.dynamicFrictionLbf = 560.0;
    device().setPhysics(physics);
    clock().advance(clock().dueIn(&tolerance, CValveHealthToleranceSettings::FrictionValueTimerId));
    clock().advance(CValveHealthToleranceSettings::ZoneMs);
    if (tolerance.gauge()->pointerColor(0) == IndicatorColour::Black)
        clock().advance(CValveHealthToleranceSettings::ZoneMs);
    const PagePicture red(tolerance, artifactPath(QStringLiteral("friction-tolerance-alarm.png")));
    EXPECT_TRUE(isBrightRed(red.at(gauge, gauge->scalePoint(200.0)))) << rgb(red.at(gauge, gauge->scalePoint(200.0)));
}

TEST_F(HealthPageRenderingTest, ValveHealthGaugesShowFrictionAndCountersOfTheSimulatedValve)
{
    startK90();
    ValveModelParams physics = device().physics();
    physics.staticFrictionLbf = physics.dynamicFrictionLbf = 560.0; // past the high alarm 500
    device().setPhysics(physics);
    clock().advance(2000);
    tree().SelectItem(tree().itemForCode(31));
    auto& valve = page<CValveHealth>();
    if (valve.frictionGauge()->pointerColor(0) == IndicatorColour::Black)
        clock().advance(CValveHealth::ZoneMs);

    const PagePicture picture(valve, artifactPath(QStringLiteral("valve-health.png")));
    LinearGauge* friction = valve.frictionGauge().get();
    const QColor inBar = picture.at(friction, friction->scalePoint(250.0));
    EXPECT_TRUE(isBrightRed(inBar)) << rgb(inBar);
    EXPECT_TRUE(isWhite(picture.at(friction, friction->scalePoint(580.0))));
    LinearGauge* travel = valve.counterGauge(CValveHealth::Travel).get();
    if (travel->value() > 0) {
        EXPECT_TRUE(isGreen(picture.at(travel, travel->scalePoint(travel->value() / 2))));
    }

    clock().advance(CValveHealth::ZoneMs);
    const PagePicture dark(valve, artifactPath(QStringLiteral("valve-health-blink.png")));
    EXPECT_LT(qGray(dark.at(friction, friction->scalePoint(250.0)).rgb()), 60);
}

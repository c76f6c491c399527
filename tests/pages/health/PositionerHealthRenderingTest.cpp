#include "PixelColours.h"
#include "PositionerHealthPageTest.h"

#include <QPixmap>

class PositionerHealthRenderingTest : public PositionerHealthPageTest
{
protected:
    // The page as drawn, kept as an artifact, with a pixel looked up through a widget on it.
    QColor at(const QImage& picture, const QWidget* widget, QPointF point)
    {
        return picture.pixelColor(widget->mapTo(&page(), point.toPoint()));
    }
    QImage grab(const char* name)
    {
        QImage picture = page().grab().toImage();
        picture.save(artifactPath(QString::fromLatin1(name)));
        return picture;
    }
};

TEST_F(PositionerHealthRenderingTest, SlowRelayBarBlinksYellowAndActiveFaultLedsAreRed)
{
    showPage();
    setRelayResponseMs(700); // between the warning 600 and the alarm 1000
    device().setStatus(36, true); // watch dog timeout
    device().setStatus(53, true); // Hall sensor lower position
    page().OnRetrieve();

    const QImage picture = grab("positioner-health.png");
    LinearGauge* response = page().gauge(P::Response).get();
    const QColor inBar = at(picture, response, response->scalePoint(300.0));
    const QColor pastValue = at(picture, response, response->scalePoint(850.0));
    EXPECT_TRUE(isYellow(inBar)) << rgb(inBar);
    EXPECT_TRUE(isWhite(pastValue)) << rgb(pastValue);
    for (int k = 0; k < 7; ++k) {
        const LedRound* led = page().indicatorLed(k).get();
        const QColor centre = at(picture, led, QPointF(led->rect().center()));
        if (k == 2 || k == 6)
            EXPECT_TRUE(isBrightRed(centre)) << 1132 + k << ' ' << rgb(centre);
        else
            EXPECT_TRUE(isGreen(centre)) << 1132 + k << ' ' << rgb(centre);
    }

    // Half a second later the blink has turned the response bar black.
    clock().advance(P::BlinkMs);
    const QImage dark = grab("positioner-health-blink.png");
    EXPECT_LT(qGray(at(dark, response, response->scalePoint(300.0)).rgb()), 60);

    // Past the alarm the bar is red.
    setRelayResponseMs(900);
    setRelayResponseMs(1200);
    page().OnRetrieve();
    const QImage alarm = grab("positioner-health-alarm.png");
    const QColor red = at(alarm, response, response->scalePoint(300.0));
    EXPECT_TRUE(isBrightRed(red)) << rgb(red);
}

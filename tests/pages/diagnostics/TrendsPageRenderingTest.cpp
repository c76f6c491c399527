// What the trends page draws after an acquisition, read from its pixels.
#include "TrendsPageTest.h"

#include <QCoreApplication>
#include <QDir>
#include <QImage>

namespace
{
// The pixels of exactly this colour inside a rectangle of the picture.
int pixelsOf(const QImage& image, const QRect& rect, QRgb colour)
{
    int count = 0;
    for (int y = rect.top(); y <= rect.bottom(); ++y)
        for (int x = rect.left(); x <= rect.right(); ++x)
            count += (image.pixel(x, y) & 0xFFFFFF) == (colour & 0xFFFFFF) ? 1 : 0;
    return count;
}
const QRgb PositionColour = qRgb(255, 10, 10);
const QRgb TemperatureColour = qRgb(0, 128, 128);
const QRgb CommandColour = qRgb(0, 192, 0);
}

class TrendsPageRenderingTest : public TrendsPageTest
{
protected:
    QImage grab(const char* name)
    {
        trends().resize(trends().sizeHint().expandedTo(QSize(900, 520)));
        QCoreApplication::processEvents();
        const QImage image = trends().grab().toImage();
        const QString dir = QCoreApplication::applicationDirPath() + QStringLiteral("/artifacts/pages_tests");
        QDir().mkpath(dir);
        image.save(dir + QLatin1Char('/') + QString::fromLatin1(name));
        return image;
    }
    QRect plotRect(int period) { return trends().control(CTrends::HoursPlotId + period)->geometry(); }
};

TEST_F(TrendsPageRenderingTest, EachPlotDrawsItsSignalsAndOneButtonLeavesOnlyThatSignalDrawn)
{
    showPage();
    retrieve(91);
    clock().advance(CTrends::RowMs);

    // The simulated valve follows its command within a fraction of a percent,
    // so with all six shown the command trace covers the position trace.
    const QImage all = grab("trends_all_signals.png");
    for (int p = 0; p < 4; ++p) {
        EXPECT_GT(pixelsOf(all, plotRect(p), CommandColour), 0) << "plot " << p;
        EXPECT_GT(pixelsOf(all, plotRect(p), TemperatureColour), 0) << "plot " << p;
    }

    click(CTrends::PositionButton);
    const QImage position = grab("trends_position_only.png");
    for (int p = 0; p < 4; ++p) {
        EXPECT_GT(pixelsOf(position, plotRect(p), PositionColour), 0) << "plot " << p;
        EXPECT_EQ(pixelsOf(position, plotRect(p), CommandColour), 0) << "plot " << p;
        EXPECT_EQ(pixelsOf(position, plotRect(p), TemperatureColour), 0) << "plot " << p;
    }

    click(CTrends::TemperatureButton);
    const QImage temperature = grab("trends_temperature_only.png");
    for (int p = 0; p < 4; ++p) {
        EXPECT_GT(pixelsOf(temperature, plotRect(p), TemperatureColour), 0) << "plot " << p;
        EXPECT_EQ(pixelsOf(temperature, plotRect(p), PositionColour), 0) << "plot " << p;
        EXPECT_EQ(pixelsOf(temperature, plotRect(p), CommandColour), 0) << "plot " << p;
    }
}

#include "ui/Pictures.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QSize>

#include <gtest/gtest.h>

TEST(ShippedPictures, EveryPictureOfTheProgramLoadsAtItsSize)
{
    struct Case {
        int id;
        QSize size; // empty: any size
    };
    const Case cases[] = {
        { 130, {} },
        { 131, {} },
        { 132, {} },
        { 133, {} },
        { 134, {} },
        { 135, {} },
        { 136, {} },
        { 138, { 8, 8 } },
        { 139, { 8, 8 } },
        { 141, {} },
        { 148, { 16, 12 } },
        { 149, { 14, 14 } },
        { 150, {} },
        { 151, { 14, 14 } },
        { 154, { 14, 14 } },
        { 155, { 14, 14 } },
        { 156, {} },
        { 157, {} },
        { 158, {} },
        { 159, {} },
        { 161, {} },
        { 162, {} },
    };
    for (const Case& c : cases) {
        const QPixmap picture = Pictures::load(c.id);
        ASSERT_FALSE(picture.isNull()) << c.id;
        if (!c.size.isEmpty()) {
            EXPECT_EQ(picture.size(), c.size) << c.id;
        }
    }
    // The legend keys are triangles on a transparent ground, in their colours.
    const QImage yellow = Pictures::load(149).toImage();
    EXPECT_EQ(yellow.pixelColor(0, 0).alpha(), 0);
    EXPECT_EQ(yellow.pixelColor(7, 10), QColor(255, 255, 0));
    EXPECT_EQ(Pictures::load(155).toImage().pixelColor(7, 10), QColor(255, 0, 0));
}

TEST(ShippedHelp, BothModelsHaveAPagePerNavigationItem)
{
    const int contexts[] = { 0, 1, 2, 21, 22, 23, 3, 31, 311, 32, 33, 34, 4, 41, 411, 42, 421, 43, 431, 44, 45, 46, 461,
        5, 51, 52, 53, 6, 61 };
    for (const char* model : { "SerratK90Clipwell", "SerratK40Clipwell" }) {
        const QString folder = QCoreApplication::applicationDirPath() + QLatin1Char('/') + QLatin1String(model);
        EXPECT_TRUE(QFileInfo::exists(folder + QStringLiteral("/index.html"))) << model;
        for (int context : contexts)
            EXPECT_TRUE(QFileInfo::exists(folder + QStringLiteral("/%1.html").arg(context))) << model << " " << context;
    }
}

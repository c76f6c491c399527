#include "Grab.h"
#include "SwTest.h"

#include "controls/ImageDisplay.h"

#include <QDirIterator>
#include <QFileInfo>

using ImageDisplayTest = SwTest;

TEST_F(ImageDisplayTest, PictureIsDrawnCentredAtItsOwnSize)
{
    QPixmap swatch(10, 10);
    swatch.fill(QColor(0, 0, 255));
    ImageDisplay display;
    display.setBackgroundColor(0xFFFFFF);
    display.resize(30, 20);
    display.setPicture(swatch);
    const Grab grab(display, QStringLiteral("image_swatch"));
    EXPECT_EQ(grab.at(15, 10), QColor(0, 0, 255));
    EXPECT_EQ(grab.at(2, 2), QColor(255, 255, 255));
}

TEST_F(ImageDisplayTest, PictureLargerThanTheDisplayShrinksToFit)
{
    QPixmap large(200, 100);
    large.fill(QColor(255, 0, 0));
    ImageDisplay display;
    display.resize(40, 40);
    display.setPicture(large);
    const Grab grab(display, QStringLiteral("image_shrunk"));
    EXPECT_EQ(grab.at(20, 20), QColor(255, 0, 0));
    EXPECT_NE(grab.at(20, 2), QColor(255, 0, 0)) << "proportions are kept";
}

TEST_F(ImageDisplayTest, IdWithoutPictureLeavesTheDisplayEmpty)
{
    QPixmap swatch(10, 10);
    swatch.fill(Qt::blue);
    ImageDisplay display;
    display.resize(20, 20);
    display.setPicture(swatch);

    EXPECT_FALSE(display.loadImageResource(987654));
    EXPECT_FALSE(display.hasPicture());
    EXPECT_EQ(display.imageResource(), 0);
    EXPECT_FALSE(Grab(display, QStringLiteral("image_missing")).contains(Qt::blue));
}

TEST_F(ImageDisplayTest, ClearRemovesThePicture)
{
    QPixmap swatch(10, 10);
    swatch.fill(Qt::blue);
    ImageDisplay display;
    display.resize(20, 20);
    display.setPicture(swatch);
    display.clear();
    EXPECT_FALSE(display.hasPicture());
}

TEST_F(ImageDisplayTest, LoadsTheProgramsPictureByItsId)
{
    QDirIterator pictures(QStringLiteral(":/pictures"));
    if (!pictures.hasNext())
        GTEST_SKIP() << "the program has no pictures yet";
    const int id = QFileInfo(pictures.next()).baseName().toInt();
    ImageDisplay display;
    display.resize(40, 40);
    EXPECT_TRUE(display.loadImageResource(id)) << id;
    EXPECT_TRUE(display.hasPicture());
    EXPECT_EQ(display.imageResource(), id);
}

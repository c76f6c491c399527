#include "Grab.h"
#include "PageLayoutCheck.h"
#include "SwTest.h"

#include "controls/NumEdit.h"
#include "controls/WinColor.h"

#include <QFontMetricsF>

using NumEditTest = SwTest;

TEST_F(NumEditTest, ErrorActiveShowsErrorTextOnErrorBackground)
{
    struct Case {
        bool errorActive;
        QString text;
        uint32_t background;
        const char* artifact;
    } cases[] = {
        { false, QStringLiteral("12.5"), 0xC0C0C0, "numedit_value" },
        { true, QStringLiteral("Spool Cycles Limit"), 0x00FFFF, "numedit_error" },
    };
    for (const Case& c : cases) {
        NumEdit edit;
        edit.resize(140, 24);
        edit.setColor(0xC0C0C0);
        edit.setErrorBackGroundColor(0x00FFFF);
        edit.setValue(QStringLiteral("12.5"));
        edit.setErrorText(QStringLiteral("Spool Cycles Limit"));
        edit.setErrorActive(c.errorActive);

        EXPECT_EQ(edit.shownText(), c.text);
        const Grab grab(edit, QString::fromLatin1(c.artifact));
        const QColor background = WinColor::toQColor(c.background);
        // A corner inside the frame, away from the text.
        EXPECT_EQ(grab.at(3, 3), background) << c.artifact;
        EXPECT_TRUE(grab.contains(Qt::black)) << c.artifact << ": the text is drawn";
        // The ink inside the frame is as wide as the text the box should show
        // ("12.5" and "Spool Cycles Limit" differ by far more than that).
        const QRectF ink = grab.inkBounds(background, 2);
        const QRectF text = QFontMetricsF(edit.font()).tightBoundingRect(c.text);
        EXPECT_NEAR(ink.width(), text.width(), 3.0) << c.artifact;
        EXPECT_NEAR(ink.center().x(), edit.width() / 2.0, 3.0) << c.artifact << ": centred";
    }
}

TEST_F(NumEditTest, ATextWiderThanTheBoxIsDrawnSmallerAndWholeAShortOneInTheBoxFont)
{
    // The status strip's box and font, with the longest status name and a short one.
    const struct {
        const char* text;
        bool smaller;
    } cases[] = {
        { "65 - Command Loop 100% Signal Out Of Range Warning", true },
        { "System Nominal", false },
    };
    for (const auto& c : cases) {
        NumEdit edit;
        edit.resize(331, 21);
        edit.setColor(0xC0C0C0);
        QFont font(QStringLiteral("DejaVu Sans"));
        font.setPointSizeF(11.0);
        font.setBold(true);
        edit.setFont(font);
        edit.setValue(QString::fromLatin1(c.text));
        const std::vector<PageLayoutCheck::DrawnText> drawn = PageLayoutCheck::drawnTexts(edit);
        ASSERT_EQ(drawn.size(), 1u) << c.text;
        EXPECT_EQ(drawn[0].text, QString::fromLatin1(c.text));
        EXPECT_GE(drawn[0].box.left(), 0.0) << c.text << ": the start is drawn";
        EXPECT_LE(drawn[0].box.right(), edit.width()) << c.text << ": the end is drawn";
        const double fullWidth = QFontMetricsF(font).horizontalAdvance(edit.shownText());
        if (c.smaller)
            EXPECT_LT(drawn[0].box.width(), fullWidth * 0.75) << c.text;
        else
            EXPECT_DOUBLE_EQ(drawn[0].box.width(), fullWidth) << c.text;
    }
}

TEST_F(NumEditTest, ShowsNoTextWhenErrorTextIsEmpty)
{
    NumEdit edit;
    edit.resize(140, 24);
    edit.setValue(QStringLiteral("Supply OutOfRange"));
    edit.setErrorActive(true);
    EXPECT_EQ(edit.shownText(), QString());
    EXPECT_FALSE(Grab(edit, QStringLiteral("numedit_error_empty")).contains(Qt::black));
}

TEST_F(NumEditTest, TemplatePropertiesAreTheControlsOwn)
{
    NumEdit edit;
    edit.setProperty("ErrorText", QStringLiteral("Reserved"));
    edit.setProperty("ErrorBackGroundColor", 0x00FFFFu);
    edit.setProperty("Color", 0xD3D3D3u);
    edit.setProperty("ErrorActive", true);
    edit.setProperty("Value", QStringLiteral("Supply Range Small"));
    EXPECT_EQ(edit.errorText(), QStringLiteral("Reserved"));
    EXPECT_EQ(edit.errorBackGroundColor(), 0x00FFFFu);
    EXPECT_EQ(edit.color(), 0xD3D3D3u);
    EXPECT_TRUE(edit.errorActive());
    EXPECT_EQ(edit.value(), QStringLiteral("Supply Range Small"));
    EXPECT_EQ(edit.shownText(), QStringLiteral("Reserved"));
}

#include "Grab.h"
#include "SwTest.h"

#include "controls/LedRound.h"
#include "controls/WinColor.h"

using LedRoundTest = SwTest;

TEST_F(LedRoundTest, CentreShowsLitColourWhenLitAndUnlitColourWhenNot)
{
    struct Case {
        bool lit;
        uint32_t litColor;
        uint32_t unlitColor;
        const char* artifact;
    } cases[] = {
        { true, 0x00FF00, 0x000000, "led_lit_green" },
        { false, 0x00FF00, 0x000000, "led_unlit_black" },
        { true, 0x0A0AFF, 0x00FF00, "led_lit_red" },
        { false, 0x0A0AFF, 0x00FF00, "led_unlit_green" },
    };
    for (const Case& c : cases) {
        LedRound led;
        led.resize(21, 21);
        led.setLitColor(c.litColor);
        led.setUnlitColor(c.unlitColor);
        led.setLit(c.lit);
        const QColor expected = WinColor::toQColor(c.lit ? c.litColor : c.unlitColor);
        EXPECT_EQ(Grab(led, QString::fromLatin1(c.artifact)).at(10, 10), expected) << c.artifact;
    }
}

TEST_F(LedRoundTest, InactiveLampIsGreyedWhateverItsColour)
{
    LedRound led;
    led.resize(21, 21);
    led.setLitColor(0x0A0AFF);
    led.setLit(true);
    led.setActive(false);
    const QColor centre = Grab(led, QStringLiteral("led_inactive")).at(10, 10);
    EXPECT_EQ(centre.red(), centre.green());
    EXPECT_EQ(centre.green(), centre.blue());
}

TEST_F(LedRoundTest, ColoursReadBackAsWindowsValues)
{
    LedRound led;
    led.setLitColor(0xFF6633);
    led.setUnlitColor(0x8000000A);
    EXPECT_EQ(led.litColor(), 0xFF6633u);
    EXPECT_EQ(led.unlitColor(), 0x8000000Au);
}

#include "Mouse.h"
#include "SwTest.h"

#include "controls/SwitchToggle.h"

using SwitchToggleTest = SwTest;

TEST_F(SwitchToggleTest, OnlyTheUsersToggleRaisesTheChangeEvent)
{
    SwitchToggle toggle;
    toggle.resize(40, 20);
    int changes = 0;
    bool valueInsideHandler = false;
    QObject::connect(&toggle, &SwitchToggle::changed, [&] {
        ++changes;
        valueInsideHandler = toggle.value();
    });

    toggle.setValue(true);
    toggle.setValue(false);
    EXPECT_EQ(changes, 0) << "set by the program";

    Mouse::click(toggle, { 20, 10 });
    EXPECT_EQ(changes, 1);
    EXPECT_TRUE(toggle.value());
    EXPECT_TRUE(valueInsideHandler) << "the handler reads the new position";

    Mouse::key(toggle, Qt::Key_Space);
    EXPECT_EQ(changes, 2);
    EXPECT_FALSE(toggle.value());
}

TEST_F(SwitchToggleTest, PressesThatAreNotClicksLeaveItAlone)
{
    SwitchToggle toggle;
    toggle.resize(40, 20);
    int changes = 0;
    QObject::connect(&toggle, &SwitchToggle::changed, [&] { ++changes; });

    Mouse::press(toggle, { 20, 10 });
    Mouse::release(toggle, { 200, 10 }); // dragged off before letting go
    Mouse::release(toggle, { 20, 10 }); // a release without its press
    Mouse::press(toggle, { 20, 10 }, Qt::RightButton);
    Mouse::release(toggle, { 20, 10 }, Qt::RightButton);
    toggle.setActive(false);
    Mouse::click(toggle, { 20, 10 });

    EXPECT_EQ(changes, 0);
    EXPECT_FALSE(toggle.value());
}

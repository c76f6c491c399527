#include "SwTest.h"

#include "ui/ControlRegistry.h"

#include <QWidget>

#include <memory>

using ControlCreationTest = SwTest;

TEST_F(ControlCreationTest, EveryProgIdAndTemplateClassMakesItsControl)
{
    struct Case {
        const char* progId;
        const char* className;
    } cases[] = {
        { "DigitalLib.LedRound", "LedRound" },
        { "DigitalLib.SwitchToggle", "SwitchToggle" },
        { "AnalogLib.NumEdit", "NumEdit" },
        { "AnalogLib.LinearGauge", "LinearGauge" },
        { "AnalogLib.AngularGauge", "AngularGauge" },
        { "AnalogLib.AnalogDisplay", "AnalogDisplay" },
        { "AnalogLib.Thermometer", "Thermometer" },
        { "AnalogLib.AnalogOutput", "AnalogOutput" },
        { "DisplayLib.ImageDisplay", "ImageDisplay" },
        // Placed by dialog templates under their persisted classes.
        { "TiEdit", "NumEdit" },
        { "TSpinEditBox", "SpinEditBox" },
        { "TiLabel", "CaptionLabel" },
    };
    QWidget page;
    for (const Case& c : cases) {
        QWidget* control = ControlRegistry::instance().create(QString::fromLatin1(c.progId), &page);
        ASSERT_NE(control, nullptr) << c.progId;
        EXPECT_STREQ(control->metaObject()->className(), c.className) << c.progId;
        EXPECT_EQ(control->parentWidget(), &page) << c.progId;
    }
}

TEST_F(ControlCreationTest, UnregisteredControlCannotBeCreated)
{
    auto& registry = ControlRegistry::instance();
    // Whatever happens below, the next test finds every control registered.
    const std::shared_ptr<void> restoreAll(nullptr, [](void*) { ControlRegistry::instance().restoreAll(); });
    const QString progId = QStringLiteral("DigitalLib.LedRound");
    ASSERT_TRUE(registry.remove(progId));
    QWidget page;
    EXPECT_EQ(registry.create(progId, &page), nullptr);
    registry.restore(progId);
    EXPECT_NE(registry.create(progId, &page), nullptr);
}

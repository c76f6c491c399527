#include "SwTest.h"

#include "ui/ControlRegistry.h"

#include <QLabel>

#include <memory>

using ControlRegistryTest = SwTest;

TEST_F(ControlRegistryTest, CreatedByProgIdUntilUnregistered)
{
    ControlRegistration registration(
        QStringLiteral("Test.Label"), [](QWidget* parent) { return new QLabel(QStringLiteral("made"), parent); });
    auto& registry = ControlRegistry::instance();
    QWidget parent;

    QWidget* made = registry.create(QStringLiteral("Test.Label"), &parent);
    ASSERT_NE(made, nullptr);
    EXPECT_EQ(made->parent(), &parent);
    EXPECT_EQ(qobject_cast<QLabel*>(made)->text(), QStringLiteral("made"));

    EXPECT_TRUE(registry.remove(QStringLiteral("Test.Label")));
    EXPECT_FALSE(registry.contains(QStringLiteral("Test.Label")));
    EXPECT_EQ(registry.create(QStringLiteral("Test.Label"), &parent), nullptr);

    registry.restore(QStringLiteral("Test.Label"));
    EXPECT_NE(registry.create(QStringLiteral("Test.Label"), &parent), nullptr);

    EXPECT_EQ(registry.create(QStringLiteral("No.Such.Control"), &parent), nullptr);
    registry.remove(QStringLiteral("Test.Label"));
}

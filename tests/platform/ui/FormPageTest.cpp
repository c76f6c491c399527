#include "PageLayoutCheck.h"
#include "SwTest.h"

#include "automation/ComError.h"
#include "ui/ControlRegistry.h"
#include "ui/FormPage.h"
#include "ui/HandlerGuard.h"

#include <QApplication>
#include <QGroupBox>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSpinBox>
#include <QStyle>
#include <QStyleOptionButton>

namespace
{
class SamplePage : public FormPage
{
public:
    explicit SamplePage(QWidget* parent = nullptr)
        : FormPage(QStringLiteral("CSamplePage"), 281, parent)
    {
        buildTemplate(544, 396,
            {
                ControlSpec::group(1026, QStringLiteral("Actuator Pneumatic Leak (scfm)"), 3, 26, 367, 78),
                ControlSpec::edit(402, 157, 86, 50, 12),
                ControlSpec::edit(388, 10, 86, 53, 12, ControlSpec::ReadOnly),
                ControlSpec::button(432, QStringLiteral("Apply"), 411, 330, 50, 14),
                ControlSpec::placeholder(1163, 10, 38, 211, 30),
                ControlSpec::radio(623, QStringLiteral("A"), 10, 340, 20, 10, ControlSpec::GroupStart),
                ControlSpec::radio(624, QStringLiteral("B"), 40, 340, 20, 10),
                ControlSpec::vendor(
                    1307, QStringLiteral("Test.Spin"), 208, 86, 12, 13, { { QStringLiteral("maximum"), 100 } }),
            });
    }
    int ticks = 0;
    int throwingTicks = 0;
    void onTimer(int id) override
    {
        if (id == 3004)
            ++ticks;
        if (id == 9) {
            ++throwingTicks;
            throw ComError(ComError::Failure, QStringLiteral("plot failed"));
        }
    }
};

class FormPageTest : public SwTest
{
protected:
    void SetUp() override
    {
        SwTest::SetUp();
        ControlRegistry::instance().add(
            QStringLiteral("Test.Spin"), [](QWidget* parent) { return new QSpinBox(parent); });
    }
    void TearDown() override
    {
        ControlRegistry::instance().remove(QStringLiteral("Test.Spin"));
        SwTest::TearDown();
    }
};
}

TEST_F(FormPageTest, ControlsStandAtTheirTemplatePositionsAndAreFoundById)
{
    SamplePage page;
    EXPECT_EQ(page.controlRect(1026), QRect(5, 42, 550, 127));
    EXPECT_EQ(page.windowText(1026), QStringLiteral("Actuator Pneumatic Leak (scfm)"));
    ASSERT_NE(page.controlAs<QLineEdit>(388), nullptr);
    EXPECT_TRUE(page.controlAs<QLineEdit>(388)->isReadOnly());
    EXPECT_EQ(page.control(402)->objectName(), QStringLiteral("402"));
    EXPECT_EQ(FormPage::idOf(page.control(432)), 432);
    EXPECT_EQ(page.control(9999), nullptr);

    // The placeholder is hidden and only gives its rectangle.
    EXPECT_TRUE(page.control(1163)->isHidden());
    EXPECT_EQ(page.controlRect(1163), QRect(15, 62, 317, 49));

    // The vendor control comes from the registry with its persisted properties.
    auto* spin = page.controlAs<QSpinBox>(1307);
    ASSERT_NE(spin, nullptr);
    EXPECT_EQ(spin->maximum(), 100);
}

TEST_F(FormPageTest, ScreenRectangleOfAPlaceholderMapsBackToTheClientRectangle)
{
    QWidget frame;
    frame.move(100, 50);
    auto* page = new SamplePage(&frame);
    page->move(20, 10);
    frame.show();
    const QRect screen = page->controlScreenRect(1163);
    EXPECT_EQ(page->screenToClient(screen), page->controlRect(1163));
}

TEST_F(FormPageTest, TimersByIdDriveOnTimer)
{
    SamplePage page;
    page.setTimer(3004, 15000);
    EXPECT_TRUE(page.timerArmed(3004));
    clock().advance(45000);
    EXPECT_EQ(page.ticks, 3);
    page.killTimer(3004);
    page.killTimer(3004);
    clock().advance(45000);
    EXPECT_EQ(page.ticks, 3);
}

TEST_F(FormPageTest, ThrowingTimerHandlerIsLoggedAndTheTimerGoesOn)
{
    QStringList lines;
    HandlerGuard::setLogHook([&](const QString& line) { lines << line; });
    SamplePage page;
    page.setTimer(9, 1000);
    clock().advance(2000);
    EXPECT_EQ(page.throwingTicks, 2);
    ASSERT_EQ(lines.size(), 2);
    EXPECT_EQ(lines[0], QStringLiteral("CSamplePage OnTimer: automation error 0x80004005"));
}

TEST_F(FormPageTest, DestroyedPageLeavesNoTimerBehind)
{
    auto page = std::make_unique<SamplePage>();
    const void* address = page.get();
    page->setTimer(3004, 1000);
    page.reset();
    EXPECT_FALSE(clock().isArmed(address, 3004));
    clock().advance(5000); // nothing fires into a dead page
}

TEST_F(FormPageTest, HandlersRunOnClickTextChangeAndFocusLoss)
{
    SamplePage page;
    page.show();
    int clicks = 0, changes = 0, focusLost = 0;
    page.onClicked(432, "OnApply", [&] { ++clicks; });
    page.onTextChanged(402, "OnChange", [&] { ++changes; });
    page.onKillFocus(402, "OnLimitEditKillFocus", [&] { ++focusLost; });

    page.controlAs<QPushButton>(432)->click();
    page.setWindowText(402, QStringLiteral("12.5")); // set by the program: still a change
    QApplication::setActiveWindow(&page);
    page.control(402)->setFocus();
    ASSERT_TRUE(page.control(402)->hasFocus());
    page.control(388)->setFocus();

    EXPECT_EQ(clicks, 1);
    EXPECT_EQ(changes, 1);
    EXPECT_EQ(focusLost, 1);
}

TEST_F(FormPageTest, RadioGroupCanBeLeftWithNothingChecked)
{
    SamplePage page;
    auto* a = page.controlAs<QRadioButton>(623);
    auto* b = page.controlAs<QRadioButton>(624);
    a->setChecked(true);
    b->setChecked(true);
    EXPECT_FALSE(a->isChecked()); // exclusive within the group
    page.uncheckRadioGroup(623);
    EXPECT_FALSE(a->isChecked());
    EXPECT_FALSE(b->isChecked());
}

namespace
{
// A button whose text fits at the page font and one that is too narrow for its text.
class TwoButtonPage : public FormPage
{
public:
    TwoButtonPage()
        : FormPage(QStringLiteral("CSamplePage"), 281)
    {
        buildTemplate(544, 396,
            {
                ControlSpec::button(432, QStringLiteral("Apply"), 10, 10, 50, 14),
                ControlSpec::button(676, QStringLiteral("Command (%)"), 10, 40, 40, 14),
            });
    }
};
}

TEST_F(FormPageTest, AButtonTextTooWideForTheRoomInsideItsFrameIsDrawnSmallerAndOneThatFitsKeepsThePageFont)
{
    TwoButtonPage page;
    page.show();
    const QFontMetricsF pageFont(page.font());
    const auto drawn = [&](int id) {
        const std::vector<PageLayoutCheck::DrawnText> texts
            = PageLayoutCheck::drawnTexts(*page.controlAs<QPushButton>(id));
        EXPECT_EQ(texts.size(), 1u) << id;
        return texts.empty() ? QRectF() : texts.front().box;
    };
    auto* narrow = page.controlAs<QPushButton>(676);
    QStyleOptionButton option;
    option.initFrom(narrow);
    option.text = narrow->text();
    const QRectF inside(narrow->style()->subElementRect(QStyle::SE_PushButtonContents, &option, narrow));
    ASSERT_GT(pageFont.horizontalAdvance(narrow->text()), inside.width()) << "a text too wide at the page font";

    const QRectF apply = drawn(432);
    EXPECT_DOUBLE_EQ(apply.width(), pageFont.horizontalAdvance(QStringLiteral("Apply")));
    EXPECT_DOUBLE_EQ(apply.height(), pageFont.ascent() + pageFont.descent());

    const QRectF command = drawn(676);
    EXPECT_TRUE(inside.adjusted(0, -1, 0, 1).contains(command)) << command.x() << " " << command.width();
    EXPECT_LT(command.height(), apply.height());
}

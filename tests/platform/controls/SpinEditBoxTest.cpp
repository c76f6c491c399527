#include "Mouse.h"
#include "SwTest.h"

#include "controls/SpinEditBox.h"

#include <QApplication>
#include <QLineEdit>

#include <cmath>
#include <functional>

namespace
{

class SpinEditBoxTest : public SwTest
{
protected:
    void SetUp() override
    {
        SwTest::SetUp();
        spin.resize(60, 23);
        QObject::connect(&spin, &SpinEditBox::valueChanged, [this](int) {
            ++changes;
            seenInsideHandler = spin.value();
        });
    }

    // The spin takes typed whole numbers from 1 to 60; its text field.
    QLineEdit* typedOneToSixty()
    {
        spin.setAllowKeyEdit(true);
        spin.setCheckRange(true);
        spin.setMin(1);
        spin.setMax(60);
        return spin.findChild<QLineEdit*>();
    }

    SpinEditBox spin;
    int changes = 0;
    double seenInsideHandler = NAN;
};

} // namespace

TEST_F(SpinEditBoxTest, ChangeEventOnlyForRealChangesAndNeverForTheSilentSetter)
{
    struct Case {
        const char* what;
        void (SpinEditBox::*set)(double);
        double from;
        double to;
        int changes;
    } cases[] = {
        { "same value", &SpinEditBox::setValue, 40, 40, 0 },
        { "new value", &SpinEditBox::setValue, 40, 41, 1 },
        { "silent new value", &SpinEditBox::setValueSilently, 40, 41, 0 },
        { "not a number", &SpinEditBox::setValue, 40, NAN, 0 },
    };
    for (const Case& c : cases) {
        spin.setValueSilently(c.from);
        changes = 0;
        (spin.*c.set)(c.to);
        EXPECT_EQ(changes, c.changes) << c.what;
        EXPECT_EQ(spin.value(), std::isnan(c.to) ? c.from : c.to) << c.what;
    }
    spin.setValue(12);
    EXPECT_EQ(seenInsideHandler, 12.0) << "raised synchronously, after the value is stored";
}

TEST_F(SpinEditBoxTest, HoldsTheValueAsSetWhateverItShows)
{
    spin.setMax(9997);
    spin.setValue(70.65);
    EXPECT_EQ(spin.value(), 70.65);
    EXPECT_EQ(spin.intValue(), 71);
    EXPECT_EQ(spin.text(), QStringLiteral("71"));
    spin.setDecimals(2);
    EXPECT_EQ(spin.text(), QStringLiteral("70.65"));
}

TEST_F(SpinEditBoxTest, RangeCheckClampsOnlyWhenOn)
{
    spin.setMax(100);
    spin.setValue(150);
    EXPECT_EQ(spin.value(), 150.0) << "no range check: holds 150 until the page clamps it";

    spin.setCheckRange(true);
    EXPECT_EQ(spin.value(), 100.0) << "turning the check on clamps at once";
    spin.setValue(-5);
    EXPECT_EQ(spin.value(), 0.0);
    changes = 0;
    spin.setValue(-7);
    EXPECT_EQ(changes, 0) << "clamped to the same value is no change";
}

TEST_F(SpinEditBoxTest, ArrowsAndKeysStepWithinTheRange)
{
    spin.setIncrement(0.01);
    spin.setMax(100);
    for (int i = 0; i < 30; ++i)
        Mouse::click(spin, { 55, 3 }); // the upper arrow
    EXPECT_EQ(spin.value(), 0.3) << "steps of 0.01 land on round values";
    EXPECT_EQ(changes, 30);

    Mouse::click(spin, { 55, 20 }); // the lower arrow
    EXPECT_EQ(spin.value(), 0.29);

    spin.setIncrement(1);
    spin.setPageSize(10);
    spin.setValueSilently(95);
    Mouse::key(spin, Qt::Key_PageUp);
    EXPECT_EQ(spin.value(), 100.0) << "a page step stops at the maximum";
    Mouse::key(spin, Qt::Key_Up);
    EXPECT_EQ(spin.value(), 100.0);
    Mouse::key(spin, Qt::Key_Down);
    EXPECT_EQ(spin.value(), 99.0);

    spin.setValueSilently(150); // outside, no range check
    Mouse::key(spin, Qt::Key_Up);
    EXPECT_EQ(spin.value(), 150.0) << "the arrows never push further out";
}

TEST_F(SpinEditBoxTest, StepsFromBetweenTheIncrementsLandOnThemWhenAsked)
{
    spin.setMax(100);
    spin.setPageSize(10);
    spin.setDecimals(2); // a value shown as 15.75, not rounded by the step
    enum Step { UpArrow, DownArrow, UpKey, DownKey, PageUp, PageDown };
    struct Case {
        bool land;
        double increment;
        double from;
        Step step;
        double to;
    } cases[] = {
        { true, 1, 15.75, UpArrow, 16 },
        { true, 1, 15.75, DownArrow, 15 },
        { true, 1, 45.5, DownKey, 45 },
        { true, 1, 45.5, UpKey, 46 },
        { true, 1, 15.75, PageUp, 25 },
        { true, 1, 15.75, PageDown, 6 },
        { true, 1, 15, UpArrow, 16 }, // on the increments: a plain step
        { true, 1, 15, PageDown, 5 },
        { true, 0.1, 0.3, UpKey, 0.4 }, // 0.3 / 0.1 leaves a remainder, yet 0.3 is on the tenths
        { true, 0.1, 0.25, UpKey, 0.3 },
        { true, 0.1, 0.25, DownKey, 0.2 },
        { true, 1, 99.5, UpArrow, 100 },
        { true, 1, 99.5, PageUp, 100 },
        { true, 1, 0.5, PageDown, 0 },
        { true, 1, -0.5, UpArrow, 0 },
        { true, 1, -3.5, DownArrow, -3.5 }, // below the range: never further out
        { true, 1, 100.5, UpArrow, 100.5 }, // above it
        { true, 1, 100.5, DownArrow, 100 },
        { false, 1, 15.75, UpArrow, 16.75 },
        { false, 1, 15.75, PageDown, 5.75 },
    };
    for (const Case& c : cases) {
        spin.setStepsLandOnIncrements(c.land);
        spin.setIncrement(c.increment);
        spin.setValueSilently(c.from);
        switch (c.step) {
        case UpArrow:
            Mouse::click(spin, { 55, 3 });
            break;
        case DownArrow:
            Mouse::click(spin, { 55, 20 });
            break;
        case UpKey:
            Mouse::key(spin, Qt::Key_Up);
            break;
        case DownKey:
            Mouse::key(spin, Qt::Key_Down);
            break;
        case PageUp:
            Mouse::key(spin, Qt::Key_PageUp);
            break;
        case PageDown:
            Mouse::key(spin, Qt::Key_PageDown);
            break;
        }
        EXPECT_EQ(spin.value(), c.to) << c.from << " in steps of " << c.increment << ", step " << int(c.step)
                                      << (c.land ? "" : ", not landing");
    }
}

TEST_F(SpinEditBoxTest, TypedTextIsTakenOnlyWhenKeyEditIsAllowed)
{
    auto* field = spin.findChild<QLineEdit*>();
    ASSERT_NE(field, nullptr);
    ASSERT_TRUE(field->isVisibleTo(&spin));
    spin.setMax(60);
    spin.setCheckRange(true);

    // The field starts at 5: text that is not a whole plain number leaves it
    // there and stays in the field as typed, never replaced by the 5 unseen.
    struct Case {
        bool allow;
        bool integersOnly;
        QString typed;
        double value;
        const char* shown;
    } cases[] = {
        { false, true, QStringLiteral("12"), 5, "5" },
        { true, true, QStringLiteral("12.7"), 5, "12.7" }, // a fraction in a spin of whole numbers is not cut
        { true, false, QStringLiteral("12.7"), 12.7, "13" },
        { true, true, QStringLiteral("  30 "), 30, "30" },
        { true, true, QStringLiteral("900"), 60, "60" },
        { true, true, QStringLiteral("-4"), 0, "0" },
        { true, true, QStringLiteral("1e300"), 60, "60" },
        // A fraction beyond an end is held there only where fractions are asked.
        { true, false, QStringLiteral("60.9"), 60, "60" },
        { true, false, QStringLiteral("-0.5"), 0, "0" },
        { true, true, QStringLiteral("60.9"), 5, "60.9" },
        { true, true, QStringLiteral("-0.5"), 5, "-0.5" },
        { true, true, QStringLiteral("30abc"), 5, "30abc" },
        { true, true, QStringLiteral("text"), 5, "text" },
        { true, true, QStringLiteral("0x20"), 5, "0x20" },
        { true, false, QStringLiteral("1,5"), 5, "1,5" },
        { true, true, QStringLiteral("nan"), 5, "nan" },
        { true, true, QString(), 5, "" },
    };
    for (const Case& c : cases) {
        spin.setValueSilently(5);
        spin.setAllowKeyEdit(c.allow);
        spin.setIntegersOnly(c.integersOnly);
        field->selectAll();
        if (c.typed.isEmpty())
            Mouse::key(*field, Qt::Key_Backspace); // the user erased the field
        Mouse::type(*field, c.typed);
        emit field->editingFinished();
        EXPECT_EQ(spin.value(), c.value) << c.typed.toStdString();
        EXPECT_EQ(field->text(), QString::fromLatin1(c.shown)) << c.typed.toStdString();
    }
}

TEST_F(SpinEditBoxTest, TypedTextIsMarkedAsItIsTypedAndTakenOrHeldWhenTheFieldIsLeft)
{
    QLineEdit* field = typedOneToSixty();
    ASSERT_NE(field, nullptr);

    // The spin holds 5 before each text: whole numbers from 1 to 60 are taken,
    // a whole number beyond the ends is held to the nearer one, which the
    // field shows; anything else, a fraction beyond an end as much as one
    // within them, leaves 5 and stays as typed, still marked.
    const struct {
        const char* typed;
        bool marked; // while the text stands as typed
        double value; // once the field is left
        const char* shown;
        bool markedWhenLeft;
    } cases[] = {
        { "30", false, 30, "30", false },
        { "1", false, 1, "1", false },
        { "60", false, 60, "60", false },
        { " 45 ", false, 45, "45", false },
        { "0", true, 1, "1", false },
        { "61", true, 60, "60", false },
        { "-5", true, 1, "1", false },
        { "-1", true, 1, "1", false },
        { "1e300", true, 60, "60", false },
        { "0.0", true, 1, "1", false },
        { "61.0", true, 60, "60", false },
        { "60.0", false, 60, "60", false },
        { "60.9", true, 5, "60.9", true },
        { "60.1", true, 5, "60.1", true },
        { ".5", true, 5, ".5", true },
        { "0.9", true, 5, "0.9", true },
        { "-0.5", true, 5, "-0.5", true },
        { "1.5", true, 5, "1.5", true },
        { "2.5", true, 5, "2.5", true },
        { "5.5", true, 5, "5.5", true },
        { "abc", true, 5, "abc", true },
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.typed);
        spin.setValueSilently(5);
        field->selectAll();
        Mouse::type(*field, QString::fromLatin1(c.typed));
        EXPECT_EQ(spin.shownText(), QString::fromLatin1(c.typed)) << "shown as typed";
        EXPECT_EQ(spin.typedTextMarked(), c.marked);
        EXPECT_EQ(
            field->toolTip(), c.marked ? QStringLiteral("Please enter whole numbers between 1 and 60") : QString());
        EXPECT_EQ(spin.value(), 5) << "taken only when the field is left";
        emit field->editingFinished();
        EXPECT_EQ(spin.value(), c.value);
        EXPECT_EQ(spin.shownText(), QString::fromLatin1(c.shown));
        EXPECT_EQ(spin.typedTextMarked(), c.markedWhenLeft);
        EXPECT_EQ(field->toolTip(),
            c.markedWhenLeft ? QStringLiteral("Please enter whole numbers between 1 and 60") : QString());
    }

    // A page that reads the value takes what stands typed first.
    spin.setValueSilently(5);
    field->selectAll();
    Mouse::type(*field, QStringLiteral("75"));
    spin.commitTypedText();
    EXPECT_EQ(spin.value(), 60);
    EXPECT_EQ(spin.shownText(), QStringLiteral("60"));
}

TEST_F(SpinEditBoxTest, TextLeftMarkedStaysUntilTheUserTypesOrStepsOrTheProgramSetsAValue)
{
    QLineEdit* field = typedOneToSixty();
    ASSERT_NE(field, nullptr);

    // "2.5" typed over the value held and the field left: it stands, marked,
    // through a second leaving and a page's commit, until one of these.
    auto typeAgain = [&](const char* keys) {
        Mouse::type(*field, QString::fromLatin1(keys));
        emit field->editingFinished();
    };
    const struct {
        const char* what;
        double held;
        std::function<void()> act;
        double value;
        const char* shown;
        bool marked;
        int changes;
    } cases[] = {
        { "arrow up", 12, [&] { spin.stepBy(1); }, 13, "13", false, 1 },
        { "arrow down", 12, [&] { spin.stepBy(-1); }, 11, "11", false, 1 },
        { "page up in the field", 12, [&] { Mouse::key(*field, Qt::Key_PageUp); }, 22, "22", false, 1 },
        { "up at the top", 60, [&] { spin.stepBy(1); }, 60, "60", false, 0 },
        { "the program's value", 12, [&] { spin.setValue(30); }, 30, "30", false, 1 },
        { "the program's value, the one held", 12, [&] { spin.setValue(12); }, 12, "12", false, 0 },
        { "the program's value, silently", 12, [&] { spin.setValueSilently(12); }, 12, "12", false, 0 },
        { "typed again, taken", 12,
            [&] {
                field->selectAll();
                typeAgain("7");
            },
            7, "7", false, 1 },
        { "typed again, refused", 12, [&] { typeAgain("x"); }, 12, "2.5x", true, 0 },
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        spin.setValueSilently(c.held);
        field->selectAll();
        typeAgain("2.5");
        emit field->editingFinished();
        spin.commitTypedText();
        ASSERT_EQ(spin.shownText(), QStringLiteral("2.5"));
        ASSERT_TRUE(spin.typedTextMarked());
        ASSERT_EQ(spin.value(), c.held);
        changes = 0;
        c.act();
        EXPECT_EQ(spin.value(), c.value);
        EXPECT_EQ(spin.shownText(), QString::fromLatin1(c.shown));
        EXPECT_EQ(spin.typedTextMarked(), c.marked);
        EXPECT_EQ(
            field->toolTip(), c.marked ? QStringLiteral("Please enter whole numbers between 1 and 60") : QString());
        EXPECT_EQ(changes, c.changes);
    }
}

TEST_F(SpinEditBoxTest, StepsInTheFieldStartFromWhatWasTypedAndSurviveLeavingIt)
{
    auto* field = spin.findChild<QLineEdit*>();
    ASSERT_NE(field, nullptr);
    spin.setMax(100);
    spin.setAllowKeyEdit(true);
    spin.show();
    QApplication::setActiveWindow(&spin);

    struct Case {
        const char* what;
        QString typed;
        int key;
        double reload; // set by the program while the field has focus; NAN: none
        double value;
    } cases[] = {
        { "arrow up in the field", QString(), Qt::Key_Up, NAN, 6 },
        { "page down in the field", QString(), Qt::Key_PageDown, NAN, 0 },
        { "typed, then arrow up", QStringLiteral("12"), Qt::Key_Up, NAN, 13 },
        { "reloaded by the program", QString(), 0, 40, 40 },
    };
    for (const Case& c : cases) {
        spin.setValueSilently(5);
        field->setFocus();
        ASSERT_TRUE(field->hasFocus()) << c.what;
        if (!c.typed.isEmpty()) {
            field->clear();
            Mouse::type(*field, c.typed);
        }
        if (c.key)
            Mouse::key(*field, c.key);
        if (!std::isnan(c.reload))
            spin.setValue(c.reload);
        EXPECT_EQ(spin.value(), c.value) << c.what;
        EXPECT_EQ(field->text(), spin.text()) << c.what << ": the field shows the value";

        field->clearFocus(); // the user moves on
        EXPECT_EQ(spin.value(), c.value) << c.what << ": leaving the field keeps the value";
    }
}

TEST_F(SpinEditBoxTest, NarrowSpinIsArrowsOnly)
{
    spin.resize(18, 23);
    spin.show(); // sizes reach a hidden widget's layout when it is shown
    EXPECT_FALSE(spin.findChild<QLineEdit*>()->isVisibleTo(&spin));
}

TEST_F(SpinEditBoxTest, TemplatePropertiesSetTheSpin)
{
    const std::pair<const char*, QVariant> persisted[] = {
        { "AllowKeyEdit", true }, { "CheckRange", true }, { "Decimals", 2 }, { "Increment", 0.01 },
        { "IntegersOnly", false }, { "Max", 100 }, { "Min", 1 }, { "PageSize", 10 }, { "StepsLandOnIncrements", true },
        { "Width", 18 }, // the template's own sizing is ignored
    };
    for (const auto& [name, value] : persisted)
        spin.setProperty(name, value);
    EXPECT_TRUE(spin.allowKeyEdit());
    EXPECT_TRUE(spin.checkRange());
    EXPECT_EQ(spin.decimals(), 2);
    EXPECT_EQ(spin.increment(), 0.01);
    EXPECT_FALSE(spin.integersOnly());
    EXPECT_EQ(spin.max(), 100.0);
    EXPECT_EQ(spin.min(), 1.0);
    EXPECT_EQ(spin.pageSize(), 10.0);
    EXPECT_TRUE(spin.stepsLandOnIncrements());
    EXPECT_EQ(spin.value(), 1.0) << "the range check lifted the value to the minimum";
    EXPECT_EQ(spin.width(), 60);
}

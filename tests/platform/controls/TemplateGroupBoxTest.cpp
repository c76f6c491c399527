#include "Grab.h"
#include "SwTest.h"

#include "ui/FormPage.h"

#include <QFontMetrics>

#include <algorithm>
#include <optional>

namespace
{
constexpr int GroupId = 1100;
constexpr int EditId = 1101;

// The dashboard's HART group: a short group whose edits sit a few dialog
// units below its top edge.
class HartGroupPage : public FormPage
{
public:
    HartGroupPage()
        : FormPage(QStringLiteral("CHartGroupPage"), 290)
    {
        buildTemplate(360, 60,
            {
                ControlSpec::group(GroupId, QStringLiteral("HART"), 101, 26, 234, 24),
                ControlSpec::edit(EditId, 129, 34, 80, 12, ControlSpec::ReadOnly),
            });
        resize(minimumSize());
    }
};

// The top frame line: the first row, from the group's top edge down, that is
// one colour other than the page's along the group's right-hand stretch,
// where neither the title nor the edit reach.
std::optional<int> frameRow(const Grab& grab, const QRect& group, const QColor& background)
{
    const int from = group.right() - 40;
    const int to = group.right() - 10;
    for (int y = group.top(); y < group.bottom(); ++y) {
        const QColor first = grab.at(from, y);
        if (first == background)
            continue;
        bool even = true;
        for (int x = from; x <= to && even; ++x)
            even = grab.at(x, y) == first;
        if (even)
            return y;
    }
    return std::nullopt;
}

// Where the title's letters are, and their darkest grey: the dark pixels
// between the group's left edge and the edit, above the edit.
struct TitleInk {
    QRect bounds;
    int darkest = 255;
};

TitleInk titleInk(const Grab& grab, const QRect& group, const QRect& edit)
{
    TitleInk ink;
    for (int y = group.top(); y < edit.top(); ++y)
        for (int x = group.left(); x < edit.left(); ++x) {
            const int grey = qGray(grab.at(x, y).rgb());
            ink.darkest = std::min(ink.darkest, grey);
            if (grey < 100)
                ink.bounds |= QRect(x, y, 1, 1);
        }
    return ink;
}
} // namespace

using TemplateGroupBoxTest = SwTest;

TEST_F(TemplateGroupBoxTest, FrameLineRunsThroughTheMiddleOfTheTitleAboveTheControlsInside)
{
    HartGroupPage page;
    const QRect group = page.controlRect(GroupId);
    const QRect edit = page.controlRect(EditId);
    const Grab grab(page, QStringLiteral("group_box_hart"));
    const QColor background = grab.at(group.right() - 20, group.top() - 4); // the page above the group

    const std::optional<int> row = frameRow(grab, group, background);
    ASSERT_TRUE(row.has_value()) << "no frame line along the group's top";
    EXPECT_LT(*row, edit.top()) << "the frame line crosses the edit";

    const QRect title = titleInk(grab, group, edit).bounds;
    ASSERT_FALSE(title.isEmpty()) << "no title drawn";
    EXPECT_GE(*row, title.top()) << "the frame line runs above the title";
    EXPECT_LE(*row, title.bottom()) << "the frame line runs below the title";
    EXPECT_NEAR(*row, (title.top() + title.bottom()) / 2.0, 2.0) << "the frame line is off the title's middle";

    // The line breaks off for the title rather than striking through it.
    const QColor line = grab.at(group.right() - 20, *row);
    int struck = 0;
    for (int x = title.left(); x <= title.right(); ++x)
        struck += grab.at(x, *row) == line;
    EXPECT_EQ(struck, 0) << "the frame line runs across the title";
}

TEST_F(TemplateGroupBoxTest, GroupKeepsItsTitleByIdAndGreysItWhenDisabled)
{
    HartGroupPage page;
    const QRect group = page.controlRect(GroupId);
    const QRect edit = page.controlRect(EditId);
    EXPECT_EQ(page.windowText(GroupId), QStringLiteral("HART"));

    const TitleInk enabled = titleInk(Grab(page, QStringLiteral("group_box_enabled")), group, edit);
    page.enableControl(GroupId, false);
    const TitleInk disabled = titleInk(Grab(page, QStringLiteral("group_box_disabled")), group, edit);
    EXPECT_LT(enabled.darkest, 100);
    EXPECT_GT(disabled.darkest, enabled.darkest + 40) << "a disabled group's title is not greyed";

    page.enableControl(GroupId, true);
    page.setWindowText(GroupId, QString());
    EXPECT_EQ(page.windowText(GroupId), QString());
    EXPECT_TRUE(titleInk(Grab(page, QStringLiteral("group_box_untitled")), group, edit).bounds.isEmpty())
        << "an emptied title still shows";
}

TEST_F(TemplateGroupBoxTest, TitleWiderThanANarrowGroupIsShownWholeInASmallerFont)
{
    // The dashboard's command column: " Command" over a group 41 dialog units wide.
    struct Built : FormPage {
        Built()
            : FormPage(QStringLiteral("CNarrowGroupPage"), 291)
        {
            buildTemplate(60, 200, { ControlSpec::group(GroupId, QStringLiteral(" Command"), 3, 26, 41, 164) });
            resize(minimumSize());
        }
    } narrow;
    const QRect group = narrow.controlRect(GroupId);
    const Grab grab(narrow, QStringLiteral("group_box_narrow_title"));
    // The title's ink, on the rows of the title, inside the group.
    int right = -1;
    const int titleHeight = QFontMetrics(narrow.font()).height();
    for (int y = group.top(); y < group.top() + titleHeight; ++y)
        for (int x = group.left(); x <= group.right(); ++x)
            if (qGray(grab.at(x, y).rgb()) < 100)
                right = std::max(right, x);
    ASSERT_GE(right, 0) << "no title drawn";
    EXPECT_LT(right, group.right() - 2) << "the title runs into the group's edge and is cut there";
}

#include "SwTest.h"

#include <gtest/gtest-spi.h>

using PromptsTest = SwTest;

TEST_F(PromptsTest, ScriptedPromptsRecordEveryCallAndAnswerFromTheQueue)
{
    prompts().answerMessage(Prompts::IdYes);
    prompts().answerFile(QStringLiteral("/tmp/x.pst"), QStringLiteral("Save Partial Stroke Test Results As"));
    prompts().answerFile(std::nullopt);

    const int answer
        = Prompts::show(QStringLiteral("Continue?"), QString(), Prompts::Buttons::YesNo, Prompts::Icon::Question);
    EXPECT_EQ(answer, Prompts::IdYes);

    Prompts::FileDialog save;
    save.save = true;
    save.title = QStringLiteral("Save Partial Stroke Test Results As");
    save.filter = QStringLiteral("(*.pst)|*.pst|");
    save.defaultExt = QStringLiteral("pst");
    EXPECT_EQ(Prompts::instance().file(save), std::optional<QString>(QStringLiteral("/tmp/x.pst")));
    EXPECT_EQ(Prompts::instance().file(save), std::nullopt);

    ASSERT_EQ(prompts().records().size(), 3u);
    const auto& box = prompts().records()[0].message;
    EXPECT_EQ(box.text, QStringLiteral("Continue?"));
    ASSERT_TRUE(box.caption.has_value());
    EXPECT_TRUE(box.caption->isEmpty());
    EXPECT_EQ(box.buttons, Prompts::Buttons::YesNo);
    EXPECT_EQ(box.icon, Prompts::Icon::Question);
    EXPECT_EQ(prompts().records()[1].dialog.filter, QStringLiteral("(*.pst)|*.pst|"));
}

TEST_F(PromptsTest, UnexpectedPromptFailsTheTestAndDoesNotBlock)
{
    int answer = 0;
    EXPECT_NONFATAL_FAILURE(answer = Prompts::show(QStringLiteral("Surprise"), std::nullopt, Prompts::Buttons::YesNo),
        "unexpected prompt: Surprise");
    EXPECT_EQ(answer, Prompts::IdNo);
    EXPECT_NONFATAL_FAILURE(EXPECT_EQ(Prompts::instance().file({}), std::nullopt), "unexpected prompt");
}

TEST_F(PromptsTest, PromptWithOtherTextThanExpectedFails)
{
    prompts().answerMessage(Prompts::IdOk, QStringLiteral("File open error."));
    EXPECT_NONFATAL_FAILURE(Prompts::show(QStringLiteral("File save error.")), "expected \"File open error.\"");
}

TEST(FileFilter, DesignFiltersBecomeQtNameFilters)
{
    struct Case {
        const char* design;
        const char* qt;
    } cases[] = {
        { "(*.pst)|*.pst|", "(*.pst)" },
        { "*.stp|*.stp|", "*.stp (*.stp)" },
        { "(*.pdf)|*.pdf|", "(*.pdf)" },
        { "Text|*.txt|All|*.*|", "Text (*.txt);;All (*.*)" },
    };
    for (const Case& c : cases)
        EXPECT_EQ(translateFileFilter(QString::fromLatin1(c.design)), QString::fromLatin1(c.qt)) << c.design;
}

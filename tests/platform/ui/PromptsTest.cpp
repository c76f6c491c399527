#include "SwTest.h"

#include "ui/QtPrompts.h"

#include <QApplication>
#include <QMessageBox>
#include <QTimer>

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

namespace
{
const QString kTitle = QStringLiteral("Serrat XD HART Clipwell");

// The program's start-up sets the default caption; it is process-wide, so
// each test puts it back.
class DefaultCaptionTest : public SwTest
{
protected:
    void SetUp() override
    {
        SwTest::SetUp();
        Prompts::setDefaultCaption(kTitle);
    }
    void TearDown() override
    {
        Prompts::setDefaultCaption(QString());
        SwTest::TearDown();
    }
};

struct CaptionCase {
    const char* what;
    std::optional<QString> given;
    QString shown;
};

const CaptionCase kCaptionCases[] = {
    { "no caption", std::nullopt, kTitle },
    { "an empty caption", QString(), QString() },
    { "the box's own caption", QStringLiteral("MainFrm"), QStringLiteral("MainFrm") },
};
} // namespace

TEST_F(DefaultCaptionTest, BoxWithoutCaptionShowsTheProgramsTitle)
{
    for (const CaptionCase& c : kCaptionCases) {
        prompts().clearRecords();
        prompts().answerMessage(Prompts::IdOk);
        Prompts::show(QStringLiteral("Port open failed."), c.given, Prompts::Buttons::Ok, Prompts::Icon::Error);
        ASSERT_EQ(prompts().messages().size(), 1u) << c.what;
        EXPECT_EQ(prompts().messages()[0].caption, std::optional<QString>(c.shown)) << c.what;
    }
}

TEST_F(DefaultCaptionTest, QtMessageBoxShowsTheProgramsTitle)
{
    // Straight to the Qt prompts: a box asked for without a caption still
    // gets the program's title.
    QtPrompts qt;
    for (const CaptionCase& c : kCaptionCases) {
        QString title = QStringLiteral("(no box)");
        // Closes the box from inside its own event loop, once it is up.
        QTimer::singleShot(0, [&title] {
            if (auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget())) {
                title = box->windowTitle();
                box->done(QMessageBox::Ok);
            }
        });
        Prompts::Message message;
        message.text = QStringLiteral("Port open failed.");
        message.caption = c.given;
        EXPECT_EQ(qt.message(message), Prompts::IdOk) << c.what;
        // An empty title is kept as a space, or Qt would put the application's name there.
        EXPECT_EQ(title.trimmed(), c.shown) << c.what;
    }
}

TEST_F(PromptsTest, BoxWithoutCaptionShowsTheApplicationNameUntilTheProgramSetsOne)
{
    prompts().answerMessage(Prompts::IdOk);
    Prompts::show(QStringLiteral("File open error."));
    ASSERT_EQ(prompts().messages().size(), 1u);
    EXPECT_EQ(prompts().messages()[0].caption, std::optional<QString>(QApplication::applicationName()));
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

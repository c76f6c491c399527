// The wizard's decisions without its widgets: the state texts per page, the
// flag colours, the initials and the texts it shows and sends.
#include "calibration/AnalogInputWizardRules.h"

#include "IndicatorColours.h"

#include <gtest/gtest.h>

using namespace AnalogInputWizardRules;
using namespace IndicatorColour;

TEST(AnalogInputWizardRules, StateTextsAndColoursFollowThePage)
{
    const struct {
        WizardPage page;
        uint8_t state;
        bool fourMilliampSet;
        const char* text;
        uint32_t colour;
    } cases[] = {
        { WizardPage::Start, 0, false, "Ready", Green },
        { WizardPage::Step5, 0, false, "Ready", Green },
        { WizardPage::Start, 3, false, "Loop calibration error...", Red },
        { WizardPage::Step1, 3, false, "Initializing calibration...", Green },
        { WizardPage::Step2, 3, false, "Reference point set...", Green },
        { WizardPage::Step5, 3, false, "Reference point set...", Green },
        { WizardPage::Start, 8, false, "Loop calibration error...", Red },
        { WizardPage::Step1, 8, false, "Loop calibration error...", Red },
        { WizardPage::Step2, 8, false, "Setting reference point...", Green },
        { WizardPage::Step4, 8, false, "Setting reference point...", Green },
        { WizardPage::Start, 11, false, "Waiting to set 4mA...", Yellow },
        { WizardPage::Step2, 11, false, "Waiting to set 4mA...", Yellow },
        { WizardPage::Step1, 11, true, "Waiting to set 0%...", Yellow },
        { WizardPage::Step3, 11, false, "Waiting to set 0%...", Yellow },
        { WizardPage::Step5, 11, false, "Waiting to set 0%...", Yellow },
        { WizardPage::Start, 12, false, "Waiting to set 100%...", Yellow },
        { WizardPage::Step4, 13, false, "Waiting to set previous command...", Yellow },
        { WizardPage::Step5, 14, false, "Saving final values...", Yellow },
        { WizardPage::Step3, 1, false, "Loop calibration error...", Red },
        { WizardPage::Step3, 51, false, "Loop calibration error...", Red },
        { WizardPage::Step3, 255, false, "Loop calibration error...", Red },
    };
    for (const auto& c : cases) {
        const auto shown = loopStateDisplay(c.page, c.state, c.fourMilliampSet);
        ASSERT_TRUE(shown.has_value()) << int(c.page) << " " << int(c.state);
        EXPECT_EQ(shown->text.toStdString(), c.text) << int(c.page) << " " << int(c.state);
        EXPECT_EQ(shown->colour, c.colour) << int(c.page) << " " << int(c.state);
    }
    // A kept state-12 text leaves the indicator as it is; other states are shown.
    EXPECT_FALSE(loopStateDisplay(WizardPage::Step4, 12, false, true).has_value());
    EXPECT_TRUE(loopStateDisplay(WizardPage::Step4, 13, false, true).has_value());
}

TEST(AnalogInputWizardRules, FlagBitsOfHistoryByteEight)
{
    const struct {
        uint8_t byte8;
        uint32_t colours[3]; // 0 %, 100 %, range
    } cases[] = {
        { 0x00, { Green, Green, Green } }, { 0x05, { Red, Green, Red } }, { 0x06, { Red, Red, Green } },
        { 0xF8, { Green, Green, Green } }, // the other bits belong to other statuses
    };
    for (const auto& c : cases)
        for (int flag = 0; flag < 3; ++flag)
            EXPECT_EQ(flagColour(c.byte8, flag), c.colours[flag]) << int(c.byte8) << " flag " << flag;
}

TEST(AnalogInputWizardRules, TextsShownAndSent)
{
    EXPECT_TRUE(initialsAcceptable(QStringLiteral("KLM")));
    for (const char* refused : { "", "KL", "KLMN", "   " })
        EXPECT_FALSE(initialsAcceptable(QString::fromLatin1(refused))) << refused;
    EXPECT_EQ(dateText(QDate(2029, 1, 5)), QStringLiteral("01/05/2029"));
    EXPECT_EQ(loopCalText(QStringLiteral("11/30/2029"), QStringLiteral("KLM")), QStringLiteral("11/30/2029 KLM"));
    EXPECT_EQ(lastCalibrationDate(QStringLiteral("05/05/2024 ABC")), QStringLiteral("05/05/2024"));
    EXPECT_EQ(lastCalibrationInitials(QStringLiteral("05/05/2024 ABC")), QStringLiteral("ABC"));
    EXPECT_EQ(lastCalibrationInitials(QStringLiteral("05/05/2024")), QString()) << "by place, never the date's end";
    const struct {
        uint16_t word;
        const char* text;
    } percents[] = { { 3725, "37.25 %" }, { uint16_t(-150), "-1.5 %" }, { 4550, "45.5 %" }, { 10000, "100 %" } };
    for (const auto& p : percents)
        EXPECT_EQ(percentText(commandPercent(p.word)).toStdString(), p.text);
}

TEST(AnalogInputWizardRules, AFinishCompletesOnlyWhenAnsweredWithoutTheRangeTooSmallFlag)
{
    const struct {
        bool answered;
        std::optional<uint8_t> byte8; // nothing: the read-back got no whole reply
        LoopPass pass;
        const char* state;
    } cases[] = {
        { true, 0x00, LoopPass::Completed, "Calibration completed" },
        { true, 0x06, LoopPass::Completed, "Calibration completed" }, // out of range, but a range it takes
        { true, 0xF8, LoopPass::Completed, "Calibration completed" },
        { true, 0x01, LoopPass::RangeTooSmall, "Calibration not completed: range too small" },
        { true, 0x07, LoopPass::RangeTooSmall, "Calibration not completed: range too small" },
        { false, 0x00, LoopPass::NotFinished, "Calibration not completed: not finished" },
        { false, 0x01, LoopPass::NotFinished, "Calibration not completed: not finished" },
        { true, std::nullopt, LoopPass::NotConfirmed, "Calibration not completed: not confirmed by device" },
        { false, std::nullopt, LoopPass::NotFinished, "Calibration not completed: not finished" },
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(std::to_string(c.answered) + " " + (c.byte8 ? std::to_string(*c.byte8) : "no reply"));
        EXPECT_EQ(finishOutcome(c.answered, c.byte8), c.pass);
        EXPECT_EQ(passStateText(c.pass).toStdString(), c.state);
    }
}

TEST(AnalogInputWizardRules, CountsOfAPassNotCompletedAreNamedAsTheDevicesAndTheRangeIsTheSpan)
{
    EXPECT_EQ(adRange(6400, 32000), 25600);
    EXPECT_EQ(adRange(32000, 6400), -25600);
    EXPECT_EQ(adRange(0, 65535), 65535);
    EXPECT_EQ(reportCountText(6400, LoopPass::Completed), QStringLiteral("6400"));
    EXPECT_EQ(reportCountText(-25600, LoopPass::Completed), QStringLiteral("-25600"));
    EXPECT_EQ(reportCountText(6400, LoopPass::NotFinished), QStringLiteral("6400 (held by device)"));
    EXPECT_EQ(reportCountText(-25600, LoopPass::RangeTooSmall), QStringLiteral("-25600 (held by device)"));
}

TEST(AnalogInputWizardRules, ACountTheDeviceDidNotAnswerIsNamedAsTheLastReportedOrAsNone)
{
    using R = CountReading;
    const struct {
        int count;
        LoopPass pass;
        R reading;
        const char* text;
    } cases[] = {
        { 8000, LoopPass::Completed, R::LastReported, "8000 (last reported)" },
        { 8000, LoopPass::NotConfirmed, R::LastReported, "8000 (last reported)" },
        { -25600, LoopPass::NotFinished, R::LastReported, "-25600 (last reported)" },
        { 0, LoopPass::Completed, R::NoReply, "No reply from device" },
        { 6400, LoopPass::RangeTooSmall, R::NoReply, "No reply from device" },
        { 6400, LoopPass::NotConfirmed, R::Answered, "6400 (held by device)" },
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.text);
        EXPECT_EQ(reportCountText(c.count, c.pass, c.reading).toStdString(), c.text);
    }
    // The count now: plain when answered, named like the others when not.
    EXPECT_EQ(liveCountText(7200, R::Answered), QStringLiteral("7200"));
    EXPECT_EQ(liveCountText(7200, R::LastReported), QStringLiteral("7200 (last reported)"));
    EXPECT_EQ(liveCountText(0, R::NoReply), QStringLiteral("No reply from device"));
    // A range from two counts is as sure as the less sure of them.
    EXPECT_EQ(combinedReading(R::Answered, R::Answered), R::Answered);
    EXPECT_EQ(combinedReading(R::Answered, R::LastReported), R::LastReported);
    EXPECT_EQ(combinedReading(R::LastReported, R::Answered), R::LastReported);
    EXPECT_EQ(combinedReading(R::NoReply, R::LastReported), R::NoReply);
    EXPECT_EQ(combinedReading(R::Answered, R::NoReply), R::NoReply);
}

// Closing the program while a page runs something on the device: the
// window's close, SIGTERM and SIGINT each run the shown page's stop as
// leaving it through the tree does, and its requests reach the device before
// the link closes, so the valve follows the loop again.
#include "AppFrameTest.h"

#include "CMainFrame.h"
#include "CNavigationView.h"
#include "SimulatedPositioner.h"

#include "calibration/CCalib_Actuator.h"
#include "calibration/CCalibrationAnalogIn.h"
#include "calibration/CCalibrationAnalogInSteps.h"
#include "calibration/CCalibrationStroke.h"
#include "diagnostics/CHDRLTest.h"
#include "diagnostics/CPartialStrokeTest.h"
#include "diagnostics/CRampTest.h"
#include "diagnostics/CStepTest.h"

#include "ui/Prompts.h"

#include <QAbstractButton>
#include <QDate>
#include <QDateTime>

#include <csignal>
#include <functional>
#include <string>

namespace
{

// The device's statuses while something runs on it.
constexpr int DigitalCommandMode = 2;
constexpr int SignatureInProgress = 5;
constexpr int StrokeCalibrationMode = 24;
constexpr int CommandLoopCalibrationMode = 25;
constexpr int PressureCalibrationMode = 26;
constexpr int RunStatuses[] = { DigitalCommandMode, SignatureInProgress, StrokeCalibrationMode,
    CommandLoopCalibrationMode, PressureCalibrationMode };

const QString Movement
    = QStringLiteral("The following procedure will cause closure member movement. Do you wish to continue?");

enum class Way { Window, Terminate, Interrupt };

class ClosingEndsRuns : public AppFrameTest
{
protected:
    void select(int pageCode) { tree().SelectItem(tree().itemForCode(pageCode)); }
    static void click(FormPage& on, int button) { on.controlAs<QAbstractButton>(button)->click(); }

    template <class Page> Page& shown(int pageCode)
    {
        select(pageCode);
        return page<Page>();
    }

    void closeBy(Way way)
    {
        switch (way) {
        case Way::Window:
            frame().close();
            break;
        case Way::Terminate:
            std::raise(SIGTERM);
            processEvents();
            break;
        case Way::Interrupt:
            std::raise(SIGINT);
            processEvents();
            break;
        }
    }
};

// One page mid-run: how it gets there, the status the device shows while it
// runs, and the page's stop as the device receives it.
struct RunningPage {
    const char* name;
    std::function<void()> run;
    int runStatus;
    uint8_t stopCommand;
    QStringList stopFrames; // whole requests, or (with `prefixOnly`) their first bytes
    bool prefixOnly = false;
};

class ClosingEndsRunsTable : public ClosingEndsRuns
{
protected:
    // The page's stop requests, cut to the length the row gives them.
    QStringList stopSent(const RunningPage& running, const char* path)
    {
        QStringList frames = framesOf(running.stopCommand, path);
        if (running.prefixOnly) {
            for (qsizetype k = 0; k < frames.size() && k < running.stopFrames.size(); ++k)
                frames[k].truncate(running.stopFrames[k].size());
        }
        return frames;
    }

    std::vector<RunningPage> runningPages()
    {
        return {
            { "ramp",
                [this] {
                    auto& ramp = shown<CRampTest>(41);
                    ramp.setWindowText(CRampTest::StartEdit, QStringLiteral("15"));
                    ramp.setWindowText(CRampTest::StopEdit, QStringLiteral("85"));
                    ramp.setWindowText(CRampTest::HoldEdit, QStringLiteral("3"));
                    ramp.setWindowText(CRampTest::DurationEdit, QStringLiteral("40"));
                    ramp.controlAs<QAbstractButton>(CRampTest::BidirectionalBox)->setChecked(false);
                    prompts().answerMessage(Prompts::IdYes, Movement);
                    click(ramp, CRampTest::StartButton);
                    clock().advance(10000);
                },
                SignatureInProgress, 233,
                { QStringLiteral("E9 14 00 0F 41 70 00 00 42 AA 00 00 00 00 00 00 40 40 00 00 00 00") } },
            { "partial stroke",
                [this] {
                    auto& pst = shown<CPartialStrokeTest>(46);
                    pst.setWindowText(CPartialStrokeTest::StartEdit, QStringLiteral("85"));
                    pst.setWindowText(CPartialStrokeTest::StopEdit, QStringLiteral("70"));
                    pst.setWindowText(CPartialStrokeTest::TimeToTargetEdit, QStringLiteral("1"));
                    pst.setWindowText(CPartialStrokeTest::DurationEdit, QStringLiteral("7"));
                    prompts().answerMessage(Prompts::IdYes, Movement);
                    click(pst, CPartialStrokeTest::StartButton);
                    clock().advance(3000);
                },
                SignatureInProgress, 233, { QStringLiteral("E9 14 00 0F 42 AA 00 00 42 8C 00 00") }, true },
            { "step",
                [this] {
                    auto& step = shown<CStepTest>(42);
                    step.setWindowText(CStepTest::StartEdit, QStringLiteral("20"));
                    step.setWindowText(CStepTest::StopEdit, QStringLiteral("40"));
                    step.setWindowText(CStepTest::HoldEdit, QStringLiteral("6"));
                    prompts().answerMessage(Prompts::IdYes, Movement);
                    click(step, CStepTest::StartButton);
                    clock().advance(2000);
                },
                SignatureInProgress, 201,
                { QStringLiteral("C9 0A EE 00 8E 07 D0 FE 00 00 00 00"),
                    QStringLiteral("C9 0A EE 00 8F 0F A0 FE 00 00 00 00"),
                    QStringLiteral("C9 0A 92 00 F6 00 00 FE 00 00 00 00") } },
            { "HDRL",
                [this] {
                    auto& hdrl = shown<CHDRLTest>(43);
                    prompts().answerMessage(Prompts::IdYes, Movement);
                    click(hdrl, CHDRLTest::StartButton);
                    clock().advance(3 * 6000 + 500);
                },
                DigitalCommandMode, 203, { QStringLiteral("CB 03 00 13 88") } },
            { "actuator calibration",
                [this] {
                    FormPage* shown = app().ReplaceView("CCalib_Actuator");
                    ASSERT_NE(shown, nullptr);
                    shown->ActivatePage();
                    auto& actuator = page<CCalib_Actuator>();
                    actuator.setWindowText(CCalib_Actuator::InitialsEdit, QStringLiteral("XYZ"));
                    prompts().answerMessage(Prompts::IdYes, Movement);
                    click(actuator, CCalib_Actuator::StartButton);
                    clock().advance(5000);
                },
                PressureCalibrationMode, 225, { QStringLiteral("E1 0F 33") }, true },
            { "stroke calibration",
                [this] {
                    auto& stroke = shown<CCalibrationStroke>(52);
                    stroke.setWindowText(CCalibrationStroke::InitialsEdit, QStringLiteral("XYZ"));
                    prompts().answerMessage(Prompts::IdYes, Movement);
                    click(stroke, CCalibrationStroke::StartButton);
                    clock().advance(5000);
                },
                StrokeCalibrationMode, 225, { QStringLiteral("E1 0F 33") }, true },
            { "analog input wizard",
                [this] {
                    auto& start = shown<CCalibrationAnalogIn>(53);
                    click(start, CCalibrationAnalogIn::NextButton);
                    click(page<CCalibrationAnalogIn1>(), CCalibrationAnalogIn1::NextButton);
                    clock().advance(1000);
                },
                CommandLoopCalibrationMode, 227, { QStringLiteral("E3 0F 33") }, true },
        };
    }
};

TEST_F(ClosingEndsRunsTable, EachWayOfClosingSendsTheShownPagesStopAndTheValveFollowsTheLoopAgain)
{
    const struct {
        const char* name;
        Way way;
    } ways[] = { { "window", Way::Window }, { "SIGTERM", Way::Terminate }, { "SIGINT", Way::Interrupt } };
    for (const char* path : { K90Path, K40Path }) {
        for (const RunningPage& running : runningPages()) {
            for (const auto& [wayName, way] : ways) {
                SCOPED_TRACE(std::string(path) + ", " + running.name + ", " + wayName);
                clock().setLocalStart(QDateTime(QDate(2031, 2, 3), QTime(9, 41)));
                start({ QStringLiteral("/d") + QString::fromLatin1(path) });
                clock().advance(2000);
                device(path).setAnalogCommand(30.0);
                clock().advance(30000);
                running.run();
                ASSERT_TRUE(device(path).statusActive(running.runStatus)) << "the run is on when the program closes";
                device(path).clearRequests();

                closeBy(way);
                EXPECT_FALSE(frame().isVisible());
                // Sent as the window closed, before the link goes with the program.
                EXPECT_EQ(stopSent(running, path), running.stopFrames);
                // The device's run has ended, and the valve follows the loop again.
                clock().advance(15000);
                for (int status : RunStatuses)
                    EXPECT_FALSE(device(path).statusActive(status)) << "status " << status;
                EXPECT_NEAR(device(path).valve().positionPercent(), 30.0, 1.5);
                EXPECT_EQ(stopSent(running, path), running.stopFrames) << "once";
                m_app.reset();
            }
        }
    }
}

} // namespace

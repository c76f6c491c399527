#include "SwTest.h"

#include "ui/QtTimerService.h"

#include <QCoreApplication>
#include <QElapsedTimer>

#include <string>
#include <vector>

namespace
{
class TimerTest : public SwTest
{
protected:
    std::vector<std::string> fired;
    const int ownerA = 0;
    const int ownerB = 0;
    void arm(const void* owner, int id, int ms, const std::string& name)
    {
        clock().arm(owner, id, ms, [this, name] { fired.push_back(name); });
    }
};
}

TEST_F(TimerTest, PeriodicUntilKilled)
{
    arm(&ownerA, 100, 1000, "a");
    clock().advance(3500);
    EXPECT_EQ(fired.size(), 3u);
    clock().kill(&ownerA, 100);
    clock().advance(5000);
    EXPECT_EQ(fired.size(), 3u);
    EXPECT_FALSE(clock().isArmed(&ownerA, 100));
}

TEST_F(TimerTest, ArmingAnArmedIdRestartsIt)
{
    arm(&ownerA, 100, 1000, "a");
    clock().advance(900);
    arm(&ownerA, 100, 1000, "a"); // restart: next tick at 1900, not 1000
    clock().advance(900);
    EXPECT_TRUE(fired.empty());
    clock().advance(100);
    EXPECT_EQ(fired.size(), 1u);
}

TEST_F(TimerTest, KillingAnIdleTimerIsHarmless)
{
    clock().kill(&ownerA, 42);
    clock().killAll(&ownerB);
    arm(&ownerA, 1, 10, "a");
    clock().kill(&ownerA, 1);
    clock().kill(&ownerA, 1);
    clock().advance(100);
    EXPECT_TRUE(fired.empty());
}

TEST_F(TimerTest, DueTimersFireInOrderOfDueTimeThenOfArming)
{
    arm(&ownerA, 1, 3000, "a3000");
    arm(&ownerB, 1, 1000, "b1000");
    arm(&ownerA, 2, 2000, "a2000");
    arm(&ownerB, 2, 2000, "b2000");
    clock().advance(3000);
    const std::vector<std::string> expected = { "b1000", "a2000", "b2000", "b1000", "a3000", "b1000" };
    EXPECT_EQ(fired, expected);
}

TEST_F(TimerTest, HandlerThatKillsAndReArmsItselfHasTheLastWord)
{
    // The pages' pattern: kill on entry, work, re-arm with another period.
    int ticks = 0;
    clock().arm(&ownerA, 100, 1000, [&] {
        ++ticks;
        clock().kill(&ownerA, 100);
        clock().arm(&ownerA, 100, 20000, [&] { ++ticks; });
    });
    clock().advance(1000);
    EXPECT_EQ(ticks, 1);
    EXPECT_EQ(clock().dueIn(&ownerA, 100), 20000);
    clock().advance(19999);
    EXPECT_EQ(ticks, 1);
    clock().advance(1);
    EXPECT_EQ(ticks, 2);
}

TEST_F(TimerTest, LocalTimeFollowsSimulatedTime)
{
    const QDateTime start = clock().localNow();
    clock().advance(61000);
    EXPECT_EQ(start.msecsTo(clock().localNow()), 61000);
    EXPECT_EQ(clock().elapsedMs(), 61000);
}

TEST(QtTimerService, RealTimerFiresUntilKilled)
{
    QtTimerService service;
    const int owner = 0;
    int ticks = 0;
    service.arm(&owner, 7, 1, [&] { ++ticks; });
    EXPECT_TRUE(service.isArmed(&owner, 7));
    QElapsedTimer waited;
    waited.start();
    while (ticks < 2 && waited.elapsed() < 5000)
        QCoreApplication::processEvents(QEventLoop::AllEvents, 10);
    EXPECT_GE(ticks, 2);
    service.kill(&owner, 7);
    EXPECT_FALSE(service.isArmed(&owner, 7));
    const int after = ticks;
    QCoreApplication::processEvents(QEventLoop::AllEvents, 20);
    EXPECT_EQ(ticks, after);
}

TEST_F(TimerTest, TimeThatAHandlerLetsPassIsNeverTakenBack)
{
    // A tick whose work keeps the program waiting (a slow device) moves time
    // past the end of the advance; the clock must not step back afterwards.
    clock().arm(&ownerA, 1, 1000, [this] { clock().pass(5000); });
    clock().advance(1000);
    EXPECT_EQ(clock().elapsedMs(), 6000);
    clock().kill(&ownerA, 1);
}

// What the test pages show while a run goes on: the texts of their status
// edit, in order, and the elapsed seconds their elapsed-time timer counts.
#include "HDRLTestPageTest.h"
#include "PstPageTest.h"
#include "RampTestPageTest.h"

#include <QLineEdit>

namespace
{

// Every change of an edit's text, with the simulated time it was made.
class TextTrail
{
public:
    TextTrail(QWidget* edit, const TestClock& clock)
    {
        QObject::connect(qobject_cast<QLineEdit*>(edit), &QLineEdit::textChanged, &m_receiver,
            [this, &clock](const QString& text) { changes.emplace_back(clock.elapsedMs(), text); });
    }
    QStringList texts() const
    {
        QStringList out;
        for (const auto& change : changes)
            out << change.second;
        return out;
    }
    qint64 timeOf(const QString& text) const
    {
        for (const auto& change : changes) {
            if (change.second == text)
                return change.first;
        }
        return -1;
    }
    std::vector<std::pair<qint64, QString>> changes;

private:
    QObject m_receiver;
};

// The elapsed seconds: "1" one second after `started`, then one more every
// second up to `last`.
std::vector<std::pair<qint64, QString>> countedSeconds(qint64 started, qint64 last)
{
    std::vector<std::pair<qint64, QString>> out;
    for (qint64 s = 1; s <= last; ++s)
        out.emplace_back(started + 1000 * s, QString::number(s));
    return out;
}

TEST_F(StepTestPageTest, ARunShowsItsStatusTextsInOrderAndCountsSecondsUntilOneTickAfterTheEnd)
{
    start({ QStringLiteral("/dSim/K90/PV-101") });
    clock().advance(2000);
    TextTrail status(step().control(CStepTest::StatusEdit), clock());
    TextTrail elapsed(step().control(CStepTest::ElapsedEdit), clock());
    select(StepTestCode);
    clock().advance(1000);
    typeSettings("30", "70", "6");
    startTest();
    const qint64 started = clock().elapsedMs();
    runToCompletion();
    clock().advance(10000);
    // The reads over with nothing shown, the line is left clear for the run.
    EXPECT_EQ(status.texts(),
        (QStringList { "Reading test settings", "", "Test started", "Test in progress", "Retrieving signature",
            "Test completed" }));
    const qint64 ended = status.timeOf(QStringLiteral("Test completed"));
    ASSERT_GT(ended, started);
    // The timer ends itself on its first tick after the test is over.
    EXPECT_EQ(elapsed.changes, countedSeconds(started, (ended - started + 999) / 1000));
}

TEST_F(PstPageTest, ARunAndItsRetrievalShowTheirStatusTextsInOrder)
{
    start({ QStringLiteral("/dSim/K90/PV-101") });
    clock().advance(2000);
    TextTrail status(pst().control(CPartialStrokeTest::StatusEdit), clock());
    select(PstCode);
    clock().advance(1000);
    type("85", "70", "0.29", "7");
    startPst();
    runUntil([this] { return !pst().testRunning(); });
    pst().StartSignatureRetrieval();
    runUntil([this] { return !pst().retrieving(); });
    EXPECT_EQ(status.texts(),
        (QStringList { "Reading test settings", "", "Test started", "Test in progress", "Test completed", "",
            "Retrieve started", "Retrieving signature", "Signature retrieved" }));
}

TEST_F(RampTestPageTest, ABidirectionalRunShowsItsStatusTextsInOrderAndCountsSecondsUntilItEnds)
{
    start({ QStringLiteral("/dSim/K90/PV-101") });
    clock().advance(2000);
    TextTrail status(ramp().control(CRampTest::StatusEdit), clock());
    TextTrail elapsed(ramp().control(CRampTest::ElapsedEdit), clock());
    select(RampTestCode);
    clock().advance(1000);
    typeRamp("25", "75", "4", "30", true);
    startRamp();
    const qint64 started = clock().elapsedMs();
    runRampToCompletion();
    clock().advance(10000);
    EXPECT_EQ(status.texts(),
        (QStringList { "Reading test settings", "", "Test started", "Signature in progress", "Retrieving signature",
            "Reverse ramp started", "Signature in progress", "Retrieving signature",
            "Bi-directional signature is completed", "Test completed" }));
    // The completion kills the elapsed-time timer: no tick from then on.
    const qint64 ended = status.timeOf(QStringLiteral("Test completed"));
    ASSERT_GT(ended, started);
    EXPECT_EQ(elapsed.changes, countedSeconds(started, (ended - started - 1) / 1000));
}

TEST_F(HDRLTestPageTest, ARunCountsSecondsUntilItsLastReading)
{
    showPage();
    TextTrail elapsed(hdrl().control(CHDRLTest::ElapsedEdit), clock());
    startTest();
    const qint64 started = clock().elapsedMs();
    runToCompletion();
    const qint64 ended = device().requestsFor(203).back().timeMs;
    clock().advance(10000);
    // 25 settling periods of 6000 ms; the last reading kills the timer.
    ASSERT_EQ(ended - started, 25 * 6000);
    EXPECT_EQ(elapsed.changes, countedSeconds(started, (ended - started - 1) / 1000));
}

} // namespace

// Valve health writes the counter settings back with the stroke length the
// device holds when the user left the stroke as it was: a stroke typed and
// applied earlier is not sent again once the device's stroke has changed.
#include "HealthPageTest.h"

#include <QAbstractButton>

namespace
{

using Page = CValveHealth;

class ValveHealthStrokeWriteBackTest : public HealthPageTest
{
protected:
    static constexpr int ValveHealthCode = 31;

    Page& valveHealth() { return page<Page>(); }
    void showK40Page()
    {
        start({ QStringLiteral("/dSim/K40/PV-102") });
        clock().advance(2000);
        select(ValveHealthCode);
        device(K40Path).clearRequests();
    }
    // Typed, and the edit left as the user moves on.
    void typeStroke(const char* typed)
    {
        valveHealth().setWindowText(Page::StrokeLengthEdit, QString::fromLatin1(typed));
        valveHealth().OnStrokeLengthKillFocus();
    }
    void typeCycleDeadband(const char* typed)
    {
        valveHealth().setWindowText(Page::CycleDeadbandEdit, QString::fromLatin1(typed));
        valveHealth().OnDeadbandKillFocus(Page::Cycles);
    }
    void click(int id) { valveHealth().controlAs<QAbstractButton>(id)->click(); }
    // The stroke length word of the last counter write (word 8 of 174).
    QByteArray sentStroke() { return lastRequest(174, K40Path).mid(2 + 14, 2).toHex(' '); }
    int writes() { return int(device(K40Path).requestsFor(174).size()); }
};

TEST_F(ValveHealthStrokeWriteBackTest, AStrokeTypedBeforeTheDeviceChangedItIsNotSentAgain)
{
    showK40Page();
    typeStroke("1.5");
    click(Page::ApplyButton);
    ASSERT_EQ(sentStroke(), QByteArray("00 96"));
    ASSERT_EQ(device(K40Path).miscWord(0x74), 150);

    // The positioner's stroke set back to 0.75 in. while the user is on
    // another page; back on this one the counters are read again.
    device(K40Path).setMiscWord(0x74, 75);
    select(DashboardCode);
    clock().advance(2000);
    select(ValveHealthCode);
    device(K40Path).clearRequests();
    clock().advance(15000);
    ASSERT_FALSE(device(K40Path).requestsFor(173).empty());

    // Another setting applied, then the cycle counter reset: each write
    // carries the device's 75 hundredths.
    typeCycleDeadband("2");
    click(Page::ApplyButton);
    ASSERT_EQ(writes(), 1);
    EXPECT_EQ(sentStroke(), QByteArray("00 4b")) << "Apply";
    click(Page::ResetCycleCounterButton);
    ASSERT_EQ(writes(), 2);
    EXPECT_EQ(sentStroke(), QByteArray("00 4b")) << "Reset Cycle Counter";
    EXPECT_EQ(device(K40Path).miscWord(0x74), 75);

    // A stroke typed now is sent as typed.
    typeStroke("2.25");
    click(Page::ApplyButton);
    ASSERT_EQ(writes(), 3);
    EXPECT_EQ(sentStroke(), QByteArray("00 e1"));
    EXPECT_EQ(device(K40Path).miscWord(0x74), 225);
}

} // namespace

// The health, dashboard and alarm pages read the device at the milliseconds
// of their own timers: the first read after the page is shown and every
// period after it, seen in the times of the requests the device received.
#include "AppFrameTest.h"

#include "CNavigationView.h"
#include "RequestTimes.h"

#include <vector>

namespace
{

class PageTimersTest : public AppFrameTest
{
};

TEST_F(PageTimersTest, EachPageReadsAtTheFirstDelayAndPeriodOfItsTimers)
{
    struct Reads {
        const char* request;
        std::vector<qint64> at; // ms after the page was shown, up to a minute
    };
    struct Quiet {
        int timerId; // a timer that sends nothing: when it first falls due and its period
        qint64 first;
        int period;
    };
    struct Page {
        int code;
        const char* className;
        std::vector<Reads> reads;
        std::vector<Quiet> quiet;
    };
    // The status strip (202): first at 1000 ms, then every 20000 ms.
    const std::vector<qint64> strip { 1000, 21000, 41000 };
    const Page pages[] = {
        // Timer 1004 every 5000 ms in a cycle of twelve ticks: the status on
        // nine of them, the pressures on the third, the limits on the sixth,
        // the settings on the twelfth.
        { 1, "CAdvDashboard",
            { { "202", { 5000, 10000, 20000, 25000, 35000, 40000, 45000, 50000, 55000 } }, { "204", { 15000 } },
                { "240", { 30000 } }, { "166", { 60000 } } },
            {} },
        { 2, "CAlarmsView", { { "202", strip } }, {} },
        { 21, "CAlarmStatus", { { "202", strip }, { "228", { 30000, 60000 } } }, {} },
        // No strip timer: timer 2000 refreshes the indicators and the strip every 20000 ms.
        { 22, "CAlarmAnnunciator",
            { { "202", { 20000, 40000, 60000 } }, { "200 byte 0x79", { 20000, 40000, 60000 } },
                { "200 byte 0x81", { 20000, 40000, 60000 } } },
            {} },
        { 23, "CAlarmConfig", { { "202", strip } }, {} },
        { 3, "CHealthMain", { { "202", strip }, { "194", { 1000, 21000, 41000 } } }, {} },
        { 31, "CValveHealth",
            { { "202", strip }, { "173", { 1000, 16000, 31000, 46000 } }, { "197", { 1000, 16000, 31000, 46000 } } },
            { { 3002, 500, 500 } } },
        { 311, "CValveHealthToleranceSettings", { { "202", strip }, { "197", { 15000, 30000, 45000, 60000 } } },
            { { 3002, 500, 500 } } },
        // Timer 3008 every 15000 ms; timer 3012 (the temperature: 202 and 220) every 30000 ms.
        { 32, "CPositionerHealth",
            { { "202", { 1000, 21000, 30000, 41000, 60000 } }, { "220", { 30000, 60000 } },
                { "187", { 15000, 30000, 45000, 60000 } }, { "179", { 15000, 30000, 45000, 60000 } } },
            {} },
        { 33, "CActuatorHealth",
            { { "202", strip }, { "177", { 15000, 30000, 45000, 60000 } }, { "189", { 15000, 30000, 45000, 60000 } } },
            {} },
        // Timer 3013 reads the deviation (202) every 10000 ms beside the strip.
        { 34, "CControlHealth", { { "202", { 1000, 10000, 20000, 21000, 30000, 40000, 41000, 50000, 60000 } } }, {} },
    };
    for (const Page& p : pages) {
        SCOPED_TRACE(p.className);
        startK90();
        clock().advance(2000);
        device().clearRequests();
        const qint64 shown = clock().elapsedMs();
        tree().SelectItem(tree().itemForCode(p.code));
        for (const Quiet& q : p.quiet) {
            EXPECT_EQ(clock().dueIn(&page(p.className), q.timerId), q.first) << q.timerId;
            EXPECT_EQ(clock().period(&page(p.className), q.timerId), q.period) << q.timerId;
        }
        clock().advance(61000);
        for (const Reads& r : p.reads)
            EXPECT_EQ(requestTimes(device(), QString::fromLatin1(r.request), shown, 60000), r.at) << r.request;
        m_app.reset();
    }
}

} // namespace

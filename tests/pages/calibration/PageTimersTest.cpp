// The calibration and configuration pages of the tree read the device at the
// milliseconds of their own timers, seen in the times of the requests the
// device received after the page was shown.
#include "AppFrameTest.h"

#include "CNavigationView.h"
#include "RequestTimes.h"

#include <vector>

namespace
{

class PageTimersTest : public AppFrameTest
{
};

TEST_F(PageTimersTest, EachPageReadsAtTheFirstDelayAndPeriodOfItsTimer)
{
    // Timer 100: first at 1000 ms, then every 20000 ms; it reads the status
    // (202), and on the analog input page also the live values.
    const std::vector<qint64> strip { 1000, 21000, 41000 };
    const struct {
        int code;
        const char* request;
        std::vector<qint64> at;
    } pages[] = {
        { 5, "202", strip },
        { 51, "202", strip },
        { 52, "202", strip },
        { 53, "202", strip },
        { 53, "200 word 0x58", strip },
        { 53, "200 word 0x01", strip },
        { 6, "202", strip },
        { 61, "202", strip },
    };
    for (const auto& p : pages) {
        SCOPED_TRACE(p.code);
        startK90();
        clock().advance(2000);
        device().clearRequests();
        const qint64 shown = clock().elapsedMs();
        tree().SelectItem(tree().itemForCode(p.code));
        clock().advance(60000);
        EXPECT_EQ(requestTimes(device(), QString::fromLatin1(p.request), shown, 60000), p.at) << p.request;
        m_app.reset();
    }
}

} // namespace

// The diagnostic pages read the device at the milliseconds of their own
// timers: the first read after the page is shown or a run is started and
// every period after it, seen in the times of the requests the device
// received.
#include "AppFrameTest.h"

#include "CNavigationView.h"
#include "RequestTimes.h"
#include "diagnostics/CTrends.h"

#include <vector>

namespace
{

class PageTimersTest : public AppFrameTest
{
};

TEST_F(PageTimersTest, EachPageReadsAtTheFirstDelayAndPeriodOfItsStripTimer)
{
    // The status strip (202): first at 1000 ms, then every 20000 ms; the
    // compare pages arm no timer.
    const std::vector<qint64> strip { 1000, 21000, 41000 };
    const std::pair<int, std::vector<qint64>> pages[] = {
        { 4, strip },
        { 41, strip },
        { 411, {} },
        { 42, strip },
        { 421, {} },
        { 43, strip },
        { 431, {} },
        { 44, strip },
        { 45, strip },
        { 46, strip },
        { 461, {} },
    };
    for (const auto& [code, at] : pages) {
        SCOPED_TRACE(code);
        startK90();
        clock().advance(2000);
        device().clearRequests();
        const qint64 shown = clock().elapsedMs();
        tree().SelectItem(tree().itemForCode(code));
        clock().advance(60000);
        EXPECT_EQ(requestTimes(device(), QStringLiteral("202"), shown, 60000), at);
        m_app.reset();
    }
}

TEST_F(PageTimersTest, TrendRowsAreRead3000msApartFromRetrieve)
{
    startK90();
    clock().advance(2000);
    tree().SelectItem(tree().itemForCode(45));
    clock().advance(1000);
    device().clearRequests();
    const qint64 asked = clock().elapsedMs();
    page<CTrends>().OnRetrieve();
    clock().advance(10000);
    EXPECT_EQ(requestTimes(device(), QStringLiteral("181"), asked, 10000), (std::vector<qint64> { 3000, 6000, 9000 }));
}

} // namespace

// The calibration and configuration pages of the tree read the device at the
// milliseconds of their own timers, seen in the times of the requests the
// device received after the page was shown.
#include "AppFrameTest.h"

#include "CNavigationView.h"
#include "RequestTimes.h"

#include <string>
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
    // Wizard steps without a tree item are swapped in by class, as the
    // wizard's own buttons do.
    const std::vector<qint64> strip { 1000, 21000, 41000 };
    const struct {
        int code;
        const char* wizardStep;
        const char* request;
        std::vector<qint64> at;
    } pages[] = {
        { 5, nullptr, "202", strip },
        { 51, nullptr, "202", strip },
        { 52, nullptr, "202", strip },
        { 53, nullptr, "202", strip },
        { 53, nullptr, "200 word 0x58", strip },
        { 53, nullptr, "200 word 0x01", strip },
        { 6, nullptr, "202", strip },
        { 61, nullptr, "202", strip },
        { 0, "CCalib_Actuator", "202", strip },
        { 0, "CCustCharacterization", "202", strip },
    };
    for (const auto& p : pages) {
        SCOPED_TRACE(p.wizardStep ? p.wizardStep : std::to_string(p.code).c_str());
        startK90();
        clock().advance(2000);
        if (p.wizardStep) {
            // Reached from the calibration hub, whose timer stops as its buttons leave it.
            tree().SelectItem(tree().itemForCode(5));
            page("CCalibrationMain").StopTimers();
        }
        device().clearRequests();
        const qint64 shown = clock().elapsedMs();
        if (p.wizardStep) {
            FormPage* step = app().ReplaceView(p.wizardStep);
            ASSERT_TRUE(step);
            step->ActivatePage();
        } else {
            tree().SelectItem(tree().itemForCode(p.code));
        }
        clock().advance(60000);
        EXPECT_EQ(requestTimes(device(), QString::fromLatin1(p.request), shown, 60000), p.at) << p.request;
        m_app.reset();
    }
}

} // namespace

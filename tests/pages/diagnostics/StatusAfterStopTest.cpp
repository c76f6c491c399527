// Stop on a test page, and leaving it mid-run, read the device's status
// right after the stop requests, so the strip shows the device's state at
// once: out of the signature mode, or back under the loop, rather than the
// run's status for up to a strip period.
#include "DiagnosticsHubPageTest.h"

#include "controls/NumEdit.h"

namespace
{

using Settings = std::vector<std::pair<int, const char*>>;

struct StoppedPage {
    const char* name;
    int pageCode;
    Settings settings;
    qint64 runMs; // how long it runs before Stop
    int runStatus; // the device's status while it runs
    const char* runStrip; // the strip's status and command source then
    const char* runSource;
    QStringList stopRequests; // what Stop sends, in order, the status read last
};

// Stop on each test page: the requests it sends, in order, the status read
// last; the run's status and command source on the strip before.
const StoppedPage Pages[] = {
    { "ramp", 41,
        { { CRampTest::StartEdit, "15" }, { CRampTest::StopEdit, "85" }, { CRampTest::HoldEdit, "3" },
            { CRampTest::DurationEdit, "40" } },
        10000, 5, "5 - Signature In Progress Mode", "Analog",
        { QStringLiteral("E9 14 00 0F 41 70 00 00 42 AA 00 00 00 00 00 00 40 40 00 00 00 00"), QStringLiteral("CA") } },
    { "step", 42, { { CStepTest::StartEdit, "20" }, { CStepTest::StopEdit, "40" }, { CStepTest::HoldEdit, "6" } }, 2000,
        5, "5 - Signature In Progress Mode", "Analog",
        { QStringLiteral("C9 0A EE 00 8E 07 D0 FE 00 00 00 00"), QStringLiteral("C9 0A EE 00 8F 0F A0 FE 00 00 00 00"),
            QStringLiteral("C9 0A 92 00 F6 00 00 FE 00 00 00 00"), QStringLiteral("CA") } },
    { "partial stroke", 46,
        { { CPartialStrokeTest::StartEdit, "85" }, { CPartialStrokeTest::StopEdit, "70" },
            { CPartialStrokeTest::TimeToTargetEdit, "1" }, { CPartialStrokeTest::DurationEdit, "7" } },
        3000, 5, "5 - Signature In Progress Mode", "Analog",
        { QStringLiteral("E9 14 00 0F 42 AA 00 00 42 8C 00 00 00 00 00 00 40 E0 00 00 00 00"), QStringLiteral("CA") } },
    { "HDRL", 43, { { CHDRLTest::SettlingEdit, "6" } }, 3 * 6000 + 500, 2, "2 - Digital Command Mode", "Digital",
        { QStringLiteral("CB 03 00 13 88"), QStringLiteral("CA") } },
};

class StatusAfterStopTest : public DiagnosticsHubPageTest
{
protected:
    QStringList requests(const char* path)
    {
        QStringList frames;
        for (const SimRequest& request : device(path).requests())
            frames << QString::fromLatin1(request.bytes.toHex(' ')).toUpper();
        return frames;
    }
};

TEST_F(StatusAfterStopTest, StopOrLeavingReadsTheStatusAtOnceSoTheStripShowsTheDeviceOutOfTheRun)
{
    for (const char* path : { K90Path, K40Path }) {
        for (const StoppedPage& c : Pages) {
            for (bool leave : { false, true }) {
                SCOPED_TRACE(std::string(path) + ", " + c.name + (leave ? ", leaving for the hub" : ", Stop"));
                start({ QStringLiteral("/d") + QString::fromLatin1(path) });
                clock().advance(2000);
                select(c.pageCode);
                clock().advance(1000);
                FormPage& page = testPage(c.pageCode);
                for (const auto& [edit, text] : c.settings)
                    page.setWindowText(edit, QString::fromLatin1(text));
                prompts().answerMessage(Prompts::IdYes, Movement);
                page.controlAs<QAbstractButton>(474)->click();
                clock().advance(c.runMs);
                ASSERT_TRUE(device(path).statusActive(c.runStatus));
                auto& strip = static_cast<StripPage&>(page);
                ASSERT_EQ(strip.activeIndicator()->value(), QString::fromLatin1(c.runStrip));
                ASSERT_EQ(strip.commandSource()->value(), QString::fromLatin1(c.runSource));
                device(path).clearRequests();

                if (leave)
                    select(DiagnosticCode);
                else
                    page.controlAs<QAbstractButton>(501)->click();
                StripPage& shown = leave ? static_cast<StripPage&>(hub()) : strip;
                EXPECT_EQ(requests(path).mid(0, c.stopRequests.size()), c.stopRequests);
                // Within that one transaction, without the clock moving on.
                EXPECT_EQ(shown.activeIndicator()->value(), QStringLiteral("System Nominal"));
                EXPECT_EQ(shown.commandSource()->value(), QStringLiteral("Analog"));
                m_app.reset();
            }
        }
    }
}

TEST_F(StatusAfterStopTest, AnHDRLRunThatEndsByItselfReadsTheStatusRightAfterPuttingTheDeviceBack)
{
    for (const char* path : { K90Path, K40Path }) {
        SCOPED_TRACE(path);
        start({ QStringLiteral("/d") + QString::fromLatin1(path) });
        clock().advance(2000);
        select(43);
        clock().advance(1000);
        auto& page = static_cast<CHDRLTest&>(testPage(43));
        page.setWindowText(CHDRLTest::SettlingEdit, QStringLiteral("6"));
        prompts().answerMessage(Prompts::IdYes, Movement);
        page.controlAs<QAbstractButton>(474)->click();
        ASSERT_TRUE(device(path).statusActive(2)) << "Digital Command Mode";
        for (int k = 0; k < 3000 && page.running(); ++k) {
            device(path).clearRequests();
            clock().advance(100);
        }
        ASSERT_FALSE(page.running());
        // The device back under the loop, and the strip told so in the next
        // transaction, not a strip period later.
        const QStringList sent = requests(path);
        const qsizetype back = sent.indexOf(QStringLiteral("CB 03 00 13 88"));
        ASSERT_GE(back, 0) << sent.join(QStringLiteral(" | ")).toStdString();
        EXPECT_EQ(sent.mid(back), QStringList({ QStringLiteral("CB 03 00 13 88"), QStringLiteral("CA") }));
        EXPECT_FALSE(device(path).statusActive(2));
        EXPECT_EQ(page.activeIndicator()->value(), QStringLiteral("System Nominal"));
        EXPECT_EQ(page.commandSource()->value(), QStringLiteral("Analog"));
        m_app.reset();
    }
}

} // namespace

// One ramp result, the same pictures: the views its page offers are the
// pictures of its own report and of the hub's report, on either model.
#include "DiagnosticsHubPageTest.h"
#include "ReportPictures.h"

#include "report/ReportControl.h"

#include <QAbstractButton>
#include <QFile>

namespace
{

using Ramp = CRampTest;

class RampReportPicturesTest : public DiagnosticsHubPrintTest
{
protected:
    // The model with its pressure sensors and the valve as the case has it.
    void startOn(const char* path, bool doubleActing)
    {
        start({ QStringLiteral("/d") + QString::fromLatin1(path) });
        device(path).setMiscByte(0x82, 1);
        ValveModelParams physics = device(path).physics();
        physics.doubleActing = doubleActing;
        device(path).setPhysics(physics);
        // The configuration says how the valve is piped on either model.
        const uint8_t config = device(path).miscByte(0x28);
        device(path).setMiscByte(0x28, doubleActing ? config & ~0x20 : config | 0x20);
        clock().advance(2000);
        app().misc().ReadMiscByte28Bit5();
        data().PressureSensorFlag = 1;
    }
    // A ramp from `from` to `to` % over 3 s with a 2 s hold, both ways or
    // one, run to its end.
    void runRamp(const char* from, const char* to, bool bothWays)
    {
        select(RampTestCode);
        clock().advance(1000);
        const std::pair<int, const char*> settings[] = { { Ramp::StartEdit, from }, { Ramp::StopEdit, to },
            { Ramp::HoldEdit, "2" }, { Ramp::DurationEdit, "3" } };
        for (const auto& [edit, text] : settings)
            ramp().setWindowText(edit, QString::fromLatin1(text));
        ramp().controlAs<QAbstractButton>(Ramp::BidirectionalBox)->setChecked(bothWays);
        prompts().answerMessage(Prompts::IdYes, Movement);
        ramp().StartRampTest();
        for (qint64 passed = 0; passed < 1200000 && ramp().testRunning(); passed += 1000)
            clock().advance(1000);
    }
    void print(const char* title, const std::function<void()>& print)
    {
        const QString pdf = tempPath(QStringLiteral("pictures.pdf"));
        QFile::remove(pdf);
        prompts().answerFile(pdf, QString::fromLatin1(title));
        prompts().answerMessage(Prompts::IdNo, QStringLiteral("Do you want to print the Report?"));
        print();
        ASSERT_TRUE(QFile::exists(pdf));
    }
    static QStringList pictured(const ReportControl* report)
    {
        return ReportPictures::picturedFields(
            report->layoutDocument(), { "RampGrph", "RampGrph2", "RampGrph3", "RampGrph4" });
    }
};

TEST_F(RampReportPicturesTest, ThePageItsReportAndTheHubsReportShowOneRampResultInTheSameViews)
{
    const QStringList all { "RampGrph", "RampGrph2", "RampGrph3", "RampGrph4" };
    const QStringList withoutFriction { "RampGrph", "RampGrph2", "RampGrph3" };
    const struct {
        const char* what;
        const char* path;
        bool doubleActing;
        const char* from;
        const char* to;
        bool bothWays;
        bool friction; // the page offers its friction and thrust view
    } cases[] = {
        { "K90, spring return", K90Path, false, "20", "80", true, true },
        { "K90, double-acting", K90Path, true, "20", "80", true, true },
        { "K40, spring return", K40Path, false, "20", "80", true, true },
        { "K40, double-acting", K40Path, true, "20", "80", true, false },
        // One way finds no friction, on either model and either valve.
        { "K90, spring return, opening only", K90Path, false, "20", "80", false, false },
        { "K90, double-acting, closing only", K90Path, true, "80", "20", false, false },
        { "K40, spring return, opening only", K40Path, false, "20", "80", false, false },
        { "K40, spring return, closing only", K40Path, false, "80", "20", false, false },
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        startOn(c.path, c.doubleActing);
        ownProgramFolder({ "RampTestRept.xml", "RampTestRept_K40.xml", "AllTestReport.xml", "AllTestReport_K40.xml" });
        runRamp(c.from, c.to, c.bothWays);
        ASSERT_EQ(ramp().windowText(Ramp::StatusEdit), QStringLiteral("Test completed"));
        const auto samePictures = [&](const char* shown) {
            SCOPED_TRACE(shown);
            EXPECT_EQ(ramp().control(Ramp::FrictionViewButton)->isEnabled(), c.friction);
            print("Save Ramp ReportAs", [this] { ramp().PrintRampReport(); });
            EXPECT_EQ(pictured(ramp().findChild<ReportControl*>()), c.friction ? all : withoutFriction);

            select(DiagnosticCode);
            clock().advance(1000);
            tick(D::RampBox);
            print("Save MultiTest Report As", [this] { click(D::PrintButton); });
            EXPECT_EQ(pictured(hub().report().get()), c.friction ? all : withoutFriction);
            select(RampTestCode);
            clock().advance(1000);
        };
        samePictures("the run");
        // The same result saved and loaded again.
        const QString file = tempPath(QStringLiteral("pictures.rmp"));
        prompts().answerFile(file);
        ramp().SaveRampResults();
        prompts().answerFile(file);
        ramp().LoadRampResults();
        samePictures("its file");
        m_app.reset();
        SimTestHooks::reset();
    }
}

} // namespace

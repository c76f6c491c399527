// The ramp test page's four views and its channel boxes: which channels and
// axes each shows, the port 2 rules per model, and the drawn friction view.
#include "RampTestPageTest.h"

#include <QImage>

namespace
{

using Ramp = CRampTest;

class RampTestViewsTest : public RampTestPageTest
{
protected:
    void run(const char* start, const char* stop, bool bidirectional)
    {
        typeRamp(start, stop, "2", "2", bidirectional);
        startRamp();
        runRampToCompletion();
        ASSERT_EQ(rampText(Ramp::StatusEdit), QStringLiteral("Test completed"));
    }
    void click(int id)
    {
        auto* box = ramp().controlAs<QAbstractButton>(id);
        box->click();
    }
};

TEST_F(RampTestViewsTest, AOneWayClosingRunOnADoubleActingValveShowsOnlyTheClosingPressures)
{
    showRampPage();
    // Port 2 in use: the user ticks its box once the view offers it.
    data().Config28Bit5 = 0;
    click(Ramp::PressureViewButton);
    click(Ramp::RampViewButton);
    ASSERT_TRUE(rampEnabled(Ramp::Port2Box));
    click(Ramp::Port2Box);
    run("80", "20", false);
    click(Ramp::PressureViewButton);
    EXPECT_EQ(ramp().currentView(), Ramp::View::PressureVsPosition);
    EXPECT_EQ(shownChannels(), QStringList({ QStringLiteral("PvPPort1_2"), QStringLiteral("PvPPort2_2") }));
    EXPECT_EQ(ramp().plot()->GetTitle(), QStringLiteral("Pressure Vs Position"));
    EXPECT_TRUE(ramp().plot()->XAxisByName(QStringLiteral("Position"))->GetVisible());
    EXPECT_FALSE(ramp().plot()->XAxisByName(QStringLiteral("Time"))->GetVisible());
    for (int id : { Ramp::PositionBox, Ramp::CommandBox, Ramp::RelayCommandBox, Ramp::RelayPositionBox })
        EXPECT_FALSE(rampEnabled(id)) << id;
    EXPECT_TRUE(rampEnabled(Ramp::Port2Box));
    // A box switches both directions, also after a one-way run.
    click(Ramp::Port1Box);
    click(Ramp::Port1Box);
    EXPECT_EQ(shownChannels(),
        QStringList({ QStringLiteral("PvPPort1"), QStringLiteral("PvPPort1_2"), QStringLiteral("PvPPort2_2") }));

    click(Ramp::SignalsViewButton);
    EXPECT_EQ(shownChannels(),
        QStringList({ QStringLiteral("PosnvCmdClose"), QStringLiteral("Port1vCmdClose"),
            QStringLiteral("Port2vCmdClose"), QStringLiteral("ILCmdvCmdClose"), QStringLiteral("ILPosnvCmdClose") }));
    EXPECT_FALSE(rampEnabled(Ramp::CommandBox));
    EXPECT_TRUE(ramp().plot()->XAxisByName(QStringLiteral("Command"))->GetVisible());

    // One way finds no friction: its reports print no such picture, so the
    // page offers no such view.
    EXPECT_FALSE(rampEnabled(Ramp::FrictionViewButton));
    click(Ramp::FrictionViewButton);
    EXPECT_EQ(ramp().currentView(), Ramp::View::SignalsVsCommand);

    click(Ramp::RampViewButton);
    EXPECT_EQ(shownChannels(),
        QStringList({ QStringLiteral("Position"), QStringLiteral("Command"), QStringLiteral("Port1"),
            QStringLiteral("Port2"), QStringLiteral("ILCmd"), QStringLiteral("ILPOS") }));
    click(Ramp::CommandBox);
    EXPECT_FALSE(shownChannels().contains(QStringLiteral("Command")));
}

TEST_F(RampTestViewsTest, PortTwoFollowsTheModelAndTheSingleActingFlag)
{
    // The larger model with port 2 not in use.
    showRampPage();
    ASSERT_NE(data().Config28Bit5, 0);
    EXPECT_FALSE(rampChecked(Ramp::Port2Box));
    EXPECT_FALSE(rampEnabled(Ramp::Port2Box));
    EXPECT_FALSE(shownChannels().contains(QStringLiteral("Port2")));
    EXPECT_TRUE(rampEnabled(Ramp::FrictionViewButton));
    m_app.reset();

    // The smaller model: no port 2 box at all, the pilot relay boxes moved
    // up, and no friction view while its configuration bit is clear.
    start({ QStringLiteral("/dSim/K40/PV-102") });
    clock().advance(2000);
    CRampTest& k40 = page<CRampTest>();
    EXPECT_FALSE(k40.control(Ramp::Port2Box)->isVisibleTo(&k40));
    EXPECT_EQ(k40.controlRect(Ramp::RelayCommandBox), k40.controlRect(Ramp::Port2Box));
    EXPECT_EQ(k40.controlRect(Ramp::RelayPositionBox).top() - k40.controlRect(Ramp::RelayCommandBox).top(),
        k40.controlRect(Ramp::Port2Box).top() - k40.controlRect(Ramp::Port1Box).top());
    data().Config28Bit5 = 0;
    select(RampTestCode);
    clock().advance(1000);
    EXPECT_FALSE(rampEnabled(Ramp::FrictionViewButton));
    EXPECT_FALSE(rampChecked(Ramp::Port2Box));
    for (int view : { Ramp::PressureViewButton, Ramp::SignalsViewButton }) {
        ramp().controlAs<QAbstractButton>(view)->click();
        EXPECT_FALSE(rampEnabled(Ramp::FrictionViewButton)) << view;
        for (const QString& name : shownChannels())
            EXPECT_FALSE(name.contains(QStringLiteral("Port2"))) << name.toStdString();
    }
}

TEST_F(RampTestViewsTest, TheFrictionViewDrawsTheFrictionCurveInItsColour)
{
    showRampPage();
    data().Config28Bit5 = 0;
    run("10", "90", true);
    click(Ramp::FrictionViewButton);
    EXPECT_EQ(shownChannels(),
        QStringList({ QStringLiteral("Friction"), QStringLiteral("ThrustOpen"), QStringLiteral("ThrustClose") }));
    for (int id : { Ramp::PositionBox, Ramp::CommandBox, Ramp::Port1Box, Ramp::Port2Box, Ramp::RelayCommandBox,
             Ramp::RelayPositionBox })
        EXPECT_FALSE(rampEnabled(id)) << id;
    EXPECT_TRUE(ramp().plot()->YAxisByName(QStringLiteral("FrictionY"))->GetVisible());
    ASSERT_GT(xy("Friction")->Count(), 0);
    ramp().resize(1200, 800);
    const QImage image = ramp().grab().toImage();
    int frictionPixels = 0;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            frictionPixels += image.pixelColor(x, y) == QColor(255, 10, 10);
    EXPECT_GT(frictionPixels, 50);
}

// A ramp from 30 % to the top of the stroke: the position and command reach
// 100 %, where the stroke's 0-100 % leaves them no room, so each position
// and command axis widens at its top alone, to the next 10 %, and keeps its
// floor at 0 %; the time axis starts at 0 and the pressure axis, from 0,
// ends on the round step past the highest pressure.
TEST_F(RampTestViewsTest, ARunToTheTopOfTheStrokeWidensItsAxesThereAndKeepsTheirFloor)
{
    const struct {
        const char* path;
        const char* pressure; // the highest: 32.4 psi on the larger model, 16.5 on the smaller
    } models[] = { { K90Path, "0..35" }, { K40Path, "0..18" } };
    for (const auto& model : models) {
        SCOPED_TRACE(model.path);
        showRampPage(model.path);
        run("30", "100", false);
        const auto range = [this](bool x, const char* name) {
            const IPlotAxisPtr axis = x ? ramp().plot()->XAxisByName(QString::fromLatin1(name))
                                        : ramp().plot()->YAxisByName(QString::fromLatin1(name));
            return QStringLiteral("%1..%2").arg(axis->GetMin()).arg(axis->GetMax());
        };
        click(Ramp::RampViewButton);
        EXPECT_EQ(range(true, "Time"), QStringLiteral("0..6"));
        EXPECT_EQ(range(false, "Position"), QStringLiteral("0..110"));
        EXPECT_EQ(range(false, "Pressure"), QString::fromLatin1(model.pressure));
        click(Ramp::SignalsViewButton);
        EXPECT_EQ(range(true, "Command"), QStringLiteral("0..110"));
        EXPECT_EQ(range(false, "Position"), QStringLiteral("0..110"));
        click(Ramp::PressureViewButton);
        EXPECT_EQ(range(true, "Position"), QStringLiteral("0..110"));
        EXPECT_EQ(range(false, "Pressure"), QString::fromLatin1(model.pressure));
        m_app.reset();
    }
}

} // namespace

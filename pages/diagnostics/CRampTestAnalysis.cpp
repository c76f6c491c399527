#include "CRampTest.h"
#include "CRampTestTables.h"

#include "DeviceData.h"
#include "MiscAccessors.h"
#include "PageHelpers.h"

#include "automation/NumberText.h"
#include "core/PlotChannelHelpers.h"

using namespace RampTestRules;
using namespace RampTestPage;

// ---------------------------------------------------------------------------
// Plot preparation and analysis

void CRampTest::showRampUnitLabels()
{
    const ResultUnits units = shownUnits();
    setWindowText(SpringInitialUnit, units.pressureLabel);
    setWindowText(SpringFinalUnit, units.pressureLabel);
    setWindowText(StrokeLengthUnit, units.travelLabel);
    setWindowText(ActuatorSizeUnit, areaUnitText(units.travel));
    setWindowText(SpringRateUnit, springRateUnitText(units.pressure, units.travelLabel));
}

void CRampTest::PrepareRampPlot()
{
    const DeviceData& dd = data();
    for (int id : { Port1Box, PressureViewButton, FrictionViewButton })
        enableControl(id, true);
    showChannel(s("Port1"), checked(Port1Box));
    const bool port2 = dd.DeviceType == LargerModel && dd.Config28Bit5 == 0;
    enableControl(Port2Box, port2);
    showChannel(s("Port2"), port2 && checked(Port2Box));
    ShowRampTestView(dd.Config28Bit5 != 0);
    // The run shown keeps its units, stroke length and actuator size, which
    // its spring set was worked out with.
    const ResultUnits units = shownUnits();
    const QString pressureTitle = QStringLiteral("Pressure [") + units.pressureLabel + QStringLiteral("]");
    const IPlotAxisPtr pressure = m_pPlot->YAxisByName(s("Pressure"));
    pressure->SetSpan(m_PressureSpan);
    pressure->SetTitle(pressureTitle);
    setWindowText(StrokeLengthEdit, NumberText::format("%3.2f", units.strokeLength));
    setWindowText(ActuatorSizeEdit, NumberText::format("%3.1f", shownArea(units.actuatorArea, units.travel)));
    showRampUnitLabels();
    const double start = layoutNumber(StartEdit);
    const double stop = layoutNumber(StopEdit);
    m_Direction = RampTestRules::directionCode(start, stop);
    m_Base = timeBase(layoutNumber(DurationEdit), layoutNumber(HoldEdit), checked(BidirectionalBox));
    setProgressRange(m_Base.lastProgress);
    // What the empty plot shows until the run's points come: the axes then
    // fit them.
    const IPlotAxisPtr time = m_pPlot->XAxisByName(s("Time"));
    time->SetMin(0.0);
    time->SetSpan(m_Base.totalTime);
    const int minimum = positionAxisMinimum(float(start), float(stop));
    const IPlotAxisPtr position = m_pPlot->YAxisByName(s("Position"));
    position->SetMin(minimum);
    position->SetSpan(110.0 - minimum);
    pressure->SetMin(0.0);
    pressure->SetSpan(m_PressureSpan);
    const IPlotAxisPtr force = m_pPlot->YAxisByName(s("FrictionY"));
    force->SetMin(0.0);
    force->SetSpan(1000.0);
}

Curve CRampTest::curveOf(const QString& channel) const
{
    const IXYPlotChannelPtr c = GetDispatchDriverIXYPlotXChannelByName(m_pPlot, AutoString(channel));
    Curve curve;
    const int n = c->Count();
    curve.reserve(size_t(n));
    for (int i = 0; i < n; ++i)
        curve.push_back({ c->GetX(i), c->GetY(i) });
    return curve;
}

void CRampTest::fillCurve(const QString& channel, const Curve& curve)
{
    const IXYPlotChannelPtr c = GetDispatchDriverIXYPlotXChannelByName(m_pPlot, AutoString(channel));
    for (const Point& p : curve)
        c->AddXY(p.x, p.y);
}

void CRampTest::RunRampAnalysis()
{
    const DeviceData& dd = data();
    // The smaller model's port 2 is its supply: port 1 alone drives there.
    const bool port1Alone = dd.DeviceType == SmallerModel;
    const ThrustWindow window = thrustWindow(m_RunStart, m_RunStop);
    const Curve openPort2 = curveOf(s("PvPPort2"));
    const Curve closePort2 = curveOf(s("PvPPort2_2"));
    // The pressures are in the unit the run was recorded in.
    const ResultUnits units = shownUnits();
    const Curve open = thrustCurve(
        curveOf(s("PvPPort1")), port1Alone ? nullptr : &openPort2, units.pressure, dd.ActuatorArea, window);
    const Curve close = thrustCurve(
        curveOf(s("PvPPort1_2")), port1Alone ? nullptr : &closePort2, units.pressure, dd.ActuatorArea, window);
    fillCurve(s("ThrustOpen"), open);
    fillCurve(s("ThrustClose"), close);
    // Matched on the channels as drawn, so that earlier points count too.
    const Curve openDrawn = curveOf(s("ThrustOpen"));
    const Curve closeDrawn = curveOf(s("ThrustClose"));
    const Curve friction = frictionCurve(openDrawn, closeDrawn);
    fillCurve(s("Friction"), friction);
    m_Spring = springSet(units.pressure, units.actuatorArea, units.strokeLength, openDrawn, closeDrawn);
    const uint8_t switches = context().misc().ReadMiscByte(SoftwareSwitchesByte);
    if (!m_Spring) {
        for (int id : { SpringRateEdit, SpringInitialEdit, SpringFinalEdit })
            setWindowText(id, NoSpringValue);
        return;
    }
    setWindowText(SpringRateEdit, springText(m_Spring->rate));
    // An air-to-close actuator's spring works the other way round.
    const bool airToOpen = (switches & AirToOpenBit) != 0;
    setWindowText(SpringInitialEdit, springText(airToOpen ? m_Spring->initial : m_Spring->final));
    setWindowText(SpringFinalEdit, springText(airToOpen ? m_Spring->final : m_Spring->initial));
}

#pragma once

#include "HealthPageTest.h"

#include "health/CPositionerHealth.h"

// The positioner health page shown, with the user's ways of changing a limit.
class PositionerHealthPageTest : public HealthPageTest
{
protected:
    static constexpr int PositionerHealthCode = 32;
    static constexpr uint32_t Green = IndicatorColour::Green;
    static constexpr uint32_t Yellow = IndicatorColour::Yellow;
    static constexpr uint32_t Red = IndicatorColour::Red;
    static constexpr uint32_t Black = IndicatorColour::Black;
    using P = CPositionerHealth;

    CPositionerHealth& page() { return HealthPageTest::page<CPositionerHealth>(); }
    QString text(int id) { return page().windowText(id); }
    uint32_t pointerColour(CPositionerHealth::Gauge gauge) { return page().gauge(gauge)->pointerColor(0); }

    // Start-up, the page shown, past its first strip read, with an empty record.
    void showPage()
    {
        startK90();
        clock().advance(2000);
        select(PositionerHealthCode);
        clock().advance(1000);
        device().clearRequests();
    }
    // What the user does: types into a limit edit and leaves it.
    void type(int editId, const char* typed)
    {
        page().setWindowText(editId, QString::fromLatin1(typed));
        if (editId == P::ResponseWarningEdit || editId == P::ResponseAlarmEdit)
            page().OnKillFocusResponseLimit(editId);
        else
            page().OnKillFocusFullWarning(editId);
    }
    // Drags a marker of a gauge to a place, as the mouse does.
    void drag(CPositionerHealth::Gauge gauge, int marker, double position)
    {
        page().gauge(gauge)->setPointerPosition(marker, position);
    }
    // The relay's response time the simulated positioner measures, in ms.
    void setRelayResponseMs(double ms)
    {
        ValveModelParams physics = device().physics();
        physics.relayLagS = ms / 1000.0 - physics.ipLagS;
        device().setPhysics(physics);
    }
    // Only the writes of the record.
    QStringList writes()
    {
        QStringList out;
        for (const QString& command : sent())
            if (command == QLatin1String("188") || command == QLatin1String("180"))
                out << command;
        return out;
    }
};

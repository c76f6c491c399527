#pragma once

#include "AppFrameTest.h"

#include "CNavigationView.h"
#include "IndicatorColours.h"
#include "RequestTimes.h"
#include "SimulatedPositioner.h"

#include "health/CActuatorHealth.h"
#include "health/CAdvDashboard.h"
#include "health/CValveHealth.h"
#include "health/CValveHealthToleranceSettings.h"

#include <QCoreApplication>
#include <QDir>
#include <QImage>
#include <QStringList>

#include <array>

// The program against a simulated positioner, with the two health pages at
// hand and the device's request record in a readable form.
class HealthPageTest : public AppFrameTest
{
protected:
    static constexpr int DashboardCode = 1;
    static constexpr int ActuatorHealthCode = 33;

    CAdvDashboard& dashboard() { return page<CAdvDashboard>(); }
    CActuatorHealth& actuatorHealth() { return page<CActuatorHealth>(); }
    DeviceData& data() { return app().deviceData(); }

    void select(int pageCode) { tree().SelectItem(tree().itemForCode(pageCode)); }

    // The commands the device received since the record was last cleared:
    // "202", or for a Misc read the slot it asked for ("200 byte 0x82").
    QStringList sent(const char* path = K90Path)
    {
        QStringList out;
        for (const SimRequest& request : device(path).requests())
            out << describe(request);
        return out;
    }

    // A record as one line, "220, 189, 200 long 0x69".
    static std::string joined(const QStringList& list) { return list.join(QStringLiteral(", ")).toStdString(); }

    static QString describe(const SimRequest& request) { return requestKind(request); }

    // The data bytes of the last request of a command ([command][count][data...]).
    QByteArray lastRequest(uint8_t command, const char* path = K90Path)
    {
        const auto requests = device(path).requestsFor(command);
        return requests.empty() ? QByteArray() : requests.back().bytes;
    }

    // A reply the device gives to `command` once: the data after the status bytes.
    void scriptData(uint8_t command, const QByteArray& data, const char* path = K90Path)
    {
        QByteArray reply;
        reply.append(char(command)).append(char(data.size() + 2)).append('\0').append('\0').append(data);
        SimTestHooks::scriptReply(device(path), command, reply);
    }

    static QByteArray words(std::initializer_list<uint16_t> values)
    {
        QByteArray out;
        for (uint16_t v : values)
            out.append(char(v >> 8)).append(char(v & 0xFF));
        return out;
    }

    // The simulated valve's friction, static and dynamic alike.
    void setFriction(double lbf, const char* path = K90Path)
    {
        ValveModelParams physics = device(path).physics();
        physics.staticFrictionLbf = lbf;
        physics.dynamicFrictionLbf = lbf;
        device(path).setPhysics(physics);
    }
    // The next friction settings reply (198 layout) with the device's own
    // limits, as another tool would have written them: low alarm, low
    // warning, high warning, high alarm.
    void respondWithFrictionLimits(const std::array<double, 4>& limits, const char* path = K90Path)
    {
        device(path).respond(
            198, words({ uint16_t(limits[2]), uint16_t(limits[3]), uint16_t(limits[1]), uint16_t(limits[0]) }));
    }

    // Where rendering tests keep their pictures.
    static QString artifactPath(const QString& fileName)
    {
        const QString dir = QCoreApplication::applicationDirPath() + QStringLiteral("/artifacts/pages_health");
        QDir().mkpath(dir);
        return dir + QLatin1Char('/') + fileName;
    }
};

// The actuator health page shown, with the user's way of typing a limit.
class ActuatorHealthPageTest : public HealthPageTest
{
protected:
    static constexpr uint32_t Green = IndicatorColour::Green;
    static constexpr uint32_t Yellow = IndicatorColour::Yellow;
    static constexpr uint32_t Red = IndicatorColour::Red;
    static constexpr uint32_t Black = IndicatorColour::Black;

    CActuatorHealth& page() { return actuatorHealth(); }
    // Start-up, the page shown, past its first strip read, with an empty record.
    void showPage()
    {
        startK90();
        clock().advance(2000);
        select(ActuatorHealthCode);
        clock().advance(1000);
        device().clearRequests();
    }
    // What the user does: types into a limit edit and leaves it.
    void type(int editId, const char* text)
    {
        page().setWindowText(editId, QString::fromLatin1(text));
        page().OnLimitEditKillFocus(editId);
    }
};

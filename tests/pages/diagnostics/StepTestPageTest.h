#pragma once

#include "AppFrameTest.h"

#include "CNavigationView.h"
#include "MultiTestRun.h"
#include "RequestTimes.h"
#include "SimulatedPositioner.h"

#include "diagnostics/CStepTest.h"

#include <QAbstractButton>
#include <QLabel>
#include <QProgressBar>

#include <string>

// The program against a simulated positioner with the step test page at
// hand, the device's request record in a readable form, and the user's ways
// of driving the page.
class StepTestPageTest : public AppFrameTest
{
protected:
    static constexpr int StepTestCode = 42;
    static constexpr int DiagnosticCode = 4;
    static constexpr int DashboardCode = 1;
    static constexpr uint8_t TestStatusByte = 0x92;

    CStepTest& step() { return page<CStepTest>(); }
    DeviceData& data() { return app().deviceData(); }
    void select(int pageCode) { tree().SelectItem(tree().itemForCode(pageCode)); }

    // Start-up on a model, past the first reads, and the step test page shown.
    void showPage(const char* path = K90Path)
    {
        start({ QStringLiteral("/d") + QString::fromLatin1(path) });
        clock().advance(2000);
        select(StepTestCode);
        clock().advance(1000);
        device(path).clearRequests();
    }

    void typeSettings(const char* start, const char* stop, const char* hold)
    {
        step().setWindowText(CStepTest::StartEdit, QString::fromLatin1(start));
        step().setWindowText(CStepTest::StopEdit, QString::fromLatin1(stop));
        step().setWindowText(CStepTest::HoldEdit, QString::fromLatin1(hold));
    }

    // Start pressed and the movement question answered Yes.
    void startTest()
    {
        prompts().answerMessage(Prompts::IdYes,
            QStringLiteral("The following procedure will cause closure member movement. Do you wish to continue?"));
        step().OnStartTest();
    }

    // Runs the clock until the page has finished the test (or the limit passed).
    void runToCompletion(qint64 limitMs = 600000)
    {
        for (qint64 passed = 0; passed < limitMs && step().testRunning(); passed += 1000)
            clock().advance(1000);
    }

    QString text(int id) { return step().windowText(id); }
    bool enabled(int id) { return step().control(id)->isEnabled(); }
    bool checked(int id) { return step().controlAs<QAbstractButton>(id)->isChecked(); }
    int progress() { return step().controlAs<QProgressBar>(CStepTest::ProgressBar)->value(); }
    IPlotChannelPtr channel(const char* name) { return step().plot()->ChannelByName(QString::fromLatin1(name)); }

    // The commands the device received since the record was last cleared:
    // "202", or for a Misc read the slot it asked for ("200 byte 0x92").
    QStringList sent(const char* path = K90Path)
    {
        QStringList out;
        for (const SimRequest& request : device(path).requests())
            out << describe(request);
        return out;
    }
    static QString describe(const SimRequest& request) { return requestKind(request); }
    static std::string joined(const QStringList& list) { return list.join(QStringLiteral(", ")).toStdString(); }

    // The times of the requests of one kind, as described above.
    std::vector<qint64> timesOf(const QString& what, const char* path = K90Path)
    {
        std::vector<qint64> times;
        for (const SimRequest& request : device(path).requests()) {
            if (describe(request) == what)
                times.push_back(request.timeMs);
        }
        return times;
    }

    // A reply the device gives to `command` once: the data after the status bytes.
    void scriptData(uint8_t command, const QByteArray& payload, const char* path = K90Path)
    {
        QByteArray reply;
        reply.append(char(command)).append(char(payload.size() + 2)).append('\0').append('\0').append(payload);
        SimTestHooks::scriptReply(device(path), command, reply);
    }
    static QByteArray words(std::initializer_list<int> values)
    {
        QByteArray out;
        for (int v : values)
            out.append(char(uint16_t(v) >> 8)).append(char(uint16_t(v) & 0xFF));
        return out;
    }
    // A Read_Misc reply for the test status byte.
    void scriptTestStatus(uint8_t status, const char* path = K90Path)
    {
        scriptData(200,
            QByteArray::fromHex("92") + QByteArray(1, char(status)) + QByteArray::fromHex("F60000FE00000000"), path);
    }

    void setFriction(double lbf, const char* path = K90Path)
    {
        ValveModelParams physics = device(path).physics();
        physics.staticFrictionLbf = lbf;
        physics.dynamicFrictionLbf = lbf;
        device(path).setPhysics(physics);
    }

    QStringList points(const char* name, bool xs)
    {
        QStringList out;
        const IPlotChannelPtr c = channel(name);
        for (int k = 0; k < c->Count(); ++k)
            out << QString::number(xs ? c->GetX(k) : c->GetY(k));
        return out;
    }
};
